// Verbs and phrases that take the -ing form, not "to" and the plain verb:
// "enjoy to swim" (enjoy swimming), "avoid to eat", "look forward to meet"
// (to meeting), "get used to live" (to living).
import { verbForms } from './lexicon.mjs';
import { finding } from './grammar.mjs';

// Verbs followed by the -ing form.
const TAKE_GERUND = new Set(['enjoy', 'avoid', 'finish', 'mind', 'consider', 'suggest', 'keep', 'practise', 'practice', 'miss',
  'deny', 'quit', 'imagine', 'risk', 'admit', 'appreciate', 'postpone', 'delay', 'recommend', 'dislike', 'resist', 'involve']);

export default {
  name: 'GerundAfterVerb',
  errorType: 'GRAMMAR',
  stage: 'server.grammar',
  explainType: 'grammar',
  catches: '"to" and a plain verb after a verb that takes the -ing form ("enjoy", "avoid", "finish", "consider"...) or after "look forward to", "get used to", "object to".',
  examples: {
    fire: [['I enjoy to swim in the sea.', 'to swim', 'swimming'], ['You should avoid to eat late.', 'to eat', 'eating'],
      ['I look forward to meet you.', 'meet', 'meeting'], ['You will get used to live here.', 'live', 'living']],
    quiet: ['I enjoy swimming.', 'I want to swim.', 'I look forward to it.', 'He used to get up early.', 'Keep to the left.',
      'They decided to stay.', 'I miss to the bus stop less.', 'He is used to it.', 'Wood is used to make paper.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      const to = s.at(i + 1);
      const v = s.at(i + 2);
      if (!to || to.lower !== 'to' || !v || v.pos !== 'VERB' || verbForms(v.lemma).Infinitive !== v.lower) return;
      const gerund = verbForms(v.lemma).Gerund;
      if (!gerund) return;
      if (t.pos === 'VERB' && TAKE_GERUND.has(t.lemma) && t.lower !== 'keep') {
        out.push(finding(s, i + 1, i + 2, [gerund], `"${t.text}" is followed by the -ing form: "${gerund}".`));
        return;
      }
      // "look forward to", "be/get used to", "object to": "to" is a preposition here.
      const forward = t.lower === 'forward' && /^(look|looking|looks|looked)$/.test(s.at(i - 1)?.lower || '');
      // ("be used to make" is as often the passive of "use": only "get used to".)
      const used = t.lower === 'used' && s.at(i - 1) && /^(get|got|gets|getting|gotten)$/.test(s.tokens[i - 1].lower);
      const object = t.lemma === 'object' && t.pos === 'VERB';
      if (forward || used || object) out.push(finding(s, i + 2, i + 2, [gerund], `"to" here is a preposition: it takes "${gerund}".`));
    });
    return out;
  },
};
