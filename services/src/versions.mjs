// Version service "/update/quilletapp" and the update file downloads, from a
// release folder in the data folder:
//   releases/<version>/manifest.json  {"version":2170,"text":"2.1.7.0","reset":false,
//                                      "date":"...","notes":"...","files":[{"name","version","subdir"}]}
//   releases/<version>/files/[<subdir>/]<name>
import crypto from 'node:crypto';
import fs from 'node:fs';
import path from 'node:path';
import { sendText, send } from './http.mjs';

export const DEFAULT_RELEASE = { version: 2170, text: '2.1.7.0', reset: false, date: '2026-12-07', notes: 'Current release', files: [] };

export function seedReleases(dir) {
  const folder = path.join(dir, String(DEFAULT_RELEASE.version));
  if (fs.existsSync(dir) && fs.readdirSync(dir).length > 0) return;
  fs.mkdirSync(path.join(folder, 'files'), { recursive: true });
  fs.writeFileSync(path.join(folder, 'manifest.json'), `${JSON.stringify(DEFAULT_RELEASE, null, 2)}\n`);
}

// A newer release to try the updater with ("--seed-update"): two small text
// files, one of them in a subdirectory. Added once; an existing 2180 stays.
export const UPDATE_RELEASE = {
  version: 2180, text: '2.1.8.0', reset: false, date: '2027-01-15', notes: 'Update trial release',
  files: [{ name: 'whatsnew.txt', version: 2180, subdir: '' }, { name: 'release-notes.txt', version: 2180, subdir: 'docs' }],
};

export function seedUpdateRelease(dir) {
  const folder = path.join(dir, String(UPDATE_RELEASE.version));
  if (fs.existsSync(path.join(folder, 'manifest.json'))) return;
  fs.mkdirSync(path.join(folder, 'files', 'docs'), { recursive: true });
  fs.writeFileSync(path.join(folder, 'files', 'whatsnew.txt'),
    'Quillet 2.1.8.0\n\nWhat is new: the updater installs releases as one step.\n');
  fs.writeFileSync(path.join(folder, 'files', 'docs', 'release-notes.txt'),
    'Quillet 2.1.8.0 release notes\n\n- Updates are checked against a SHA-256 digest.\n');
  fs.writeFileSync(path.join(folder, 'manifest.json'), `${JSON.stringify(UPDATE_RELEASE, null, 2)}\n`);
}

const SAFE_NAME = /^[A-Za-z0-9][A-Za-z0-9._ -]*$/;

function validManifest(m) {
  return m && Number.isInteger(m.version) && m.version > 0 && typeof m.text === 'string' && Array.isArray(m.files) &&
    m.files.every((f) => f && SAFE_NAME.test(f.name || '') && Number.isInteger(f.version) &&
      (f.subdir === undefined || f.subdir === '' || String(f.subdir).split('/').every((p) => SAFE_NAME.test(p))));
}

export class Releases {
  constructor(dir, log) {
    this.dir = dir;
    this.log = log;
  }

  all() {
    let names = [];
    try { names = fs.readdirSync(this.dir); } catch { return []; }
    const out = [];
    for (const n of names) {
      try {
        const m = JSON.parse(fs.readFileSync(path.join(this.dir, n, 'manifest.json'), 'utf8'));
        if (validManifest(m) && String(m.version) === n) out.push(m);
        else this.log?.(`release ${n}: manifest ignored`);
      } catch {
        // A folder without a readable manifest is not a release.
      }
    }
    return out.sort((a, b) => a.version - b.version);
  }

  latest() {
    const all = this.all();
    return all[all.length - 1] || null;
  }

  get(version) {
    return this.all().find((m) => String(m.version) === String(version)) || null;
  }

  // SHA-256 in hexadecimal of a release file, or '' when it cannot be read.
  digest(version, rel) {
    const file = this.filePath(version, rel);
    if (!file) return '';
    try {
      return crypto.createHash('sha256').update(fs.readFileSync(file)).digest('hex');
    } catch {
      return '';
    }
  }

  filePath(version, rel) {
    const parts = rel.split('/').filter(Boolean);
    if (parts.length === 0 || !parts.every((p) => SAFE_NAME.test(p) && p !== '..' && p !== '.')) return null;
    const m = this.get(version);
    if (!m || !m.files.some((f) => [f.subdir, f.name].filter(Boolean).join('/') === parts.join('/'))) return null;
    return path.join(this.dir, String(version), 'files', ...parts);
  }
}

export function versionRoutes(releases) {
  return {
    // Latest version: "<number>|<text>|<date>|<notes>|<reset>", where the last
    // field repeats the number when the update resets the user's settings.
    // With "?versionid=": "<name>|<version>|<address>|<subdir>|<sha256>;" per
    // file; readers of four fields ignore the digest.
    '/update/quilletapp': async (req, res, body, url) => {
      const versionId = url.searchParams.get('versionid');
      if (versionId === null) {
        const m = releases.latest();
        if (!m) return send(res, 404, '');
        // No field may carry the separator: the reset flag is read by position.
        const field = (v) => String(v ?? '').replace(/[|\r\n]/g, ' ');
        return sendText(res, `${m.version}|${field(m.text)}|${field(m.date)}|${field(m.notes)}|${m.reset ? m.version : 0}`);
      }
      const m = /^\d{1,10}$/.test(versionId) ? releases.get(versionId) : null;
      if (!m) return sendText(res, '');
      const host = req.headers.host || '127.0.0.1';
      const list = m.files.map((f) => {
        const parts = [f.subdir, f.name].filter(Boolean);
        const rel = parts.map(encodeURIComponent).join('/');
        const digest = releases.digest(m.version, parts.join('/'));
        return `${f.name}|${f.version}|http://${host}/update/files/${m.version}/${rel}|${f.subdir || ''}|${digest};`;
      });
      sendText(res, list.join(''));
    },

    '/update/files/': async (req, res, body, url) => {
      const rest = url.pathname.slice('/update/files/'.length).split('/');
      let rel;
      try { rel = rest.slice(1).map(decodeURIComponent).join('/'); } catch { return send(res, 400, ''); }
      const file = releases.filePath(rest[0], rel);
      if (!file) return send(res, 404, 'not found');
      let data;
      try { data = await fs.promises.readFile(file); } catch { return send(res, 404, 'not found'); }
      send(res, 200, data, 'application/octet-stream');
    },
  };
}
