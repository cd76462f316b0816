// Small HTTP helpers: bounded body reading, form decoding and plain answers.

export class HttpError extends Error {
  constructor(status, message, body = '') {
    super(message);
    this.status = status;
    this.body = body;
  }
}

// Reads the whole request body, refusing anything larger than `limit` bytes
// with 413 before it is buffered.
export function readBody(req, limit) {
  return new Promise((resolve, reject) => {
    const declared = Number(req.headers['content-length']);
    if (Number.isFinite(declared) && declared > limit) {
      // Refused unread; the connection is closed after the answer.
      reject(new HttpError(413, 'request body too large'));
      return;
    }
    const parts = [];
    let size = 0;
    let failed = false;
    req.on('data', (chunk) => {
      if (failed) return;
      size += chunk.length;
      if (size > limit) {
        failed = true;
        parts.length = 0;
        reject(new HttpError(413, 'request body too large'));
        return;
      }
      parts.push(chunk);
    });
    req.on('end', () => { if (!failed) resolve(Buffer.concat(parts)); });
    req.on('error', (err) => { if (!failed) { failed = true; reject(err); } });
  });
}

// Decodes an application/x-www-form-urlencoded body ("+" is a blank, %XX a byte).
// A malformed escape is kept as it stands rather than failing the whole form.
export function parseForm(text) {
  const fields = new Map();
  if (!text) return fields;
  for (const pair of text.split('&')) {
    if (!pair) continue;
    const eq = pair.indexOf('=');
    const name = decodeFormComponent(eq < 0 ? pair : pair.slice(0, eq));
    const value = eq < 0 ? '' : decodeFormComponent(pair.slice(eq + 1));
    if (!fields.has(name)) fields.set(name, value);
  }
  return fields;
}

export function decodeFormComponent(s) {
  const spaced = s.replace(/\+/g, ' ');
  try {
    return decodeURIComponent(spaced);
  } catch {
    // Decode the valid escapes one by one and keep the broken ones.
    return spaced.replace(/(%[0-9A-Fa-f]{2})+/g, (run) => {
      try { return decodeURIComponent(run); } catch { return run; }
    });
  }
}

// Query values of a URL; the same rules as a form.
export function queryOf(url) {
  const q = url.indexOf('?');
  return parseForm(q < 0 ? '' : url.slice(q + 1));
}

// The raw (still escaped) value of one query key, for keys whose values the
// client puts into the address without escaping.
export function rawQueryValues(url, key) {
  const q = url.indexOf('?');
  if (q < 0) return [];
  const out = [];
  for (const pair of url.slice(q + 1).split('&')) {
    const eq = pair.indexOf('=');
    if (eq < 0) continue;
    if (pair.slice(0, eq) === key) out.push(pair.slice(eq + 1));
  }
  return out;
}

export function send(res, status, body, type = 'text/plain; charset=utf-8', extra = {}) {
  const data = Buffer.isBuffer(body) ? body : Buffer.from(String(body), 'utf8');
  res.writeHead(status, { 'Content-Type': type, 'Content-Length': data.length, ...extra });
  res.end(data);
}

export function sendText(res, text, status = 200) {
  send(res, status, text);
}

export function sendHtml(res, html, status = 200) {
  send(res, status, html, 'text/html; charset=utf-8');
}

export function escapeHtml(s) {
  return String(s).replace(/[&<>"']/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;', "'": '&#39;' })[c]);
}

export function page(title, body, lang = 'en') {
  return `<!DOCTYPE html>\n<html lang="${lang}"><head><meta charset="utf-8"><title>${escapeHtml(title)}</title>` +
    '<style>body{font-family:Arial,sans-serif;font-size:10pt;margin:8px;color:#333}h1,h2{color:#19A0DC;font-size:12pt}' +
    '.wrong{color:#FA5050;text-decoration:line-through}.right{color:#2a8a2a}a{color:#19A0DC}</style></head>' +
    `<body>${body}</body></html>\n`;
}

/** The request's address as a URL, or null when it cannot be read. */
export function requestUrl(req) {
  try {
    return new URL(req.url, 'http://localhost');
  } catch {
    return null;
  }
}
