// "make", "let" and the modal verbs take the infinitive without "to": "made
// me to buy", "let him to go", "can to swim", "should to study".
import { MODALS, finding, nounNumber } from './grammar.mjs';

// Nouns for people, by their form: "people", "children", "workers",
// "students", "tourists" (not "efforts" or "plans").
const PERSONS = /^(people|child|children|man|men|woman|women|kid|person|parent|friend)$|(er|or|ist|ian|ant|ent)$/;

export default {
  name: 'BareInfinitive',
  errorType: 'GRAMMAR',
  stage: 'server.grammar',
  explainType: 'grammar',
  catches: 'A "to" before the verb after a modal, or after "make" or "let" and their object.',
  examples: {
    fire: [['The advert made me to buy it.', 'to', ''], ['Let him to go home.', 'to', ''], ['You should to study more.', 'to', ''],
      ['We can to swim.', 'to', ''],
      ['Adverts make people to buy more.', 'to', ''], ['It makes them to be careful.', 'to', ''], ['She cannot to come today.', 'to', '']],
    quiet: ['The advert made me buy it.', 'Let him go home.', 'I want to go.', 'It made me happy to see you.', 'I made it to the end.',
      'You ought to study.', 'They were made to wait.', 'She made the decision to leave.', 'He makes plans to travel.', 'They make efforts to improve.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      let k = -1;
      if (MODALS.has(t.lower) && t.pos === 'AUX') k = s.at(i + 1)?.lower === 'not' || s.at(i + 1)?.lower === "n't" ? i + 2 : i + 1;
      else if (/^(make|makes|made|making|let|lets|letting)$/.test(t.lower) && t.pos === 'VERB') {
        const o = s.at(i + 1);
        if (o && o.pos === 'PRON' && /^(me|you|him|her|us|them|everyone|everybody)$/.test(o.lower)) k = i + 2;
        // A bare plural noun as the object: "makes people to buy", "let
        // children to play" (with an article it may be "made the decision to").
        else if (o && o.pos === 'NOUN' && nounNumber(o) === 'plural' && PERSONS.test(o.lemma)) k = i + 2;
        else if (o && o.lower === 'every' && s.at(i + 2)?.lower === 'one') k = i + 3;
      }
      const to = s.at(k);
      const v = s.at(k + 1);
      if (!to || to.lower !== 'to' || !v || !(v.pos === 'VERB' || v.lower === 'be')) return;
      out.push(finding(s, k, k, [{ text: '', type: 'DELETION' }], `"${t.text}" takes the verb without "to".`));
    });
    return out;
  },
};
