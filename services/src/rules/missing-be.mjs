// A subject pronoun followed straight by an adjective, with no verb: "it very
// good", "I not happy", "they always busy". "be" is missing. So it is
// between a modal and "able to": "we will able to" (will be able to); after
// "can" the "able to" goes ("they can able to swim": can swim).
import { finding, MODALS, FEELING_PARTICIPLES } from './grammar.mjs';

// States a learner says of someone without "be", beside the feelings.
const STATES = /^(worried|scared|pleased|ashamed|afraid|relaxed|stressed|upset|prepared|married|used)$/;
const BE = new Map([['i', 'am'], ['you', 'are'], ['we', 'are'], ['they', 'are'], ['he', 'is'], ['she', 'is'], ['it', 'is']]);

// "will able to", "would not able to", "can able to".
function modalBeforeAble(s, out) {
  s.tokens.forEach((t, i) => {
    if (t.lower !== 'able' || s.at(i + 1)?.lower !== 'to' || i === 0) return;
    const prev = s.tokens[i - 1];
    const modal = prev.lower === 'not' || prev.lower === "n't" ? s.at(i - 2) : prev;
    // "won't" and "can't" come as "wo" and "ca" before "n't".
    if (!modal || !(MODALS.has(modal.lower) || /^(wo|ca)$/.test(modal.lower))) return;
    if (/^(can|could|ca)$/.test(modal.lower)) {
      out.push(finding(s, i, i + 1, [{ text: '', type: 'DELETION' }], `"${modal.text}" already says "able to".`));
    } else {
      out.push(finding(s, i - 1, i - 1, [`${prev.text} be`], `A modal takes "be" before "able to".`));
    }
  });
}

export default {
  name: 'MissingBe',
  errorType: 'GRAMMAR',
  stage: 'server.grammar',
  explainType: 'grammar',
  catches: 'A subject pronoun followed by an adjective (after "very", "not", "so" or an adverb at most) with no verb between them, and "able to" straight after a modal.',
  examples: {
    fire: [['It very good for children.', 'It', 'It is'], ['I not happy with it.', 'I', 'I am'], ['They always busy.', 'They', 'They are'], ['It seriously very hard to sleep.', 'It', 'It is'], ['They very tired.', 'They', 'They are'],
      ['We will able to help.', 'will', 'will be'], ['You should not able to enter.', 'not', 'not be'], ['They can able to swim.', 'able to', ''],
      ["He won't able to come.", "n't", "n't be"]],
    quiet: ['It is very good.', 'I am not happy.', 'They are always busy.', 'Make it very good.', 'I find it easy.', 'Keep them safe.', 'It probably rained.', 'He quickly ran home.', 'She mainly worked at night.', 'She idealized her husband.', 'He tensed up.', 'I soaked in the hot tub.', 'They strong-armed me.',
      'We will be able to help.', 'They are able to swim.', 'It must be able to run.'],
  },
  find(s) {
    const out = [];
    modalBeforeAble(s, out);
    s.tokens.forEach((t, i) => {
      const be = BE.get(t.lower);
      if (!be || t.pos !== 'PRON') return;
      if (i > 0 && !/^(,|and|but|so|because|if|when|that|although|though|while|since|as)$/.test(s.tokens[i - 1].lower)) return;
      let j = i + 1;
      while (s.at(j) && (/^(very|so|too|not|really|always|never|also|quite|still|often|usually|more|most)$/.test(s.tokens[j].lower)
        || s.tokens[j].pos === 'ADV' && /ly$/.test(s.tokens[j].lower))) j++;
      const a = s.at(j);
      if (!a || a.pos !== 'ADJ') return;
      // "He mainly concentrated", "She soaked the etching": an -ed word is
      // the verb unless it tells how someone feels ("I tired", "we bored").
      // After a degree word ("very tired") a listed adjective stays one.
      const mannerAdverb = s.tokens.slice(i + 1, j).some((x) => /ly$/.test(x.lower) && x.lower !== 'really');
      if (/ed$/.test(a.lower) && (mannerAdverb || !(FEELING_PARTICIPLES.test(a.lower) || STATES.test(a.lower)))) return;
      // "They strong-armed me", "He cold-bloodedly planned".
      if (s.text[a.end] === '-') return;
      const after = s.at(j + 1);
      if (after && (after.pos === 'NOUN' || after.pos === 'VERB')) return;
      out.push(finding(s, i, i, [`${t.text} ${be}`], `The clause has no verb: "${t.text} ${be}".`));
    });
    return out;
  },
};
