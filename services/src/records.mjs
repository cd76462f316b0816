// Answer records of the check protocol: compact JSON, zlib-compressed, each
// followed by the separator 64 1A 1B.
import zlib from 'node:zlib';

export const SEPARATOR = Buffer.from([0x64, 0x1a, 0x1b]);
// The client inflates each record into 4,096 bytes and reads up to the first
// zero byte, so a record's JSON must stay below that.
export const RECORD_LIMIT = 4095;

// Compresses a record so that the compressed bytes never contain the
// separator (the client would cut the record there): other compression
// levels are tried, then trailing blanks, which JSON ignores.
export function encodeRecord(json, compress = (buf, level) => zlib.deflateSync(buf, { level })) {
  for (let pad = 0; pad < 8; pad++) {
    const buf = Buffer.from(json + ' '.repeat(pad), 'utf8');
    for (const level of [6, 9, 1, 4]) {
      const out = compress(buf, level);
      if (out.indexOf(SEPARATOR) < 0) return out;
    }
  }
  throw new Error('record cannot be framed');
}

// Serialises one sentence's record, dropping candidates and then whole
// corrections (the least important last ones) until it fits.
export function sentenceRecordJson(sentInd, corrections) {
  const list = corrections.map((c) => ({ ...c, candidates: [...c.candidates] }));
  for (;;) {
    const json = JSON.stringify({ sentInd, corrections: list });
    if (Buffer.byteLength(json, 'utf8') <= RECORD_LIMIT) return json;
    const widest = list.reduce((best, c) => (c.candidates.length > 1 && (!best || c.candidates.length > best.candidates.length) ? c : best), null);
    if (widest) widest.candidates.pop();
    else if (list.length) {
      // Long texts in errorInfo go first, then corrections from the end.
      const chatty = list.find((c) => c.errorType !== 'IMPROVE' && c.errorInfo.length > 40);
      if (chatty) chatty.errorInfo = chatty.errorInfo.slice(0, 40);
      else list.pop();
    } else return JSON.stringify({ sentInd, corrections: [] });
  }
}

export function documentRecordJson(scores) {
  return JSON.stringify({ sentInd: -1, lexicalScore: scores.lexicalScore, syntaxScore: scores.syntaxScore });
}

export function frame(json) {
  return Buffer.concat([encodeRecord(json), SEPARATOR]);
}
