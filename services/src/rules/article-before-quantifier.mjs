// "the" before a quantifier that picks from a group is not used: "The one
// of the reasons" (One of the reasons), "the most of people" (most
// people), "the both sides" (both sides).
import { matchCase } from './lexicon.mjs';
import { finding, nounNumber } from './grammar.mjs';

export default {
  name: 'ArticleBeforeQuantifier',
  errorType: 'GRAMMAR',
  stage: 'server.det',
  explainType: 'article',
  catches: '"the" before "one of", "most of", "many of", "some of" or "both", which take no article; "the most of" before a bare plural noun.',
  examples: {
    fire: [['The one of the main problems is cost.', 'The one', 'One'], ['I met the most of my friends there.', 'the most', 'most'],
      ['We asked the both teachers.', 'the both', 'both'], ['The most of students walk to school.', 'The most of', 'Most']],
    quiet: ['One of the main problems is cost.', 'He is the one of whom I spoke.', 'It is the most of all.', 'The one I like is red.',
      'She made the most of her time.', 'They are the best of friends.',
      'Make the most of chances.', 'It is the most of news I get.'],
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
      // "the most of people": "most" alone before a bare plural noun.
      const bareMost = q.lower === 'most' && of?.lower === 'of' && det && det.pos === 'NOUN' && nounNumber(det) === 'plural';
      if (!picks && !both && !bareMost) return;
      // "make the most of": a set phrase with the article.
      if (q.lower === 'most' && s.at(i - 1) && /^(make|makes|made|making|get|got)$/.test(s.tokens[i - 1].lower)) return;
      if (bareMost && !picks) {
        out.push(finding(s, i, i + 2, [matchCase(t.text, q.lower)], '"Most" before a plural noun takes neither "the" nor "of".'));
        return;
      }
      out.push(finding(s, i, i + 1, [matchCase(t.text, q.lower)], `"${q.text}" takes no article here.`));
    });
    return out;
  },
};
