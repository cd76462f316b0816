// A present-tense verb in a sentence about a finished time: "Yesterday he
// go to school", "Last year we visit Paris", "Two years ago I live there".
import { verbForms } from './lexicon.mjs';
import { verbFormOf, PLURAL_SUBJECTS, SINGULAR_SUBJECTS, skipAdverbs, finding } from './grammar.mjs';

// The finished-time phrase of a sentence, or null.
function pastMarker(s) {
  for (let i = 0; i < s.tokens.length; i++) {
    const t = s.tokens[i];
    if (t.lower === 'yesterday') return t;
    if (t.lower === 'ago' && i > 0) return t;
    if (t.lower === 'last' && s.at(i + 1) && /^(week|month|year|night|summer|winter|spring|autumn|weekend|time|monday|tuesday|wednesday|thursday|friday|saturday|sunday)$/.test(s.tokens[i + 1].lower)) return t;
  }
  return null;
}

export default {
  name: 'PastTimeMarker',
  errorType: 'GRAMMAR',
  stage: 'server.grammar',
  explainType: 'grammar',
  catches: 'A present-tense verb right after its subject in a sentence that speaks of a finished time (yesterday, last week, ago).',
  examples: {
    fire: [['Yesterday he go to the market.', 'go', 'went'], ['Last year we visit my uncle.', 'visit', 'visited'],
      ['I meet her two days ago.', 'meet', 'met']],
    quiet: ['Yesterday he went to the market.', 'I will tell you what happened yesterday.', 'Last year we visited him and now we live here.',
      'Do you remember last summer?', 'I think it rained yesterday.', 'He says he came yesterday.'],
  },
  find(s) {
    const marker = pastMarker(s);
    if (!marker || s.text.trim().endsWith('?')) return [];
    // Sentences that also speak of now or of the future are left alone.
    if (s.tokens.some((t) => /^(will|now|today|tomorrow|usually|always|every|often|since|'ll|shall|if|when|whenever)$/.test(t.lower))) return [];
    if (s.tokens.some((t) => t.pos === 'VERB' && /^(past|pastpart)$/.test(verbFormOf(t)) && t.i !== marker.i)) return [];
    if (s.tokens.some((t) => /^(was|were|did|had|'d)$/.test(t.lower))) return [];
    const out = [];
    s.tokens.forEach((t, i) => {
      if (!(PLURAL_SUBJECTS.has(t.lower) || SINGULAR_SUBJECTS.has(t.lower)) || t.pos !== 'PRON') return;
      const j = skipAdverbs(s, i + 1);
      const v = s.at(j);
      if (!v || v.pos !== 'VERB') return;
      const form = verbFormOf(v);
      if (form !== 'base' && form !== '3sg') return;
      const past = verbForms(v.lemma).PastTense;
      if (past && past !== v.lower) out.push(finding(s, j, j, [past], 'The sentence speaks of a finished time: use the past tense.'));
    });
    return out;
  },
};
