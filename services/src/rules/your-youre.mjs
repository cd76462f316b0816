// "your" (belonging to you) and "you're" (you are): "Your welcome", "your
// going to like it", "you're car".
import { matchCase } from './lexicon.mjs';
import { finding } from './grammar.mjs';

export default {
  name: 'YourYoure',
  errorType: 'REAL',
  stage: 'server.real',
  explainType: 'confused',
  catches: '"your" where "you\'re" (you are) is meant, before -ing, "welcome", "right" or "not".',
  examples: {
    fire: [['Your welcome to join us.', 'Your', "You're"], ['I think your going to like it.', 'your', "you're"], ['Your right about that.', 'Your', "You're"]],
    quiet: ['Your car is red.', 'Your writing is good.', "You're welcome.", 'Is your right arm hurt?', 'Your own house is here.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (t.lower !== 'your') return;
      const n = s.at(i + 1);
      if (!n) return;
      const after = s.at(i + 2);
      const verbish = n.pos === 'VERB' && /ing$/.test(n.lower) && after && /^(to|a|an|the|in|on|at|home|out|back|up)$/.test(after.lower);
      const fixed = /^(welcome|not)$/.test(n.lower) || (n.lower === 'right' && (!after || /^(about|,|\.|that|!)$/.test(after.lower)));
      if (verbish || fixed) out.push(finding(s, i, i, [matchCase(t.text, "you're")], '"you\'re" is "you are"; "your" means belonging to you.'));
    });
    return out;
  },
};
