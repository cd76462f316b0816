// Short adjectives compare with -er and -est, not with "more" and "most":
// "more big", "more easy", "the most cheap".
import { comparativeOf, superlativeOf } from './lexicon.mjs';
import { finding } from './grammar.mjs';

// One syllable, or two ending in -y: the adjectives that take -er.
function takesEr(adj) {
  if (/(ed|ing)$/.test(adj) || /^(real|fun|right|wrong|just|own|whole|main|same|worth|ill|live|past|key|top|bored|tired)$/.test(adj)) return false;
  const syllables = (adj.replace(/e$/, '').match(/[aeiouy]+/g) || []).length;
  return syllables === 1 || (syllables === 2 && /[^aeiou]y$/.test(adj));
}

export default {
  name: 'ShortComparative',
  errorType: 'MOPHOLOGY',
  stage: 'server.mor',
  explainType: 'wordform',
  catches: '"more" or "most" before a short adjective that takes -er or -est.',
  examples: {
    fire: [['My house is more big than yours.', 'more big', 'bigger'], ['It is more easy now.', 'more easy', 'easier'],
      ['It is the most cheap one.', 'most cheap', 'cheapest']],
    quiet: ['My house is bigger.', 'It is more expensive.', 'I need more free time.', 'More young people came.', 'It is more fun.',
      'The most common way.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (!/^(more|most)$/.test(t.lower)) return;
      const a = s.at(i + 1);
      if (!a || a.pos !== 'ADJ' || !/^[a-z]+$/.test(a.text) || !takesEr(a.lower)) return;
      const n = s.at(i + 2);
      if (n && n.pos === 'NOUN') return; // "more free time": "more" goes with the noun
      if (i > 0 && /^(the|a)$/.test(s.tokens[i - 1].lower) && t.lower === 'more') return;
      const form = t.lower === 'more' ? comparativeOf(a.lower) : superlativeOf(a.lower);
      if (!form || /^(more|most) /.test(form)) return;
      out.push(finding(s, i, i + 1, [form], `"${a.text}" takes "${form}".`));
    });
    return out;
  },
};
