// A generated document for the benchmarks.
import fs from 'node:fs';
import { detokenise } from '../quality/measure.mjs';

const PARAGRAPH = [
  'The committee met on Tuesday to discuss the budget for the coming year.',
  'Several members argued that the library needs more money for new books and longer opening hours.',
  'Their going to present a detailed plan next month, after they have spoken with the staff.',
  'I has a feeling that the proposal will be accepted without much debate.',
  'In the meantime, the volunteers continue to organise reading groups for children and adults.',
  'This is an test of teh system, and it should show how quickly the checker answers.',
];

// A varied document: the paragraph's sentences with a different noun from
// the word lists in each, and every other sentence with a fresh misspelling
// (two letters swapped), so that no two findings read the same.
export function documentOf(words, seed = 0) {
  const nouns = fs.readFileSync(new URL('../../data/vocabulary/cefrj-vocabulary-profile-1.5.csv', import.meta.url), 'utf8')
    .split('\n').map((l) => l.split(',')).filter((f) => f[1] === 'noun' && /^[a-z]{4,}$/.test(f[0])).map((f) => f[0]);
  const sents = [];
  let count = 0;
  for (let i = 0; count < words; i++) {
    const noun = nouns[(i * 7919 + seed * 104729) % nouns.length];
    let s = PARAGRAPH[i % PARAGRAPH.length].replace(/\b(budget|library|plan|proposal|volunteers|system)\b/, noun);
    if (i % 2 === 0) {
      const w = s.split(' ');
      const k = 1 + ((i + seed) % (w.length - 2));
      if (w[k].length > 4) w[k] = w[k][0] + w[k][2] + w[k][1] + w[k].slice(3);
      s = w.join(' ');
    }
    sents.push(s);
    count += s.split(/\s+/).length;
  }
  return { sents, count };
}

// The first sentences of a corpus file (one tokenised sentence per line) up
// to the given number of words, as ordinary text.
export function corpusDocument(file, words) {
  const sents = [];
  let count = 0;
  for (const line of fs.readFileSync(file, 'utf8').split('\n')) {
    if (!line.trim() || count >= words) continue;
    const s = detokenise(line);
    sents.push(s);
    count += s.split(/\s+/).length;
  }
  return { sents, count };
}
