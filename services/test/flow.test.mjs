import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startServer, post, get, md5Upper, check, checkBody } from './helpers.mjs';

let server;
before(async () => { server = await startServer(); });
after(async () => { await server.stop(); });

test('register, log in, check, glossary, usage, log out', async () => {
  const p = server.port;
  const digest = md5Upper('correct horse');
  assert.equal((await post(p, '/register/DoesEmailExist.ashx', [['e', 'lou@example.com']])).text, 'False');
  assert.equal((await post(p, '/register/register.ashx', [['e', 'lou@example.com'], ['p', digest], ['from', 'ostrel']])).text, 'success');
  const login = (await post(p, '/Login-new.ashx', [['userName', 'lou@example.com'], ['hashUserPassword', digest], ['area', 'ostrel']])).text.split('|');
  assert.equal(login[0], 'Success');
  const key = login[1];

  const answer = await check(p, checkBody(key, ['Quillet Notes', 'I has a apple.'], [1, 0]));
  // Sentence records in the order they finish, the document record last.
  const inds = answer.records.map((r) => r.value.sentInd);
  assert.equal(inds.pop(), -1);
  assert.deepEqual(inds.sort(), [0, 1]);

  // Glossary: empty at first, then every word followed by ";".
  assert.equal((await post(p, '/NotPublic/UserWordList.ashx', [['sessionKey', key]])).text, '');
  assert.equal((await post(p, '/NotPublic/UserWordBulkAdd.ashx', [['sessionKey', key], ['words', 'Quillet;teh;']])).text, 'ok');
  assert.equal((await post(p, '/NotPublic/UserWordBulkAdd.ashx', [['sessionKey', key], ['words', 'teh;Zanzibar;']])).text, 'ok');
  assert.equal((await post(p, '/NotPublic/UserWordList.ashx', [['sessionKey', key]])).text, 'Quillet;teh;Zanzibar;');

  // Usage: events, check and error counts, correction records.
  const count = (group, data, extra = []) => post(p, '/NotPublic/UserCountBulkAdd.ashx', [['sessionKey', key], ['group', group], ...extra, ['data', data]]);
  assert.equal((await count('event', 'QL_Main_Review:3;QL_Main_Search:1;', [['version', 'ostrel']])).text, 'ok');
  assert.equal((await count('check', 'SENTENSE:12;WORD:140;')).text, 'ok');
  assert.equal((await count('error', 'Nonword:2;Other:1;')).text, 'ok');
  assert.equal((await count('error', 'Nonword:1;')).text, 'ok');
  const records = JSON.stringify([{ sentence: 'I has a apple.', word: 'has', wordIdx: 2, wordLength: 3, correctionList: 'have', choose: 0, type: 3 }]);
  assert.equal((await post(p, '/NotPublic/UserCorrectionLogBulkAdd-new.ashx', [['sessionKey', key], ['data', records]])).text, 'ok');

  const page = await get(p, `/Account/LoginFromClient?u=lou@example.com&s=${key}`);
  assert.equal(page.status, 200);
  assert.match(page.text, /lou@example\.com/);
  assert.match(page.text, /Nonword<\/td><td>3/);
  assert.match(page.text, /WORD<\/td><td>140/);
  assert.match(page.text, /Corrections recorded: 1/);
  assert.match(page.text, /Quillet, teh, Zanzibar/);

  assert.equal((await post(p, '/Logout-new.ashx', [['sessionKey', key]])).text, 'Success');
  assert.equal((await check(p, checkBody(key, ['I has a apple.']))).text, 'unauthorized');
  const after = await post(p, '/NotPublic/UserWordList.ashx', [['sessionKey', key]]);
  assert.equal(after.status, 401);
  assert.equal(after.text, '');
});

test('usage uploads: anonymous events, refusals and malformed data', async () => {
  const p = server.port;
  const up = (fields) => post(p, '/NotPublic/UserCountBulkAdd.ashx', fields);
  assert.equal((await up([['sessionKey', '2727-2727'], ['group', 'event'], ['version', 'ostrel'], ['data', 'QL_Access_Login:2;']])).text, 'ok');
  assert.equal((await up([['sessionKey', '2727-2727'], ['group', 'check'], ['data', 'WORD:2;']])).text, 'SessionError');
  assert.equal((await up([['sessionKey', 'nobody'], ['group', 'event'], ['data', 'QL_Main_Clear:1;']])).text, 'SessionError');
  assert.equal((await up([['sessionKey', '2727-2727'], ['group', 'event'], ['data', 'no colon;']])).status, 400);
  assert.equal((await up([['sessionKey', '2727-2727'], ['group', 'event'], ['data', 'QL_X:-1;']])).status, 400);
  assert.equal((await up([['sessionKey', '2727-2727'], ['group', 'bogus'], ['data', 'QL_X:1;']])).status, 400);
  const { session } = await (await import('./helpers.mjs')).registerAndLogIn(p, 'mia@example.com', 'secret12');
  const bad = await post(p, '/NotPublic/UserCorrectionLogBulkAdd-new.ashx', [['sessionKey', session], ['data', '{not json']]);
  assert.equal(bad.status, 400);
  assert.equal((await post(p, '/NotPublic/UserWordBulkAdd.ashx', [['sessionKey', session], ['words', '']])).status, 400);
  assert.equal((await post(p, '/NotPublic/UserWordBulkAdd.ashx', [['sessionKey', session], ['words', `${'x'.repeat(200)};`]])).status, 400);
  // Oversized forms are refused before they are read.
  const big = await post(p, '/NotPublic/UserWordBulkAdd.ashx', [['sessionKey', session], ['words', 'w;'.repeat(600000)]]);
  assert.equal(big.status, 413);
  assert.equal((await post(p, '/IsUserLogin.ashx', [['sessionKey', session]])).text, 'Success');
});

test('concurrent log-ins and glossary calls are all served', async () => {
  const p = server.port;
  const { session } = await (await import('./helpers.mjs')).registerAndLogIn(p, 'ned@example.com', 'secret12');
  const calls = [];
  for (let i = 0; i < 20; i++) {
    calls.push(post(p, '/Login-new.ashx', [['userName', 'ned@example.com'], ['hashUserPassword', md5Upper('secret12')], ['area', 'ostrel']]));
    calls.push(post(p, '/NotPublic/UserWordBulkAdd.ashx', [['sessionKey', session], ['words', `word${i};`]]));
  }
  const answers = await Promise.all(calls);
  answers.forEach((a, i) => assert.ok(i % 2 === 0 ? a.text.startsWith('Success|') : a.text === 'ok', a.text));
  const list = (await post(p, '/NotPublic/UserWordList.ashx', [['sessionKey', session]])).text.split(';');
  assert.equal(list.length, 21);
});
