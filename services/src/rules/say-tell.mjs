// "say" takes no person as its object; "tell" does: "She said me the
// truth" (told me), "He says us that" (tells us).
import { verbForms, matchCase } from './lexicon.mjs';
import { verbFormOf, finding } from './grammar.mjs';

export default {
  name: 'SayTell',
  errorType: 'REAL',
  stage: 'server.real',
  explainType: 'confused',
  catches: '"say" with a personal pronoun as its object, where "tell" is meant.',
  examples: {
    fire: [['She said me that it was late.', 'said', 'told'], ['He always says us the same story.', 'says', 'tells'],
      ['Please say me your name.', 'say', 'tell']],
    quiet: ['She told me that it was late.', 'She said to me that it was late.', 'What did you say?', 'I said it.',
      'They say you are right.', 'He said them all aloud.', 'I say we go.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (t.lemma !== 'say' || t.pos !== 'VERB') return;
      const o = s.at(i + 1);
      if (!o || !/^(me|him|us|them)$/.test(o.lower)) return;
      // "said them all": the pronoun stands for the things said.
      const after = s.at(i + 2);
      if (o.lower === 'them' && !(after && /^(that|to|about|the|a|an|my|his|her|our|their|your|what|how|why|where|when)$/.test(after.lower))) return;
      const form = verbFormOf(t);
      const tell = verbForms('tell');
      const fix = { base: tell.Infinitive, '3sg': tell.PresentTense, past: tell.PastTense, pastpart: tell.PastTense, participle: tell.Participle, gerund: tell.Gerund }[form];
      if (!fix) return;
      out.push(finding(s, i, i, [matchCase(t.text, fix)], `"${t.text}" does not take a person as its object: "${fix} ${o.text}".`));
    });
    return out;
  },
};
