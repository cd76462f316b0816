// The learner-English measure: how the checker's flags line up with the
// edits teachers made to the same sentences. Pure functions; the command in
// quality/run.mjs feeds them.

// Undoes the corpus tokenisation so the checker sees ordinary text: no
// blank before closing punctuation and clitics, none after an opening bracket.
export function detokenise(line) {
  let s = line.trim().replace(/\s+/g, ' ');
  s = s.replace(/ (?=(?:[,.!?;:%)]|n't\b|'s\b|'re\b|'ve\b|'ll\b|'d\b|'m\b))/gi, '');
  s = s.replace(/\( /g, '(');
  return s;
}

// Words of a text: runs of non-blank characters with their spans.
export function wordsOf(text) {
  const out = [];
  const re = /\S+/g;
  let m;
  while ((m = re.exec(text))) out.push({ text: m[0], start: m.index, end: m.index + m[0].length });
  return out;
}

// Longest matching blocks of two sequences, as difflib's SequenceMatcher
// finds them (no junk heuristics: sentences are short).
function matchingBlocks(a, b) {
  const b2j = new Map();
  b.forEach((x, j) => { if (!b2j.has(x)) b2j.set(x, []); b2j.get(x).push(j); });
  const longest = (alo, ahi, blo, bhi) => {
    let bi = alo; let bj = blo; let size = 0;
    let j2len = new Map();
    for (let i = alo; i < ahi; i++) {
      const next = new Map();
      for (const j of b2j.get(a[i]) || []) {
        if (j < blo) continue;
        if (j >= bhi) break;
        const k = (j2len.get(j - 1) || 0) + 1;
        next.set(j, k);
        if (k > size) { bi = i - k + 1; bj = j - k + 1; size = k; }
      }
      j2len = next;
    }
    return [bi, bj, size];
  };
  const queue = [[0, a.length, 0, b.length]];
  const blocks = [];
  while (queue.length) {
    const [alo, ahi, blo, bhi] = queue.pop();
    const [i, j, k] = longest(alo, ahi, blo, bhi);
    if (k) {
      blocks.push([i, j, k]);
      if (alo < i && blo < j) queue.push([alo, i, blo, j]);
      if (i + k < ahi && j + k < bhi) queue.push([i + k, ahi, j + k, bhi]);
    }
  }
  blocks.sort((x, y) => x[0] - y[0] || x[1] - y[1]);
  // Adjacent blocks are joined, as difflib does.
  const joined = [];
  for (const blk of blocks) {
    const last = joined[joined.length - 1];
    if (last && last[0] + last[2] === blk[0] && last[1] + last[2] === blk[1]) last[2] += blk[2];
    else joined.push([...blk]);
  }
  joined.push([a.length, b.length, 0]);
  return joined;
}

// Opcodes (replace, delete, insert) turning word list a into b.
export function opcodes(a, b) {
  const out = [];
  let i = 0; let j = 0;
  for (const [ai, bj, size] of matchingBlocks(a, b)) {
    let tag = '';
    if (i < ai && j < bj) tag = 'replace';
    else if (i < ai) tag = 'delete';
    else if (j < bj) tag = 'insert';
    if (tag) out.push({ tag, i1: i, i2: ai, j1: j, j2: bj });
    i = ai + size; j = bj + size;
  }
  return out;
}

// Edited regions of one correction: character spans of the source that the
// correction replaces or deletes, or around an insertion (the word before and
// the word after it), each with the teacher's text for that span.
export function editedRegions(source, correction) {
  const sw = wordsOf(source);
  const cw = wordsOf(correction);
  const regions = [];
  for (const op of opcodes(sw.map((w) => w.text), cw.map((w) => w.text))) {
    let first = op.i1; let last = op.i2 - 1;
    let j1 = op.j1; let j2 = op.j2;
    if (op.tag === 'insert') {
      first = Math.max(0, op.i1 - 1);
      last = Math.min(sw.length - 1, op.i1);
      if (last < first) continue;
      // The teacher's text for the span keeps the neighbouring words.
      if (first < op.i1) j1 -= 1;
      if (last >= op.i1) j2 += 1;
    }
    const replacement = cw.slice(j1, j2).map((w) => w.text).join(' ');
    regions.push({ start: sw[first].start, end: sw[last].end, replacement });
  }
  return regions;
}

const overlaps = (f, r) => f.start < r.end && f.end > r.start;
const squash = (s) => s.replace(/\s+/g, ' ').trim();

// Whether the flag's first candidate, put in place of the flag in the source,
// gives the teacher's text over the region.
export function topCandidateMatches(source, flag, region) {
  if (!flag.top && flag.top !== '') return false;
  const a = Math.min(flag.start, region.start);
  const b = Math.max(flag.end, region.end);
  const mine = source.slice(a, flag.start) + (flag.top === '' ? ' ' : flag.top) + source.slice(flag.end, b);
  const theirs = source.slice(a, region.start) + region.replacement + source.slice(region.end, b);
  return squash(mine) === squash(theirs);
}

// Scores of a set of sentences. items: { source, refs: [4 texts],
// flags: [{start, end, top}], refFlags: flags raised on refs[0] }.
export function score(items) {
  let flags = 0; let good = 0; let regions0 = 0; let found0 = 0; let falseAlarms = 0; let topHits = 0;
  const details = [];
  for (const item of items) {
    const all = item.refs.map((r) => editedRegions(item.source, r));
    const r0 = all[0];
    regions0 += r0.length;
    found0 += r0.filter((r) => item.flags.some((f) => overlaps(f, r))).length;
    for (const f of item.flags) {
      flags += 1;
      const hit = all.some((rs) => rs.some((r) => overlaps(f, r)));
      if (hit) {
        good += 1;
        if (all.some((rs) => rs.some((r) => overlaps(f, r) && topCandidateMatches(item.source, f, r)))) topHits += 1;
      }
      details.push({ source: item.source, flag: f, hit });
    }
    falseAlarms += item.refFlags.length;
  }
  const precision = flags ? good / flags : 0;
  const recall = regions0 ? found0 / regions0 : 0;
  const f05 = precision + recall ? (1.25 * precision * recall) / (0.25 * precision + recall) : 0;
  return { sentences: items.length, flags, precision, recall, f05, falseAlarms, topCandidate: good ? topHits / good : 0, details };
}
