// The local note service on its own loopback port, standing in for the
// outside note service: the OAuth 1.0 provider ("/oauth", the authorisation
// page "/OAuth.action"), the user store ("/edam/user") and the note store
// ("/shard/s1/notestore"), both over HTTP with Thrift's binary protocol.
// Users are the accounts of the account service; each one's notes are his own.
import http from 'node:http';
import crypto from 'node:crypto';
import thrift from 'thrift';
import { send, sendHtml, page, escapeHtml, readBody, parseForm, requestUrl, HttpError } from './http.mjs';
import { OAuthProvider, OAuthError, baseUri, parseAuthorization, formAnswer } from './oauthprovider.mjs';
import { MAX_NOTES_PER_USER, MAX_NOTE_BYTES } from './notedata.mjs';
import { Processor, UserException, NotFoundException, ErrorCode } from './edam.mjs';
import { checkEnml, enmlText } from './enmlcheck.mjs';
import { LoginLimiter, tryLogIn, retryText } from './loginlimit.mjs';

// The application identity the program is built with.
export const DEFAULT_CONSUMERS = new Map([['tovermilch-3157', '5e07b2d94a13c68f']]);
export const SHARD = 's1';
const THRIFT_LIMIT = 32 * 1024 * 1024;
const FORM_LIMIT = 64 * 1024;
const MAX_LISTED = 250;

async function authUser(provider, token) {
  const found = await provider.accessUser(token);
  if (!found) throw new UserException(ErrorCode.BAD_DATA_FORMAT, 'authenticationToken');
  if (found.expired) throw new UserException(ErrorCode.AUTH_EXPIRED, 'authenticationToken');
  return found.userId;
}

function noteMetadata(row) {
  return {
    guid: row.guid,
    title: row.title,
    contentHash: row.content_hash,
    contentLength: row.content_length,
    created: row.created,
    updated: row.updated,
    active: true,
    updateSequenceNum: row.usn,
    notebookGuid: `${SHARD}-default`,
  };
}

function checkTitle(title) {
  if (typeof title !== 'string' || title.length < 1 || title.length > 255 || /^\s|\s$/.test(title)
      || /[\p{Cc}\p{Zl}\p{Zp}]/u.test(title)) {
    throw new UserException(ErrorCode.BAD_DATA_FORMAT, 'Note.title');
  }
}

export function noteHandlers({ provider, notes, noteStoreUrl }) {
  const userStore = {
    async getNoteStoreUrl({ authenticationToken }) {
      await authUser(provider, authenticationToken);
      return noteStoreUrl();
    },
  };
  const noteStore = {
    async findNotes({ authenticationToken, filter = {}, offset = 0, maxNotes = 0 }) {
      const userId = await authUser(provider, authenticationToken);
      if (!Number.isInteger(offset) || offset < 0) throw new UserException(ErrorCode.DATA_CONFLICT, 'offset');
      if (!Number.isInteger(maxNotes) || maxNotes < 1) throw new UserException(ErrorCode.DATA_CONFLICT, 'maxNotes');
      const limit = Math.min(maxNotes, MAX_LISTED);
      const total = await notes.count(userId);
      let rows;
      let totalNotes = total;
      const words = typeof filter.words === 'string' ? filter.words.trim().toLowerCase() : '';
      if (words) {
        // Every word must occur in the title or the text, ignoring case.
        const terms = words.split(/\s+/);
        const matching = (await notes.all(userId)).filter((row) => {
          const hay = `${row.title}\n${enmlText(row.content)}`.toLowerCase();
          return terms.every((t) => hay.includes(t));
        });
        if (filter.ascending) matching.reverse();
        totalNotes = matching.length;
        rows = matching.slice(offset, offset + limit);
      } else {
        rows = await notes.list(userId, { offset, maxNotes: limit, ascending: filter.ascending === true });
      }
      return { startIndex: offset, totalNotes, notes: rows.map(noteMetadata), updateCount: total };
    },
    async getNote({ authenticationToken, guid, withContent }) {
      const userId = await authUser(provider, authenticationToken);
      if (typeof guid !== 'string' || !guid) throw new UserException(ErrorCode.DATA_REQUIRED, 'Note.guid');
      const row = await notes.get(userId, guid);
      // Another user's note is as unknown as one that never was.
      if (!row) throw new NotFoundException('Note.guid', guid);
      const note = noteMetadata(row);
      if (withContent) note.content = row.content;
      return note;
    },
    async createNote({ authenticationToken, note }) {
      const userId = await authUser(provider, authenticationToken);
      if (!note) throw new UserException(ErrorCode.DATA_REQUIRED, 'Note');
      checkTitle(note.title);
      if (typeof note.content !== 'string') throw new UserException(ErrorCode.DATA_REQUIRED, 'Note.content');
      if (Buffer.byteLength(note.content, 'utf8') > MAX_NOTE_BYTES) throw new UserException(ErrorCode.LIMIT_REACHED, 'Note.size');
      if (checkEnml(note.content)) throw new UserException(ErrorCode.ENML_VALIDATION, 'Note.content');
      if ((await notes.count(userId)) >= MAX_NOTES_PER_USER) throw new UserException(ErrorCode.LIMIT_REACHED, 'Note');
      const row = await notes.create(userId, note.title, note.content, provider.now());
      return noteMetadata(row);
    },
  };
  return { userStore, noteStore };
}

// Runs one Thrift message through a processor; the answer's bytes.
export async function processThrift(processor, body) {
  let answer = null;
  const output = new thrift.TBinaryProtocol(new thrift.TBufferedTransport(undefined, (bytes) => { answer = bytes; }));
  let input = null;
  thrift.TBufferedTransport.receiver((transport) => { input = new thrift.TBinaryProtocol(transport, true, true); })(body);
  try {
    await processor.process(input, output);
  } catch (err) {
    // A message that cannot be read to its end is not a call.
    throw new HttpError(400, `bad thrift message: ${err && err.message ? err.message : err}`);
  }
  if (!answer) throw new HttpError(500, 'no answer');
  return answer;
}

function authorisationPage(token, { error = '', email = '' } = {}) {
  const body = `
<div style="max-width:420px;margin:24px auto;border:1px solid #c8c8c8;padding:16px 20px">
<h1>Quillet Notes</h1>
<p><b>Quillet</b> would like to open and create notes in your account.</p>
<p>Sign in with your Quillet account to let it. You can withdraw the permission at any time by signing in again.</p>
${error ? `<p id="error" style="color:#FA5050">${escapeHtml(error)}</p>` : ''}
<form method="post" action="/OAuth.action">
<input type="hidden" name="oauth_token" value="${escapeHtml(token)}">
<p><label>E-mail<br><input id="email" name="email" type="text" value="${escapeHtml(email)}" style="width:100%"></label></p>
<p><label>Password<br><input id="password" name="password" type="password" style="width:100%"></label></p>
<p><button id="allow" name="action" value="allow" type="submit" style="background:#19A0DC;color:#fff;border:0;padding:6px 18px">Allow</button>
<button id="decline" name="action" value="decline" type="submit" style="padding:6px 18px">Decline</button></p>
</form>
</div>`;
  return page('Authorise Quillet', body);
}

function redirect(res, location) {
  res.writeHead(302, { Location: location, 'Content-Type': 'text/plain; charset=utf-8', 'Content-Length': 0 });
  res.end();
}

// Starts the note service's HTTP server. options: port, store, consumers,
// accessTtl (seconds), clock, log.
export async function startNoteService({ port, host = '127.0.0.1', store, limiter = new LoginLimiter(), consumers = DEFAULT_CONSUMERS, accessTtl, clock, log = () => {} }) {
  const provider = new OAuthProvider(store.oauth, { consumers, accessTtl, clock });
  const notes = store.notes;
  let noteStoreHost = '';
  const handlers = noteHandlers({ provider, notes, noteStoreUrl: () => `http://${noteStoreHost}/shard/${SHARD}/notestore` });
  const userProcessor = new Processor(handlers.userStore, log);
  const noteProcessor = new Processor(handlers.noteStore, log);

  const oauthRequest = async (req, url, body) => {
    const params = [];
    const header = parseAuthorization(req.headers.authorization);
    if (header) params.push(...header);
    for (const [n, v] of url.searchParams) params.push([n, v]);
    if (body.length && String(req.headers['content-type'] || '').startsWith('application/x-www-form-urlencoded')) {
      for (const pair of body.toString('latin1').split('&')) {
        if (!pair) continue;
        const eq = pair.indexOf('=');
        const dec = (s) => { try { return decodeURIComponent(s.replace(/\+/g, ' ')); } catch { throw new OAuthError(400, 'parameter_rejected'); } };
        params.push(eq < 0 ? [dec(pair), ''] : [dec(pair.slice(0, eq)), dec(pair.slice(eq + 1))]);
      }
    }
    const uri = baseUri('http', req.headers.host, url.pathname);
    const oauth = new Map(params.filter(([n]) => n.startsWith('oauth_')));
    return oauth.has('oauth_verifier') || oauth.has('oauth_token')
      ? provider.accessToken(req.method, uri, params)
      : provider.requestToken(req.method, uri, params);
  };

  const server = http.createServer(async (req, res) => {
    const url = requestUrl(req);
    if (!url) return send(res, 400, 'bad address');
    const p = url.pathname.toLowerCase();
    try {
      if (p === '/oauth') {
        if (req.method !== 'POST' && req.method !== 'GET') { req.resume(); return send(res, 405, 'method not allowed'); }
        const body = await readBody(req, FORM_LIMIT);
        try {
          send(res, 200, formAnswer(await oauthRequest(req, url, body)), 'application/x-www-form-urlencoded');
        } catch (err) {
          if (!(err instanceof OAuthError)) throw err;
          log(`note service: OAuth refused: ${err.problem}`);
          send(res, err.status, `oauth_problem=${err.problem}`, 'application/x-www-form-urlencoded');
        }
        return;
      }
      if (p === '/oauth.action') {
        if (req.method === 'GET') {
          req.resume();
          const token = url.searchParams.get('oauth_token') || '';
          if (!(await provider.pending(token))) return sendHtml(res, page('Authorise Quillet', '<h1>This request has expired</h1><p>Start again from Quillet.</p>'), 400);
          return sendHtml(res, authorisationPage(token));
        }
        if (req.method !== 'POST') { req.resume(); return send(res, 405, 'method not allowed'); }
        const form = parseForm((await readBody(req, FORM_LIMIT)).toString('utf8'));
        const token = form.get('oauth_token') || '';
        if (!(await provider.pending(token))) return sendHtml(res, page('Authorise Quillet', '<h1>This request has expired</h1><p>Start again from Quillet.</p>'), 400);
        if (form.get('action') === 'decline') return redirect(res, await provider.decline(token));
        const email = (form.get('email') || '').trim();
        const user = email ? await store.findUser(email) : null;
        const digest = crypto.createHash('md5').update(form.get('password') || '', 'utf8').digest('hex').toUpperCase();
        const attempt = email ? await tryLogIn(limiter, store, req, email, user, digest) : { ok: false };
        if (attempt.refused) return sendHtml(res, authorisationPage(token, { error: retryText(attempt.refused), email }));
        if (!user || !attempt.ok) {
          return sendHtml(res, authorisationPage(token, { error: 'The e-mail or the password is wrong.', email }));
        }
        const location = await provider.allow(token, user.id);
        if (!location) return sendHtml(res, page('Authorise Quillet', '<h1>This request has expired</h1><p>Start again from Quillet.</p>'), 400);
        return redirect(res, location);
      }
      const processor = p === '/edam/user' ? userProcessor : p === `/shard/${SHARD}/notestore` ? noteProcessor : null;
      if (!processor) { req.resume(); return send(res, 404, 'not found'); }
      if (req.method !== 'POST') { req.resume(); return send(res, 405, 'method not allowed', undefined, { Allow: 'POST' }); }
      const body = await readBody(req, THRIFT_LIMIT);
      if (!noteStoreHost) noteStoreHost = `127.0.0.1:${server.address().port}`;
      const answer = await processThrift(processor, body);
      send(res, 200, answer, 'application/x-thrift');
    } catch (err) {
      if (err instanceof HttpError) {
        if (!res.headersSent) send(res, err.status, err.message);
        return;
      }
      log(`note service: error on ${req.method} ${url.pathname}: ${err && err.stack ? err.stack : err}`);
      if (!res.headersSent) send(res, 500, 'internal error');
      else res.destroy();
    }
  });
  server.headersTimeout = 20000;
  server.requestTimeout = 120000;
  await new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, host, resolve);
  });
  noteStoreHost = `127.0.0.1:${server.address().port}`;
  const purge = setInterval(() => provider.purge().catch((err) => log(`note service: purge failed: ${err.message}`)), 60000);
  purge.unref();
  return {
    server,
    port: server.address().port,
    provider,
    notes,
    close(drainMs = 2000) {
      clearInterval(purge);
      return new Promise((resolve) => {
        server.close(() => resolve());
        server.closeIdleConnections();
        setTimeout(() => server.closeAllConnections(), drainMs).unref();
      });
    },
  };
}
