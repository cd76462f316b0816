import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startServer, post, get, request, md5Upper, registerAndLogIn } from './helpers.mjs';

let server;
before(async () => { server = await startServer(); });
after(async () => { await server.stop(); });

test('registration answers success, then the digit row of the failing field', async () => {
  const p = server.port;
  const digest = md5Upper('secret12');
  assert.equal((await post(p, '/register/register.ashx', [['e', 'bob@example.com'], ['p', digest], ['from', 'ostrel']])).text, 'success');
  assert.equal((await post(p, '/register/register.ashx', [['e', 'bob@example.com'], ['p', digest], ['from', 'ostrel']])).text, '040');
  assert.equal((await post(p, '/register/register.ashx', [['e', 'BOB@example.com'], ['p', digest], ['from', 'ostrel']])).text, '040');
  assert.equal((await post(p, '/register/register.ashx', [['e', ''], ['p', digest], ['from', 'ostrel']])).text, '010');
  assert.equal((await post(p, '/register/register.ashx', [['e', 'not an address'], ['p', digest], ['from', 'ostrel']])).text, '030');
  assert.equal((await post(p, '/register/register.ashx', [['e', `${'a'.repeat(120)}@example.com`], ['p', digest], ['from', 'ostrel']])).text, '020');
  assert.equal((await post(p, '/register/register.ashx', [['e', 'carl@example.com'], ['p', 'plain password'], ['from', 'ostrel']])).text, '001');
  assert.equal((await post(p, '/register/register.ashx', [])).text, '011');
});

test('e-mail check answers True for a known address only', async () => {
  const p = server.port;
  await post(p, '/register/register.ashx', [['e', 'dora@example.com'], ['p', md5Upper('secret12')], ['from', 'ostrel']]);
  assert.equal((await post(p, '/register/DoesEmailExist.ashx', [['e', 'dora@example.com']])).text, 'True');
  assert.equal((await post(p, '/register/DoesEmailExist.ashx', [['e', 'nobody@example.com']])).text, 'False');
  assert.equal((await post(p, '/register/DoesEmailExist.ashx', [])).text, 'False');
});

test('log-in answers Success|key|name;id;date, and a plus sign survives registration and log-in', async () => {
  const r = await registerAndLogIn(server.port, 'eve+news@example.com', 'secret12');
  assert.equal(r.registration, 'success');
  const parts = r.answer.split('|');
  assert.equal(parts.length, 3);
  assert.equal(parts[0], 'Success');
  assert.match(parts[1], /^[0-9A-F]{32}$/);
  const account = parts[2].split(';');
  assert.equal(account[0], 'eve+news@example.com');
  assert.match(account[1], /^\d+$/);
  assert.match(account[2], /^\d{4}-\d{2}-\d{2}$/);
  // The client's encoder leaves "+" alone, so it arrives as a blank.
  const raw = await post(server.port, '/Login-new.ashx', [['userName', 'eve+news@example.com'], ['hashUserPassword', md5Upper('secret12')], ['area', 'ostrel']]);
  assert.match(raw.text, /^Success\|/);
});

test('a wrong password, an unknown user and an empty name are refused with their status words', async () => {
  const p = server.port;
  await registerAndLogIn(p, 'fay@example.com', 'secret12');
  assert.equal((await post(p, '/Login-new.ashx', [['userName', 'fay@example.com'], ['hashUserPassword', md5Upper('wrong1')], ['area', 'ostrel']])).text, 'Failure');
  assert.equal((await post(p, '/Login-new.ashx', [['userName', 'ghost@example.com'], ['hashUserPassword', md5Upper('secret12')], ['area', 'ostrel']])).text, 'UserNotExit');
  assert.equal((await post(p, '/Login-new.ashx', [['userName', ''], ['hashUserPassword', md5Upper('secret12')]])).text, 'UserNameEmpty');
});

test('the stored password is a salted slow hash, never the received digest', async () => {
  const { session } = await registerAndLogIn(server.port, 'gil@example.com', 'secret12');
  assert.ok(session);
  const fs = await import('node:fs');
  const db = fs.readFileSync(`${server.data}/services.db`);
  assert.equal(db.indexOf(Buffer.from(md5Upper('secret12'))), -1);
});

test('session check and log-out', async () => {
  const p = server.port;
  const { session } = await registerAndLogIn(p, 'hal@example.com', 'secret12');
  assert.equal((await post(p, '/IsUserLogin.ashx', [['sessionKey', session]])).text, 'Success');
  assert.equal((await post(p, '/Logout-new.ashx', [['sessionKey', session]])).text, 'Success');
  assert.equal((await post(p, '/IsUserLogin.ashx', [['sessionKey', session]])).text, 'SessionError');
  assert.equal((await post(p, '/Logout-new.ashx', [['sessionKey', session]])).text, 'SessionError');
  assert.equal((await post(p, '/Logout-new.ashx', [])).text, 'SessionError');
});

test('Facebook-linked log-in keeps one account per Facebook id', async () => {
  const p = server.port;
  const a = (await get(p, '/LoginedByFacebook.ashx?id=1234567&name=Ivy%20Lee')).text.split('|');
  assert.equal(a[0], 'Success');
  assert.equal(a[2].split(';')[0], 'Ivy Lee');
  const b = (await get(p, '/LoginedByFacebook.ashx?id=1234567&name=Ivy%20Lee')).text.split('|');
  assert.notEqual(a[1], b[1]);
  assert.equal(a[2].split(';')[1], b[2].split(';')[1]);
  assert.equal((await post(p, '/IsUserLogin.ashx', [['sessionKey', b[1]]])).text, 'Success');
  assert.equal((await get(p, '/LoginedByFacebook.ashx?name=x')).text, 'Failure');
  assert.equal((await get(p, '/LoginedByFacebook.ashx?id=%3Cscript%3E')).text, 'Failure');
});

test('Sina log-in page posts to an answer page whose text ends its first part in Success', async () => {
  const p = server.port;
  await registerAndLogIn(p, 'jon@example.com', 'secret12');
  const form = await get(p, '/LoginBySina.ashx?area=veska');
  assert.equal(form.status, 200);
  assert.match(form.text, /action="\/LoginedBySina\.ashx"/);
  const ok = await post(p, '/LoginedBySina.ashx', [['userName', 'jon@example.com'], ['password', 'secret12']]);
  const parts = ok.text.split('|');
  assert.ok(parts.length >= 3);
  assert.ok(parts[0].endsWith('Success'));
  assert.equal((await post(p, '/IsUserLogin.ashx', [['sessionKey', parts[1]]])).text, 'Success');
  assert.equal(parts[2].split(';')[0], 'jon@example.com');
  const bad = await post(p, '/LoginedBySina.ashx', [['userName', 'jon@example.com'], ['password', 'nope']]);
  assert.ok(!bad.text.split('|')[0].endsWith('Success'));
});

test('an expired session is refused everywhere', async () => {
  const quick = await startServer(['--session-ttl', '1']);
  try {
    const { session } = await registerAndLogIn(quick.port, 'kim@example.com', 'secret12');
    assert.equal((await post(quick.port, '/IsUserLogin.ashx', [['sessionKey', session]])).text, 'Success');
    await new Promise((r) => setTimeout(r, 1500));
    assert.equal((await post(quick.port, '/IsUserLogin.ashx', [['sessionKey', session]])).text, 'SessionError');
    const { check, checkBody } = await import('./helpers.mjs');
    const answer = await check(quick.port, checkBody(session, ['This is a test.']));
    assert.equal(answer.text, 'unauthorized');
    assert.equal((await post(quick.port, '/NotPublic/UserWordBulkAdd.ashx', [['sessionKey', session], ['words', 'a;']])).text, 'SessionError');
  } finally {
    await quick.stop();
  }
});

test('the e-mail check knows an address with a plus sign, which arrives unescaped', async () => {
  const p = server.port;
  const r = await registerAndLogIn(p, 'lou+work@example.com', 'secret12');
  assert.equal(r.registration, 'success');
  // The client sends "+" as it is; a form reads it as a blank.
  const raw = await request(p, 'POST', '/register/DoesEmailExist.ashx', 'e=lou+work@example.com');
  assert.equal(raw.text, 'True');
  assert.equal((await post(p, '/register/DoesEmailExist.ashx', [['e', 'lou work@example.com']])).text, 'True');
  assert.equal((await post(p, '/register/DoesEmailExist.ashx', [['e', 'louwork@example.com']])).text, 'False');
});

test('a Facebook name sent as Latin-1 bytes keeps its letters', async () => {
  const p = server.port;
  const latin1 = (await get(p, '/LoginedByFacebook.ashx?id=555&name=Jos%E9%20N%FA%F1ez')).text.split('|');
  assert.equal(latin1[0], 'Success');
  assert.equal(latin1[2].split(';')[0], 'José Núñez');
  const utf8 = (await get(p, '/LoginedByFacebook.ashx?id=556&name=Jos%C3%A9')).text.split('|');
  assert.equal(utf8[2].split(';')[0], 'José');
  const plus = (await get(p, '/LoginedByFacebook.ashx?id=557&name=A+B')).text.split('|');
  assert.equal(plus[2].split(';')[0], 'A+B');
});
