// A linking adverb or a set introductory phrase that opens a sentence is
// followed by a comma: "However it rained", "In my opinion schools should
// ...", "Secondly the price is high". Short adverbs whose comma is optional
// ("So", "Then", "Thus", "Also") are left alone.
import { finding } from './grammar.mjs';

// Openers, as lower-case words joined by blanks.
const OPENERS = new Set([
  'however', 'moreover', 'furthermore', 'nevertheless', 'nonetheless', 'consequently', 'additionally', 'besides',
  'meanwhile', 'otherwise', 'unfortunately', 'fortunately', 'luckily', 'actually', 'personally', 'basically',
  'firstly', 'secondly', 'thirdly', 'lastly', 'finally', 'second', 'third', 'in addition', 'in conclusion', 'in summary',
  'in short', 'in fact', 'in general', 'in particular', 'in other words', 'in my opinion', 'in my view', 'in this case',
  'in that case', 'in this way', 'in the end', 'for instance', 'for example',
  'as a result', 'as a consequence', 'on the contrary', 'first of all', 'to sum up', 'to conclude',
  'by contrast', 'in contrast', 'on the one hand', 'on the other hand', 'at the same time', 'to begin with',
  'generally speaking', 'in the meantime', 'above all', 'all in all', 'in my experience',
]);

export default {
  name: 'IntroductoryComma',
  errorType: 'STYLE',
  stage: 'server.poststyle',
  explainType: 'punctuation',
  catches: 'A linking word or introductory phrase at the start of a sentence without the comma that sets it off.',
  examples: {
    fire: [['However the shop was closed.', 'However', 'However,'], ['In my opinion schools start too early.', 'opinion', 'opinion,'],
      ['Secondly we need more buses.', 'Secondly', 'Secondly,'], ['For instance my uncle grows rice.', 'instance', 'instance,']],
    quiet: ['However, the shop was closed.', 'However hard he tried, he failed.', 'In addition to that, it is cheap.',
      'So we left early.', 'Finally, it stopped.', 'Second place went to Ana.', 'In fact.', 'Of course not.', 'Besides him, nobody came.',
      'In the past decade, prices rose.', 'Actually is a word.', 'In the end of the film he dies.'],
  },
  find(s) {
    let a = 0;
    while (s.at(a) && /^["'(]$/.test(s.tokens[a].text)) a++;
    for (let n = 4; n >= 1; n--) {
      const last = s.at(a + n - 1);
      const next = s.at(a + n);
      if (!last || !next) continue;
      const phrase = s.tokens.slice(a, a + n).map((t) => t.lower).join(' ');
      if (!OPENERS.has(phrase)) continue;
      // The phrase must stand alone: a clause follows, not more of a
      // phrase ("In addition to", "However hard", "Second place", "In the
      // end of").
      if (!next.isWord || /^(to|of|than|as|and|or|is|was|are|were|not|him|me|us|them|,)$/.test(next.lower)) return [];
      // A single word is followed by the subject of a clause.
      if (n === 1 && !/^(PRON|DET|PROPN|NOUN|NUM)$/.test(next.pos)) return [];
      if (n > 1 && /^(VERB|AUX|ADP|PART|CCONJ)$/.test(next.pos)) return [];
      if (/^(besides|otherwise|second|third)$/.test(phrase) && !/^(PRON|DET)$/.test(next.pos)) return [];
      return [finding(s, a + n - 1, a + n - 1, [`${last.text},`], `A comma sets off "${s.slice(a, a + n - 1)}" from the rest of the sentence.`)];
    }
    return [];
  },
};
