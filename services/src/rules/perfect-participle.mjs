// The perfect tenses take the past participle: "have went", "has saw",
// "had took", "have ate".
import { verbForms } from './lexicon.mjs';
import { verbFormOf, skipAdverbs, finding } from './grammar.mjs';

export default {
  name: 'PerfectParticiple',
  errorType: 'MOPHOLOGY',
  stage: 'server.mor',
  explainType: 'wordform',
  catches: 'A simple past form after have, has or had where the past participle belongs.',
  examples: {
    fire: [['I have went there twice.', 'went', 'gone'], ['She has saw the film.', 'saw', 'seen'],
      ['They had took the train.', 'took', 'taken'], ['We have never wrote a letter.', 'wrote', 'written']],
    quiet: ['I have gone there twice.', 'She has seen it.', 'They had a car.', 'We have worked hard.', 'I had put it there.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (!/^(have|has|had|'ve|'d)$/.test(t.lower) || t.pos !== 'AUX' && t.pos !== 'VERB') return;
      const j = skipAdverbs(s, i + 1);
      const v = s.at(j);
      if (!v || v.pos !== 'VERB') return;
      // Only irregular pasts: "proved" and "got" are participles too.
      if (verbFormOf(v) !== 'past' || /ed$/.test(v.lower) || v.lower === 'got') return;
      const part = verbForms(v.lemma).Participle;
      if (part && part !== v.lower) out.push(finding(s, j, j, [part], `The perfect takes the past participle "${part}".`));
    });
    return out;
  },
};
