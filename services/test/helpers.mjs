// Test helpers: a server started on a free port with a fresh data folder,
// and small HTTP clients speaking the client's formats.
import { spawn } from 'node:child_process';
import crypto from 'node:crypto';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import http from 'node:http';
import { fileURLToPath } from 'node:url';

const SERVER = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../src/server.mjs');
export const SEPARATOR = Buffer.from([0x64, 0x1a, 0x1b]);

// With `folder`, the server uses that data folder and leaves it in place.
export async function startServer(extra = [], folder = undefined) {
  const data = folder || fs.mkdtempSync(path.join(os.tmpdir(), 'quillet-services-test-'));
  const remove = () => { if (!folder) fs.rmSync(data, { recursive: true, force: true }); };
  const child = spawn(process.execPath, [SERVER, '--port', '0', '--data', data, ...extra], { stdio: ['ignore', 'pipe', 'pipe'] });
  let stderr = '';
  child.stderr.on('data', (d) => { stderr += d; });
  // Should the test process end without stopping it, the server goes too.
  const reap = () => { if (child.exitCode === null) child.kill('SIGKILL'); };
  process.once('exit', reap);
  child.once('exit', () => process.removeListener('exit', reap));
  const [port, notePort] = await new Promise((resolve, reject) => {
    let out = '';
    // Loading and warming the checking engines takes long on a busy machine.
    const timer = setTimeout(() => {
      child.kill('SIGKILL');
      reject(new Error(`server did not start: ${stderr}`));
    }, 180000);
    child.stdout.on('data', (d) => {
      out += d;
      const m = /^listening (\d+)\nnotes (\d+)\n/.exec(out);
      if (m) { clearTimeout(timer); resolve([Number(m[1]), Number(m[2])]); }
    });
    child.on('exit', (code) => { clearTimeout(timer); reject(new Error(`server exited with ${code}: ${stderr}`)); });
  });
  return {
    port, notePort, data, child,
    host: `127.0.0.1:${port}`,
    stderr: () => stderr,
    async stop() {
      if (child.exitCode === null) {
        const exited = new Promise((resolve) => child.once('exit', (code, signal) => resolve({ code, signal })));
        child.kill('SIGTERM');
        const result = await exited;
        remove();
        return result;
      }
      remove();
      return { code: child.exitCode };
    },
  };
}

export function md5Upper(text) {
  return crypto.createHash('md5').update(text, 'utf8').digest('hex').toUpperCase();
}

// Percent-encodes like the client's query encoder: "+" stays as it is.
export function formEncode(fields) {
  return fields.map(([k, v]) => `${encodeURIComponent(k)}=${encodeURIComponent(v).replace(/%2B/g, '+')}`).join('&');
}

export function request(port, method, pathName, body = null, headers = {}) {
  return new Promise((resolve, reject) => {
    const data = body === null ? null : Buffer.isBuffer(body) ? body : Buffer.from(body);
    const req = http.request({ host: '127.0.0.1', port, method, path: pathName, headers: {
      ...(data ? { 'Content-Type': 'application/x-www-form-urlencoded', 'Content-Length': data.length } : {}), ...headers,
    } }, (res) => {
      const parts = [];
      res.on('data', (d) => parts.push(d));
      res.on('end', () => resolve({ status: res.statusCode, headers: res.headers, body: Buffer.concat(parts), text: Buffer.concat(parts).toString('utf8') }));
    });
    // A server that refuses an oversized body answers and closes before it
    // has all of it; the answer counts, the broken write does not.
    req.on('error', (err) => (err.code === 'EPIPE' || err.code === 'ECONNRESET' ? null : reject(err)));
    if (data) req.write(data);
    req.end();
  });
}

export const post = (port, p, fields) => request(port, 'POST', p, formEncode(fields));
export const get = (port, p) => request(port, 'GET', p);

export async function registerAndLogIn(port, email, password) {
  const digest = md5Upper(password);
  const reg = await post(port, '/register/register.ashx', [['e', email.replace(/\+/g, '%2b')], ['p', digest], ['from', 'ostrel']]);
  const login = await post(port, '/Login-new.ashx', [['userName', email], ['hashUserPassword', digest], ['area', 'ostrel']]);
  const parts = login.text.split('|');
  return { registration: reg.text, answer: login.text, session: parts[0] === 'Success' ? parts[1] : '' };
}

export const SENTENCE_CONFIGS = ['server.style', '4', 'server.spell', '2', 'server.mor', '1', 'server.dependency', '0',
  'server.grammar', '6', 'server.rule', '7', 'server.real', '3', 'server.det', '5', 'server.poststyle', '9', 'server.confidence', '2'];
export const TITLE_CONFIGS = ['server.mor', '1', 'server.spell', '2', 'server.style', '4', 'server.dependency', '0',
  'server.grammar', '0', 'server.rule', '0', 'server.real', '3', 'server.det', '0', 'server.confidence', '2'];

// The check request body as the client builds it: compact JSON with sorted
// members and a final line feed, zlib-compressed.
export function checkBody(session, sents, configs = sents.map(() => 0)) {
  const value = { clientVersion: 'ostrel 2.1.7.0', configTypes: [SENTENCE_CONFIGS, TITLE_CONFIGS] };
  if (configs.length) value.configs = configs;
  value.lexsubConfidence = 2;
  if (sents.length) value.sents = sents;
  value.session = session;
  return zlib.deflateSync(Buffer.from(`${JSON.stringify(value)}\n`, 'utf8'));
}

// Sends a check request and reads the answer the way the client does:
// records split at the separator, each inflated and parsed; every record is
// stamped with the time it arrived.
export function check(port, body) {
  return new Promise((resolve, reject) => {
    const started = Date.now();
    const req = http.request({ host: '127.0.0.1', port, method: 'POST', path: '/unified/', headers: {
      'Content-Type': 'application/x-www-form-urlencoded', 'Content-Length': body.length } }, (res) => {
      let pending = Buffer.alloc(0);
      const records = [];
      let raw = Buffer.alloc(0);
      res.on('data', (d) => {
        raw = Buffer.concat([raw, d]);
        let buf = Buffer.concat([pending, d]);
        for (;;) {
          const at = buf.indexOf(SEPARATOR);
          if (at <= 0) break;
          const inflated = zlib.inflateSync(buf.subarray(0, at));
          records.push({ at: Date.now() - started, bytes: inflated.length, value: JSON.parse(inflated.toString('utf8')) });
          buf = buf.subarray(at + SEPARATOR.length);
        }
        pending = buf;
      });
      res.on('end', () => resolve({ status: res.statusCode, headers: res.headers, raw, text: raw.toString('latin1'), records, rest: pending, elapsed: Date.now() - started }));
    });
    req.on('error', reject);
    req.write(body);
    req.end();
  });
}
