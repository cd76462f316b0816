// Dictionary ("/?qew2="), Chinese dictionary ("/Veska/QLDictCN?content=")
// and offline translation ("/Veska/QLTranslation?content=&src=&dest=").
import path from 'node:path';
import { DictdFile, articleTranslations } from './dictd.mjs';
import { page, escapeHtml, sendHtml, send, queryOf } from './http.mjs';
import { POS_NAMES } from './wordnet.mjs';

export const LANGUAGES = { en: 'English', es: 'Spanish', 'zh-CN': 'Chinese', fr: 'French', de: 'German', pt: 'Portuguese', ja: 'Japanese' };
const FREEDICT = { es: 'spa', fr: 'fra', de: 'deu', pt: 'por', ja: 'jpn' };
const MAX_WORDS = 4;
const MAX_QUERY = 200;

export class Lookup {
  constructor({ wordnet, vocabulary, dictDir = '/usr/share/dictd' }) {
    this.wordnet = wordnet;
    this.vocabulary = vocabulary;
    this.dictDir = dictDir;
    this.files = new Map();
  }

  dict(from, to) {
    const name = `freedict-${from}-${to}`;
    if (!this.files.has(name)) {
      const base = path.join(this.dictDir, name);
      this.files.set(name, DictdFile.exists(base) ? new DictdFile(base) : null);
    }
    return this.files.get(name);
  }

  close() {
    for (const f of this.files.values()) f?.close();
  }

  // WordNet entry as HTML, or '' for an unknown word.
  dictionaryHtml(word) {
    const w = String(word).trim();
    if (!w || w.length > MAX_QUERY) return '';
    let head = w;
    let senses = this.wordnet.lookup(w);
    if (senses.length === 0) {
      for (const lemma of this.vocabulary.lemmasOf(w)) {
        senses = this.wordnet.lookup(lemma);
        if (senses.length) { head = lemma; break; }
      }
    }
    if (senses.length === 0) return '';
    let body = `<h2>${escapeHtml(head)}</h2>`;
    const byPos = new Map();
    for (const s of senses.slice(0, 12)) {
      const pos = POS_NAMES[s.pos];
      if (!byPos.has(pos)) byPos.set(pos, []);
      byPos.get(pos).push(s);
    }
    const related = new Set();
    for (const [pos, list] of byPos) {
      body += `<p><i>${pos}</i></p><ol>`;
      for (const s of list) {
        const syn = s.words.filter((x) => x.toLowerCase() !== head.toLowerCase()).slice(0, 5);
        body += `<li>${escapeHtml(s.definition)}`;
        if (s.examples.length) body += `<br><i>${s.examples.slice(0, 2).map((e) => `"${escapeHtml(e)}"`).join('; ')}</i>`;
        if (syn.length) body += `<br>${syn.map(link).join(', ')}`;
        body += '</li>';
        for (const r of this.wordnet.related(s).slice(0, 4)) related.add(r.word);
      }
      body += '</ol>';
    }
    related.delete(head);
    if (related.size) body += `<p>Related: ${[...related].slice(0, 12).map(link).join(', ')}</p>`;
    return page(head, body);
  }

  chineseDictionaryHtml(word) {
    const w = String(word).trim();
    if (!w || w.length > MAX_QUERY) return '';
    if (/[\u3400-\u9fff]/.test(w)) {
      const hits = this.vocabulary.englishFor(w);
      if (!hits.length) return '';
      return page(w, `<h2>${escapeHtml(w)}</h2><ul>${hits.map((h) => `<li>${link(h.word)}: ${escapeHtml(h.gloss)}</li>`).join('')}</ul>`, 'zh-CN');
    }
    const g = this.vocabulary.glossesOf(w);
    if (!g) return '';
    const level = g.level ? ` <small>(${escapeHtml(g.level)})</small>` : '';
    return page(g.headword, `<h2>${escapeHtml(g.headword)}${level}</h2><ul>${g.glosses.map((x) => `<li>${escapeHtml(x)}</li>`).join('')}</ul>`, 'zh-CN');
  }

  isEnglish(text) {
    return text.split(/\s+/).every((w) => this.vocabulary.isKnown(w) || this.wordnet.has(w));
  }

  detect(text, dest) {
    if (/[\u3040-\u30ff]/.test(text)) return 'ja';
    if (/[\u3400-\u9fff]/.test(text)) {
      if (this.vocabulary.englishFor(text, 1).length) return 'zh-CN';
      return this.direct(text, 'ja', 'en').length ? 'ja' : 'zh-CN';
    }
    if (dest !== 'en' && this.isEnglish(text)) return 'en';
    for (const code of ['es', 'fr', 'de', 'pt']) {
      if (code !== dest && this.direct(text, code, 'en').length) return code;
    }
    return 'en';
  }

  // Translations from one dictionary with English on one side.
  direct(text, src, dest) {
    if (src === 'zh-CN' && dest === 'en') return this.vocabulary.englishFor(text).map((h) => h.word);
    if (src === 'en' && dest === 'zh-CN') {
      const g = this.vocabulary.glossesOf(text);
      return g ? g.glosses : [];
    }
    const d = src === 'en' ? this.dict('eng', FREEDICT[dest]) : dest === 'en' ? this.dict(FREEDICT[src], 'eng') : null;
    if (!d) return [];
    const articles = d.lookup(text);
    // Entries spelled exactly as asked come first ("apple" before "Apple").
    articles.sort((a, b) => Number(!a.startsWith(`${text} `) && !a.startsWith(`${text}\n`)) - Number(!b.startsWith(`${text} `) && !b.startsWith(`${text}\n`)));
    const out = [];
    for (const a of articles) for (const t of articleTranslations(a)) if (!out.includes(t)) out.push(t);
    return out.slice(0, 8);
  }

  translate(text, src, dest) {
    if (src === dest) return [text];
    if (src === 'en' || dest === 'en') return this.direct(text, src, dest);
    // Neither side is English: through English.
    const out = [];
    for (const en of this.direct(text, src, 'en').slice(0, 3)) {
      for (const t of this.direct(en.replace(/^to /, ''), 'en', dest).slice(0, 3)) if (!out.includes(t)) out.push(t);
    }
    return out;
  }

  translationHtml(content, src, dest) {
    const text = String(content).trim().replace(/\s+/g, ' ');
    if (!LANGUAGES[dest]) return page('Translation', '<p>Unknown target language.</p>');
    if (!text) return page('Translation', '<p>Nothing to translate.</p>');
    const words = text.split(' ');
    if (words.length > MAX_WORDS || text.length > MAX_QUERY) {
      return page('Translation', `<h2>Offline translation</h2><p>Offline translation covers words and short phrases (up to ${MAX_WORDS} words). Select a word or a short phrase and translate it again.</p>`);
    }
    const from = src === 'auto' || !LANGUAGES[src] ? this.detect(text, dest) : src;
    let results = this.translate(text, from, dest);
    let byWord = false;
    if (!results.length && words.length > 1) {
      const parts = words.map((w) => this.translate(w.replace(/[^\p{L}\p{N}'-]/gu, ''), from, dest)[0] || w);
      if (parts.some((p, i) => p !== words[i])) { results = [parts.join(from === 'ja' || dest === 'ja' || dest === 'zh-CN' ? '' : ' ')]; byWord = true; }
    }
    const head = `<h2>${escapeHtml(text)}</h2><p><small>${LANGUAGES[from]} → ${LANGUAGES[dest]}${byWord ? ', word by word' : ''} (offline dictionary)</small></p>`;
    if (!results.length) return page('Translation', `${head}<p>No offline translation found.</p>`);
    return page('Translation', `${head}<ul>${results.map((r) => `<li>${escapeHtml(r)}</li>`).join('')}</ul>`);
  }
}

function link(word) {
  return `<a href="${encodeURIComponent(word).replace(/'/g, '%27')}">${escapeHtml(word)}</a>`;
}

export function lookupRoutes(lookup) {
  return {
    dictionary: async (req, res) => {
      const html = lookup.dictionaryHtml(queryOf(req.url).get('qew2') || '');
      send(res, 200, html, 'text/html; charset=utf-8');
    },
    '/Veska/QLDictCN': async (req, res) => {
      send(res, 200, lookup.chineseDictionaryHtml(queryOf(req.url).get('content') || ''), 'text/html; charset=utf-8');
    },
    '/Veska/QLTranslation': async (req, res) => {
      const q = queryOf(req.url);
      sendHtml(res, lookup.translationHtml(q.get('content') || '', (q.get('src') || 'auto').trim(), (q.get('dest') || 'en').trim()));
    },
  };
}
