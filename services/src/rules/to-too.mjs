// "too" (more than enough, also) written as "to": "to hot", "to much",
// "to many people", "me to".
import { matchCase } from './lexicon.mjs';
import { finding } from './grammar.mjs';

export default {
  name: 'ToToo',
  errorType: 'REAL',
  stage: 'server.real',
  explainType: 'confused',
  catches: '"to" before "much", "many" or an adjective that ends the clause, or at the end of a clause, where "too" is meant.',
  examples: {
    fire: [['It is to hot today.', 'to', 'too'], ['There are to many cars.', 'to', 'too'], ['I like it to.', 'to', 'too']],
    quiet: ['It is too hot.', 'I want to come.', 'He went to the shop.', 'Talk to me.', 'It belongs to many people.', 'Go to bed.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (t.lower !== 'to') return;
      const n = s.at(i + 1);
      const prev = s.at(i - 1);
      if (!prev) return;
      const beVerb = /^(is|was|are|were|be|been|am|'s|'re|'m|so|far|much)$/.test(prev.lower);
      const end = !n || /^[.,!?;]$/.test(n.text);
      const amount = n && /^(much|many|little|late|early|long|often|far)$/.test(n.lower) && beVerb;
      const adjEnd = n && n.pos === 'ADJ' && beVerb && (!s.at(i + 2) || /^[.,!?;]$/.test(s.tokens[i + 2].text) || /^(for|to|today|now|here|there)$/.test(s.tokens[i + 2].lower));
      const clauseEnd = end && (/^(me|it|i|this|that)$/.test(prev.lower) || prev.pos === 'NOUN') && !/^(according|due|thanks)$/.test(s.at(i - 2)?.lower || '');
      if (amount || adjEnd || clauseEnd) out.push(finding(s, i, i, [matchCase(t.text, 'too')], '"too" means more than enough, or also.'));
    });
    return out;
  },
};
