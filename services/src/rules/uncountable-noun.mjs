// Uncountable nouns have no plural and take "much", not "many", nor "a":
// "informations", "many advice", "a furniture", "an equipment".
import { matchCase } from './lexicon.mjs';
import { finding } from './grammar.mjs';

// The nouns that learners' grammars teach as uncountable. The lexicon marks
// many more nouns uncountable that also have countable senses ("skins",
// "woods", "foods"), so it is not used here.
const UNCOUNTABLE = new Set(['information', 'advice', 'furniture', 'equipment', 'knowledge', 'homework', 'housework',
  'luggage', 'baggage', 'evidence', 'feedback', 'research', 'machinery', 'jewelry', 'jewellery', 'scenery', 'traffic',
  'vocabulary', 'progress', 'software', 'hardware', 'garbage', 'rubbish', 'pollution', 'news', 'fun', 'weather',
  'behaviour', 'behavior', 'happiness', 'electricity', 'wildlife', 'clothing', 'permission', 'accommodation', 'transportation',
  'knowledge', 'slang', 'poetry', 'stuff', 'money', 'health', 'music', 'unemployment', 'leisure', 'violence']);

export default {
  name: 'UncountableNoun',
  errorType: 'MOPHOLOGY',
  stage: 'server.mor',
  explainType: 'wordform',
  catches: 'A plural of an uncountable noun, or "many" or "a" before one.',
  examples: {
    fire: [['I need more informations about it.', 'informations', 'information'], ['She gave me many advices.', 'many advices', 'a lot of advice'],
      ['We bought a furniture for the flat.', 'a', ''], ['They have many knowledge.', 'many', 'much'], ['That is a very good news.', 'a', '']],
    quiet: ['I need more information.', 'She gave me a lot of advice.', 'We bought new furniture.', 'Much knowledge is lost.',
      'The news is good.', 'It is a piece of equipment.', 'It is a good research project.', 'She has a good knowledge of French.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (t.pos !== 'NOUN' || !/^[a-z]+$/i.test(t.text)) return;
      const plural = /s$/.test(t.lower) && t.lower !== t.lemma && UNCOUNTABLE.has(t.lemma) && !UNCOUNTABLE.has(t.lower);
      const mass = UNCOUNTABLE.has(t.lower) && (!/s$/.test(t.lower) || t.lower === 'news');
      const next = s.at(i + 1);
      if (next && next.pos === 'NOUN') return; // "a traffic jam", "research papers"
      if (!plural && !mass) return;
      let prev = s.at(i - 1);
      // "a good news": "a" before the adjectives of an uncountable noun.
      // ("a good knowledge of French" is English.)
      if (prev && prev.pos === 'ADJ' && mass && next?.lower !== 'of') {
        let q = i - 1;
        while (s.at(q) && (s.tokens[q].pos === 'ADJ' || /^(very|really|so|quite|extremely)$/.test(s.tokens[q].lower))) q--;
        if (s.at(q) && /^(a|an)$/.test(s.tokens[q].lower) && s.tokens[q].pos === 'DET') {
          out.push(finding(s, q, q, [{ text: '', type: 'DELETION' }], `"${t.text}" is uncountable and takes no "a".`));
          return;
        }
      }
      const quantifier = prev && /^(many|few|several|a|an)$/.test(prev.lower) ? prev : null;
      const base = plural ? t.lemma : t.lower;
      if (quantifier && quantifier.lower === 'many') {
        if (plural) out.push(finding(s, i - 1, i, [`${matchCase(quantifier.text, 'a lot of')} ${base}`, `${matchCase(quantifier.text, 'much')} ${base}`], `"${base}" is uncountable.`));
        else out.push(finding(s, i - 1, i - 1, [matchCase(quantifier.text, 'much'), matchCase(quantifier.text, 'a lot of')], `"${base}" is uncountable: use "much".`));
      } else if (quantifier && /^(a|an)$/.test(quantifier.lower) && !plural) {
        out.push(finding(s, i - 1, i - 1, [{ text: '', type: 'DELETION' }], `"${base}" is uncountable and takes no "a".`));
      } else if (plural) {
        out.push(finding(s, i, i, [matchCase(t.text, base)], `"${base}" is uncountable and has no plural.`));
      }
    });
    return out;
  },
};
