// "this" and "that" come before a singular noun, "these" and "those" before
// a plural one: "this animals" -> "these animals", "that cars" -> "those
// cars". The mark covers the determiner and the noun and offers both mends,
// the determiner's first.
import { singularOf, matchCase } from './lexicon.mjs';
import { nounNumber, finding } from './grammar.mjs';

const PLURAL_OF = { this: 'these', that: 'those' };

export default {
  name: 'DemonstrativeNumber',
  errorType: 'MOPHOLOGY',
  stage: 'server.mor',
  explainType: 'wordform',
  catches: 'A plural noun after "this" or "that".',
  examples: {
    fire: [['I bought this shoes last week.', 'this shoes', 'these shoes'], ['Look at that birds on the roof.', 'that birds', 'those birds'],
      ['We cleaned this old windows.', 'this old windows', 'these old windows']],
    quiet: ['Cut away the branch that sticks out.', 'It is all that matters.', 'A statement that sums up the mood.',
      'This shoe is too small.', 'I like these shoes.', 'This news is old.', 'This series is long.', 'That means a lot.',
      'This sports car is fast.', 'He said that cars are loud.', 'So that people can rest.', 'This species is rare.', "This country's laws are strict.",
      'Because of this many people left.', 'The man that owns two shops came.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      const plural = PLURAL_OF[t.lower];
      if (!plural || t.pos !== 'DET') return;
      let j = i + 1;
      while (s.at(j) && s.tokens[j].pos === 'ADJ') {
        // "because of this many times": a quantifier starts a phrase of its own.
        if (/^(many|few|several|much|more|most|other|enough|all)$/.test(s.tokens[j].lower)) return;
        j++;
      }
      const head = s.at(j);
      const next = s.at(j + 1);
      if (!head || head.pos !== 'NOUN' || nounNumber(head) !== 'plural') return;
      // "so that people can", "said that cars are": "that" opening a clause,
      // its subject followed by the verb.
      if (t.lower === 'that' && next && /^(VERB|AUX|DET|NUM|PRON)$/.test(next.pos)) return;
      // "this sports car": the last noun of a compound is the head.
      if (next && (next.pos === 'NOUN' || next.lower === "'s" || next.lower === "'")) return;
      // "the branch that sticks out", "all that matters": after a noun or a
      // pronoun, "that" starts a relative clause and the -s word is its verb.
      if (t.lower === 'that' && j === i + 1 && /s$/.test(head.lower) && (/^(NOUN|PROPN|PRON)$/.test(s.at(i - 1)?.pos || '') || /^(all|everything|anything|something|nothing)$/.test(s.at(i - 1)?.lower || ''))) return;
      const single = singularOf(head.lower);
      const mends = [`${matchCase(t.text, plural)} ${s.slice(i + 1, j)}`];
      if (single && single !== head.lower) {
        const before = j > i + 1 ? `${s.slice(i + 1, j - 1)} ` : '';
        mends.push(`${t.text} ${before}${matchCase(head.text, single)}`);
      }
      out.push(finding(s, i, j, mends, `"${t.text}" goes with a singular noun; "${plural}" with a plural one.`));
    });
    return out;
  },
};
