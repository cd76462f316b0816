import { test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { RotatingLog } from '../src/rotatinglog.mjs';
import { defaultFolders } from '../src/folders.mjs';
import { parseArgs } from '../src/server.mjs';

const scratch = () => fs.mkdtempSync(path.join(os.tmpdir(), 'quillet-logfolders-'));

test('the log is rotated before it passes its limit, keeping one older file', () => {
  const dir = scratch();
  const file = path.join(dir, 'state', 'services.log');
  const log = new RotatingLog(file, { limit: 1024 });
  const line = 'x'.repeat(99); // 100 bytes with the newline
  for (let i = 0; i < 35; i++) log.write(line);
  assert.ok(fs.statSync(file).size <= 1024);
  assert.ok(fs.statSync(`${file}.1`).size <= 1024);
  // 35 lines: ten in each full file, so the older file holds lines 21-30 and
  // the current one 31-35; lines 1-20 are gone.
  assert.equal(fs.readFileSync(`${file}.1`, 'utf8').split('\n').filter(Boolean).length, 10);
  assert.equal(fs.readFileSync(file, 'utf8').split('\n').filter(Boolean).length, 5);
  fs.rmSync(dir, { recursive: true });
});

test('a log reopened by the next start counts what the file already holds', () => {
  const dir = scratch();
  const file = path.join(dir, 'services.log');
  fs.writeFileSync(file, 'y'.repeat(1000));
  new RotatingLog(file, { limit: 1024 }).write('z'.repeat(40));
  assert.equal(fs.readFileSync(`${file}.1`, 'utf8'), 'y'.repeat(1000));
  assert.equal(fs.readFileSync(file, 'utf8'), `${'z'.repeat(40)}\n`);
  fs.rmSync(dir, { recursive: true });
});

test('a line longer than the limit is cut, not written whole', () => {
  const dir = scratch();
  const file = path.join(dir, 'services.log');
  new RotatingLog(file, { limit: 1024 }).write('w'.repeat(5000));
  assert.equal(fs.statSync(file).size, 1024);
  assert.ok(fs.readFileSync(file, 'utf8').endsWith('...\n'));
  assert.throws(() => new RotatingLog(file, { limit: 10 }));
  fs.rmSync(dir, { recursive: true });
});

test('data and log folders follow XDG_DATA_HOME and XDG_STATE_HOME', () => {
  const home = scratch();
  assert.deepEqual(defaultFolders({}, home), {
    data: path.join(home, '.local/share/quillet-services'),
    state: path.join(home, '.local/state/quillet-services'),
    log: path.join(home, '.local/state/quillet-services/services.log'),
  });
  const env = { XDG_DATA_HOME: path.join(home, 'd'), XDG_STATE_HOME: path.join(home, 's') };
  assert.equal(defaultFolders(env, home).data, path.join(home, 'd/quillet-services'));
  assert.equal(defaultFolders(env, home).log, path.join(home, 's/quillet-services/services.log'));
  // Relative values do not count.
  assert.equal(defaultFolders({ XDG_DATA_HOME: 'rel' }, home).data, path.join(home, '.local/share/quillet-services'));
  assert.equal(parseArgs([], env).data, defaultFolders(env).data);
  fs.rmSync(home, { recursive: true });
});

test('data at the old place stays in use until the XDG folder exists', () => {
  const home = scratch();
  const legacy = path.join(home, '.local/share/quillet-services');
  fs.mkdirSync(legacy, { recursive: true });
  const env = { XDG_DATA_HOME: path.join(home, 'data') };
  assert.equal(defaultFolders(env, home).data, legacy);
  fs.mkdirSync(path.join(home, 'data/quillet-services'), { recursive: true });
  assert.equal(defaultFolders(env, home).data, path.join(home, 'data/quillet-services'));
  fs.rmSync(home, { recursive: true });
});

test('log options', () => {
  assert.equal(parseArgs(['--log', 'x.log']).log, path.resolve('x.log'));
  assert.equal(parseArgs(['--log-limit', '4096']).logLimit, 4096);
  assert.equal(parseArgs([]).log, undefined);
  assert.throws(() => parseArgs(['--log-limit', '12']));
  assert.throws(() => parseArgs(['--log']));
});
