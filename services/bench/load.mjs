// Load figures of a running services process, measured from a second process
// on loopback: node bench/load.mjs <port> [requests] [in flight]
//  - words per second checking a 10,000-word document (first request, warm)
//  - requests per second for log-in and for glossary calls at a bounded
//    number of requests in flight.
import { registerAndLogIn, post, check, checkBody, md5Upper } from '../test/helpers.mjs';
import { documentOf } from './document.mjs';

const port = Number(process.argv[2]);
const total = Number(process.argv[3] || 2000);
const inFlight = Number(process.argv[4] || 8);
if (!port) {
  console.error('usage: node bench/load.mjs <port> [requests] [in flight]');
  process.exit(2);
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
