// Two negatives in one clause: "don't have nothing", "can't see nobody",
// "never go nowhere". Standard English keeps one.
import { finding } from './grammar.mjs';

const NEGATIVE_WORDS = new Map([['nothing', 'anything'], ['nobody', 'anybody'], ['nowhere', 'anywhere'], ['none', 'any'],
  ['no', 'any'], ['neither', 'either'], ['never', 'ever']]);

export default {
  name: 'DoubleNegative',
  errorType: 'GRAMMAR',
  stage: 'server.grammar',
  explainType: 'grammar',
  catches: 'A second negative word (nothing, nobody, no, never, ...) in a clause already made negative by "not".',
  examples: {
    fire: [["I don't have nothing to do.", 'nothing', 'anything'], ["She didn't see nobody there.", 'nobody', 'anybody'],
      ["We can't go nowhere tonight.", 'nowhere', 'anywhere']],
    quiet: ["I don't have anything.", 'I have nothing.', 'He did not say that nothing was wrong.', "I don't know, and nobody does.",
      "Don't say no to him."],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (!/^(not|n't)$/.test(t.lower)) return;
      for (let k = i + 1; k < Math.min(s.tokens.length, i + 5); k++) {
        const w = s.tokens[k];
        if (/^[,;:]$/.test(w.text) || /^(and|but|or|because|that|which|who|if|when|only|just|say|said|to)$/.test(w.lower)) break;
        if (w.lower === 'no' && s.at(k + 1) && /^(one|longer|more|matter|doubt)$/.test(s.tokens[k + 1].lower)) break;
        const fix = NEGATIVE_WORDS.get(w.lower);
        if (fix && w.lower !== 'never' && w.lower !== 'neither') {
          out.push(finding(s, k, k, [fix], `The clause is already negative: use "${fix}".`));
          break;
        }
      }
    });
    return out;
  },
};
