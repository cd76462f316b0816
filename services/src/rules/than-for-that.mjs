// "that" written for "than" where a comparison asks for "than": after a
// comparative before an object pronoun ("taller that me", "more expensive
// that ours", "better that ever"), in "rather that" ("walk rather that
// drive") and after "anything other" ("nothing other that luck").
// "I would rather that you stayed" and "It is better that we go" are left.
import { lexiconTag, matchCase } from './lexicon.mjs';
import { finding } from './grammar.mjs';

const AFTER_COMPARISON = /^(me|us|them|him|mine|yours|ours|theirs|hers|ever|usual)$/;
const INDEFINITE = /^(anything|nothing|something|everything|anyone|anybody|nobody|someone|somebody|everyone|everybody|none)$/;

// Whether the word at i ends a comparative: "taller", "more expensive".
function comparativeEndsAt(s, i) {
  const t = s.at(i);
  if (!t || !/^(ADJ|ADV)$/.test(t.pos)) return false;
  if ([lexiconTag(t.lower)].flat().includes('Comparative')) return true;
  return /^(more|less)$/.test(s.at(i - 1)?.lower || '');
}

export default {
  name: 'ThanForThat',
  errorType: 'REAL',
  stage: 'server.real',
  explainType: 'confused',
  catches: '"that" in place of "than" after a comparative, in "rather that" and in "anything other that".',
  examples: {
    fire: [['My brother is taller that me.', 'that', 'than'], ['This car is more expensive that ours.', 'that', 'than'],
      ['I prefer to walk rather that drive.', 'that', 'than'], ['It was nothing other that luck.', 'that', 'than'],
      ['Prices are higher that ever.', 'that', 'than']],
    quiet: ['I would rather that you stayed.', 'It is better that we go now.', 'He is taller than me.', 'The other that I saw was red.',
      'She said that me and my friend could come.', "I'd rather that he asked first.", 'It is more likely that they win.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (t.lower !== 'that' || i === 0) return;
      const prev = s.tokens[i - 1];
      const next = s.at(i + 1);
      let wrong = false;
      if (prev.lower === 'rather') wrong = !/^(would|'d|had)$/.test(s.at(i - 2)?.lower || '') && !(s.at(i - 2)?.pos === 'PRON');
      else if (prev.lower === 'other') wrong = INDEFINITE.test(s.at(i - 2)?.lower || '');
      else wrong = Boolean(next) && AFTER_COMPARISON.test(next.lower) && comparativeEndsAt(s, i - 1);
      if (wrong) out.push(finding(s, i, i, [matchCase(t.text, 'than')], `A comparison goes on with "than", not "that".`));
    });
    return out;
  },
};
