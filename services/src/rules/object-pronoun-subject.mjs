// An object pronoun in a compound subject: "Me and my friend went" (My
// friend and I went), "My sister and me are" (My sister and I are), "Him and
// his wife live" (He and his wife live). Only a short noun phrase joined by
// "and" at the start of the sentence, with its verb right after it, is taken.
import { finding } from './grammar.mjs';
import { matchCase } from './lexicon.mjs';

const SUBJECT_OF = new Map([['me', 'I'], ['him', 'he'], ['her', 'she'], ['us', 'we'], ['them', 'they']]);
const PHRASE = /^(DET|ADJ|NOUN|PROPN|NUM)$/;
const OWNERS = /^(my|your|his|her|our|their)$/;

// The end (exclusive) of a short noun phrase starting at i: a determiner or
// owner, adjectives, then nouns or a name; -1 when there is none.
function phraseEnd(s, i) {
  let k = i;
  while (k < i + 4 && s.at(k) && (PHRASE.test(s.tokens[k].pos) || OWNERS.test(s.tokens[k].lower))) k++;
  if (k === i || !/^(NOUN|PROPN)$/.test(s.at(k - 1).pos)) return -1;
  return k;
}

const verbAt = (s, k) => s.at(k) && /^(VERB|AUX)$/.test(s.tokens[k].pos) && s.tokens[k].lower !== 'to';

export default {
  name: 'ObjectPronounSubject',
  errorType: 'GRAMMAR',
  stage: 'server.grammar',
  explainType: 'grammar',
  catches: 'An object pronoun ("me", "him", "her", "us", "them") in a subject of two parts joined by "and".',
  examples: {
    fire: [['Me and my friend went to the cinema.', 'Me and my friend', 'My friend and I'], ['My sister and me are twins.', 'me', 'I'],
      ['Him and his wife live in Seoul.', 'Him', 'He']],
    quiet: ['My friend and I went to the cinema.', 'Between you and me, it is late.', 'She invited my friend and me.', 'Me and my friend.',
      'Me too.', 'Her and his house are old.', 'They told him and me to wait.'],
  },
  find(s) {
    const out = [];
    const first = s.at(0);
    if (!first) return out;
    // "Me and my friend went": the speaker goes last, as "I".
    if (first.lower === 'me' && s.at(1)?.lower === 'and') {
      const end = phraseEnd(s, 2);
      if (end > 0 && verbAt(s, end)) {
        const phrase = s.slice(2, end - 1);
        out.push(finding(s, 0, end - 1, [`${phrase[0].toUpperCase()}${phrase.slice(1)} and I`], '"Me" is an object; as a subject it is "I", named last.'));
      }
      return out;
    }
    // "Him and his wife live".
    if (SUBJECT_OF.has(first.lower) && first.lower !== 'me' && first.lower !== 'her' && s.at(1)?.lower === 'and') {
      const end = phraseEnd(s, 2);
      if (end > 0 && verbAt(s, end)) out.push(finding(s, 0, 0, [matchCase(first.text, SUBJECT_OF.get(first.lower))], `"${first.text}" is an object; as a subject it is "${SUBJECT_OF.get(first.lower)}".`));
      return out;
    }
    // "My sister and me are".
    const end = phraseEnd(s, 0);
    if (end > 0 && s.at(end)?.lower === 'and' && SUBJECT_OF.has(s.at(end + 1)?.lower || '') && s.at(end + 1).lower !== 'her' && verbAt(s, end + 2)) {
      const p = s.tokens[end + 1];
      out.push(finding(s, end + 1, end + 1, [SUBJECT_OF.get(p.lower)], `"${p.text}" is an object; as a subject it is "${SUBJECT_OF.get(p.lower)}".`));
    }
    return out;
  },
};
