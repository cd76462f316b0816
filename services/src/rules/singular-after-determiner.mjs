// "a", "an", "one", "each", "every" and "another" come before a singular
// noun: "every students", "a books", "another problems".
import { singularOf, matchCase } from './lexicon.mjs';
import { nounNumber, finding } from './grammar.mjs';

export default {
  name: 'SingularAfterDeterminer',
  errorType: 'MOPHOLOGY',
  stage: 'server.mor',
  explainType: 'wordform',
  catches: 'A plural noun after "a", "an", "each", "every" or "another".',
  examples: {
    fire: [['Every students must come.', 'students', 'student'], ['He is a good friends of mine.', 'a good friends', 'a good friend'], ['They became an experts in the field.', 'an experts', 'an expert'], ['He is a football club fans.', 'a football club fans', 'a football club fan'],
      ['Each countries has a flag.', 'countries', 'country'], ['I have another problems.', 'problems', 'problem']],
    quiet: ['Every student must come.', 'A few people came.', 'Every two weeks we meet.', 'He earns a hundred dollars.',
      'A lot of people agree.', 'It is a means to an end.', 'I have a series of tests.', 'It is a sports car.', 'She has a news channel.', 'He is a sales manager.',
      'The infant took a few wobbly steps.', 'The idea of a vacation appeals to me.', 'In the story a person changes into a bug.',
      'A laundry truck stops by every week.', 'A sound wave causes echoes.', "It is a witches' brew.", 'He sent a heads-up.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (!/^(a|an|each|every|another)$/.test(t.lower) || t.pos !== 'DET') return;
      let j = i + 1;
      while (s.at(j) && s.tokens[j].pos === 'ADJ') j++;
      if (s.tokens.slice(i + 1, j).some((x) => /^(few|lot|couple|number|dozen|hundred|thousand|million)$/.test(x.lower))) return;
      if (!s.at(j) || s.tokens[j].pos !== 'NOUN' || /^(lot|few|couple|number|dozen|hundred|thousand|million)$/.test(s.tokens[j].lower)) return;
      // "a football club fans": the last noun of a compound is the head;
      // the nouns before it stay singular ("a sports car").
      const first = j;
      while (s.at(j + 1)?.pos === 'NOUN' && nounNumber(s.tokens[j]) === 'singular') j++;
      const head = s.at(j);
      const next = s.at(j + 1);
      // "a person metamorphoses into", "a laundry truck stops by": after a
      // singular noun, an -s word with more of the sentence after it is
      // most often the verb.
      if (j > first && next && next.pos !== 'PUNCT') return;
      // "a witches' brew", "a heads-up": a possessive or a compound.
      if (/^['’-]/.test(s.text.slice(head.end))) return;
      if (next && (next.pos === 'NOUN' || next.lower === "'s")) return;
      if (nounNumber(head) !== 'plural') return;
      const single = singularOf(head.lower);
      if (!single || single === head.lower) return;
      // After "a" or "an" the slip may be the article as well as the plural:
      // the mark covers both, the singular first, the plural without the
      // article second.
      if (/^an?$/.test(t.lower)) {
        const rest = j > i + 1 ? `${s.slice(i + 1, j - 1)} ` : '';
        const bare = `${rest}${head.text}`;
        const mends = [`${s.slice(i, j - 1)} ${matchCase(head.text, single)}`, matchCase(t.text, bare)];
        // "a many days": a plural quantifier leaves no room for the article.
        if (s.tokens.slice(i + 1, j).some((x) => /^(many|several|various|numerous|few)$/.test(x.lower))) mends.reverse();
        out.push(finding(s, i, j, mends,
          `"${t.text}" is followed by a singular noun.`));
      } else {
        out.push(finding(s, j, j, [matchCase(head.text, single)], `"${t.text}" is followed by a singular noun.`));
      }
    });
    return out;
  },
};
