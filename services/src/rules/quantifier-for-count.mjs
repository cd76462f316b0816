// "much" and "less" measure what cannot be counted; before a plural noun
// English uses "many" and "fewer": "much people" (many people), "less
// cars" (fewer cars).
import { matchCase } from './lexicon.mjs';
import { nounNumber, finding } from './grammar.mjs';

export default {
  name: 'QuantifierForCount',
  errorType: 'GRAMMAR',
  stage: 'server.grammar',
  explainType: 'usage',
  catches: '"much" or "less" before a plural countable noun, where "many" or "fewer" is meant.',
  examples: {
    fire: [['There are much people in the park.', 'much', 'many'], ['We need less cars in the city.', 'less', 'fewer'],
      ['How much books do you have?', 'much', 'many']],
    quiet: ['There is much water.', 'We need fewer cars.', 'It costs less money.', 'I like it much more.', 'Much of the news is bad.',
      'He cares less about grades.', 'Less sugar, please.', 'much less people'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (!/^(much|less)$/.test(t.lower) || t.pos === 'ADV' && s.at(i + 1)?.pos !== 'NOUN') return;
      const prev = s.at(i - 1);
      if (prev && /^(much|no|far|even|a|the|little|any)$/.test(prev.lower)) return; // "much less", "no less", "far less"
      let j = i + 1;
      while (s.at(j) && s.tokens[j].pos === 'ADJ') j++;
      const n = s.at(j);
      if (!n || nounNumber(n) !== 'plural' || s.at(j + 1)?.pos === 'NOUN') return;
      const better = t.lower === 'much' ? 'many' : 'fewer';
      out.push(finding(s, i, i, [matchCase(t.text, better)], `"${n.text}" can be counted: use "${better}".`));
    });
    return out;
  },
};
