// Verbs that take the person they address with "to", never as a bare
// object before the thing: "explain me the rule" (explain to me),
// "describe us how" (describe to us), "suggest him a plan" (suggest to him).
// Only an object pronoun followed by what is explained is taken: "explain
// it", "introduce me to", and "her" before a noun (her idea) are left.
import { finding } from './grammar.mjs';

const VERBS = new Set(['explain', 'describe', 'suggest', 'propose', 'announce', 'mention', 'repeat', 'express', 'report']);
const PERSONS = /^(me|him|us|them)$/;
// What may follow as the thing explained: a determiner, a question word or "that".
const THING = /^(the|a|an|this|that|these|those|my|his|her|our|their|your|its|how|what|why|where|when|who|which|some|all|every)$/;

export default {
  name: 'IndirectObjectTo',
  errorType: 'GRAMMAR',
  stage: 'server.grammar',
  explainType: 'usage',
  catches: '"explain", "describe", "suggest" and similar verbs with a bare object pronoun before what is explained, where "to" is needed.',
  examples: {
    fire: [['Can you explain me the rule?', 'explain me', 'explain to me'], ['She described us how it works.', 'described us', 'described to us'],
      ['He suggested them a new plan.', 'suggested them', 'suggested to them']],
    quiet: ['Can you explain the rule to me?', 'Please explain it.', 'She introduced me to her friend.', 'He explained her idea.',
      'They suggested that we leave.', 'I will describe them later.', 'Explain to me how it works.', 'She mentioned him twice.',
      'Explain them the same way.', 'I repeated them this morning.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (t.pos !== 'VERB' || !VERBS.has(t.lemma)) return;
      const person = s.at(i + 1);
      const thing = s.at(i + 2);
      if (!person || !PERSONS.test(person.lower) || !thing || !THING.test(thing.lower)) return;
      // "explain them the same way", "describe it this time": a manner or a
      // time after the object, not a second object.
      if (/^(same|way|time|day|week|year|morning|evening|night|again)$/.test(s.at(i + 3)?.lower || '')) return;
      out.push(finding(s, i, i + 1, [`${t.text} to ${person.text}`], `"${t.text}" takes the person it addresses with "to".`));
    });
    return out;
  },
};
