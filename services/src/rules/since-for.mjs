// "since" names the point a time began; a length of time takes "for":
// "I have lived here since three years" (for three years).
import { matchCase } from './lexicon.mjs';
import { NUMBER_WORDS, finding } from './grammar.mjs';

const UNITS = /^(seconds|minutes|hours|days|weeks|months|years|decades|centuries|ages)$/;

export default {
  name: 'SinceFor',
  errorType: 'GRAMMAR',
  stage: 'server.grammar',
  explainType: 'usage',
  catches: '"since" before a length of time ("since two years"), where "for" is meant.',
  examples: {
    fire: [['I have lived here since three years.', 'since', 'for'], ['We have waited since many hours.', 'since', 'for'],
      ['She has studied English since 5 years.', 'since', 'for']],
    quiet: ['I have lived here for three years.', 'I have lived here since 2015.', 'It has rained since Monday.',
      'Since two years ago, he works here.', 'Since many people came, we left.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (t.lower !== 'since') return;
      const n = s.at(i + 1);
      const u = s.at(i + 2);
      if (!n || !u || !UNITS.test(u.lower)) return;
      if (!(NUMBER_WORDS.has(n.lower) || /^\d+$/.test(n.text) || /^(many|several|few|some)$/.test(n.lower))) return;
      if (s.at(i + 3)?.lower === 'ago') return; // "since two years ago" names a point
      out.push(finding(s, i, i, [matchCase(t.text, 'for')], 'A length of time takes "for"; "since" names when it began.'));
    });
    return out;
  },
};
