// "the" before a quantifier that picks from a group is not used: "The one
// of the reasons" (One of the reasons), "the most of people" (most
// people), "the both sides" (both sides).
import { matchCase } from './lexicon.mjs';
import { finding } from './grammar.mjs';

export default {
  name: 'ArticleBeforeQuantifier',
  errorType: 'GRAMMAR',
  stage: 'server.det',
  explainType: 'article',
  catches: '"the" before "one of", "most of", "many of", "some of" or "both", which take no article.',
  examples: {
    fire: [['The one of the main problems is cost.', 'The one', 'One'], ['I met the most of my friends there.', 'the most', 'most'],
      ['We asked the both teachers.', 'the both', 'both']],
    quiet: ['One of the main problems is cost.', 'He is the one of whom I spoke.', 'It is the most of all.', 'The one I like is red.',
      'She made the most of her time.', 'They are the best of friends.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (t.lower !== 'the') return;
      const q = s.at(i + 1);
      const of = s.at(i + 2);
      const det = s.at(i + 3);
      if (!q) return;
      const picks = /^(one|most|many|some)$/.test(q.lower) && of?.lower === 'of'
        && det && /^(the|my|his|her|our|their|your|these|those|its)$/.test(det.lower);
      const both = q.lower === 'both' && of && /^(NOUN|ADJ)$/.test(of.pos);
      if (!picks && !both) return;
      // "make the most of": a set phrase with the article.
      if (q.lower === 'most' && s.at(i - 1) && /^(make|makes|made|making|get|got)$/.test(s.tokens[i - 1].lower)) return;
      out.push(finding(s, i, i + 1, [matchCase(t.text, q.lower)], `"${q.text}" takes no article here.`));
    });
    return out;
  },
};
