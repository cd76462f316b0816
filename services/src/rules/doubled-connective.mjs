// A clause that opens with "although" or "because" is joined to the main
// clause by the comma alone: "Although it rained, but we went" (no "but"),
// "Because it was late, so we left" (no "so").
import { finding } from './grammar.mjs';

const PAIRS = new Map([['although', /^(but|yet)$/], ['though', /^(but|yet)$/], ['even though', /^(but|yet)$/],
  ['because', /^so$/], ['since', /^so$/], ['as', /^so$/]]);

export default {
  name: 'DoubledConnective',
  errorType: 'GRAMMAR',
  stage: 'server.grammar',
  explainType: 'grammar',
  catches: '"but" after a clause opened by "although", or "so" after one opened by "because", both joining the same two clauses.',
  examples: {
    fire: [['Although it was raining, but we went out.', 'but', ''], ['Because the bus was late, so we walked.', 'so', ''],
      ['Even though he was tired, but he kept working.', 'but', '']],
    quiet: ['Although it was raining, we went out.', 'Because the bus was late, we walked.', 'It rained, but we went out.',
      'Although cheap, it is good, but the colour is dull.', 'As I said, so it goes.', 'Because I care, so much effort is worth it.'],
  },
  find(s) {
    let a = 0;
    while (s.at(a) && /^["'(]$/.test(s.tokens[a].text)) a++;
    const first = s.at(a);
    if (!first) return [];
    let opener = first.lower;
    if (opener === 'even' && s.at(a + 1)?.lower === 'though') opener = 'even though';
    const wrong = PAIRS.get(opener);
    if (!wrong) return [];
    // The first comma ends the opening clause; the connective follows it.
    const comma = s.tokens.findIndex((t, i) => i > a && t.text === ',');
    if (comma < 0) return [];
    const c = s.at(comma + 1);
    if (!c || !wrong.test(c.lower)) return [];
    // The connective must start a clause: "so much", "so that", "but also" stay.
    const after = s.at(comma + 2);
    if (!after || !/^(PRON|DET|PROPN|NOUN)$/.test(after.pos) || /^(much|many|that|few|little|far)$/.test(after.lower)) return [];
    // "As I said," and "since then" are not clauses of reason.
    if (opener === 'as' || opener === 'since') {
      const verb = s.tokens.slice(a + 1, comma).find((t) => t.pos === 'VERB' || t.pos === 'AUX');
      if (!verb || /^(said|say|says|mentioned|know|known|shown|see|seen|then)$/.test(verb.lower)) return [];
    }
    return [finding(s, comma + 1, comma + 1, [{ text: '', type: 'DELETION' }], `"${first.text}" already joins the clauses: "${c.text}" is not needed.`)];
  },
};
