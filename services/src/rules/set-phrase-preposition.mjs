// Fixed phrases with the wrong preposition: "in the other hand" (on), "on my
// opinion" (in), "in my point of view" (from), "in the contrary" (on), "in
// time to time" (from), "at the morning" (in), "in the same time" (at), "in
// the internet" (on). A noun right after the phrase makes it part of a
// longer one ("at the morning meeting", "in the same time frame"), which
// is left.
import { finding } from './grammar.mjs';
import { matchCase } from './lexicon.mjs';

const POSSESSIVE = '(my|your|his|her|our|their)';
// [words after the preposition, as a pattern over lower-case tokens joined by
// blanks; wrong prepositions; the right one]
const PHRASES = [
  [/^the other hand$/, /^(in|at)$/, 'on'],
  [new RegExp(`^${POSSESSIVE} opinion$`), /^on$/, 'in'],
  [new RegExp(`^${POSSESSIVE} point of view$`), /^(in|on)$/, 'from'],
  [/^the contrary$/, /^in$/, 'on'],
  [/^time to time$/, /^in$/, 'from'],
  [/^the (morning|afternoon|evening)$/, /^(at|on)$/, 'in'],
  [/^the same time$/, /^(in|on)$/, 'at'],
  [/^the internet$/, /^in$/, 'on'],
];
const LONGEST = 4;
const PREPOSITIONS = new Set(['in', 'at', 'on']);

export default {
  name: 'SetPhrasePreposition',
  errorType: 'GRAMMAR',
  stage: 'server.rule',
  explainType: 'usage',
  catches: 'A fixed phrase with the wrong preposition: "in the other hand", "on my opinion", "in my point of view", "in time to time" and the like.',
  examples: {
    fire: [['In the other hand, it is cheap.', 'In', 'On'], ['On my opinion, he is right.', 'On', 'In'],
      ['In my point of view, it works.', 'In', 'From'], ['We meet in time to time.', 'in', 'from'],
      ['I run at the morning.', 'at', 'in'], ['They spoke in the same time.', 'in', 'at'], ['I read it in the internet.', 'in', 'on']],
    quiet: ['On the other hand, it is cheap.', 'In my opinion, he is right.', 'From my point of view, it works.',
      'We met at the morning meeting.', 'It happened in the same time frame.', 'Hold it in the other hand.',
      'The phone is in the other hand of the statue.', 'We live in the internet age.', 'His mood depended on her opinion.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (!PREPOSITIONS.has(t.lower)) return;
      for (const [rest, wrong, right] of PHRASES) {
        if (!wrong.test(t.lower)) continue;
        for (let n = 2; n <= LONGEST; n++) {
          const end = i + n;
          if (!s.at(end)) break;
          const words = s.tokens.slice(i + 1, end + 1).map((x) => x.lower).join(' ');
          if (!rest.test(words)) continue;
          const after = s.at(end + 1);
          if (after && /^(NOUN|PROPN|ADP)$/.test(after.pos)) break;
          // "Hold it in the other hand", "depended on her opinion": these
          // phrases open a clause; after a verb the words have their own sense.
          const opens = i === 0 || /^[,;:]$/.test(s.tokens[i - 1].text) || /^(and|but|so)$/.test(s.tokens[i - 1].lower);
          if (/(hand|opinion|view)$/.test(words) && !opens) break;
          out.push(finding(s, i, i, [matchCase(t.text, right)], `The phrase is "${right} ${words}".`));
          return;
        }
      }
    });
    return out;
  },
};
