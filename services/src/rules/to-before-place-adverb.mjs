// Words that already say where to take no "to" after a verb of going:
// "go to home" (go home), "went to there" (went there), "come to here",
// "travel to abroad". "home" before a noun ("to home page") is left.
import { finding } from './grammar.mjs';

const MOTION = new Set(['go', 'come', 'get', 'return', 'walk', 'drive', 'run', 'fly', 'travel', 'move', 'hurry', 'rush', 'head',
  'ride', 'send', 'bring', 'take', 'invite', 'follow']);
const PLACES = /^(home|here|there|abroad|overseas|downtown|upstairs|downstairs|outside|inside)$/;

export default {
  name: 'ToBeforePlaceAdverb',
  errorType: 'GRAMMAR',
  stage: 'server.rule',
  explainType: 'usage',
  catches: '"to" between a verb of going and "home", "here", "there", "abroad" and similar words, which take no preposition.',
  examples: {
    fire: [['I will go to home now.', 'to', ''], ['We went to there last year.', 'to', ''], ['She wants to travel to abroad.', 'to', '']],
    quiet: ['I will go home now.', 'We went there last year.', 'Click to go to home page.', 'They came to the house.', 'From here to there is far.',
      'I want to go there.', 'He drove to his home.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (t.lower !== 'to' || i === 0) return;
      const verb = s.tokens[i - 1];
      const place = s.at(i + 1);
      if (!place || !PLACES.test(place.lower) || !MOTION.has(verb.lemma) || !/^(VERB|AUX)$/.test(verb.pos)) return;
      if (/^(NOUN|PROPN)$/.test(s.at(i + 2)?.pos || '')) return; // "go to home page"
      out.push(finding(s, i, i, [{ text: '', type: 'DELETION' }], `"${place.text}" says where already: no "to" before it.`));
    });
    return out;
  },
};
