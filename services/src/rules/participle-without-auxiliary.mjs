// A past participle used alone as the verb of a clause: "I seen it", "She
// done her work", "We gone home". The simple past (or have + participle)
// is meant.
import { verbForms } from './lexicon.mjs';
import { PLURAL_SUBJECTS, SINGULAR_SUBJECTS, verbFormOf, skipAdverbs, finding } from './grammar.mjs';

export default {
  name: 'ParticipleWithoutAuxiliary',
  errorType: 'MOPHOLOGY',
  stage: 'server.mor',
  explainType: 'wordform',
  catches: 'An irregular past participle right after a subject pronoun, without have or be.',
  examples: {
    fire: [['I seen him at the station.', 'seen', 'saw'], ['She done all the work.', 'done', 'did'], ['They gone home early.', 'gone', 'went']],
    quiet: ['I saw him.', 'I have seen him.', 'She has done it.', 'The work done by them was good.', 'Once gone, it never returns.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (!(PLURAL_SUBJECTS.has(t.lower) || SINGULAR_SUBJECTS.has(t.lower)) || t.pos !== 'PRON') return;
      if (/^(this|that|each)$/.test(t.lower)) return;
      const j = skipAdverbs(s, i + 1);
      const v = s.at(j);
      if (!v || v.pos !== 'VERB' || verbFormOf(v) !== 'participle') return;
      const f = verbForms(v.lemma);
      if (!f.PastTense || f.PastTense === v.lower) return;
      out.push(finding(s, j, j, [f.PastTense, `have ${v.text}`], `"${v.text}" needs "have", or the past "${f.PastTense}".`));
    });
    return out;
  },
};
