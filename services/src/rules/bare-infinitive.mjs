// "make", "let" and the modal verbs take the infinitive without "to": "made
// me to buy", "let him to go", "can to swim", "should to study".
import { MODALS, finding } from './grammar.mjs';

export default {
  name: 'BareInfinitive',
  errorType: 'GRAMMAR',
  stage: 'server.grammar',
  explainType: 'grammar',
  catches: 'A "to" before the verb after a modal, or after "make" or "let" and their object.',
  examples: {
    fire: [['The advert made me to buy it.', 'to', ''], ['Let him to go home.', 'to', ''], ['You should to study more.', 'to', ''],
      ['We can to swim.', 'to', '']],
    quiet: ['The advert made me buy it.', 'Let him go home.', 'I want to go.', 'It made me happy to see you.', 'I made it to the end.',
      'You ought to study.', 'They were made to wait.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      let k = -1;
      if (MODALS.has(t.lower) && t.pos === 'AUX') k = i + 1;
      else if (/^(make|makes|made|making|let|lets|letting)$/.test(t.lower) && t.pos === 'VERB') {
        const o = s.at(i + 1);
        if (o && o.pos === 'PRON' && /^(me|you|him|her|us|them|everyone|everybody)$/.test(o.lower)) k = i + 2;
      }
      const to = s.at(k);
      const v = s.at(k + 1);
      if (!to || to.lower !== 'to' || !v || v.pos !== 'VERB') return;
      out.push(finding(s, k, k, [{ text: '', type: 'DELETION' }], `"${t.text}" takes the verb without "to".`));
    });
    return out;
  },
};
