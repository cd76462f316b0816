// Spelling candidates as a reader expects them: the nearest common words
// first (by edit distance, then by how early learners meet the word in the
// CEFR lists), a split into two words last.

// A word's letters in order: equal for words that differ only by swaps.
function sortedLetters(word) {
  return [...word].sort().join('');
}

// Damerau–Levenshtein distance (adjacent swaps cost one), stopping early
// above `limit`.
export function editDistance(a, b, limit = 3) {
  if (Math.abs(a.length - b.length) > limit) return limit + 1;
  const d = Array.from({ length: a.length + 1 }, (_, i) => [i, ...new Array(b.length).fill(0)]);
  for (let j = 1; j <= b.length; j++) d[0][j] = j;
  for (let i = 1; i <= a.length; i++) {
    let best = limit + 1;
    for (let j = 1; j <= b.length; j++) {
      const cost = a[i - 1] === b[j - 1] ? 0 : 1;
      d[i][j] = Math.min(d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost);
      if (i > 1 && j > 1 && a[i - 1] === b[j - 2] && a[i - 2] === b[j - 1]) d[i][j] = Math.min(d[i][j], d[i - 2][j - 2] + 1);
      best = Math.min(best, d[i][j]);
    }
    if (best > limit) return limit + 1;
  }
  return d[a.length][b.length];
}

const isSplit = (word, candidate) => candidate.includes(' ') && candidate.replace(/\s+/g, '').toLowerCase() === word.toLowerCase();

export class Spelling {
  constructor(vocabulary) {
    this.vocabulary = vocabulary;
    this.byLength = null;
    this.cache = new Map();
  }

  level(word) {
    const l = this.vocabulary.cefr.get(word.toLowerCase());
    return l === undefined ? 9 : l;
  }

  // Orders candidates of a misspelt word: splits last, then nearer words,
  // then, at the same distance, a word with the very same letters (letters
  // swapped, as in "recieved" for "received") before one with a letter
  // changed, then commoner ones; the engine's own order breaks ties.
  rank(word, candidates) {
    const w = word.toLowerCase();
    const letters = sortedLetters(w);
    return candidates
      .map((c, i) => {
        const lower = c.toLowerCase();
        return { c, i, split: isSplit(word, c) ? 1 : 0, d: editDistance(w, lower),
                 changed: sortedLetters(lower) === letters ? 0 : 1, l: this.level(c) };
      })
      .sort((x, y) => x.split - y.split || x.d - y.d || x.changed - y.changed || x.l - y.l || x.i - y.i)
      .map((x) => x.c);
  }

  // Common words within two edits of a word, nearest and commonest first.
  near(word, limit = 3) {
    const w = word.toLowerCase();
    if (this.cache.has(w)) return this.cache.get(w);
    if (!this.byLength) {
      this.byLength = new Map();
      for (const [k, level] of this.vocabulary.cefr) {
        if (!/^[a-z]+$/.test(k) || level > 3) continue; // A1 to B2
        if (!this.byLength.has(k.length)) this.byLength.set(k.length, []);
        this.byLength.get(k.length).push(k);
      }
    }
    const found = [];
    for (let n = w.length - 2; n <= w.length + 2; n++) {
      for (const k of this.byLength.get(n) || []) {
        if (k === w) continue;
        const d = editDistance(w, k, 2);
        if (d <= 2) found.push({ k, d, l: this.level(k) });
      }
    }
    found.sort((x, y) => x.d - y.d || x.l - y.l || (x.k < y.k ? -1 : 1));
    const out = found.slice(0, limit).map((x) => x.k);
    if (this.cache.size > 5000) this.cache.clear();
    this.cache.set(w, out);
    return out;
  }

  // Whether a finding only proposes to split a rare real word that learners
  // hardly ever mean ("wether" -> "wet her"): then it is a misspelling of a
  // nearer common word. ("alot" -> "a lot" is no word at all: the split is right.)
  onlySplits(word, candidates, known) {
    return known && /^[A-Za-z]+$/.test(word) && candidates.length > 0 && candidates.every((c) => isSplit(word, c)) && this.level(word) > 3;
  }
}
