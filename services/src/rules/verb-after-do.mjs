// "do", "does" and "did" as auxiliaries take the bare infinitive: "did not
// went", "does not likes", "didn't saw", "Did you went".
import { verbForms } from './lexicon.mjs';
import { verbFormOf, skipAdverbs, finding } from './grammar.mjs';

export default {
  name: 'VerbAfterDo',
  errorType: 'MOPHOLOGY',
  stage: 'server.mor',
  explainType: 'wordform',
  catches: 'A verb after the auxiliary do, does or did (with "not") that is not in its plain form.',
  examples: {
    fire: [['He does not likes coffee.', 'likes', 'like'], ["I didn't saw the film.", 'saw', 'see'],
      ['We did not went out.', 'went', 'go'], ["She doesn't wants to stay.", 'wants', 'want']],
    quiet: ['He does not like coffee.', 'I did my homework.', "I didn't see it.", 'What did you do?', 'They do not agree.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (t.lemma !== 'do' || t.pos !== 'AUX') return;
      const neg = s.at(i + 1);
      if (!neg || !/^(not|n't)$/.test(neg.lower)) return;
      const j = skipAdverbs(s, i + 2);
      const v = s.at(j);
      if (!v || v.pos !== 'VERB') return;
      const form = verbFormOf(v);
      if (form === '3sg' || form === 'past' || form === 'participle' || form === 'pastpart' && v.lower !== verbForms(v.lemma).Infinitive) {
        const base = verbForms(v.lemma).Infinitive;
        if (base && base !== v.lower) out.push(finding(s, j, j, [base], `After "${t.text} not" use the plain form "${base}".`));
      }
    });
    return out;
  },
};
