// A preposition takes the -ing form of a verb: "for make money", "by use a
// map", "without think", "before go to bed".
import { verbForms, lexiconTag } from './lexicon.mjs';
import { verbFormOf, finding } from './grammar.mjs';

const PREPOSITIONS = new Set(['for', 'by', 'without', 'about', 'of', 'in', 'on', 'at', 'before', 'after', 'instead', 'besides', 'despite']);

export default {
  name: 'GerundAfterPreposition',
  errorType: 'MOPHOLOGY',
  stage: 'server.mor',
  explainType: 'wordform',
  catches: 'The plain form of a verb right after a preposition, where the -ing form belongs.',
  examples: {
    fire: [['He got rich by sell cars.', 'sell', 'selling'], ['She left without say goodbye.', 'say', 'saying'],
      ['I am thinking about buy a car.', 'buy', 'buying']],
    quiet: ['He got rich by selling cars.', 'Thanks for help.', 'I went out for a walk.', 'It is in use.', 'We met after work.',
      'Before you go, call me.', 'It is about time.', 'A lot of work.', 'He was in need of help.',
      'We found traces of lead in the paint.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (!PREPOSITIONS.has(t.lower) || t.pos !== 'ADP' && t.pos !== 'SCONJ') return;
      let j = i + 1;
      if (t.lower === 'instead' && s.at(j)?.lower === 'of') j++;
      const v = s.at(j);
      if (!v || v.pos !== 'VERB' || verbFormOf(v) !== 'base') return;
      // Words that are nouns as often as verbs ("for work", "after school") stay.
      if (lexiconTag(v.lower) !== 'Infinitive') return;
      const n = s.at(j + 1);
      // A verb right after "before"/"after" may open a clause ("before you go") only with a subject; a plain verb needs -ing.
      if (!n || /^[.,!?;]$/.test(n.text)) return;
      // "in need of", "in search of": the word is a noun before "of".
      if (n.lower === 'of') return;
      if (n.pos !== 'DET' && n.pos !== 'PRON' && n.pos !== 'NOUN' && n.pos !== 'ADJ' && n.pos !== 'ADP' && n.pos !== 'ADV') return;
      // "traces of lead in the paint": after "of" a noun is likelier; only
      // an object after it makes the word a verb ("of make money").
      if (t.lower === 'of' && !/^(DET|PRON|NOUN)$/.test(n.pos)) return;
      const gerund = verbForms(v.lemma).Gerund;
      if (gerund && gerund !== v.lower) out.push(finding(s, j, j, [gerund], `After "${t.text}" a verb takes -ing: "${gerund}".`));
    });
    return out;
  },
};
