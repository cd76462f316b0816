// "affect" (the verb: act on) and "effect" (the noun: a result): "a big
// affect on", "it will effect the price".
import { matchCase } from './lexicon.mjs';
import { MODALS, finding } from './grammar.mjs';

export default {
  name: 'AffectEffect',
  errorType: 'REAL',
  stage: 'server.real',
  explainType: 'confused',
  catches: '"affect" after an article or adjective (a noun is meant: "effect"), or "effect" after a modal or "to" (a verb is meant: "affect").',
  examples: {
    fire: [['It has a big affect on us.', 'affect', 'effect'], ['This will effect the price.', 'effect', 'affect'], ['The affects of smoking are clear.', 'affects', 'effects']],
    quiet: ['It has a big effect on us.', 'This will affect the price.', 'The law took effect.', 'It can effect change.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      const prev = s.at(i - 1);
      if (!prev) return;
      if (/^(affect|affects)$/.test(t.lower) && (/^(a|an|the|any|no|side|negative|positive|bad|good|big|great|huge|strong|this|that|its|their|his|her)$/.test(prev.lower))) {
        out.push(finding(s, i, i, [matchCase(t.text, t.lower.replace('a', 'e'))], '"effect" is the noun; "affect" is the verb.'));
      } else if (t.lower === 'effect' && (MODALS.has(prev.lower) || /^(to|not|n't)$/.test(prev.lower)) && !/^(change|changes)$/.test(s.at(i + 1)?.lower || '')) {
        out.push(finding(s, i, i, [matchCase(t.text, 'affect')], '"affect" is the verb; "effect" is the noun.'));
      }
    });
    return out;
  },
};
