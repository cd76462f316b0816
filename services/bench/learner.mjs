// Learner-like texts for the load script: sentences of the kind students
// write, with their typical mistakes, where every sentence of a run is new
// (two nouns from the word lists and a template, all taken from one running
// number), so the checking cache does not answer them.
import fs from 'node:fs';

const TEMPLATES = [
  (a, b) => `My brother have bought a new ${a} because the old one was broken.`,
  (a, b) => `Yesterday I go to the ${a} with my friends and we talked about the ${b}.`,
  (a, b) => `Many people thinks that the ${a} is more important than the ${b}.`,
  (a, b) => `In my opinion, the ${a} should be cheaper for students who live near the ${b}.`,
  (a, b) => `She is very interesting in the ${a}, but she does not likes the ${b}.`,
  (a, b) => `There is many reasons why a ${a} can help us to understand the ${b}.`,
  (a, b) => `When I was child, my parents gave me a ${a} and I was very happy.`,
  (a, b) => `The teacher explained us how the ${a} works and why the ${b} matters.`,
  (a, b) => `I have went to the ${a} twice this year, and each time I forgot my ${b}.`,
  (a, b) => `Our city need more ${a} and less traffic around the ${b}.`,
  (a, b) => `It is a good idea to discuss about the ${a} before you buy a ${b}.`,
  (a, b) => `Although the ${a} was expensive, we decided to buy it for our ${b}.`,
  (a, b) => `He can speaks three languages, and he uses them every day at the ${a}.`,
  (a, b) => `If I would have more time, I will learn more about the ${a} and the ${b}.`,
  (a, b) => `The ${a} in our school is bigger then the ${b} in the next town.`,
  (a, b) => `Everyone agree that a ${a} is usefull when you travel to another country.`,
];

let nouns = null;
function nounList() {
  if (!nouns) {
    nouns = fs.readFileSync(new URL('../../data/vocabulary/cefrj-vocabulary-profile-1.5.csv', import.meta.url), 'utf8')
      .split('\n').map((l) => l.split(',')).filter((f) => f[1] === 'noun' && /^[a-z]{4,}$/.test(f[0])).map((f) => f[0]);
  }
  return nouns;
}

// Sentence number `k` (k ≥ 0): a different sentence for every k below
// templates × nouns² (several million).
export function learnerSentence(k) {
  const list = nounList();
  const t = k % TEMPLATES.length;
  const rest = Math.floor(k / TEMPLATES.length);
  const a = list[rest % list.length];
  const b = list[(Math.floor(rest / list.length) + rest) % list.length];
  return TEMPLATES[t](a, b);
}

// A text of at least `words` words starting at sentence number `first`;
// answers the sentences, their word count and the next free number.
export function learnerText(words, first) {
  const sents = [];
  let count = 0;
  let k = first;
  while (count < words) {
    const s = learnerSentence(k++);
    sents.push(s);
    count += s.split(/\s+/).length;
  }
  return { sents, count, next: k };
}
