import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import crypto from 'node:crypto';
import fs from 'node:fs';
import path from 'node:path';
import { startServer, get, request, post } from './helpers.mjs';

let server;
before(async () => { server = await startServer(); });
after(async () => { await server.stop(); });

test('a fresh install reports version 2170 with no reset, and its file list', async () => {
  const p = server.port;
  const latest = (await get(p, '/update/quilletapp')).text.split('|');
  assert.equal(latest.length, 5);
  assert.equal(latest[0], '2170');
  assert.equal(latest[1], '2.1.7.0');
  assert.notEqual(latest[4], latest[0]);
  assert.equal((await get(p, '/update/quilletapp?versionid=2170')).text, '');
  assert.equal((await get(p, '/update/quilletapp?versionid=999')).text, '');
  assert.equal((await get(p, '/update/quilletapp?versionid=abc')).text, '');
});

test('a new release in the release folder is offered, listed and downloadable', async () => {
  const p = server.port;
  const dir = path.join(server.data, 'releases', '2180');
  fs.mkdirSync(path.join(dir, 'files', 'translations'), { recursive: true });
  fs.writeFileSync(path.join(dir, 'files', 'quillet-main'), 'new program');
  fs.writeFileSync(path.join(dir, 'files', 'translations', 'quillet_es.qm'), 'qm bytes');
  fs.writeFileSync(path.join(dir, 'manifest.json'), JSON.stringify({ version: 2180, text: '2.1.8.0', reset: true, date: '2027-01-01', notes: 'Fixes', files: [
    { name: 'quillet-main', version: 2180 }, { name: 'quillet_es.qm', version: 3, subdir: 'translations' }] }));
  const latest = (await get(p, '/update/quilletapp')).text.split('|');
  assert.deepEqual(latest, ['2180', '2.1.8.0', '2027-01-01', 'Fixes', '2180']);
  const list = (await get(p, '/update/quilletapp?versionid=2180')).text;
  assert.ok(list.endsWith(';'));
  const entries = list.split(';').filter(Boolean).map((e) => e.split('|'));
  assert.deepEqual(entries.map((e) => [e[0], e[1], e[3]]), [['quillet-main', '2180', ''], ['quillet_es.qm', '3', 'translations']]);
  for (const [name, , address] of entries) {
    const u = new URL(address);
    assert.equal(u.host, server.host);
    const file = await get(p, u.pathname);
    assert.equal(file.status, 200);
    assert.equal(file.text, name === 'quillet-main' ? 'new program' : 'qm bytes');
  }
  // A fifth field carries the SHA-256 of each file.
  for (const e of entries) {
    assert.equal(e.length, 5);
    assert.equal(e[4], crypto.createHash('sha256').update(e[0] === 'quillet-main' ? 'new program' : 'qm bytes').digest('hex'));
  }
  // Only listed files, never anything outside the release folder.
  assert.equal((await get(p, '/update/files/2180/../../services.db')).status, 404);
  assert.equal((await get(p, '/update/files/2180/%2e%2e%2fmanifest.json')).status, 404);
  assert.equal((await get(p, '/update/files/2180/manifest.json')).status, 404);
  // A broken manifest is ignored rather than served.
  fs.mkdirSync(path.join(server.data, 'releases', '2190'));
  fs.writeFileSync(path.join(server.data, 'releases', '2190', 'manifest.json'), '{broken');
  assert.equal((await get(p, '/update/quilletapp')).text.split('|')[0], '2180');
  fs.rmSync(dir, { recursive: true });
});

test('a separator in the release text, date or notes cannot move the reset flag', async () => {
  const p = server.port;
  const dir = path.join(server.data, 'releases', '2200');
  fs.mkdirSync(dir, { recursive: true });
  fs.writeFileSync(path.join(dir, 'manifest.json'), JSON.stringify({ version: 2200, text: '2.2|0', reset: false,
    date: '2027-02-01|2200', notes: 'a|b\nc', files: [] }));
  const latest = (await get(p, '/update/quilletapp')).text.split('|');
  assert.deepEqual(latest, ['2200', '2.2 0', '2027-02-01 2200', 'a b c', '0']);
  fs.rmSync(dir, { recursive: true });
});

test('reachability, proxy test, sample text, banner and logos', async () => {
  const p = server.port;
  assert.equal((await get(p, '/apps_compressed/')).status, 200);
  assert.equal((await get(p, '/test.htm')).status, 200);
  const sample = await get(p, '/Veska/GetSampleText');
  assert.equal(sample.status, 200);
  assert.ok(sample.text.length > 200);
  assert.match((await get(p, '/client/banner.htm')).text, /<title>jQuery Quillet<\/title>/);
  for (const logo of ['/images/google_lg.png', '/images/bing_lg.png', '/images/logo.png']) {
    const r = await get(p, logo);
    assert.equal(r.headers['content-type'], 'image/png');
    assert.deepEqual([...r.body.subarray(0, 8)], [0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);
  }
});

test('web pages: account, terms, contact, password help, download and help', async () => {
  const p = server.port;
  for (const page of ['/About/Termsofservice', '/About/Contact', '/Account/PasswordForgot', '/Download', '/Help']) {
    const r = await get(p, page);
    assert.equal(r.status, 200, page);
    assert.match(r.text, /<h1>/);
  }
  const account = await get(p, '/Account/LoginFromClient?u=x&s=nothing');
  assert.equal(account.status, 401);
  assert.match(account.text, /session has ended/);
});

test('unknown paths, methods and bad addresses get 4xx', async () => {
  const p = server.port;
  assert.equal((await get(p, '/nothing/here')).status, 404);
  assert.equal((await request(p, 'DELETE', '/Login-new.ashx')).status, 405);
  assert.equal((await request(p, 'GET', '/?qew2=%E0%A4%A')).status, 200);
  assert.equal((await post(p, '/Login-new.ashx', [['userName', '%%%'], ['hashUserPassword', '%zz']])).text, 'UserNotExit');
});

test('--seed-update adds release 2180 with a file in a subdirectory, each with its digest', async () => {
  const seeded = await startServer(['--seed-update']);
  try {
    const p = seeded.port;
    const latest = (await get(p, '/update/quilletapp')).text.split('|');
    assert.equal(latest[0], '2180');
    assert.notEqual(latest[4], latest[0]);
    const entries = (await get(p, '/update/quilletapp?versionid=2180')).text.split(';').filter(Boolean).map((e) => e.split('|'));
    assert.deepEqual(entries.map((e) => [e[0], e[1], e[3]]), [['whatsnew.txt', '2180', ''], ['release-notes.txt', '2180', 'docs']]);
    for (const e of entries) {
      const file = await get(p, new URL(e[2]).pathname);
      assert.equal(file.status, 200);
      assert.ok(file.body.length > 0);
      assert.equal(e[4], crypto.createHash('sha256').update(file.body).digest('hex'));
    }
    // The older release stays listed.
    assert.equal((await get(p, '/update/quilletapp?versionid=2170')).text, '');
  } finally {
    await seeded.stop();
  }
});

test('the banner and the help page answer in the language the client asks for', async () => {
  const p = server.port;
  const ask = (path, lang) => request(p, 'GET', path, null, lang ? { 'Accept-Language': lang } : {});
  const expected = { 'zh-CN': '批改', es: 'Revisar', ja: '校正', en: 'Review' };
  for (const [lang, word] of Object.entries(expected)) {
    const banner = (await ask('/client/banner.htm', lang)).text;
    assert.match(banner, /<title>jQuery Quillet<\/title>/);
    assert.ok(banner.includes(`<html lang="${lang}">`), lang);
    assert.ok(banner.includes(word), lang);
    const help = (await ask('/Help', lang)).text;
    assert.ok(help.includes(word), lang);
  }
  // A browser's list with weights; nothing known falls back to English.
  assert.ok((await ask('/client/banner.htm', 'fr-FR, ja;q=0.8, es;q=0.5')).text.includes('lang="ja"'));
  assert.ok((await ask('/client/banner.htm', 'de-DE')).text.includes('lang="en"'));
  assert.ok((await ask('/client/banner.htm')).text.includes('lang="en"'));
});
