import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import zlib from 'node:zlib';
import { startServer, registerAndLogIn, check, checkBody, request } from './helpers.mjs';

let server;
let session;
before(async () => {
  server = await startServer();
  ({ session } = await registerAndLogIn(server.port, 'checker@example.com', 'secret12'));
});
after(async () => { await server.stop(); });

const KNOWN = ['This is an test of teh system.', 'Their going to the park tomorow.', 'I has a apple.'];

// Sentence records come in the order they finish; the client places them by
// index. The document record is always last.
function order(answer) {
  const inds = answer.records.map((r) => r.value.sentInd);
  const docs = inds.filter((i) => i < 0);
  assert.ok(docs.length === 0 || inds[inds.length - 1] < 0, 'document record last');
  return [...inds.filter((i) => i >= 0).sort((a, b) => a - b), ...docs];
}
const rec = (answer, i) => answer.records.find((r) => r.value.sentInd === i);

function find(record, sentence, text) {
  return record.value.corrections.find((c) => sentence.slice(c.start, c.end) === text);
}

test('each known error gets the right type and top candidate', async () => {
  const answer = await check(server.port, checkBody(session, KNOWN));
  assert.equal(answer.status, 200);
  const bySent = new Map(answer.records.map((r) => [r.value.sentInd, r]));
  const expect = [
    [0, 'an', 'GRAMMAR', 'a'],
    [0, 'teh', 'NONWORD', 'the'],
    [1, 'Their', 'REAL', "They're"],
    [1, 'tomorow', 'NONWORD', 'tomorrow'],
    [2, 'has', 'MOPHOLOGY', 'have'],
    [2, 'a', 'GRAMMAR', 'an'],
  ];
  for (const [i, text, type, top] of expect) {
    const c = find(bySent.get(i), KNOWN[i], text);
    assert.ok(c, `no correction for "${text}"`);
    assert.equal(c.errorType, type, text);
    assert.equal(c.candidates[0].correction, top, text);
    assert.equal(c.candidates[0].candidateType, 'REPLACE');
    assert.ok(c.candidates[0].score > c.candidates[0].originalScore);
    assert.ok(c.featureKeys.length > 0 && c.featureKeys.every((k) => typeof k === 'string'));
    assert.ok(c.explainType);
  }
});

test('answer stream: one record per sentence, then the document record, each followed by the separator', async () => {
  const answer = await check(server.port, checkBody(session, ['Plain title', ...KNOWN], [1, 0, 0, 0]));
  assert.equal(answer.rest.length, 0, 'nothing after the last separator');
  assert.deepEqual(order(answer), [0, 1, 2, 3, -1]);
  const doc = answer.records[4].value;
  assert.ok(doc.lexicalScore >= 0 && doc.lexicalScore <= 1);
  assert.ok(doc.syntaxScore >= 0 && doc.syntaxScore <= 1);
  assert.equal(doc.corrections, undefined);
  for (const r of answer.records) assert.ok(r.bytes < 4096);
  // Every correction has the members the client reads, with their types.
  for (const r of answer.records.slice(0, 4)) {
    for (const c of r.value.corrections) {
      for (const k of ['loc', 'start', 'end']) assert.ok(Number.isInteger(c[k]), k);
      for (const k of ['errorInfo', 'errorType', 'explainType']) assert.equal(typeof c[k], 'string', k);
      assert.ok(Array.isArray(c.featureKeys) && Array.isArray(c.candidates));
      for (const cand of c.candidates) {
        assert.equal(typeof cand.correction, 'string');
        assert.ok(['REPLACE', 'DELETION', 'INSERTION'].includes(cand.candidateType));
        assert.equal(typeof cand.score, 'number');
        assert.equal(typeof cand.originalScore, 'number');
      }
      assert.ok(['NONWORD', 'REAL', 'MOPHOLOGY', 'GRAMMAR', 'STYLE', 'SUGGESTION', 'IMPROVE'].includes(c.errorType));
    }
  }
});

test('chunks with config -1 get no record; titles skip the grammar, rule and det stages', async () => {
  const answer = await check(server.port, checkBody(session, ['I has a apple.', 'I has a apple.', 'I has a apple.'], [-1, 1, 0]));
  assert.deepEqual(order(answer), [1, 2, -1]);
  const title = rec(answer, 1).value.corrections;
  const sentence = rec(answer, 2).value.corrections;
  assert.ok(!title.some((c) => c.explainType === 'article'), 'no article check in a title');
  assert.ok(sentence.some((c) => c.explainType === 'article'));
});

test('enrichment proposes WordNet synonyms with the part of speech as errorInfo', async () => {
  const s = 'We live in a big house near the sea.';
  const answer = await check(server.port, checkBody(session, [s]));
  const c = answer.records[0].value.corrections.find((x) => x.errorType === 'IMPROVE');
  assert.ok(c, 'an enrichment for "big"');
  assert.equal(s.slice(c.start, c.end), 'big');
  assert.equal(c.errorInfo, 'JJ');
  assert.equal(c.explainType, 'lexsub');
  assert.equal(c.featureKeys[0], 'big');
  assert.deepEqual(c.featureKeys.slice(1), c.candidates.map((x) => x.correction));
});

test('positions are counted in UTF-16 units of the sentence', async () => {
  const s = 'Caf\u00e9 \u{1F600} is an test of teh system.';
  const answer = await check(server.port, checkBody(session, [s]));
  const c = answer.records[0].value.corrections.find((x) => x.candidates[0]?.correction === 'the');
  assert.ok(c);
  assert.equal(s.slice(c.start, c.end), 'teh');
});

test('a deletion leaves one blank between the words once the client applies it', async () => {
  const s = 'I am going to to the shop.';
  const answer = await check(server.port, checkBody(session, [s]));
  for (const c of answer.records[0].value.corrections) {
    const cand = c.candidates[0];
    const applied = cand.candidateType === 'DELETION' ? s.slice(0, c.start) + ' ' + s.slice(c.end) : s.slice(0, c.start) + cand.correction + s.slice(c.end);
    assert.ok(!applied.includes('  '), applied);
  }
});

test('an unknown or empty session gets exactly "unauthorized"', async () => {
  for (const key of ['', 'NOT-A-SESSION']) {
    const answer = await check(server.port, checkBody(key, ['This is a test.']));
    assert.equal(answer.status, 200);
    assert.equal(answer.raw.toString('latin1'), 'unauthorized');
  }
});

test('malformed requests get 4xx, never a crash', async () => {
  const p = server.port;
  const bodies = [
    Buffer.from('not zlib at all'),
    zlib.deflateSync(Buffer.from('{"sents": [')),
    zlib.deflateSync(Buffer.from('[1,2,3]')),
    zlib.deflateSync(Buffer.from(JSON.stringify({ session, sents: ['a'], configs: ['x'] }))),
    zlib.deflateSync(Buffer.from(JSON.stringify({ session, sents: ['a', 'b'], configs: [0] }))),
    zlib.deflateSync(Buffer.from(JSON.stringify({ session, sents: [1], configs: [0] }))),
    zlib.deflateSync(Buffer.from(JSON.stringify({ session, sents: ['a'], configs: [7] }))),
    zlib.deflateSync(Buffer.from(JSON.stringify({ session: 5, sents: ['a'], configs: [0] }))),
    Buffer.alloc(0),
  ];
  for (const b of bodies) {
    const r = await request(p, 'POST', '/unified/', b);
    assert.ok(r.status >= 400 && r.status < 500, `status ${r.status}`);
  }
  // A zlib bomb: small on the wire, far over the inflate cap.
  const bomb = zlib.deflateSync(Buffer.alloc(64 * 1024 * 1024, 0x20), { level: 9 });
  assert.equal((await request(p, 'POST', '/unified/', bomb)).status, 400);
  // A body over the size cap.
  assert.equal((await request(p, 'POST', '/unified/', Buffer.alloc(5 * 1024 * 1024, 1))).status, 413);
  // Still serving.
  const ok = await check(p, checkBody(session, ['This is fine.']));
  assert.equal(ok.records.length, 2);
});

test('a request with no chunks gets only the document record', async () => {
  const answer = await check(server.port, checkBody(session, []));
  assert.deepEqual(answer.records.map((r) => r.value), [{ sentInd: -1, lexicalScore: 0, syntaxScore: 0 }]);
});

test('streaming: on 200 sentences the first record arrives well before the last', async () => {
  const sents = [];
  for (let i = 0; i < 200; i++) sents.push(`${KNOWN[i % 3]} We walked ${i + 1} miles along the river before the sun went down.`);
  const answer = await check(server.port, checkBody(session, sents));
  assert.equal(answer.records.length, 201);
  const first = answer.records[0].at;
  const last = answer.records[199].at;
  console.log(`# 200 sentences: first record at ${first} ms, last sentence record at ${last} ms, document record at ${answer.records[200].at} ms`);
  assert.ok(last - first >= 0);
  assert.ok(first * 4 < last, `first ${first} ms, last ${last} ms`);
});

test('concurrent check requests are all answered in full', async () => {
  const answers = await Promise.all([0, 1, 2, 3].map((i) => check(server.port, checkBody(session, KNOWN.map((s) => `${s} (${i})`)))));
  for (const a of answers) assert.deepEqual(order(a), [0, 1, 2, -1]);
});

test('more findings: repeated word, capitalization, its/it\'s, word boundary', async () => {
  const sents = ['I am going to to the shop.', 'the meeting starts now.', 'Its a good thing.', 'I recieve alot of mail.'];
  const answer = await check(server.port, checkBody(session, sents));
  const at = (i, text) => find(rec(answer, i), sents[i], text);
  assert.equal(at(0, 'to to').errorType, 'STYLE');
  assert.equal(at(0, 'to to').candidates[0].correction, 'to');
  assert.equal(at(1, 'the').errorType, 'STYLE');
  assert.equal(at(1, 'the').candidates[0].correction, 'The');
  assert.equal(at(2, 'Its').errorType, 'REAL');
  assert.equal(at(2, 'Its').candidates[0].correction, "It's");
  assert.equal(at(3, 'recieve').errorType, 'NONWORD');
  assert.equal(at(3, 'alot').errorType, 'NONWORD');
  assert.equal(at(3, 'alot').candidates[0].correction, 'a lot');
});

test('a 10,000-word sentence (a long text with no sentence mark) is checked, not refused', async () => {
  const words = [];
  for (let i = 0; i < 10000; i++) words.push(i % 40 === 3 ? 'teh' : 'word');
  const s = words.join(' ');
  assert.ok(s.length > 40000);
  const answer = await check(server.port, checkBody(session, [s]));
  assert.equal(answer.status, 200);
  assert.equal(answer.records.length, 2);
  assert.equal(answer.records[0].value.sentInd, 0);
  for (const c of answer.records[0].value.corrections) {
    assert.ok(c.start >= 0 && c.end <= s.length && c.start <= c.end);
  }
});

test('a sentence of more than 40 words keeps its misspellings; without other findings it gets the length hint', async () => {
  const typos = 'When I went to the shop yesterday afternoon with my brother and our two very old friends from school we saw teh biggest dog that any of us had ever seen in our whole lives and it was barking loudly at teh people.';
  const clean = 'When I went to the shop yesterday afternoon with my brother and our two very old friends from school we saw the biggest dog that any of us had ever seen in our whole lives and it was barking loudly at the people.';
  const short = 'We saw teh dog. '.repeat(12).trim();
  const answer = await check(server.port, checkBody(session, [typos, clean, short]));
  const of = (i) => answer.records.find((r) => r.value.sentInd === i).value.corrections;
  const misspelt = of(0).filter((c) => typos.slice(c.start, c.end) === 'teh');
  assert.equal(misspelt.length, 2);
  for (const c of misspelt) {
    assert.equal(c.errorType, 'NONWORD');
    assert.equal(c.candidates[0].correction, 'the');
  }
  assert.ok(!of(0).some((c) => c.featureKeys[0] === 'LongSentences'));
  const hint = of(1);
  assert.equal(hint.length, 1);
  assert.equal(hint[0].errorType, 'SUGGESTION');
  assert.equal(hint[0].explainType, 'style');
  assert.deepEqual(hint[0].featureKeys, ['LongSentences', 'Readability']);
  assert.equal(hint[0].errorInfo, 'This sentence is 43 words long.');
  assert.equal(hint[0].start, 0);
  assert.equal(hint[0].end, clean.length);
  assert.deepEqual(hint[0].candidates, []);
  // Twelve short sentences in one chunk are not one long sentence.
  assert.equal(of(2).filter((c) => short.slice(c.start, c.end) === 'teh').length, 12);
  assert.ok(!of(2).some((c) => c.featureKeys[0] === 'LongSentences'));
});
