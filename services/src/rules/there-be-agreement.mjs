// "There is/are" agreeing with the noun that follows: "There is many
// people", "There are a problem", "There was two cars".
import { nounNumber, finding, NUMBER_WORDS } from './grammar.mjs';

const PLURAL_QUANTIFIERS = new Set(['many', 'several', 'few', 'these', 'those', 'both', 'various', 'numerous', 'two', ...NUMBER_WORDS.keys()]);
const SINGULAR_QUANTIFIERS = new Set(['a', 'an', 'one', 'another', 'every', 'each', 'this', 'that', 'much']);

// Number of the noun phrase starting at k, or ''.
function phraseNumber(s, k) {
  const t = s.at(k);
  if (!t) return '';
  if (PLURAL_QUANTIFIERS.has(t.lower) || /^\d+$/.test(t.text) && t.text !== '1') return 'plural';
  if (t.lower === 'a' && s.at(k + 1) && /^(number|couple|few)$/.test(s.tokens[k + 1].lower)) return 'plural';
  if (t.lower === 'a' && s.at(k + 1)?.lower === 'lot') return '';
  // "much people": the quantifier is the slip (another rule marks it), not the verb.
  if (t.lower === 'much' && nounNumber(s.at(k + 1)) === 'plural') return '';
  if (SINGULAR_QUANTIFIERS.has(t.lower)) return 'singular';
  let j = k;
  if (/^(the|some|no|any|more|lots|other)$/.test(t.lower)) j++;
  while (s.at(j) && s.tokens[j].pos === 'ADJ') j++;
  const head = s.at(j);
  if (!head || head.pos !== 'NOUN' || /^(today|tomorrow|yesterday|now|here|there)$/.test(head.lower)) return '';
  // Only the first noun: "There is a bus and two cars" agrees with "a bus".
  const next = s.at(j + 1);
  if (next && next.pos === 'NOUN') return '';
  if (next && /^(and|or)$/.test(next.lower)) return '';
  return nounNumber(head);
}

export default {
  name: 'ThereBeAgreement',
  errorType: 'GRAMMAR',
  stage: 'server.grammar',
  explainType: 'agreement',
  catches: '"There is" before a plural noun, or "there are" before a singular one.',
  examples: {
    fire: [['There is many reasons to stay.', 'is', 'are'], ['There are a small shop near my house.', 'are', 'is'],
      ['There was two cars outside.', 'was', 'were'], ['In my town there is three parks.', 'is', 'are']],
    quiet: ['There are many reasons.', 'There is a lot of water.', 'There is a bus and two cars.', 'Is there any milk?',
      'There were a few problems.', 'There is much work.', 'There are much people here.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (t.lower !== 'there') return;
      const v = s.at(i + 1);
      if (!v || !/^(is|are|was|were|'s)$/.test(v.lower)) return;
      let k = i + 2;
      if (s.at(k) && /^(also|still|always|only|just)$/.test(s.tokens[k].lower)) k++;
      const number = phraseNumber(s, k);
      if (number === 'plural' && /^(is|was|'s)$/.test(v.lower)) {
        out.push(finding(s, i + 1, i + 1, [v.lower === 'was' ? 'were' : 'are'], 'A plural noun follows: use "are" or "were".'));
      } else if (number === 'singular' && /^(are|were)$/.test(v.lower)) {
        out.push(finding(s, i + 1, i + 1, [v.lower === 'were' ? 'was' : 'is'], 'A singular noun follows: use "is" or "was".'));
      }
    });
    return out;
  },
};
