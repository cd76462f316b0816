// The verb of a "who" clause agrees with the noun right before it: "a
// person who are" -> "is", "people who lives" -> "live". "which" and "that"
// clauses often describe a noun further back, so of them only a plural noun
// with a singular "be" or "have" is taken: "lectures which is" -> "are".
import { verbForms, matchCase } from './lexicon.mjs';
import { nounNumber, verbFormOf, skipAdverbs, finding } from './grammar.mjs';

const TO_SINGULAR = { are: 'is', were: 'was', have: 'has', do: 'does' };
const RELATIVE = new Set(['who', 'which', 'that']);
const TO_PLURAL = { is: 'are', was: 'were', has: 'have', does: 'do' };

export default {
  name: 'RelativeClauseAgreement',
  errorType: 'MOPHOLOGY',
  stage: 'server.mor',
  explainType: 'agreement',
  catches: 'A verb after "who" that does not agree with the noun right before it; "is", "was", "has" after a plural noun and "which" or "that".',
  examples: {
    fire: [['We need a person who are honest.', 'are', 'is'], ['I know people who speaks English.', 'speaks', 'speak'],
      ['He is a man who have two cars.', 'have', 'has'], ['Students who was late must wait.', 'was', 'were'],
      ['There are some lectures which is based on facts.', 'is', 'are'], ['There are people that has no home.', 'has', 'have']],
    quiet: ['We need a person who is honest.', 'I know people who live there.', 'The fact that people are poor matters.',
      'One of the students who are here left.', 'The news that was read out shocked us.', 'The person who you saw is my aunt.',
      'A team which are winning celebrates.', 'The lists of books which are new.',
      'The cost of the repairs that was paid is high.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (!RELATIVE.has(t.lower) || i === 0) return;
      const noun = s.tokens[i - 1];
      const number = nounNumber(noun);
      if (!number) return;
      // "which" and "that" may start a clause about a noun further back, or
      // "that" a reported statement; only a plural noun with a singular "be"
      // or "have" right after is taken ("lectures which is").
      if (t.lower !== 'who' && number !== 'plural') return;
      // "one of the students who ...": the clause may describe either noun.
      for (let k = Math.max(0, i - 5); k < i - 1; k++) if (s.tokens[k].lower === 'of') return;
      const j = skipAdverbs(s, i + 1);
      const v = s.at(j);
      if (!v || !(v.pos === 'VERB' || v.pos === 'AUX')) return;
      let fix = '';
      if (t.lower !== 'who' && !(v.lower in TO_PLURAL)) return;
      if (number === 'singular') {
        fix = TO_SINGULAR[v.lower] || '';
        if (!fix && v.pos === 'VERB' && verbFormOf(v) === 'base' && s.at(j + 1) && /^(PRON|DET|ADP|ADV|NOUN|PART)$/.test(s.tokens[j + 1].pos)) {
          fix = verbForms(v.lemma).PresentTense;
        }
      } else {
        fix = TO_PLURAL[v.lower] || '';
        if (!fix && v.pos === 'VERB' && verbFormOf(v) === '3sg') fix = verbForms(v.lemma).Infinitive;
      }
      if (!fix || fix === v.lower) return;
      out.push(finding(s, j, j, [matchCase(v.text, fix)], `"${v.text}" should agree with "${noun.text}".`));
    });
    return out;
  },
};
