// "there" opening a clause and followed straight by a noun phrase has lost
// its verb: "In the city there many parks" (there are), "there a problem
// with it" (there is). The verb agrees with the noun that follows.
import { matchCase } from './lexicon.mjs';
import { nounNumber, finding } from './grammar.mjs';

const PLURAL_WORDS = /^(many|several|few|lots|plenty|two|three|four|five|six|seven|eight|nine|ten|some|more|no|numerous|various)$/;

export default {
  name: 'ThereWithoutBe',
  errorType: 'GRAMMAR',
  stage: 'server.grammar',
  explainType: 'grammar',
  catches: '"there" at the start of a clause followed by a noun phrase with no form of "be" between them.',
  examples: {
    fire: [['In my town there many old houses.', 'there', 'there are'], ['I think there a problem with the lift.', 'there', 'there is'],
      ['There a lot of cars in the street.', 'There', 'There are']],
    quiet: ['There are many old houses.', 'We went there the next day.', 'There, a bird sang.', 'I was there a week ago.',
      'Is there a problem?', 'There the road ends.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (t.lower !== 'there') return;
      // A place or time phrase may open the sentence: "In my town there ...".
      const afterOpeningPhrase = i > 1 && s.tokens[0].pos === 'ADP'
        && s.tokens.slice(1, i).every((x) => /^(DET|PRON|ADJ|NOUN|PROPN|NUM)$/.test(x.pos)) && s.tokens[i - 1].pos !== 'DET';
      if (!afterOpeningPhrase) {
        const p = s.at(i - 1);
        // "I think there ...": a verb of saying or thinking opens a clause.
        const saying = p && p.pos === 'VERB' && /^(think|believe|know|say|feel|hope|guess|realise|realize|mean|suppose)$/.test(p.lemma);
        if (p && !saying && !/^[,(]$/.test(p.text) && !/^(that|because|and|but|so|when|if|although|while|since|where)$/.test(p.lower)) return;
      }
      const n = s.at(i + 1);
      if (!n || !(n.pos === 'DET' || n.pos === 'NUM' || PLURAL_WORDS.test(n.lower))) return;
      if (/^(that|this|these|those|the|all|each|every)$/.test(n.lower)) return;
      // Find the head noun: skip "a lot of", adjectives and numbers.
      let k = i + 1;
      let plural = PLURAL_WORDS.test(n.lower) && n.lower !== 'no' && n.lower !== 'some' && n.lower !== 'more';
      if (n.lower === 'a' && s.at(i + 2)?.lower === 'lot' && s.at(i + 3)?.lower === 'of') { k = i + 4; plural = false; }
      else k = i + 2;
      while (s.at(k) && (s.tokens[k].pos === 'ADJ' || s.tokens[k].pos === 'NUM')) k++;
      const head = s.at(k);
      if (!head || head.pos !== 'NOUN') return;
      while (s.at(k + 1)?.pos === 'NOUN') k++;
      const number = nounNumber(s.tokens[k]);
      if (number === 'plural') plural = true;
      else if (number === 'singular' && !PLURAL_WORDS.test(n.lower)) plural = false;
      else if (!number && !PLURAL_WORDS.test(n.lower)) plural = false;
      const verb = plural ? 'are' : 'is';
      out.push(finding(s, i, i, [`${t.text} ${verb}`, matchCase(t.text, `there ${plural ? 'is' : 'are'}`)], `"${t.text}" needs a verb: "${t.text} ${verb}".`));
    });
    return out;
  },
};
