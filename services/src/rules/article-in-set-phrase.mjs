// Phrases that always carry their article, written without it: "lot of"
// (a lot of), "same" (the same), a superlative "most" before an adjective
// and its noun ("is most beautiful city"), "one of best" (one of the best).
import { finding } from './grammar.mjs';
import { superlativeOf } from './lexicon.mjs';

const DETERMINERS = /^(a|an|the|this|that|these|those|my|your|his|her|its|our|their|whose|which|what|some|any|no|every|each|one|all)$/;

export default {
  name: 'ArticleInSetPhrase',
  errorType: 'GRAMMAR',
  stage: 'server.det',
  explainType: 'article',
  catches: 'A set phrase that needs its article: "a lot of", "the same", "the most" before an adjective and noun, "one of the best".',
  examples: {
    fire: [['We spent lot of money.', 'lot', 'a lot'], ['Our answers are same.', 'same', 'the same'],
      ['Rome is most beautiful city I know.', 'most', 'the most'], ['He is one of best players.', 'best', 'the best']],
    quiet: ['We spent a lot of money.', 'Lots of people came.', 'Our answers are the same.', 'It is all the same to me.',
      'Most people agree.', 'She is most kind.', 'He is one of the best players.', 'This same man came.', 'At the same time.',
      'Most beautiful cities are old.', 'I like it best of all.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      const prev = s.at(i - 1);
      const next = s.at(i + 1);
      const bare = !prev || !(DETERMINERS.test(prev.lower) || prev.text.endsWith("'s") || prev.lower === "'s" || prev.pos === 'NUM');
      if (t.lower === 'lot' && next?.lower === 'of' && bare && !(prev && /^(whole|parking)$/.test(prev.lower))) {
        out.push(finding(s, i, i, [`a ${t.text}`], 'It is "a lot of".'));
      } else if (t.lower === 'same' && bare && prev && /^(is|are|was|were|be|been|not|look|looks|looked|seem|seems|exactly|almost|nearly|in|of|at|with|for|do|did|does|had|have|has)$/.test(prev.lower)) {
        out.push(finding(s, i, i, [`the ${t.text}`], '"Same" takes "the".'));
      } else if (t.lower === 'most' && bare && prev && /^(is|are|was|were|be|been|become|became)$/.test(prev.lower)
        && next?.pos === 'ADJ' && s.at(i + 2)?.pos === 'NOUN') {
        out.push(finding(s, i, i, [`the ${t.text}`], 'A superlative before a noun takes "the".'));
      } else if (prev?.lower === 'of' && s.at(i - 2)?.lower === 'one' && (t.lower === 'most' || (t.pos === 'ADJ' && superlativeOf(t.lemma) === t.lower && /est$/.test(t.lower)) || /^(best|worst)$/.test(t.lower))) {
        out.push(finding(s, i, i, [`the ${t.text}`], '"One of" a superlative takes "the".'));
      }
    });
    return out;
  },
};
