// A small word written with a capital in the middle of a sentence, right
// after a comma: "Likewise, The price rose", "For example, When I was ...".
// Only function words are taken (articles, pronouns, conjunctions, adverbs,
// auxiliaries): a capitalised noun there may be a name.
import { finding } from './grammar.mjs';

const SAYING = /^(said|says|say|asked|asks|told|tells|replied|answered|wrote|writes|thought|shouted|cried)$/;

export default {
  name: 'CapitalAfterComma',
  errorType: 'STYLE',
  stage: 'server.poststyle',
  explainType: 'capitalization',
  catches: 'A function word with a capital letter after a comma inside a sentence.',
  examples: {
    fire: [['However, The shop was closed.', 'The', 'the'], ['In the end, When we arrived, it rained.', 'When', 'when'],
      ['After dinner, They went home.', 'They', 'they']],
    quiet: ['However, the shop was closed.', 'After dinner, I went home.', 'In London, The Times is sold.', 'He said, "The end."',
      'She said, This is mine.', 'First, Paris is big.', 'Finally, English is easy.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (i < 2 || s.tokens[i - 1].text !== ',' || !/^[A-Z][a-z]+$/.test(t.text) || t.lower === 'i') return;
      if (!/^(DET|PRON|SCONJ|ADV|AUX|CCONJ|ADP|PART)$/.test(t.pos)) return;
      const next = s.at(i + 1);
      if (next && next.capitalised && next.lower !== 'i') return; // "The Times", a title
      if (SAYING.test(s.tokens[i - 2].lower)) return; // reported words
      out.push(finding(s, i, i, [t.lower], 'A word inside a sentence begins with a small letter.'));
    });
    return out;
  },
};
