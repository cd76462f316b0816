import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { editDistance, Spelling } from '../src/spelling.mjs';
import { makeChecker } from '../quality/run.mjs';
import { DEFAULT_CONFIGS, stageTable } from '../src/checkroute.mjs';

test('edit distance counts a swap of neighbours as one edit and stops above its limit', () => {
  assert.equal(editDistance('recieve', 'receive'), 1);
  assert.equal(editDistance('wether', 'weather'), 1);
  assert.equal(editDistance('cat', 'cat'), 0);
  assert.equal(editDistance('kitten', 'sitting'), 3);
  assert.ok(editDistance('a', 'abcdefgh', 2) > 2);
});

test('ranking: nearer words first, then commoner ones, splits last', () => {
  const vocabulary = { cefr: new Map([['weather', 0], ['whether', 2], ['wither', 4], ['because', 0], ['became', 0]]) };
  const sp = new Spelling(vocabulary);
  assert.deepEqual(sp.rank('wether', ['wet her', 'wither', 'whether', 'weather']), ['weather', 'whether', 'wither', 'wet her']);
  // Same distance: the word with the letters only swapped comes before a changed letter.
  assert.deepEqual(sp.rank('recieved', ['relieved', 'received', 'receive']), ['received', 'relieved', 'receive']);
  assert.deepEqual(sp.near('wether'), ['weather', 'whether']);
  assert.ok(sp.onlySplits('wether', ['wet her'], true));
  assert.ok(!sp.onlySplits('alot', ['a lot'], false), 'a non-word keeps its split');
  assert.ok(!sp.onlySplits('because', ['be cause'], true), 'a common word is not a misspelling');
});

let checker;
before(async () => { checker = await makeChecker(); });
after(() => checker.wordnet.close());
const table = stageTable(DEFAULT_CONFIGS[0]);
const run = async (sents) => checker.check(sents, sents.map(() => table), { enrich: true });

test('a rare word offered only as a split is a misspelling with common words first', async () => {
  const s = 'I do not know wether it will rain.';
  const [found] = await run([s]);
  const c = found.find((x) => s.slice(x.start, x.end) === 'wether');
  assert.equal(c.errorType, 'NONWORD');
  assert.equal(c.explainType, 'spelling');
  assert.deepEqual(c.candidates.slice(0, 2).map((x) => x.correction), ['weather', 'whether']);
  assert.equal(c.candidates.at(-1).correction, 'wet her');
  const t = 'I recieve alot of mail.';
  const [other] = await run([t]);
  assert.equal(other.find((x) => t.slice(x.start, x.end) === 'alot').candidates[0].correction, 'a lot');
  assert.equal(other.find((x) => t.slice(x.start, x.end) === 'recieve').candidates[0].correction, 'receive');
});

test('enrichment: never on a name, one a sentence, only words of the same common sense', async () => {
  const [ben, many] = await run(['We visited Big Ben and it was big.', 'It was a big and good and nice house.']);
  const improve = (list) => list.filter((x) => x.errorType === 'IMPROVE');
  assert.ok(!improve(ben).some((x) => x.start === 11), 'no suggestion on "Big Ben"');
  assert.ok(improve(many).length <= 1);
  const options = checker.enrichmentOptions('big', 'a', 'JJ');
  assert.ok(!options.includes('ample') && options.length > 0, options.join(','));
});
