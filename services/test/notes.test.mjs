// The note service: its OAuth 1.0 provider and its Thrift user and note
// stores, in-process on a free port with a scratch database and a clock the
// tests move, plus one run of the real server process.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import crypto from 'node:crypto';
import http from 'node:http';
import { Store } from '../src/store.mjs';
import { startNoteService } from '../src/noteservice.mjs';
import { signatureBase, hmacSignature, percentEncode, parseAuthorization, TEMPORARY_TTL } from '../src/oauthprovider.mjs';
import { encodeCall, decodeReply, ErrorCode } from '../src/edam.mjs';
import { checkEnml } from '../src/enmlcheck.mjs';
import { startServer, md5Upper, post as postForm } from './helpers.mjs';

const KEY = 'tovermilch-3157';
const SECRET = '5e07b2d94a13c68f';
const CALLBACK = 'http://127.0.0.1:47880';

function httpRequest(port, method, p, { headers = {}, body = null } = {}) {
  return new Promise((resolve, reject) => {
    const data = body === null ? null : Buffer.from(body);
    const req = http.request({ host: '127.0.0.1', port, method, path: p, headers: { ...(data ? { 'Content-Length': data.length } : {}), ...headers } }, (res) => {
      const parts = [];
      res.on('data', (d) => parts.push(d));
      res.on('end', () => resolve({ status: res.statusCode, headers: res.headers, body: Buffer.concat(parts), text: Buffer.concat(parts).toString('utf8') }));
    });
    req.on('error', reject);
    if (data) req.write(data);
    req.end();
  });
}

const parseAnswer = (text) => Object.fromEntries(text.split('&').map((p) => p.split('=').map(decodeURIComponent)));

class Harness {
  async start() {
    this.dir = fs.mkdtempSync(path.join(os.tmpdir(), 'quillet-notes-test-'));
    this.store = new Store(path.join(this.dir, 'services.db'));
    this.time = Date.UTC(2026, 0, 10, 12, 0, 0);
    this.service = await startNoteService({ port: 0, store: this.store, accessTtl: 3600, clock: () => this.time });
    this.port = this.service.port;
    this.nonce = 0;
  }

  async stop() {
    await this.service.close();
    this.store.close();
    fs.rmSync(this.dir, { recursive: true, force: true });
  }

  // The Authorization header of a signed POST to /oauth.
  header(extra, { tokenSecret = '', secret = SECRET, nonce, timestamp, tamper } = {}) {
    const params = {
      oauth_consumer_key: KEY,
      oauth_nonce: nonce || `n${++this.nonce}x${crypto.randomBytes(3).toString('hex')}`,
      oauth_signature_method: 'HMAC-SHA1',
      oauth_timestamp: String(timestamp ?? Math.floor(this.time / 1000)),
      oauth_version: '1.0',
      ...extra,
    };
    const base = signatureBase('POST', `http://127.0.0.1:${this.port}/oauth`, Object.entries(params));
    params.oauth_signature = hmacSignature(base, secret, tokenSecret);
    if (tamper) tamper(params);
    return 'OAuth ' + Object.entries(params).map(([n, v]) => `${n}="${percentEncode(v)}"`).join(', ');
  }

  oauth(authorization) {
    return httpRequest(this.port, 'POST', '/oauth', { headers: { Authorization: authorization, 'Content-Type': 'application/x-www-form-urlencoded' }, body: '' });
  }

  async user(email, password = 'secret-pass') {
    return this.store.createUser(email, md5Upper(password));
  }

  // Temporary token, the page's Allow, and the access token: the whole dance.
  async authorise(email, password = 'secret-pass') {
    const first = await this.oauth(this.header({ oauth_callback: CALLBACK }));
    assert.equal(first.status, 200, first.text);
    const temp = parseAnswer(first.text);
    const allowed = await this.submit(temp.oauth_token, { action: 'allow', email, password });
    assert.equal(allowed.status, 302, allowed.text);
    const back = new URL(allowed.headers.location);
    const verifier = back.searchParams.get('oauth_verifier');
    const second = await this.oauth(this.header({ oauth_token: temp.oauth_token, oauth_verifier: verifier }, { tokenSecret: temp.oauth_token_secret }));
    assert.equal(second.status, 200, second.text);
    return parseAnswer(second.text).oauth_token;
  }

  submit(token, fields) {
    const body = new URLSearchParams({ oauth_token: token, ...fields }).toString();
    return httpRequest(this.port, 'POST', '/OAuth.action', { headers: { 'Content-Type': 'application/x-www-form-urlencoded' }, body });
  }

  async call(pathName, name, args) {
    const res = await httpRequest(this.port, 'POST', pathName, { headers: { 'Content-Type': 'application/x-thrift' }, body: encodeCall(name, args) });
    assert.equal(res.status, 200, res.text);
    return decodeReply(name, res.body);
  }

  async noteStoreUrl(token) {
    return this.call('/edam/user', 'getNoteStoreUrl', { authenticationToken: token });
  }

  async create(token, title, text) {
    const content = `<?xml version="1.0" encoding="UTF-8"?><!DOCTYPE en-note SYSTEM "http://xml.evernote.com/pub/enml2.dtd"><en-note>${text}</en-note>`;
    return this.call('/shard/s1/notestore', 'createNote', { authenticationToken: token, note: { title, content } });
  }

  async list(token, maxNotes = 50) {
    return this.call('/shard/s1/notestore', 'findNotes', { authenticationToken: token, filter: { order: 1, ascending: false }, offset: 0, maxNotes });
  }
}

describe('OAuth provider', () => {
  const h = new Harness();
  before(() => h.start());
  after(() => h.stop());

  test('base string and signature of the RFC 5849 token request example', () => {
    const params = parseAuthorization('OAuth realm="Photos", oauth_consumer_key="dpf43f3p2l4k3l03", oauth_token="hh5s93j4hdidpola", '
      + 'oauth_signature_method="HMAC-SHA1", oauth_timestamp="137131201", oauth_nonce="walatlh", '
      + 'oauth_verifier="hfdp7dh39dks9884", oauth_signature="gKgrFCywp7rO0OXSjdot%2FIHF7IU%3D"');
    assert.equal(params.length, 7);
    const base = signatureBase('POST', 'https://photos.example.net/token', params);
    assert.equal(base, 'POST&https%3A%2F%2Fphotos.example.net%2Ftoken&oauth_consumer_key%3Ddpf43f3p2l4k3l03%26oauth_nonce%3Dwalatlh%26oauth_signature_method%3DHMAC-SHA1%26oauth_timestamp%3D137131201%26oauth_token%3Dhh5s93j4hdidpola%26oauth_verifier%3Dhfdp7dh39dks9884');
    assert.equal(hmacSignature(base, 'kd94hf93k423kf44', 'hdhd0244k9j7ao03'), 'gKgrFCywp7rO0OXSjdot/IHF7IU=');
  });

  test('a signed request gets a temporary token; the page shows Allow and Decline', async () => {
    const res = await h.oauth(h.header({ oauth_callback: CALLBACK }));
    assert.equal(res.status, 200, res.text);
    const answer = parseAnswer(res.text);
    assert.match(answer.oauth_token, /^[0-9a-f]{32}$/);
    assert.match(answer.oauth_token_secret, /^[0-9a-f]{32}$/);
    const page = await httpRequest(h.port, 'GET', `/OAuth.action?oauth_token=${answer.oauth_token}`);
    assert.equal(page.status, 200);
    assert.match(page.text, /id="allow"[^>]*>Allow</);
    assert.match(page.text, /id="decline"[^>]*>Decline</);
  });

  test('a bad signature is refused and issues nothing', async () => {
    const wrongSecret = await h.oauth(h.header({ oauth_callback: CALLBACK }, { secret: 'not-the-secret' }));
    assert.equal(wrongSecret.status, 401);
    assert.equal(wrongSecret.text, 'oauth_problem=signature_invalid');
    const changedAfterSigning = await h.oauth(h.header({ oauth_callback: CALLBACK }, { tamper: (p) => { p.oauth_callback = 'http://evil.example/'; } }));
    assert.equal(changedAfterSigning.status, 401);
    const unknownConsumer = await h.oauth(h.header({ oauth_callback: CALLBACK, oauth_consumer_key: 'someone-else' }));
    assert.equal(unknownConsumer.status, 401);
    assert.equal(unknownConsumer.text, 'oauth_problem=consumer_key_unknown');
    const plaintext = await h.oauth(h.header({ oauth_callback: CALLBACK, oauth_signature_method: 'PLAINTEXT' }));
    assert.equal(plaintext.status, 400);
    assert.equal(h.store.db.prepare('SELECT COUNT(*) AS n FROM oauth_tokens WHERE callback = ?').get('http://evil.example/').n, 0);
  });

  test('a nonce is accepted once; a replay of the same request is refused', async () => {
    const header = h.header({ oauth_callback: CALLBACK }, { nonce: 'replay01' });
    const first = await h.oauth(header);
    assert.equal(first.status, 200);
    const again = await h.oauth(header);
    assert.equal(again.status, 401);
    assert.equal(again.text, 'oauth_problem=nonce_used');
  });

  test('a forged request does not use up the nonce of a genuine one', async () => {
    const forged = await h.oauth(h.header({ oauth_callback: CALLBACK }, { nonce: 'shared01', secret: 'guess' }));
    assert.equal(forged.status, 401);
    const genuine = await h.oauth(h.header({ oauth_callback: CALLBACK }, { nonce: 'shared01' }));
    assert.equal(genuine.status, 200);
  });

  test('a timestamp outside the allowed skew is refused', async () => {
    const stale = await h.oauth(h.header({ oauth_callback: CALLBACK }, { timestamp: Math.floor(h.time / 1000) - 3600 }));
    assert.equal(stale.status, 401);
    assert.equal(stale.text, 'oauth_problem=timestamp_refused');
  });

  test('the callback must be a web address', async () => {
    const res = await h.oauth(h.header({ oauth_callback: 'javascript:alert(1)' }));
    assert.equal(res.status, 400);
  });

  test('Decline sends the browser back without a verifier and ends the token', async () => {
    const first = parseAnswer((await h.oauth(h.header({ oauth_callback: CALLBACK }))).text);
    const declined = await h.submit(first.oauth_token, { action: 'decline' });
    assert.equal(declined.status, 302);
    const back = new URL(declined.headers.location);
    assert.equal(back.origin, CALLBACK);
    assert.equal(back.searchParams.get('oauth_token'), first.oauth_token);
    assert.equal(back.searchParams.has('oauth_verifier'), false);
    const page = await httpRequest(h.port, 'GET', `/OAuth.action?oauth_token=${first.oauth_token}`);
    assert.equal(page.status, 400);
  });

  test('Allow needs the right password; the verifier and temporary secret buy one access token', async () => {
    await h.user('ann@example.com', 'right-pass');
    const first = parseAnswer((await h.oauth(h.header({ oauth_callback: CALLBACK }))).text);
    const wrong = await h.submit(first.oauth_token, { action: 'allow', email: 'ann@example.com', password: 'wrong' });
    assert.equal(wrong.status, 200);
    assert.match(wrong.text, /wrong/);
    const allowed = await h.submit(first.oauth_token, { action: 'allow', email: 'ann@example.com', password: 'right-pass' });
    assert.equal(allowed.status, 302);
    const verifier = new URL(allowed.headers.location).searchParams.get('oauth_verifier');
    assert.ok(verifier);
    // The temporary secret is part of the key: without it the step fails.
    const unsigned = await h.oauth(h.header({ oauth_token: first.oauth_token, oauth_verifier: verifier }));
    assert.equal(unsigned.status, 401);
    const badVerifier = await h.oauth(h.header({ oauth_token: first.oauth_token, oauth_verifier: 'nope' }, { tokenSecret: first.oauth_token_secret }));
    assert.equal(badVerifier.status, 401);
    assert.equal(badVerifier.text, 'oauth_problem=verifier_invalid');
    // A wrong verifier ends the temporary token: no second guess.
    const late = await h.oauth(h.header({ oauth_token: first.oauth_token, oauth_verifier: verifier }, { tokenSecret: first.oauth_token_secret }));
    assert.equal(late.status, 401);

    const token = await h.authorise('ann@example.com', 'right-pass');
    assert.match(token, /^S=s1:U=[0-9a-f]+:E=[0-9a-f]{32}$/);
    const url = await h.noteStoreUrl(token);
    assert.equal(url.success, `http://127.0.0.1:${h.port}/shard/s1/notestore`);
  });

  test('an unauthorised temporary token cannot be traded', async () => {
    const first = parseAnswer((await h.oauth(h.header({ oauth_callback: CALLBACK }))).text);
    const res = await h.oauth(h.header({ oauth_token: first.oauth_token, oauth_verifier: 'x' }, { tokenSecret: first.oauth_token_secret }));
    assert.equal(res.status, 401);
    assert.equal(res.text, 'oauth_problem=permission_unknown');
  });

  test('an expired temporary token is refused by the page and the token step', async () => {
    await h.user('tim@example.com');
    const first = parseAnswer((await h.oauth(h.header({ oauth_callback: CALLBACK }))).text);
    const allowed = await h.submit(first.oauth_token, { action: 'allow', email: 'tim@example.com', password: 'secret-pass' });
    const verifier = new URL(allowed.headers.location).searchParams.get('oauth_verifier');
    h.time += (TEMPORARY_TTL + 1) * 1000;
    const res = await h.oauth(h.header({ oauth_token: first.oauth_token, oauth_verifier: verifier }, { tokenSecret: first.oauth_token_secret }));
    assert.equal(res.status, 401);
    assert.equal(res.text, 'oauth_problem=token_expired');
  });

  test('an expired access token gets AUTH_EXPIRED, an unknown one BAD_DATA_FORMAT', async () => {
    await h.user('eve@example.com');
    const token = await h.authorise('eve@example.com');
    assert.ok((await h.noteStoreUrl(token)).success);
    h.time += 3601 * 1000;
    const expired = await h.noteStoreUrl(token);
    assert.equal(expired.userException.errorCode, ErrorCode.AUTH_EXPIRED);
    assert.equal(expired.userException.parameter, 'authenticationToken');
    const listed = await h.list(token);
    assert.equal(listed.userException.errorCode, ErrorCode.AUTH_EXPIRED);
    const unknown = await h.noteStoreUrl('S=s1:U=1:E=00');
    assert.equal(unknown.userException.errorCode, ErrorCode.BAD_DATA_FORMAT);
  });
});

describe('note store', () => {
  const h = new Harness();
  let ann;
  let bob;
  before(async () => {
    await h.start();
    await h.user('ann@example.com');
    await h.user('bob@example.com');
    ann = await h.authorise('ann@example.com');
    bob = await h.authorise('bob@example.com');
  });
  after(() => h.stop());

  test('notes are listed newest first, without content, and fetched with it', async () => {
    for (let i = 1; i <= 3; i++) {
      h.time += 1000;
      const made = await h.create(ann, `Ann note ${i}`, `Text ${i} &amp; more<br />second line`);
      assert.equal(made.success.title, `Ann note ${i}`);
      assert.match(made.success.guid, /^[0-9a-f-]{36}$/);
    }
    const listed = await h.list(ann);
    assert.deepEqual(listed.success.notes.map((n) => n.title), ['Ann note 3', 'Ann note 2', 'Ann note 1']);
    assert.equal(listed.success.totalNotes, 3);
    assert.equal(listed.success.notes[0].content, undefined);
    assert.equal(listed.success.notes[0].created, h.time);
    const got = await h.call('/shard/s1/notestore', 'getNote', { authenticationToken: ann, guid: listed.success.notes[2].guid, withContent: true, withResourcesData: false, withResourcesRecognition: false, withResourcesAlternateData: false });
    assert.match(got.success.content, /<en-note>Text 1 &amp; more<br \/>second line<\/en-note>$/);
  });

  test("one user's token never lists or fetches another user's notes", async () => {
    h.time += 1000;
    await h.create(bob, 'Bob private', 'only Bob');
    const bobs = await h.list(bob);
    assert.deepEqual(bobs.success.notes.map((n) => n.title), ['Bob private']);
    const anns = await h.list(ann);
    assert.ok(anns.success.notes.every((n) => n.title.startsWith('Ann')));
    const stolen = await h.call('/shard/s1/notestore', 'getNote', { authenticationToken: ann, guid: bobs.success.notes[0].guid, withContent: true });
    assert.equal(stolen.success, undefined);
    assert.equal(stolen.notFoundException.identifier, 'Note.guid');
  });

  test('maxNotes bounds the listing', async () => {
    const two = await h.list(ann, 2);
    assert.equal(two.success.notes.length, 2);
    assert.equal(two.success.totalNotes, 3);
  });

  test('bad titles and content are refused with the EDAM codes', async () => {
    assert.equal((await h.create(ann, '', 'x')).userException.errorCode, ErrorCode.BAD_DATA_FORMAT);
    assert.equal((await h.create(ann, ' padded', 'x')).userException.errorCode, ErrorCode.BAD_DATA_FORMAT);
    assert.equal((await h.create(ann, 'x'.repeat(256), 'x')).userException.errorCode, ErrorCode.BAD_DATA_FORMAT);
    assert.equal((await h.create(ann, 'Broken', 'a < b')).userException.errorCode, ErrorCode.ENML_VALIDATION);
    assert.equal((await h.create(ann, 'Broken', 'AT&T')).userException.errorCode, ErrorCode.ENML_VALIDATION);
    const noContent = await h.call('/shard/s1/notestore', 'createNote', { authenticationToken: ann, note: { title: 'No content' } });
    assert.equal(noContent.userException.errorCode, ErrorCode.DATA_REQUIRED);
  });

  test('an unknown call is answered with an application exception', async () => {
    // A call message for a name the store does not serve, by hand.
    const name = Buffer.from('listNotebooks');
    const body = Buffer.concat([Buffer.from([0x80, 0x01, 0x00, 0x01]), Buffer.from([0, 0, 0, name.length]), name, Buffer.from([0, 0, 0, 0, 0])]);
    const res = await httpRequest(h.port, 'POST', '/shard/s1/notestore', { body });
    assert.equal(res.status, 200);
    assert.deepEqual([...res.body.subarray(0, 4)], [0x80, 0x01, 0x00, 0x03]);
  });

  test('a damaged Thrift body gets 400 and the service goes on', async () => {
    const res = await httpRequest(h.port, 'POST', '/shard/s1/notestore', { body: Buffer.from([0x80, 0x01, 0x00, 0x01, 0x7f, 0xff, 0xff, 0xff]) });
    assert.equal(res.status, 400);
    assert.ok((await h.list(ann)).success);
  });
});

test('ENML check', () => {
  assert.equal(checkEnml('<?xml version="1.0" encoding="UTF-8"?><!DOCTYPE en-note SYSTEM "http://xml.evernote.com/pub/enml2.dtd"><en-note>a<br />b &lt; &amp;</en-note>'), null);
  assert.notEqual(checkEnml('<en-note>a<b></en-note>'), null);
  assert.notEqual(checkEnml('<note>x</note>'), null);
  assert.notEqual(checkEnml('<en-note>x</en-note><en-note/>'), null);
  assert.notEqual(checkEnml('<en-note>&bogus;</en-note>'), null);
});

test('the server process runs the note service on its own port', async () => {
  const server = await startServer();
  try {
    assert.ok(server.notePort > 0 && server.notePort !== server.port);
    const res = await httpRequest(server.notePort, 'POST', '/edam/user', { body: encodeCall('getNoteStoreUrl', { authenticationToken: 'S=s1:U=1:E=0' }) });
    assert.equal(decodeReply('getNoteStoreUrl', res.body).userException.errorCode, ErrorCode.BAD_DATA_FORMAT);
    const page = await httpRequest(server.notePort, 'GET', '/OAuth.action?oauth_token=unknown');
    assert.equal(page.status, 400);
    // The product services' paths are not served there.
    assert.equal((await httpRequest(server.notePort, 'GET', '/test.htm')).status, 404);
  } finally {
    await server.stop();
  }
});
