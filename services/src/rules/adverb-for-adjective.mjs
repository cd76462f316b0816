// An -ly adverb standing before a noun in place of the adjective: "learn
// additionally skills" (additional), "a really success" is left to other
// rules. The adjective is the word without its -ly, as the lexicon knows it.
import { isAdjective, matchCase } from './lexicon.mjs';
import { finding } from './grammar.mjs';

// The adjective an -ly adverb is made from, or ''.
export function adjectiveOf(adverb) {
  const w = adverb.toLowerCase();
  const tries = [];
  if (/ily$/.test(w)) tries.push(`${w.slice(0, -3)}y`);
  if (/[bp]ly$/.test(w)) tries.push(`${w.slice(0, -1)}e`);
  if (/ically$/.test(w)) tries.push(w.slice(0, -4), w.slice(0, -2));
  tries.push(w.slice(0, -2));
  return tries.find((a) => a.length > 2 && isAdjective(a)) || '';
}

export default {
  name: 'AdverbForAdjective',
  errorType: 'MOPHOLOGY',
  stage: 'server.mor',
  explainType: 'wordform',
  catches: 'An -ly adverb directly before the noun it describes, where the adjective is meant.',
  examples: {
    fire: [['They need to learn additionally skills.', 'additionally', 'additional'], ['We had a seriously problem with it.', 'seriously', 'serious'],
      ['They gave us clearly instructions.', 'clearly', 'clear']],
    quiet: ['They need additional skills.', 'Recently scientists found it.', 'She speaks really well.', 'It was finally time to go.',
      'We need a really good plan.', 'He works hard, especially people like him.', 'They sell only books.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (t.pos !== 'ADV' || !/ly$/.test(t.lower) || /^(only|early|daily|weekly|monthly|yearly|nearly|really|especially|mainly|mostly|merely|simply|partly|largely|exactly|particularly|usually|probably|certainly|likely|fairly|quite|highly|truly|directly)$/.test(t.lower)) return;
      const prev = s.at(i - 1);
      const n = s.at(i + 1);
      if (!prev || !n || n.pos !== 'NOUN') return;
      if (!(/^(DET|ADP|VERB)$/.test(prev.pos) || /^(me|us|them|him|her)$/.test(prev.lower))) return;
      // The noun must end its phrase ("learn additionally skills,").
      const after = s.at(i + 2);
      if (after && !(/^[.,;:!?]$/.test(after.text) || /^(ADP|CCONJ)$/.test(after.pos))) return;
      const adj = adjectiveOf(t.lower);
      if (!adj) return;
      out.push(finding(s, i, i, [matchCase(t.text, adj)], `Before the noun "${n.text}" the adjective "${adj}" is needed.`));
    });
    return out;
  },
};
