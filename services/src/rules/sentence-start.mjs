// A sentence that begins with a small letter.
import { finding } from './grammar.mjs';

export default {
  name: 'SentenceStart',
  errorType: 'STYLE',
  stage: 'server.poststyle',
  explainType: 'capitalization',
  catches: 'The first word of a sentence written with a small letter.',
  examples: {
    fire: [['the meeting starts now.', 'the', 'The'], ['however, it rained.', 'however', 'However']],
    quiet: ['The meeting starts now.', 'iPhones are common.', '3 people came.', '"yes," she said.', 'eBay sells it.'],
  },
  find(s) {
    const t = s.tokens.find((x) => !/^["'(\[]$/.test(x.text));
    if (!t || t !== s.tokens[0] || !/^[a-z][a-z']*$/.test(t.text)) return [];
    return [finding(s, t.i, t.i, [t.text[0].toUpperCase() + t.text.slice(1)], 'A sentence begins with a capital letter.')];
  },
};
