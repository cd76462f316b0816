import { test } from 'node:test';
import assert from 'node:assert/strict';
import zlib from 'node:zlib';
import { parseForm } from '../src/http.mjs';
import { parseCountString } from '../src/usage.mjs';
import { encodeRecord, sentenceRecordJson, SEPARATOR, RECORD_LIMIT } from '../src/records.mjs';
import { documentScores, movingTtr } from '../src/scores.mjs';
import { decodeNumber, articleTranslations } from '../src/dictd.mjs';
import { parseGlossLine } from '../src/vocabulary.mjs';
import { readCheckRequest } from '../src/checkroute.mjs';
import { parseArgs } from '../src/server.mjs';

test('form decoding: plus is a blank, broken escapes are kept, the first value wins', () => {
  const f = parseForm('a=1+2&b=%41%zz&a=3&c&d=%2b');
  assert.equal(f.get('a'), '1 2');
  assert.equal(f.get('b'), 'A%zz');
  assert.equal(f.get('c'), '');
  assert.equal(f.get('d'), '+');
});

test('count strings', () => {
  assert.deepEqual(parseCountString('SENTENSE:12;WORD:140;'), [['SENTENSE', 12], ['WORD', 140]]);
  assert.deepEqual(parseCountString('Other:1;'), [['Other', 1]]);
  assert.deepEqual(parseCountString(''), []);
  assert.equal(parseCountString('WORD;'), null);
  assert.equal(parseCountString('WORD:x;'), null);
});

test('a record whose compressed bytes would hold the separator is compressed another way', () => {
  let calls = 0;
  const clashing = (buf, level) => {
    calls++;
    const out = zlib.deflateSync(buf, { level });
    return calls < 3 ? Buffer.concat([out.subarray(0, 2), SEPARATOR, out.subarray(2)]) : out;
  };
  const out = encodeRecord('{"sentInd":0,"corrections":[]}', clashing);
  assert.equal(out.indexOf(SEPARATOR), -1);
  assert.equal(zlib.inflateSync(out).toString(), '{"sentInd":0,"corrections":[]}');
  assert.throws(() => encodeRecord('{}', (b) => SEPARATOR));
});

test('an oversized record drops candidates, then corrections, to fit the 4,096-byte inflate area', () => {
  const corrections = [];
  for (let i = 0; i < 60; i++) {
    corrections.push({ loc: i, start: i, end: i + 1, errorInfo: 'x'.repeat(80), errorType: 'GRAMMAR', explainType: 'grammar', featureKeys: ['Rule'],
      candidates: [1, 2, 3, 4, 5].map((k) => ({ correction: `candidate${k}`, candidateType: 'REPLACE', score: 0.9, originalScore: 0.1 })) });
  }
  const json = sentenceRecordJson(3, corrections);
  assert.ok(Buffer.byteLength(json) <= RECORD_LIMIT);
  const value = JSON.parse(json);
  assert.equal(value.sentInd, 3);
  assert.ok(value.corrections.length > 0);
  assert.equal(value.corrections[0].start, 0, 'the first corrections are kept');
});

test('document scores stay in 0..1 and reward varied, richer text', () => {
  const vocabulary = { cefrLevel: (w) => ({ remarkable: 3, considerable: 3, elaborate: 4 })[w] ?? 0, exam: new Map() };
  const plain = documentScores(Array(10).fill('The cat is on the mat.'), vocabulary);
  const rich = documentScores(['The remarkable expedition crossed considerable distances through elaborate mountain passes before winter arrived.',
    'Short rest.', 'Then, after weeks of careful preparation and several false starts, the travellers finally reached the remarkable valley.'], vocabulary);
  for (const s of [plain, rich]) for (const v of Object.values(s)) assert.ok(v >= 0 && v <= 1);
  assert.ok(rich.lexicalScore > plain.lexicalScore);
  assert.ok(rich.syntaxScore > plain.syntaxScore);
  assert.deepEqual(documentScores([], vocabulary), { lexicalScore: 0, syntaxScore: 0 });
  assert.equal(movingTtr(['a', 'b', 'a', 'b']), 0.5);
});

test('check request validation', () => {
  const r = readCheckRequest({ session: 'k', sents: ['a', 'b'], configs: [0, -1], configTypes: [['server.spell', '2'], ['server.spell', '0']] });
  assert.equal(r.tables[0].get('server.spell'), '2');
  assert.equal(r.tables[1].get('server.spell'), '0');
  const empty = readCheckRequest({ session: 'k' });
  assert.deepEqual(empty.sents, []);
  assert.throws(() => readCheckRequest({ sents: ['a'] }));
  assert.throws(() => readCheckRequest({ sents: ['a'], configs: [2] }));
  assert.throws(() => readCheckRequest({ sents: ['a'], configs: [0], lexsubConfidence: 'x' }));
});

test('dictd numbers, articles and exam-list lines', () => {
  assert.equal(decodeNumber('A'), 0);
  assert.equal(decodeNumber('BA'), 64);
  assert.equal(decodeNumber('x2E'), 49 * 4096 + 54 * 64 + 4);
  assert.ok(Number.isNaN(decodeNumber('*')));
  assert.deepEqual(articleTranslations('apple /æpl/\npomme\n'), ['pomme']);
  assert.deepEqual(articleTranslations('house /haʊs/\n1. Haus <neut>, Gebäude\n see: {houses}\n'), ['Haus', 'Gebäude']);
  assert.deepEqual(parseGlossLine('abandon [əˈbændən] vt.丢弃；放弃'), { word: 'abandon', gloss: 'vt.丢弃；放弃' });
  assert.deepEqual(parseGlossLine('a art.一(个)'), { word: 'a', gloss: 'art.一(个)' });
  assert.equal(parseGlossLine('(共 4615 词)'), null);
});

test('command line options', () => {
  assert.equal(parseArgs([]).port, 47880);
  assert.equal(parseArgs(['--port', '0']).port, 0);
  assert.equal(parseArgs(['--session-ttl', '5']).sessionTtl, 5);
  assert.equal(parseArgs(['--seed-update']).seedUpdate, true);
  assert.equal(parseArgs([]).seedUpdate, undefined);
  assert.throws(() => parseArgs(['--port', 'x']));
  assert.throws(() => parseArgs(['--bogus']));
  assert.throws(() => parseArgs(['--data']));
});
