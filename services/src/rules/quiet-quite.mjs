// "quite" (fairly, completely) and "quiet" (silent): "quiet good", "it is
// quite here".
import { matchCase } from './lexicon.mjs';
import { finding } from './grammar.mjs';

export default {
  name: 'QuietQuite',
  errorType: 'REAL',
  stage: 'server.real',
  explainType: 'confused',
  catches: '"quiet" before an adjective, adverb or "a", where "quite" is meant; "quite" ending a clause where "quiet" is meant.',
  examples: {
    fire: [['The test was quiet difficult.', 'quiet', 'quite'], ['It is quiet a problem.', 'quiet', 'quite'], ['The room was quite.', 'quite', 'quiet']],
    quiet: ['The room was quiet.', 'It was quite difficult.', 'A quiet place.', 'Be quiet, please.', 'I quite like it.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      const n = s.at(i + 1);
      if (t.lower === 'quiet' && n && (/^(a|an)$/.test(n.lower) || ((n.pos === 'ADJ' || n.pos === 'ADV') && !/^(and|place|room)$/.test(n.lower)))) {
        out.push(finding(s, i, i, [matchCase(t.text, 'quite')], '"quite" means fairly; "quiet" means silent.'));
      } else if (t.lower === 'quite' && (!n || /^[.,!?;]$/.test(n.text)) && s.at(i - 1) && /^(is|was|are|were|be|very|so|too|stay|keep|kept|remain)$/.test(s.tokens[i - 1].lower)) {
        out.push(finding(s, i, i, [matchCase(t.text, 'quiet')], '"quiet" means silent; "quite" means fairly.'));
      }
    });
    return out;
  },
};
