// Verbs that take no object have no passive: "was happened", "is
// existed", "were died". The be-form goes.
import { finding } from './grammar.mjs';

// Verbs without an object in everyday use.
const INTRANSITIVE = new Set(['happen', 'occur', 'exist', 'die', 'arrive', 'appear', 'disappear', 'emerge', 'remain',
  'belong', 'consist', 'depend', 'seem', 'exist', 'rise', 'fall', 'come', 'go', 'sleep', 'graduate', 'stay', 'last',
  'matter', 'result', 'survive', 'succeed', 'fail', 'evolve', 'lie']);

export default {
  name: 'PassiveIntransitive',
  errorType: 'GRAMMAR',
  stage: 'server.grammar',
  explainType: 'grammar',
  catches: 'A passive made of a verb that takes no object, such as "was happened".',
  examples: {
    fire: [['The accident was happened at night.', 'was happened', 'happened'], ['Many animals were died in the fire.', 'were died', 'died'],
      ['This problem is existed everywhere.', 'is existed', 'exists']],
    quiet: ['The accident happened at night.', 'He was gone for a week.', 'The children were asleep.', 'It has happened before.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (!/^(is|are|was|were|am)$/.test(t.lower)) return;
      const v = s.at(i + 1);
      if (!v || !INTRANSITIVE.has(v.lemma) || v.lower === v.lemma || !/ed$/.test(v.lower) && !/^(died|lain|risen|fallen)$/.test(v.lower)) return;
      const past = /^(was|were)$/.test(t.lower);
      const present = t.lower === 'is' ? v.lemma.replace(/(s|sh|ch|x)$/, '$1e') + 's' : v.lemma;
      out.push(finding(s, i, i + 1, [past ? v.text : present], `"${v.lemma}" has no passive.`));
    });
    return out;
  },
};
