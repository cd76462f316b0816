// "the" before a noun that names something in general, which English says
// without an article: "good for the society" (society), "protect the
// nature", "the mankind", "the happiness is important". A phrase that says
// which one ("the society of ancient Rome", "the society we live in", "the
// nature reserve") keeps it.
import { finding } from './grammar.mjs';

const GENERAL = /^(society|nature|mankind|humankind|humanity|happiness)$/;
// What may follow the noun when it is used in general.
const ENDS_PHRASE = /^(PUNCT|CCONJ|AUX|VERB|ADV|SCONJ|ADP)$/;

export default {
  name: 'GenericThe',
  errorType: 'GRAMMAR',
  stage: 'server.det',
  explainType: 'article',
  catches: '"the" before "society", "nature", "mankind", "humanity" or "happiness" used in general.',
  examples: {
    fire: [['Young people can do more for the society.', 'the', ''], ['We must protect the nature.', 'the', ''],
      ['Wars have always hurt the mankind.', 'the', ''], ['The happiness is more important than money.', 'The', '']],
    quiet: ['The society of ancient Rome was complex.', 'The society we live in is changing.', 'We visited the nature reserve.',
      'The nature of the problem is clear.', 'The society that he founded grew.', 'Society is changing.',
      'The happiness she felt was real.', 'They joined the society in 1990.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (t.lower !== 'the') return;
      const noun = s.at(i + 1);
      if (!noun || !GENERAL.test(noun.lower)) return;
      const next = s.at(i + 2);
      if (next && (!ENDS_PHRASE.test(next.pos) || /^(of|that|which|who|whom|whose|where|in|at|from)$/.test(next.lower))) return;
      // "joined the society", "founded the society": a verb of joining or
      // founding means one society, a club.
      const verb = s.at(i - 1);
      if (noun.lower === 'society' && verb && /^(join|found|form|establish|leave|enter|start|create|run|lead|chair)$/.test(verb.lemma)) return;
      out.push(finding(s, i, i, [{ text: '', type: 'DELETION' }], `"${noun.text}" in general takes no article.`));
    });
    return out;
  },
};
