// A sentence of running text that ends without a full stop, question mark
// or exclamation mark.
import { finding } from './grammar.mjs';

export default {
  name: 'FinalPunctuation',
  errorType: 'STYLE',
  stage: 'server.poststyle',
  explainType: 'punctuation',
  catches: 'A sentence that ends with a word and no closing punctuation mark.',
  examples: {
    fire: [['We must trust ourselves', 'ourselves', 'ourselves.'], ['Do you like it', 'it', 'it?']],
    quiet: ['We must trust ourselves.', 'Is it true?', 'He said "yes."', 'Stop!', 'Hi'],
  },
  find(s) {
    const words = s.tokens.filter((t) => t.isWord);
    if (words.length < 3) return [];
    const last = s.tokens[s.tokens.length - 1];
    if (!/[A-Za-z0-9]$/.test(s.text.trimEnd()) || !last.isWord && !/^\d/.test(last.text)) return [];
    const question = /^(do|does|did|is|are|was|were|can|could|will|would|should|have|has|what|why|how|where|when|who|which)$/.test(s.tokens[0].lower);
    return [finding(s, s.tokens.length - 1, s.tokens.length - 1, [last.text + (question ? '?' : '.')], 'The sentence has no closing punctuation.')];
  },
};
