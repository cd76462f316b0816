// Prepositions that go with a verb or an adjective: "discuss about" (no
// preposition), "depend of" (on), "interested on" (in), "married with" (to).
// The table holds the usual learner slips with the pairing English uses.
import { finding } from './grammar.mjs';

// lemma -> [wrong prepositions, right one or '' for none]
const PAIRS = new Map([
  ['discuss', [['about', 'on'], '']], ['mention', [['about'], '']], ['emphasize', [['on', 'about'], '']],
  ['emphasise', [['on', 'about'], '']], ['stress', [['on'], '']], ['enter', [['in', 'into'], '']],
  ['reach', [['to', 'at'], '']], ['attend', [['at', 'in'], '']], ['contact', [['with', 'to'], '']],
  ['approach', [['to'], '']], ['marry', [['with'], '']], ['lack', [['of'], '']],
  ['resemble', [['to', 'with'], '']], ['request', [['for'], '']], ['oppose', [['to'], '']],
  ['depend', [['of', 'from', 'in'], 'on']], ['rely', [['of', 'from', 'in'], 'on']], ['consist', [['in', 'from', 'by'], 'of']],
  ['focus', [['in', 'at', 'to'], 'on']], ['concentrate', [['at', 'to'], 'on']], ['insist', [['in', 'to', 'for'], 'on']],
  ['listen', [['at'], 'to']], ['belong', [['at', 'for', 'with'], 'to']],
  ['succeed', [['to', 'at'], 'in']], ['participate', [['to', 'at', 'on'], 'in']], ['believe', [['to', 'at'], 'in']],
  ['arrive', [['to'], 'at']], ['complain', [['for', 'on'], 'about']], ['worry', [['for', 'on'], 'about']],
  ['wait', [['to'], 'for']], ['apologize', [['about'], 'for']],
  ['prepare', [['about'], 'for']], ['search', [['of'], 'for']], ['benefit', [['of'], 'from']], ['suffer', [['of'], 'from']],
  ['protect', [['of'], 'from']], ['prevent', [['of'], 'from']], ['graduate', [['at'], 'from']], ['divide', [['to'], 'into']],
  ['translate', [['to'], 'into']], ['interested', [['on', 'for', 'about', 'at', 'with'], 'in']], ['married', [['with'], 'to']],
  ['afraid', [['from', 'for'], 'of']], ['proud', [['for', 'on', 'with'], 'of']], ['capable', [['to', 'for'], 'of']],
  ['responsible', [['of', 'about'], 'for']], ['famous', [['of', 'by'], 'for']], ['good', [['in'], 'at']], ['bad', [['in'], 'at']],
  ['aware', [['about', 'on'], 'of']], ['fond', [['on', 'with'], 'of']], ['similar', [['with', 'as'], 'to']],
  ['addicted', [['with', 'on'], 'to']], ['keen', [['in', 'for'], 'on']],
  ['satisfied', [['from', 'about'], 'with']], ['angry', [['on'], 'with']], ['full', [['with'], 'of']],
  ['independent', [['from'], 'of']], ['consisted', [['in', 'from'], 'of']], ['according', [['with', 'from'], 'to']],
]);

export default {
  name: 'VerbPreposition',
  errorType: 'GRAMMAR',
  stage: 'server.rule',
  explainType: 'usage',
  catches: 'A preposition that does not go with the verb or adjective before it, or one that the verb does not take.',
  examples: {
    fire: [['We discussed about the plan.', 'about', ''], ['It depends of the weather.', 'of', 'on'],
      ['She is interested on music.', 'on', 'in'], ['He got married with her.', 'with', 'to'], ['They arrived to the station.', 'to', 'at']],
    quiet: ['We discussed the plan.', 'It depends on the weather.', 'She is interested in music.', 'He talked about the plan.',
      'I am good at maths.', 'Good for you.', 'Enter the room.', 'He is believed to be the author.', 'She is the best in her class.',
      'The poor concentrate in the inner cities.', 'We are opposed to the idea.', 'It failed due to lack of money.',
      'I must attend to this matter.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      const pair = PAIRS.get(t.lemma) || PAIRS.get(t.lower);
      if (!pair || !(t.pos === 'VERB' || t.pos === 'ADJ' || t.pos === 'AUX' || t.pos === 'NOUN' && t.lower === 'lack' && i > 0 && s.tokens[i - 1].pos === 'PRON')) return;
      if (t.pos === 'NOUN') return;
      const p = s.at(i + 1);
      if (!p || p.pos !== 'ADP' && p.pos !== 'PART') return;
      const [wrong, right] = pair;
      if (!wrong.includes(p.lower)) return;
      if (p.lower === 'to' && /^(VERB|AUX)$/.test(s.at(i + 2)?.pos || '')) return; // "to" of an infinitive ("believed to be")
      // "the best in", "better at": only "good" and "bad" themselves.
      if (/^(good|bad)$/.test(t.lemma) && !/^(good|bad)$/.test(t.lower)) return;
      // "good in" before a noun that is a place or time is fine ("good in winter"): only before -ing or a school subject.
      if ((t.lower === 'good' || t.lower === 'bad') && !/ing$/.test(s.at(i + 2)?.lower || '')) return;
      if (t.lemma === 'reach' && p.lower === 'to' && s.at(i + 2)?.pos === 'VERB') return;
      // "opposed to" is right as an adjective; "due to lack of" is a noun.
      if (t.lower === 'opposed' || (t.lemma === 'lack' && /^(to|a|the|of|for)$/.test(s.at(i - 1)?.lower || ''))) return;
      if (right) out.push(finding(s, i + 1, i + 1, [right], `"${t.text}" goes with "${right}".`));
      else out.push(finding(s, i + 1, i + 1, [{ text: '', type: 'DELETION' }], `"${t.text}" takes its object without "${p.text}".`));
    });
    return out;
  },
};
