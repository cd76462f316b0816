// Verbs that take "to" before the next verb, written without it: "I want go
// home" (want to go), "We decided stay" (decided to stay), "She needs
// buy milk" (needs to buy). Only a plain verb right after the first is
// taken; "need not go" and "help carry" are left.
import { finding, verbFormOf } from './grammar.mjs';
import { lexiconTag } from './lexicon.mjs';

const TAKES_TO = new Set(['want', 'need', 'decide', 'plan', 'hope', 'try', 'learn', 'agree', 'refuse', 'promise', 'forget',
  'expect', 'wish', 'intend', 'manage', 'fail', 'afford', 'choose', 'prefer', 'seem', 'pretend', 'tend', 'deserve']);

export default {
  name: 'MissingToInfinitive',
  errorType: 'GRAMMAR',
  stage: 'server.grammar',
  explainType: 'grammar',
  catches: 'A plain verb right after "want", "need", "decide", "hope", "try" and other verbs that take "to" before it.',
  examples: {
    fire: [['I want go home.', 'go', 'to go'], ['We decided stay another night.', 'stay', 'to stay'], ['She needs buy some milk.', 'buy', 'to buy']],
    quiet: ['I want to go home.', 'You need not go.', 'I helped carry the boxes.', 'Do what you want.', 'I want you to go.', 'They tried hard.',
      'We hope so.', 'I need help now.', 'I want more time.', 'She wants love.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (t.pos !== 'VERB' || !TAKES_TO.has(t.lemma)) return;
      const v = s.at(i + 1);
      // The tagger reads a plain verb there as an adjective now and then
      // ("want go home"); the lexicon knows it as a verb first.
      const plain = v && ((v.pos === 'VERB' && verbFormOf(v) === 'base') || (v.pos === 'ADJ' && lexiconTag(v.lower) === 'Infinitive'));
      if (!plain || s.text[v.end] === '-') return; // "seem stand-offish"
      // A word that is as often a noun ("I need help", "they want love")
      // is read as the object.
      if (/^(help|love|work|rest|sleep|change|support|answer|control)$/.test(v.lower)) return;
      out.push(finding(s, i + 1, i + 1, [`to ${v.text}`], `"${t.text}" takes "to" before the next verb.`));
    });
    return out;
  },
};
