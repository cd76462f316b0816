// "its" (belonging to it) where "it's" (it is, it has) is meant: before an
// adverb, "been", a participle, or an adjective that ends the phrase: "its
// very cold", "its been a year", "its true that".
import { matchCase, lexiconTag } from './lexicon.mjs';
import { finding } from './grammar.mjs';

export default {
  name: 'ItsItIs',
  errorType: 'REAL',
  stage: 'server.real',
  explainType: 'confused',
  catches: '"its" before an adverb, "been", "not" or a lone adjective, where "it\'s" (it is, it has) is meant.',
  examples: {
    fire: [['I think its very cold outside.', 'its', "it's"], ['Its been a long week.', 'Its', "It's"], ['Its true that we lost.', 'Its', "It's"],
      ['Its not easy to say.', 'Its', "It's"], ['The town is nice but its rarely quiet.', 'its', "it's"]],
    quiet: ['The dog wagged its tail.', 'Its own rules apply.', 'The company lost its best workers.', 'Each team has its strengths.',
      'The city and its very old walls.', "It's very cold.", 'Its main idea is clear.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (t.lower !== 'its') return;
      const n = s.at(i + 1);
      const after = s.at(i + 2);
      if (!n) return;
      let wrong = false;
      if (/^(been|not|a|an|the|because|about|time|going|getting|gonna)$/.test(n.lower)) wrong = true;
      else if (n.pos === 'ADV' && !/^(own|very)$/.test(n.lower)) wrong = true;
      else if (n.lower === 'very' || n.lower === 'so' || n.lower === 'too' || n.lower === 'really') {
        // "its very old walls": an adjective and then a noun is still the possessive.
        wrong = !(after && after.pos === 'ADJ' && s.at(i + 3)?.pos === 'NOUN');
      } else if (n.pos === 'ADJ' && !/^(own|main|first|last|only|best|worst|new|old|other|whole|next|previous)$/.test(n.lower)) {
        wrong = !after || /^[.,!?;:]$/.test(after.text) || /^(to|that|for|when|if|because)$/.test(after.lower);
        if (/Noun|Singular/.test(lexiconTag(n.lower))) wrong = false;
      }
      // "the dog and its" lists and "by its" keep the possessive for nouns only; a verb before
      // "its" means it is an object's owner: "lost its".
      const prev = s.at(i - 1);
      if (prev && prev.pos === 'VERB' && n.pos !== 'ADV' && !/^(been|not)$/.test(n.lower)) wrong = false;
      if (wrong) out.push(finding(s, i, i, [matchCase(t.text, "it's")], '"it\'s" is "it is" or "it has"; "its" means belonging to it.'));
    });
    return out;
  },
};
