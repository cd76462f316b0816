// A form of "be" before a plain verb: "I am agree", "She is live here",
// "They are want more". Either "be" goes or the verb takes -ing.
import { verbForms, lexiconTag } from './lexicon.mjs';
import { verbFormOf, finding } from './grammar.mjs';

// Verbs learners pair with "be" as if they were adjectives; without "be"
// they are right.
const STATIVE = new Set(['agree', 'disagree', 'believe', 'know', 'like', 'love', 'hate', 'want', 'need', 'think', 'understand',
  'prefer', 'belong', 'depend', 'mean', 'seem', 'own', 'remember', 'forget', 'hope', 'feel', 'live', 'have', 'suppose']);

export default {
  name: 'BeWithPlainVerb',
  errorType: 'GRAMMAR',
  stage: 'server.grammar',
  explainType: 'grammar',
  catches: 'A form of "be" directly before the plain form of a verb, as in "I am agree".',
  examples: {
    fire: [['I am agree with you.', 'am agree', 'agree'], ['She is live in London.', 'is live', 'lives'],
      ['They are want more money.', 'are want', 'want']],
    quiet: ['I agree with you.', 'She lives in London.', 'The problem is time.', 'It is cut short.', 'He is set on going.',
      'My aim is to win.', 'They are open.', 'I am done.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (!/^(am|is|are|'m|'re)$/.test(t.lower)) return;
      const v = s.at(i + 1);
      if (!v || v.pos !== 'VERB' || !STATIVE.has(v.lower) || verbFormOf(v) !== 'base') return;
      if (/Adjective|Noun|Singular/.test(lexiconTag(v.lower)) && v.lower !== 'live') return;
      const subject = s.at(i - 1);
      const third = t.lower === 'is';
      const verb = third ? verbForms(v.lemma).PresentTense : v.text;
      const keepSpace = subject ? '' : '';
      out.push(finding(s, i, i + 1, [keepSpace + verb], `"${t.text}" is not needed before the verb "${v.text}".`));
    });
    return out;
  },
};
