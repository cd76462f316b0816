#!/usr/bin/env node
// The requests of the scale-out run (scripts/test-scaleout.sh): one fixed
// sequence of account, glossary, usage, account page and check requests on a
// fresh database, whose answers (session keys replaced by "KEY") it prints as
// JSON, so that the answers of one SQLite process and of PostgreSQL-backed
// processes behind a proxy can be compared byte for byte.
//
//   node test/scaleout/flows.mjs --port N            the fixed sequence
//   node test/scaleout/flows.mjs --across A,B        sessions and log-in limits
//                                                    across two processes
//
// --across logs in on one process and uses the session on the other (and the
// other way round), ends it on one and finds it ended on the other, and fails
// log-ins alternately on both until the account is refused on both. Prints
// what it found and exits 1 on a mismatch.
import { post, get, md5Upper, registerAndLogIn, checkBody, check } from '../helpers.mjs';

const CHECKED = [
  'Yesterday he go to school and buyed two apple.',
  'She have many informations about the the problem.',
  'My Dog like to play at the park on sunday.',
  'I am agree with you, however it rained.',
];

const keyless = (text) => text.replace(/\b[0-9A-F]{32}\b/g, 'KEY');

async function sequence(port) {
  const out = [];
  const note = (what, answer) => out.push([what, typeof answer === 'string' ? keyless(answer) : answer]);
  const form = async (what, p, fields) => {
    const r = await post(port, p, fields);
    note(what, `${r.status} ${r.text}`);
    return r.text;
  };
  const mia = await registerAndLogIn(port, 'mia+q@example.com', 'secret12');
  note('register', mia.registration);
  note('log-in', mia.answer);
  const s = mia.session;
  await form('register again', '/register/register.ashx', [['e', 'MIA%2bq@example.com'], ['p', md5Upper('x')], ['from', 'ostrel']]);
  await form('register bad', '/register/register.ashx', [['e', 'not an address'], ['p', 'xyz'], ['from', 'ostrel']]);
  await form('e-mail exists', '/register/DoesEmailExist.ashx', [['e', 'mia+q@example.com']]);
  await form('e-mail unknown', '/register/DoesEmailExist.ashx', [['e', 'zed@example.com']]);
  await form('wrong password', '/Login-new.ashx', [['userName', 'mia+q@example.com'], ['hashUserPassword', md5Upper('nope')], ['area', 'ostrel']]);
  await form('unknown user', '/Login-new.ashx', [['userName', 'zed@example.com'], ['hashUserPassword', md5Upper('nope')], ['area', 'ostrel']]);
  await form('logged in', '/IsUserLogin.ashx', [['sessionKey', s]]);
  await form('glossary empty', '/NotPublic/UserWordList.ashx', [['sessionKey', s]]);
  await form('glossary add', '/NotPublic/UserWordBulkAdd.ashx', [['sessionKey', s], ['words', 'zebra;Quillet;colour;']]);
  await form('glossary add again', '/NotPublic/UserWordBulkAdd.ashx', [['sessionKey', s], ['words', 'colour;apple;apple;']]);
  await form('glossary list', '/NotPublic/UserWordList.ashx', [['sessionKey', s]]);
  await form('glossary bad session', '/NotPublic/UserWordList.ashx', [['sessionKey', '0'.repeat(32)]]);
  await form('check counts', '/NotPublic/UserCountBulkAdd.ashx', [['sessionKey', s], ['group', 'check'], ['data', 'SENTENSE:4;WORD:35;WORD:5;']]);
  await form('error counts', '/NotPublic/UserCountBulkAdd.ashx', [['sessionKey', s], ['group', 'error'], ['data', 'Nonword:2;Grammar:3;b:1;B:1;']]);
  await form('events', '/NotPublic/UserCountBulkAdd.ashx', [['sessionKey', '2727-2727'], ['group', 'event'], ['version', 'ostrel'], ['data', 'QL_Main_Review:1;']]);
  await form('bad counts', '/NotPublic/UserCountBulkAdd.ashx', [['sessionKey', s], ['group', 'check'], ['data', 'WORD:x;']]);
  await form('corrections', '/NotPublic/UserCorrectionLogBulkAdd-new.ashx', [['sessionKey', s],
    ['data', JSON.stringify([{ sentence: CHECKED[0], word: 'go', wordIdx: 13, wordLength: 2, correctionList: 'went', choose: 0, type: 3 }])]]);
  const page = await get(port, `/Account/LoginFromClient?u=mia&s=${s}`);
  note('account page', `${page.status} ${page.text}`);
  const checked = await check(port, checkBody(s, CHECKED));
  const records = checked.records.map((r) => r.value).sort((a, b) => a.sentInd - b.sentInd);
  note('check', { status: checked.status, records });
  note('check bad session', (await check(port, checkBody('0'.repeat(32), CHECKED))).text);
  const fb = await get(port, '/LoginedByFacebook.ashx?id=4242&name=Zo%EB');
  note('facebook', `${fb.status} ${fb.text.replace(/;\d{4}-\d\d-\d\d$/, ';DATE')}`);
  await form('log-out', '/Logout-new.ashx', [['sessionKey', s]]);
  await form('logged out', '/IsUserLogin.ashx', [['sessionKey', s]]);
  await form('log-out again', '/Logout-new.ashx', [['sessionKey', s]]);
  return out;
}

async function across(a, b) {
  const problems = [];
  const expect = (what, got, want) => { if (got !== want) problems.push(`${what}: ${JSON.stringify(got)}, not ${JSON.stringify(want)}`); };
  const email = `across-${Date.now().toString(36)}@example.com`;
  const made = await registerAndLogIn(a, email, 'secret12');
  expect('register and log in on the first', made.registration, 'success');
  const sessionA = made.session;
  const onB = await post(b, '/Login-new.ashx', [['userName', email], ['hashUserPassword', md5Upper('secret12')], ['area', 'ostrel']]);
  const sessionB = onB.text.split('|')[1];
  for (const [where, port, session] of [['second', b, sessionA], ['first', a, sessionB]]) {
    expect(`a session of the other process on the ${where}`, (await post(port, '/IsUserLogin.ashx', [['sessionKey', session]])).text, 'Success');
    expect(`glossary add on the ${where}`, (await post(port, '/NotPublic/UserWordBulkAdd.ashx', [['sessionKey', session], ['words', `w${where};`]])).text, 'ok');
  }
  expect('the glossary on the first', (await post(a, '/NotPublic/UserWordList.ashx', [['sessionKey', sessionB]])).text, 'wsecond;wfirst;');
  expect('the glossary on the second', (await post(b, '/NotPublic/UserWordList.ashx', [['sessionKey', sessionA]])).text, 'wsecond;wfirst;');
  const checked = await check(b, checkBody(sessionA, ['He go home.']));
  expect('a check on the second with a session of the first', checked.records.length, 2);
  expect('log-out on the second', (await post(b, '/Logout-new.ashx', [['sessionKey', sessionA]])).text, 'Success');
  expect('the ended session on the first', (await post(a, '/IsUserLogin.ashx', [['sessionKey', sessionA]])).text, 'SessionError');
  // Failed log-ins count on every process: the account's allowance (5 by
  // default) is used up across both, and then both refuse it.
  let failures = 0;
  for (let i = 0; i < 5; i++) {
    const r = await post(i % 2 ? b : a, '/Login-new.ashx', [['userName', email], ['hashUserPassword', md5Upper(`wrong${i}`)], ['area', 'ostrel']]);
    if (r.text === 'Failure') failures++;
  }
  expect('failed log-ins', failures, 5);
  for (const [where, port] of [['first', a], ['second', b]]) {
    const r = await post(port, '/Login-new.ashx', [['userName', email], ['hashUserPassword', md5Upper('secret12')], ['area', 'ostrel']]);
    expect(`the locked account on the ${where}`, r.text.startsWith('Failure|Too many failed log-in attempts'), true);
  }
  return problems;
}

async function main() {
  const args = process.argv.slice(2);
  const at = (name) => { const i = args.indexOf(name); return i >= 0 ? args[i + 1] : undefined; };
  if (at('--port')) {
    process.stdout.write(`${JSON.stringify(await sequence(Number(at('--port'))), null, 1)}\n`);
    return 0;
  }
  if (at('--across')) {
    const [a, b] = at('--across').split(',').map(Number);
    const problems = await across(a, b);
    for (const p of problems) process.stdout.write(`across: ${p}\n`);
    if (problems.length === 0) process.stdout.write('across: sessions, writes and log-in limits are shared by both processes\n');
    return problems.length ? 1 : 0;
  }
  process.stderr.write('usage: node test/scaleout/flows.mjs --port N | --across A,B\n');
  return 2;
}

main().then((code) => process.exit(code), (err) => {
  process.stderr.write(`flows: ${err.stack || err}\n`);
  process.exit(1);
});
