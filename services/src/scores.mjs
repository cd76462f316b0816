// The two document scores of the document-level record, both in 0..1.
//
// lexicalScore = 0.5 * spread + 0.5 * diversity
//   spread    = min(1, share of words above A2 (CEFR B1..C2 or unlisted
//               but found in the exam lists) / 0.35)
//   diversity = moving-average type/token ratio over windows of 50 words
//               (the plain type/token ratio for shorter texts)
// syntaxScore = 0.5 * length + 0.5 * variety
//   length    = max(0, 1 - |mean sentence length in words - 18| / 18)
//   variety   = min(1, standard deviation of sentence lengths / (0.4 * mean))
// A text without words scores 0 on both.

const WORD = /[A-Za-z]+(?:['’][A-Za-z]+)*/g;

export function words(text) {
  return String(text).match(WORD) || [];
}

function round3(x) {
  return Math.round(Math.min(1, Math.max(0, x)) * 1000) / 1000;
}

export function movingTtr(tokens, window = 50) {
  if (tokens.length === 0) return 0;
  if (tokens.length <= window) return new Set(tokens).size / tokens.length;
  const counts = new Map();
  let types = 0;
  let sum = 0;
  for (let i = 0; i < tokens.length; i++) {
    const t = tokens[i];
    counts.set(t, (counts.get(t) || 0) + 1);
    if (counts.get(t) === 1) types++;
    if (i >= window) {
      const old = tokens[i - window];
      counts.set(old, counts.get(old) - 1);
      if (counts.get(old) === 0) types--;
    }
    if (i >= window - 1) sum += types / window;
  }
  return sum / (tokens.length - window + 1);
}

export function documentScores(sentences, vocabulary) {
  const tokens = [];
  const lengths = [];
  for (const s of sentences) {
    const w = words(s);
    if (w.length) lengths.push(w.length);
    for (const x of w) tokens.push(x.toLowerCase());
  }
  if (tokens.length === 0) return { lexicalScore: 0, syntaxScore: 0 };
  let advanced = 0;
  for (const t of tokens) {
    const level = vocabulary.cefrLevel(t);
    if (level >= 2 || (level < 0 && vocabulary.exam.has(t) && vocabulary.exam.get(t) !== 'BASE')) advanced++;
  }
  const spread = Math.min(1, advanced / tokens.length / 0.35);
  const diversity = movingTtr(tokens);
  const mean = lengths.reduce((a, b) => a + b, 0) / lengths.length;
  const sd = Math.sqrt(lengths.reduce((a, b) => a + (b - mean) ** 2, 0) / lengths.length);
  const length = Math.max(0, 1 - Math.abs(mean - 18) / 18);
  const variety = lengths.length > 1 ? Math.min(1, sd / (0.4 * mean)) : 0;
  return { lexicalScore: round3(0.5 * spread + 0.5 * diversity), syntaxScore: round3(0.5 * length + 0.5 * variety) };
}
