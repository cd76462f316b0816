// A present-tense verb in a sentence about a finished time: "Yesterday he
// go to school", "Last year we visit Paris", "Two years ago I live there".
import { verbForms } from './lexicon.mjs';
import { verbFormOf, PLURAL_SUBJECTS, SINGULAR_SUBJECTS, skipAdverbs, finding } from './grammar.mjs';

// The finished-time phrase of a sentence, or null.
export function pastMarker(s) {
  for (let i = 0; i < s.tokens.length; i++) {
    const t = s.tokens[i];
    if (t.lower === 'yesterday') return t;
    if (t.lower === 'ago' && i > 0) return t;
    if (t.lower === 'last' && s.at(i + 1) && /^(week|month|year|night|summer|winter|spring|autumn|weekend|time|monday|tuesday|wednesday|thursday|friday|saturday|sunday)$/.test(s.tokens[i + 1].lower)) return t;
  }
  return null;
}

// "When I was young, ...": a time clause in the past that opens the
// sentence and ends at a comma; the main clause after it is about the past
// too. Returns the index of the comma, or null.
function pastClause(s) {
  if (!s.at(0) || !/^(when|while)$/.test(s.tokens[0].lower)) return null;
  const subject = s.at(1);
  if (!subject || subject.pos !== 'PRON' && subject.pos !== 'NOUN' && subject.pos !== 'PROPN') return null;
  const comma = s.tokens.findIndex((t) => t.text === ',');
  if (comma < 3) return null;
  const inner = s.tokens.slice(1, comma);
  if (!inner.some((t) => /^(was|were)$/.test(t.lower) || t.pos === 'VERB' && /^past/.test(verbFormOf(t)))) return null;
  if (inner.some((t) => /^(is|are|am|will|can|do|does|have|has)$/.test(t.lower) || t.pos === 'VERB' && /^(3sg|base)$/.test(verbFormOf(t)) && !/^(to)$/.test(s.at(t.i - 1)?.lower || ''))) return null;
  if (s.text.trim().endsWith('?')) return null;
  // The main clause must not speak of now: "When I was young I loved it, now I hate it".
  const rest = s.tokens.slice(comma + 1);
  if (rest.some((t) => /^(now|today|nowadays|still|will|'ll|always|usually|often|every|realize|know|think|believe)$/.test(t.lower))) return null;
  return { end: comma };
}

// Plain or -s verbs right after a pronoun subject, from token `from` on.
function presentAfterPronouns(s, from, message) {
  const out = [];
  for (let i = from; i < s.tokens.length; i++) {
    const t = s.tokens[i];
    if (!(PLURAL_SUBJECTS.has(t.lower) || SINGULAR_SUBJECTS.has(t.lower)) || t.pos !== 'PRON') continue;
    const j = skipAdverbs(s, i + 1);
    const v = s.at(j);
    if (!v || v.pos !== 'VERB') continue;
    const form = verbFormOf(v);
    if (form !== 'base' && form !== '3sg') continue;
    const past = verbForms(v.lemma).PastTense;
    if (past && past !== v.lower) out.push(finding(s, j, j, [past], message));
    break; // the main clause's own verb only
  }
  return out;
}

export default {
  name: 'PastTimeMarker',
  errorType: 'GRAMMAR',
  stage: 'server.grammar',
  explainType: 'grammar',
  catches: 'A present-tense verb right after its subject in a sentence that speaks of a finished time (yesterday, last week, ago).',
  examples: {
    fire: [['Yesterday he go to the market.', 'go', 'went'], ['Last year we visit my uncle.', 'visit', 'visited'],
      ['I meet her two days ago.', 'meet', 'met'],
      ['When we were children, we play in the street.', 'play', 'played'], ['While she lived in Rome, she work in a bakery.', 'work', 'worked']],
    quiet: ['Yesterday he went to the market.', 'I will tell you what happened yesterday.', 'Last year we visited him and now we live here.',
      'Do you remember last summer?', 'I think it rained yesterday.', 'He says he came yesterday.',
      'When I was young, I think I was happy.', 'When we were children, we played outside.', 'When he was ill, now he is well.',
      'When she comes, we leave.', 'When I was a child, my father works in a mine.'],
  },
  find(s) {
    const clause = pastClause(s);
    if (clause) return presentAfterPronouns(s, clause.end, 'The sentence speaks of a time that is over: use the past tense.');
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
