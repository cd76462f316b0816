// Account service: log-in, log-out, session check, e-mail check, registration,
// and the Facebook- and Sina-linked log-ins. Answers are short plain texts.
import crypto from 'node:crypto';
import { parseForm, sendText, sendHtml, page, escapeHtml, queryOf, rawQueryValues } from './http.mjs';
import { LoginLimiter, tryLogIn, retryText } from './loginlimit.mjs';

const EMAIL_RE = /^\w+([-+.]\w+)*@\w+([-.]\w+)*\.\w+([-.]\w+)*$/;
const DIGEST_RE = /^[0-9A-Fa-f]{32}$/;
const EMAIL_MAX = 100;

// "Success|<session key>|<user name>;<user id>;<member since>"
function successAnswer(user, key) {
  const since = new Date(user.created_at).toISOString().slice(0, 10);
  const name = String(user.user_name).replace(/[|;]/g, ' ');
  return `Success|${key}|${name};${user.id};${since}`;
}

// The client's form encoder leaves "+" alone, so a "+" in an address arrives
// as a blank; registration sends it as "%2b". Both are read back as "+".
function normaliseEmail(s) {
  return String(s || '').replace(/%2b/gi, '+').trim();
}

// The e-mail check sends a "+" unescaped too, and an address never holds a
// blank, so a blank there was a plus sign.
function checkedEmail(s) {
  return normaliseEmail(s).replace(/ /g, '+');
}

// The Facebook-linked log-in puts the name into the address as the Latin-1
// bytes of the text, unescaped apart from what the address itself needs: a
// "+" is a plus sign, and escaped bytes that are not UTF-8 are Latin-1.
export function decodeLatin1Value(raw) {
  const bytes = [];
  for (let i = 0; i < raw.length; i++) {
    if (raw[i] === '%' && /^[0-9A-Fa-f]{2}$/.test(raw.slice(i + 1, i + 3))) {
      bytes.push(parseInt(raw.slice(i + 1, i + 3), 16));
      i += 2;
    } else {
      bytes.push(...Buffer.from(raw[i], 'utf8'));
    }
  }
  const buf = Buffer.from(bytes);
  try {
    return new TextDecoder('utf-8', { fatal: true }).decode(buf);
  } catch {
    return buf.toString('latin1');
  }
}

function nameCandidates(name) {
  const out = [name];
  if (name.includes(' ')) out.push(name.replace(/ /g, '+'));
  return out;
}

// Failed log-ins are limited per account and per address (see
// loginlimit.mjs); a refused attempt gets the ordinary failure word with the
// reason as its value: "Failure|Too many failed log-in attempts; ...".
export function accountRoutes(store, limiter = new LoginLimiter()) {
  return {
    '/Login-new.ashx': async (req, res, body) => {
      const form = parseForm(body.toString('utf8'));
      const name = (form.get('userName') || '').trim();
      const digest = form.get('hashUserPassword') || '';
      if (!name) return sendText(res, 'UserNameEmpty');
      let user = null;
      for (const n of nameCandidates(name)) { user = await store.findUser(n); if (user) break; }
      const attempt = await tryLogIn(limiter, store, req, name, user, digest);
      if (attempt.refused) return sendText(res, `Failure|${retryText(attempt.refused)}`);
      if (!user) return sendText(res, 'UserNotExit');
      if (!attempt.ok) return sendText(res, 'Failure');
      sendText(res, successAnswer(user, await store.openSession(user.id)));
    },

    '/Logout-new.ashx': async (req, res, body) => {
      const key = parseForm(body.toString('utf8')).get('sessionKey') || '';
      if (!key) return sendText(res, 'SessionError');
      sendText(res, (await store.closeSession(key)) ? 'Success' : 'SessionError');
    },

    '/IsUserLogin.ashx': async (req, res, body) => {
      const key = parseForm(body.toString('utf8')).get('sessionKey') || '';
      sendText(res, (await store.sessionUser(key)) ? 'Success' : 'SessionError');
    },

    '/register/DoesEmailExist.ashx': async (req, res, body) => {
      const email = checkedEmail(parseForm(body.toString('utf8')).get('e'));
      sendText(res, email && (await store.userByEmail(email)) ? 'True' : 'False');
    },

    // Answer: "success", "error", or one digit per field (user name, e-mail,
    // password), e.g. "040" for an address that is already taken.
    '/register/register.ashx': async (req, res, body) => {
      const form = parseForm(body.toString('utf8'));
      const email = normaliseEmail(form.get('e'));
      const digest = (form.get('p') || '').trim();
      const row = ['0', '0', '0'];
      if (!email) row[1] = '1';
      else if (email.length > EMAIL_MAX) row[1] = '2';
      else if (!EMAIL_RE.test(email)) row[1] = '3';
      else if (await store.emailTaken(email)) row[1] = '4';
      if (!DIGEST_RE.test(digest)) row[2] = '1';
      if (row.join('') !== '000') return sendText(res, row.join(''));
      // Two registrations of one address racing: the second one is refused.
      if ((await store.createUser(email, digest)) === null) return sendText(res, '040');
      sendText(res, 'success');
    },

    // Called after Facebook's "me" answer: links (or creates) the account of
    // that Facebook id and opens a session.
    '/LoginedByFacebook.ashx': async (req, res) => {
      const q = queryOf(req.url);
      const id = (q.get('id') || '').trim();
      const name = decodeLatin1Value(rawQueryValues(req.url, 'name')[0] || '').trim();
      if (!id || id.length > 64 || !/^[0-9A-Za-z_.-]+$/.test(id)) return sendText(res, 'Failure');
      const user = await store.facebookUser(id, name.slice(0, 100));
      sendText(res, successAnswer(user, await store.openSession(user.id)));
    },

    // The Sina Weibo log-in page of the account service. Here it signs in
    // with a local account; its answer page carries the usual answer text.
    '/LoginBySina.ashx': async (req, res) => {
      const area = escapeHtml(queryOf(req.url).get('area') || '');
      sendHtml(res, page('Sina Weibo log-in', `<h1>Sina Weibo log-in</h1>
<form method="post" action="/LoginedBySina.ashx">
<input type="hidden" name="area" value="${area}">
<p><label>User name or e-mail<br><input name="userName" autofocus></label></p>
<p><label>Password<br><input name="password" type="password"></label></p>
<p><button type="submit">Log in</button></p></form>`));
    },

    '/LoginedBySina.ashx': async (req, res, body) => {
      const form = parseForm(body.toString('utf8'));
      const name = (form.get('userName') || '').trim();
      const password = form.get('password') || '';
      const user = name ? await store.findUser(name) : null;
      const digest = crypto.createHash('md5').update(password, 'utf8').digest('hex').toUpperCase();
      const attempt = name ? await tryLogIn(limiter, store, req, name, user, digest) : { ok: false };
      if (attempt.refused) return sendHtml(res, `<html><body>Failure|${escapeHtml(retryText(attempt.refused))}</body></html>`);
      if (!user || !attempt.ok) {
        return sendHtml(res, `<html><body>Failure|Incorrect username/password combination.</body></html>`);
      }
      sendHtml(res, `<html><body>${escapeHtml(successAnswer(user, await store.openSession(user.id)))}</body></html>`);
    },
  };
}
