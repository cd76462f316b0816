// Reader of dictd dictionaries (".index" + ".dict.dz", as the freedict
// packages install them under /usr/share/dictd), with dictzip random access.
import fs from 'node:fs';
import zlib from 'node:zlib';

const B64 = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/';

export function decodeNumber(s) {
  let n = 0;
  for (const c of s) {
    const v = B64.indexOf(c);
    if (v < 0) return NaN;
    n = n * 64 + v;
  }
  return n;
}

export class DictdFile {
  constructor(base) {
    this.base = base;
    this.entries = null; // lower-case headword -> [[offset, length], ...]
  }

  static exists(base) {
    return fs.existsSync(`${base}.index`) && (fs.existsSync(`${base}.dict.dz`) || fs.existsSync(`${base}.dict`));
  }

  load() {
    if (this.entries) return;
    this.entries = new Map();
    const text = fs.readFileSync(`${this.base}.index`, 'utf8');
    for (const line of text.split('\n')) {
      const parts = line.split('\t');
      if (parts.length < 3 || parts[0].startsWith('00database') || parts[0].startsWith('00-database')) continue;
      const off = decodeNumber(parts[1]);
      const len = decodeNumber(parts[2]);
      if (!Number.isFinite(off) || !Number.isFinite(len)) continue;
      const key = parts[0].toLowerCase();
      const list = this.entries.get(key);
      if (list) list.push([off, len]);
      else this.entries.set(key, [[off, len]]);
    }
    this.openData();
  }

  openData() {
    if (fs.existsSync(`${this.base}.dict`)) {
      this.fd = fs.openSync(`${this.base}.dict`, 'r');
      this.chunks = null;
      return;
    }
    this.fd = fs.openSync(`${this.base}.dict.dz`, 'r');
    const head = Buffer.alloc(65536);
    const n = fs.readSync(this.fd, head, 0, head.length, 0);
    if (n < 12 || head[0] !== 0x1f || head[1] !== 0x8b || !(head[3] & 4)) throw new Error('not a dictzip file');
    const xlen = head.readUInt16LE(10);
    let p = 12;
    const end = 12 + xlen;
    while (p < end) {
      const id = head.toString('latin1', p, p + 2);
      const len = head.readUInt16LE(p + 2);
      if (id === 'RA') {
        this.chunkLength = head.readUInt16LE(p + 6);
        const count = head.readUInt16LE(p + 8);
        this.chunks = [];
        for (let i = 0; i < count; i++) this.chunks.push(head.readUInt16LE(p + 10 + 2 * i));
      }
      p += 4 + len;
    }
    if (!this.chunks) throw new Error('dictzip file without chunk table');
    let q = end;
    const flags = head[3];
    if (flags & 8) while (head[q++] !== 0); // file name
    if (flags & 16) while (head[q++] !== 0); // comment
    if (flags & 2) q += 2;
    this.chunkOffsets = [];
    for (const c of this.chunks) { this.chunkOffsets.push(q); q += c; }
  }

  read(offset, length) {
    if (!this.chunks) {
      const buf = Buffer.alloc(length);
      fs.readSync(this.fd, buf, 0, length, offset);
      return buf.toString('utf8');
    }
    const first = Math.floor(offset / this.chunkLength);
    const last = Math.floor((offset + length - 1) / this.chunkLength);
    const parts = [];
    for (let i = first; i <= last && i < this.chunks.length; i++) {
      const comp = Buffer.alloc(this.chunks[i]);
      fs.readSync(this.fd, comp, 0, comp.length, this.chunkOffsets[i]);
      parts.push(zlib.inflateRawSync(comp, { finishFlush: zlib.constants.Z_SYNC_FLUSH }));
    }
    const all = Buffer.concat(parts);
    const from = offset - first * this.chunkLength;
    return all.subarray(from, from + length).toString('utf8');
  }

  lookup(word) {
    this.load();
    const hits = this.entries.get(String(word).toLowerCase()) || [];
    return hits.slice(0, 6).map(([o, l]) => this.read(o, l));
  }

  close() {
    if (this.fd !== undefined) fs.closeSync(this.fd);
    this.fd = undefined;
    this.entries = null;
  }
}

// The translations of one dictd article: its lines after the headword line,
// without pronunciations, grammar tags, cross references and notes.
export function articleTranslations(article) {
  const lines = article.split('\n').slice(1).map((l) => l.trim()).filter(Boolean);
  const out = [];
  for (let line of lines) {
    if (/^(see:|Synonyms?:|Note:|Notes:|\{|"|see also)/i.test(line)) continue;
    line = line.replace(/^\d+\.\s*/, '').replace(/<[^>]*>/g, '').replace(/\[[^\]]*\]/g, '').replace(/\s+/g, ' ').trim();
    if (!line || line.length > 120) continue;
    for (const part of line.split(/\s*[,;]\s*/)) if (part && !out.includes(part)) out.push(part);
  }
  return out;
}
