// A private PostgreSQL server for the tests: a scratch cluster (initdb) in a
// temporary folder, reached only through its socket in that folder, stopped
// and removed at the end. PostgreSQL refuses to run as root, so as root the
// cluster belongs to the "postgres" system user of Debian's package.
// QUILLET_TEST_DATABASE_URL names an existing server to use instead (the
// tests make and drop their own databases there). null when neither is there.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import pg from 'pg';

function serverBin() {
  const root = '/usr/lib/postgresql';
  let versions = [];
  try {
    versions = fs.readdirSync(root).filter((v) => /^\d+$/.test(v)).sort((a, b) => Number(b) - Number(a));
  } catch {
    return null;
  }
  for (const v of versions) {
    const bin = path.join(root, v, 'bin');
    if (fs.existsSync(path.join(bin, 'initdb')) && fs.existsSync(path.join(bin, 'pg_ctl'))) return bin;
  }
  return null;
}

function systemUser(name) {
  try {
    const [uid, gid] = execFileSync('id', ['-u', name]).toString().trim().split('\n').concat(execFileSync('id', ['-g', name]).toString().trim());
    return { uid: Number(uid), gid: Number(gid) };
  } catch {
    return null;
  }
}

// Scratch databases on a server: each call gives a new empty database's
// address.
function databases(base, stopServer) {
  let n = 0;
  const made = [];
  const admin = () => new pg.Client({ connectionString: base });
  return {
    async fresh() {
      const name = `quillet_test_${process.pid}_${Date.now().toString(36)}_${++n}`;
      const c = admin();
      await c.connect();
      try { await c.query(`CREATE DATABASE ${name}`); } finally { await c.end(); }
      made.push(name);
      const url = new URL(base);
      url.pathname = `/${name}`;
      return url.toString();
    },
    async stop() {
      if (stopServer) return stopServer();
      const c = admin();
      await c.connect();
      try {
        for (const name of made) await c.query(`DROP DATABASE IF EXISTS ${name} WITH (FORCE)`);
      } finally {
        await c.end();
      }
    },
  };
}

export async function startPostgres() {
  if (process.env.QUILLET_TEST_DATABASE_URL) return databases(process.env.QUILLET_TEST_DATABASE_URL, null);
  const bin = serverBin();
  if (!bin) return null;
  const root = process.getuid && process.getuid() === 0;
  const owner = root ? systemUser('postgres') : null;
  if (root && !owner) return null;
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'quillet-pg-test-'));
  const as = (cmd, args) => (root ? execFileSync('runuser', ['-u', 'postgres', '--', path.join(bin, cmd), ...args], { stdio: 'pipe' })
    : execFileSync(path.join(bin, cmd), args, { stdio: 'pipe' }));
  const data = path.join(dir, 'data');
  try {
    if (owner) fs.chownSync(dir, owner.uid, owner.gid);
    as('initdb', ['-D', data, '-A', 'trust', '-U', 'quillet', '-E', 'UTF8', '--no-sync', '--locale=C.UTF-8']);
    as('pg_ctl', ['-D', data, '-l', path.join(dir, 'server.log'), '-w', '-t', '60',
      '-o', `-k ${dir} -c listen_addresses= -p 5432 -c fsync=off`, 'start']);
  } catch (err) {
    fs.rmSync(dir, { recursive: true, force: true });
    process.stderr.write(`no private PostgreSQL server: ${err.stderr || err.message}\n`);
    return null;
  }
  const stop = async () => {
    try { as('pg_ctl', ['-D', data, '-m', 'immediate', '-w', 'stop']); } catch { /* already gone */ }
    fs.rmSync(dir, { recursive: true, force: true });
  };
  process.once('exit', () => { try { as('pg_ctl', ['-D', data, '-m', 'immediate', 'stop']); } catch { /* gone */ } });
  return databases(`postgres://quillet@localhost/postgres?host=${encodeURIComponent(dir)}`, stop);
}
