// A subject pronoun followed straight by an adjective, with no verb: "it very
// good", "I not happy", "they always busy". "be" is missing.
import { finding } from './grammar.mjs';

const BE = new Map([['i', 'am'], ['you', 'are'], ['we', 'are'], ['they', 'are'], ['he', 'is'], ['she', 'is'], ['it', 'is']]);

export default {
  name: 'MissingBe',
  errorType: 'GRAMMAR',
  stage: 'server.grammar',
  explainType: 'grammar',
  catches: 'A subject pronoun followed by an adjective (after "very", "not", "so" or an adverb at most) with no verb between them.',
  examples: {
    fire: [['It very good for children.', 'It', 'It is'], ['I not happy with it.', 'I', 'I am'], ['They always busy.', 'They', 'They are'], ['It seriously very hard to sleep.', 'It', 'It is']],
    quiet: ['It is very good.', 'I am not happy.', 'They are always busy.', 'Make it very good.', 'I find it easy.', 'Keep them safe.', 'It probably rained.', 'He quickly ran home.', 'She mainly worked at night.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      const be = BE.get(t.lower);
      if (!be || t.pos !== 'PRON') return;
      if (i > 0 && !/^(,|and|but|so|because|if|when|that|although|though|while|since|as)$/.test(s.tokens[i - 1].lower)) return;
      let j = i + 1;
      while (s.at(j) && (/^(very|so|too|not|really|always|never|also|quite|still|often|usually|more|most)$/.test(s.tokens[j].lower)
        || s.tokens[j].pos === 'ADV' && /ly$/.test(s.tokens[j].lower))) j++;
      const a = s.at(j);
      if (!a || a.pos !== 'ADJ') return;
      // "He mainly concentrated": after an adverb an -ed word is the verb.
      if (/ed$/.test(a.lower) && j > i + 1) return;
      const after = s.at(j + 1);
      if (after && (after.pos === 'NOUN' || after.pos === 'VERB')) return;
      out.push(finding(s, i, i, [`${t.text} ${be}`], `The clause has no verb: "${t.text} ${be}".`));
    });
    return out;
  },
};
