// An article before another word that already fixes the noun: "for the these
// reasons" (these reasons), "a my friend" (my friend), "the their house".
// The article goes.
import { matchCase } from './lexicon.mjs';
import { finding } from './grammar.mjs';

const FIXING = /^(this|these|those|my|your|his|her|our|their|its)$/;

export default {
  name: 'ArticleBeforeDeterminer',
  errorType: 'GRAMMAR',
  stage: 'server.det',
  explainType: 'article',
  catches: '"the", "a" or "an" before "this", "these", "those" or a possessive such as "my" or "their".',
  examples: {
    fire: [['For the these reasons I stayed.', 'the these', 'these'], ['I met a my friend in town.', 'a my', 'my'],
      ['We painted the their fence.', 'the their', 'their']],
    quiet: ['For these reasons I stayed.', 'The book is mine.', 'I met a friend of mine.', 'The this-or-that question came up.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (!/^(the|a|an)$/.test(t.lower)) return;
      const next = s.at(i + 1);
      if (!next || !FIXING.test(next.text)) return;
      if (s.at(i + 2)?.text === '-') return;
      out.push(finding(s, i, i + 1, [matchCase(t.text, next.text)], `"${next.text}" already says which one; it takes no article.`));
    });
    return out;
  },
};
