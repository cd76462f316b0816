// Age is told with "be", not "have": "He has twenty years" (He is twenty
// years old), "I have 15 years old" (I am 15 years old).
import { matchCase } from './lexicon.mjs';
import { NUMBER_WORDS, finding } from './grammar.mjs';

const BE = { i: 'am', you: 'are', we: 'are', they: 'are', he: 'is', she: 'is', it: 'is' };

export default {
  name: 'HaveAge',
  errorType: 'GRAMMAR',
  stage: 'server.grammar',
  explainType: 'usage',
  catches: '"have" with a number of years as someone\'s age, where English uses "be ... years old".',
  examples: {
    fire: [['My brother has 20 years old.', 'has', 'is'], ['I have fifteen years old.', 'have', 'am'], ['She had ten years old then.', 'had', 'was']],
    quiet: ['My brother is 20 years old.', 'We have ten years to finish.', 'I have had it for two years.', 'They have 20 years of experience.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (!/^(have|has|had)$/.test(t.lower)) return;
      const n = s.at(i + 1);
      if (!n || !(NUMBER_WORDS.has(n.lower) || /^\d+$/.test(n.text))) return;
      if (!/^years?$/.test(s.at(i + 2)?.lower || '') || s.at(i + 3)?.lower !== 'old') return;
      const subject = s.at(i - 1);
      let be = t.lower === 'had' ? 'was' : t.lower === 'has' ? 'is' : 'are';
      if (subject && BE[subject.lower]) be = t.lower === 'had' ? (/^(you|we|they)$/.test(subject.lower) ? 'were' : 'was') : BE[subject.lower];
      out.push(finding(s, i, i, [matchCase(t.text, be)], `Age is told with "be": "${be} ... years old".`));
    });
    return out;
  },
};
