// "because" introduces a clause; before a bare noun phrase it needs "of":
// "We stayed in because the storm." The phrase that follows must run to the
// end of the sentence or to a punctuation mark with no verb in it.
import { finding } from './grammar.mjs';

export default {
  name: 'BecauseOf',
  errorType: 'GRAMMAR',
  stage: 'server.rule',
  explainType: 'usage',
  catches: '"because" followed by a noun phrase with no verb, where "because of" is meant.',
  examples: {
    fire: [['The match was cancelled because the heavy rain.', 'because', 'because of'],
      ['Because his illness, he missed the exam.', 'Because', 'Because of'], ['They moved because the noise and the traffic.', 'because', 'because of']],
    quiet: ['The match was cancelled because of the rain.', 'I left because the film was dull.', 'Because it rained, we stayed.',
      'He won because his team played well.', 'Just because.', 'She laughed because the clown fell over.', 'It is odd, because the man, at that time, was rich.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (t.lower !== 'because') return;
      const first = s.at(i + 1);
      if (!first || !/^(DET|ADJ|NOUN|PROPN)$/.test(first.pos) && !/^(my|his|her|their|our|your|its)$/.test(first.lower)) return;
      // Opening the sentence, the phrase runs to the comma before the main
      // clause; inside one, a comma may only set off an aside.
      const opening = i === 0 || /^["(]$/.test(s.tokens[i - 1].text);
      let nouns = 0;
      let k = i + 1;
      for (; k < s.tokens.length; k++) {
        const x = s.tokens[k];
        if (/^[.;:!?)"]$/.test(x.text) || x.text === ',' && opening) break;
        if (x.pos === 'VERB' || x.pos === 'AUX' || x.pos === 'PRON' && !/^(my|his|her|their|our|your|its)$/.test(x.lower)) return;
        if (x.pos === 'SCONJ' || /^(that|which|who|when|if)$/.test(x.lower)) return;
        if (x.pos === 'NOUN' || x.pos === 'PROPN') nouns++;
      }
      if (nouns === 0) return;
      out.push(finding(s, i, i, [`${t.text} of`], `"${t.text}" before a noun phrase needs "of".`));
    });
    return out;
  },
};
