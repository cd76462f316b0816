// A comparative or superlative made twice: "more better", "most biggest",
// "more easier", "the most best". One degree is enough.
import { finding } from './grammar.mjs';

export default {
  name: 'DoubleComparison',
  errorType: 'GRAMMAR',
  stage: 'server.grammar',
  explainType: 'grammar',
  catches: '"more" or "most" before an adjective that is already comparative or superlative.',
  examples: {
    fire: [['This one is more better.', 'more better', 'better'], ['It is the most biggest city.', 'most biggest', 'biggest'],
      ['Life is more easier now.', 'more easier', 'easier']],
    quiet: ['This one is better.', 'It is more expensive.', 'I need more water.', 'Most older people agree.', 'It is the most important.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (!/^(more|most)$/.test(t.lower)) return;
      const a = s.at(i + 1);
      if (!a || (a.pos !== 'ADJ' && a.pos !== 'ADV')) return;
      const comparative = /^(better|worse|less|lesser)$/.test(a.lower) || (/er$/.test(a.lower) && a.lemma !== a.lower && a.lemma.length > 2);
      const superlative = /^(best|worst|least)$/.test(a.lower) || (/est$/.test(a.lower) && a.lemma !== a.lower);
      // "most older people": "most" may be a quantifier before a noun.
      const next = s.at(i + 2);
      if (t.lower === 'most' && comparative && next && next.pos === 'NOUN') return;
      if (t.lower === 'more' && comparative && next && next.pos === 'NOUN' && !/^(than)$/.test(next.lower)) return;
      if (comparative || superlative) out.push(finding(s, i, i + 1, [a.text], `"${a.text}" is already ${comparative ? 'comparative' : 'superlative'}.`));
    });
    return out;
  },
};
