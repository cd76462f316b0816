// "accept" (take, agree to) and "except" (but, apart from): "I except your
// offer", "everyone accept me", "accept for".
import { matchCase } from './lexicon.mjs';
import { MODALS, PLURAL_SUBJECTS, finding } from './grammar.mjs';

export default {
  name: 'AcceptExcept',
  errorType: 'REAL',
  stage: 'server.real',
  explainType: 'confused',
  catches: '"except" used as a verb (after a subject, a modal or "to"), or "accept for" where "except for" is meant.',
  examples: {
    fire: [['I except your offer.', 'except', 'accept'], ['You should except the result.', 'except', 'accept'], ['Everyone came accept for Tom.', 'accept', 'except']],
    quiet: ['I accept your offer.', 'Everyone came except Tom.', 'Everyone came except for Tom.', 'They accept cards.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      const prev = s.at(i - 1);
      const n = s.at(i + 1);
      if (t.lower === 'except' && prev && (MODALS.has(prev.lower) || PLURAL_SUBJECTS.has(prev.lower) || prev.lower === 'to' || /^(not|n't)$/.test(prev.lower))) {
        if (n && /^(for)$/.test(n.lower)) return;
        out.push(finding(s, i, i, [matchCase(t.text, 'accept')], '"accept" is the verb; "except" means apart from.'));
      } else if (t.lower === 'accept' && n && n.lower === 'for') {
        out.push(finding(s, i, i, [matchCase(t.text, 'except')], '"except for" means apart from.'));
      }
    });
    return out;
  },
};
