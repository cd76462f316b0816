// "lose" (no longer have, fail to win) and "loose" (not tight): "I don't
// want to loose my job", "we will loose the game".
import { matchCase } from './lexicon.mjs';
import { MODALS, PLURAL_SUBJECTS, finding } from './grammar.mjs';

export default {
  name: 'LoseLoose',
  errorType: 'REAL',
  stage: 'server.real',
  explainType: 'confused',
  catches: '"loose" used as a verb (after "to", a modal or a subject) where "lose" is meant.',
  examples: {
    fire: [["I don't want to loose my job.", 'loose', 'lose'], ['We will loose the game.', 'loose', 'lose'], ['They loose weight fast.', 'loose', 'lose']],
    quiet: ['I don\'t want to lose my job.', 'The screw is loose.', 'A loose shirt.', 'Let the dog loose.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (!/^(loose|loosing)$/.test(t.lower)) return;
      const prev = s.at(i - 1);
      if (t.lower === 'loosing' || (prev && (MODALS.has(prev.lower) || PLURAL_SUBJECTS.has(prev.lower) || /^(to|not|n't|he|she|it)$/.test(prev.lower)))) {
        const fix = t.lower === 'loosing' ? 'losing' : 'lose';
        out.push(finding(s, i, i, [matchCase(t.text, fix)], '"lose" is the verb; "loose" means not tight.'));
      }
    });
    return out;
  },
};
