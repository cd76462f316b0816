// Load figures of a running services process, measured from a second process
// on loopback: node bench/load.mjs <port> [requests] [in flight]
//  - words per second checking a 10,000-word document (first request, warm)
//  - requests per second for log-in and for glossary calls at a bounded
//    number of requests in flight.
import fs from 'node:fs';
import { registerAndLogIn, post, check, checkBody, md5Upper } from '../test/helpers.mjs';

const port = Number(process.argv[2]);
const total = Number(process.argv[3] || 2000);
const inFlight = Number(process.argv[4] || 8);
if (!port) {
  console.error('usage: node bench/load.mjs <port> [requests] [in flight]');
  process.exit(2);
}

const PARAGRAPH = [
  'The committee met on Tuesday to discuss the budget for the coming year.',
  'Several members argued that the library needs more money for new books and longer opening hours.',
  'Their going to present a detailed plan next month, after they have spoken with the staff.',
  'I has a feeling that the proposal will be accepted without much debate.',
  'In the meantime, the volunteers continue to organise reading groups for children and adults.',
  'This is an test of teh system, and it should show how quickly the checker answers.',
];

// A varied document: the paragraph's sentences with a different noun from
// the word lists in each, and every other sentence with a fresh misspelling
// (two letters swapped), so that no two findings read the same.
function documentOf(words, seed = 0) {
  const nouns = fs.readFileSync(new URL('../../data/vocabulary/cefrj-vocabulary-profile-1.5.csv', import.meta.url), 'utf8')
    .split('\n').map((l) => l.split(',')).filter((f) => f[1] === 'noun' && /^[a-z]{4,}$/.test(f[0])).map((f) => f[0]);
  const sents = [];
  let count = 0;
  for (let i = 0; count < words; i++) {
    const noun = nouns[(i * 7919 + seed * 104729) % nouns.length];
    let s = PARAGRAPH[i % PARAGRAPH.length].replace(/\b(budget|library|plan|proposal|volunteers|system)\b/, noun);
    if (i % 2 === 0) {
      const w = s.split(' ');
      const k = 1 + ((i + seed) % (w.length - 2));
      if (w[k].length > 4) w[k] = w[k][0] + w[k][2] + w[k][1] + w[k].slice(3);
      s = w.join(' ');
    }
    sents.push(s);
    count += s.split(/\s+/).length;
  }
  return { sents, count };
}

async function bounded(n, limit, fn) {
  let next = 0;
  let failures = 0;
  const worker = async () => {
    while (next < n) {
      const i = next++;
      if (!(await fn(i))) failures++;
    }
  };
  const started = process.hrtime.bigint();
  await Promise.all(Array.from({ length: limit }, worker));
  const seconds = Number(process.hrtime.bigint() - started) / 1e9;
  return { seconds, perSecond: n / seconds, failures };
}

const { session } = await registerAndLogIn(port, `bench${Date.now()}@example.com`, 'secret12');
if (!session) throw new Error('cannot log in');
// First request of the process, the same document again, then another one.
for (const [label, seed] of [['first', 0], ['warm, same text', 0], ['warm, other text', 1]]) {
  const { sents, count } = documentOf(10000, seed);
  const answer = await check(port, checkBody(session, sents));
  const seconds = answer.elapsed / 1000;
  console.log(`check ${count} words in ${sents.length} sentences (${label}): ${seconds.toFixed(2)} s, ` +
    `${Math.round(count / seconds)} words/s, first record after ${answer.records[0].at} ms, ${answer.records.length} records`);
}

const email = `load${Date.now()}@example.com`;
await registerAndLogIn(port, email, 'secret12');
const digest = md5Upper('secret12');
const login = await bounded(total, inFlight, async () =>
  (await post(port, '/Login-new.ashx', [['userName', email], ['hashUserPassword', digest], ['area', 'ostrel']])).text.startsWith('Success|'));
console.log(`log-in: ${total} requests, ${inFlight} in flight: ${login.perSecond.toFixed(0)} requests/s, ${login.failures} failed`);
const add = await bounded(total, inFlight, async (i) =>
  (await post(port, '/NotPublic/UserWordBulkAdd.ashx', [['sessionKey', session], ['words', `word${i % 300};`]])).text === 'ok');
console.log(`glossary add: ${total} requests, ${inFlight} in flight: ${add.perSecond.toFixed(0)} requests/s, ${add.failures} failed`);
const list = await bounded(total, inFlight, async () =>
  (await post(port, '/NotPublic/UserWordList.ashx', [['sessionKey', session]])).status === 200);
console.log(`glossary list: ${total} requests, ${inFlight} in flight: ${list.perSecond.toFixed(0)} requests/s, ${list.failures} failed`);
