// A modal verb takes the bare infinitive: "can goes", "will went",
// "should studied".
import { verbForms } from './lexicon.mjs';
import { MODALS, verbFormOf, skipAdverbs, finding } from './grammar.mjs';

export default {
  name: 'VerbAfterModal',
  errorType: 'MOPHOLOGY',
  stage: 'server.mor',
  explainType: 'wordform',
  catches: 'A verb after can, could, will, would, shall, should, may, might or must that is not in its plain form.',
  examples: {
    fire: [['She can speaks three languages.', 'speaks', 'speak'], ['We will went to the beach.', 'went', 'go'],
      ['You should not eaten so much.', 'eaten', 'eat'],
      ['We could lost everything.', 'lost', 'lose'], ['It will did harm.', 'did', 'do'], ['She can has a pet.', 'has', 'have'], ['Pests that will did damage are caught.', 'did', 'do']],
    quiet: ['She can speak three languages.', 'I will be there.', 'You should have told me.', 'The can was empty.',
      'It may be raining.', 'We will need more time.', 'We could have lost.', 'Will is my friend.', 'Can you help?'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (!MODALS.has(t.lower) || t.pos !== 'AUX') return;
      const prev = s.at(i - 1);
      if (prev && /^(the|a|my|his|her|free|own)$/.test(prev.lower)) return; // "the will", "a can"
      if (prev && prev.pos === 'ADP') return; // "in may parts": a misspelt word, not a modal
      const j = skipAdverbs(s, i + 1);
      const v = s.at(j);
      if (!v) return;
      // "will did", "can has", "would is": an inflected auxiliary.
      const aux = { did: 'do', does: 'do', has: 'have', had: 'have', is: 'be', are: 'be', was: 'be', were: 'be', am: 'be' }[v.lower];
      if (v.pos === 'AUX' && aux && i > 0) {
        out.push(finding(s, j, j, [aux], `After "${t.text}" use the plain form "${aux}".`));
        return;
      }
      if (v.pos !== 'VERB') return;
      const form = verbFormOf(v);
      if (form === '3sg' || form === 'past' || form === 'pastpart' || (form === 'participle' && !/^(been)$/.test(v.lower))) {
        const base = verbForms(v.lemma).Infinitive;
        if (base && base !== v.lower) out.push(finding(s, j, j, [base], `After "${t.text}" use the plain form "${base}".`));
      }
    });
    return out;
  },
};
