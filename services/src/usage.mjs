// Usage statistics and glossary under "/NotPublic/".
import { parseForm, sendText, send } from './http.mjs';
import { ANONYMOUS_KEY } from './store.mjs';

const GROUPS = new Set(['event', 'check', 'error']);
const MAX_ENTRIES = 2000;
const MAX_WORD = 100;

// "name:count;name:count;" -> [[name, count], ...]; null when malformed.
export function parseCountString(text) {
  const out = [];
  for (const item of String(text).split(';')) {
    if (!item) continue;
    const colon = item.lastIndexOf(':');
    if (colon <= 0) return null;
    const name = item.slice(0, colon);
    const count = item.slice(colon + 1);
    if (!/^\d{1,9}$/.test(count) || name.length > 100) return null;
    out.push([name, Number(count)]);
    if (out.length > MAX_ENTRIES) return null;
  }
  return out;
}

function parseCorrections(text) {
  let data;
  try { data = JSON.parse(text); } catch { return null; }
  if (!Array.isArray(data) || data.length > MAX_ENTRIES) return null;
  const str = (v) => (typeof v === 'string' ? v.slice(0, 10000) : null);
  const int = (v) => (Number.isInteger(v) ? v : null);
  const out = [];
  for (const r of data) {
    if (!r || typeof r !== 'object' || Array.isArray(r)) return null;
    out.push({
      sentence: str(r.sentence), word: str(r.word), wordIdx: int(r.wordIdx), wordLength: int(r.wordLength),
      correctionList: str(r.correctionList), choose: int(r.choose), type: int(r.type),
    });
  }
  return out;
}

export function usageRoutes(store) {
  return {
    // Answers "ok", "SessionError" or "Failure" (malformed data).
    '/NotPublic/UserCountBulkAdd.ashx': async (req, res, body) => {
      const form = parseForm(body.toString('utf8'));
      const key = form.get('sessionKey') || '';
      const group = form.get('group') || '';
      if (!GROUPS.has(group)) return send(res, 400, 'Failure');
      const table = parseCountString(form.get('data') || '');
      if (!table) return send(res, 400, 'Failure');
      let userId = null;
      if (!(group === 'event' && key === ANONYMOUS_KEY)) {
        const user = await store.sessionUser(key);
        if (!user) return sendText(res, 'SessionError');
        userId = user.id;
      }
      if (group === 'event') await store.addEvents(userId, table, (form.get('version') || '').slice(0, 50));
      else await store.addCounts(userId, group, table);
      sendText(res, 'ok');
    },

    '/NotPublic/UserCorrectionLogBulkAdd-new.ashx': async (req, res, body) => {
      const form = parseForm(body.toString('utf8'));
      const user = await store.sessionUser(form.get('sessionKey') || '');
      if (!user) return sendText(res, 'SessionError');
      const records = parseCorrections(form.get('data') || '');
      if (!records) return send(res, 400, 'Failure');
      await store.addCorrections(user.id, records);
      sendText(res, 'ok');
    },

    // Every word followed by ";"; an empty body for an empty glossary. An
    // unknown session gets 401 with an empty body, never a text that the
    // client would take for a word.
    '/NotPublic/UserWordList.ashx': async (req, res, body) => {
      const user = await store.sessionUser(parseForm(body.toString('utf8')).get('sessionKey') || '');
      if (!user) return send(res, 401, '');
      sendText(res, (await store.glossary(user.id)).map((w) => `${w};`).join(''));
    },

    // Words separated by ";" (each followed by one); answers "ok" when stored.
    '/NotPublic/UserWordBulkAdd.ashx': async (req, res, body) => {
      const form = parseForm(body.toString('utf8'));
      const user = await store.sessionUser(form.get('sessionKey') || '');
      if (!user) return sendText(res, 'SessionError');
      const words = (form.get('words') || '').split(';').filter((w) => w.length > 0);
      if (words.length === 0 || words.length > MAX_ENTRIES || words.some((w) => w.length > MAX_WORD)) {
        return send(res, 400, 'Failure');
      }
      await store.addWords(user.id, words);
      sendText(res, 'ok');
    },
  };
}
