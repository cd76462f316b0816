// A form of "be" before a plain verb: "I am agree", "She is live here",
// "They are want more". Either "be" goes or the verb takes -ing.
import { verbForms, lexiconTag } from './lexicon.mjs';
import { verbFormOf, finding } from './grammar.mjs';

// Verbs learners pair with "be" as if they were adjectives; without "be"
// they are right.
const STATIVE = new Set(['agree', 'disagree', 'believe', 'know', 'like', 'love', 'hate', 'want', 'need', 'think', 'understand',
  'prefer', 'belong', 'depend', 'mean', 'seem', 'own', 'remember', 'forget', 'hope', 'feel', 'live', 'have', 'suppose']);

export default {
  name: 'BeWithPlainVerb',
  errorType: 'GRAMMAR',
  stage: 'server.grammar',
  explainType: 'grammar',
  catches: 'A form of "be" directly before the plain form of a verb, as in "I am agree".',
  examples: {
    fire: [['I am agree with you.', 'am agree', 'agree'], ['She is live in London.', 'is live', 'lives'],
      ['They are want more money.', 'are want', 'want'], ['Prices will be increase next year.', 'be increase', 'increase'],
      ['The accident was happen at night.', 'was happen', 'happened'],
      ['Many people are not agree with the plan.', 'are not agree', 'do not agree'], ['Paper is make by machines here.', 'make', 'made'], ['The buses are not stop here.', 'are not stop', 'do not stop']],
    quiet: ['I agree with you.', 'She lives in London.', 'The problem is time.', 'It is cut short.', 'He is set on going.',
      'My aim is to win.', 'They are open.', 'I am done.', 'It will be cut.', 'It was close to home.', 'It will be fun.',
      'The plan was to stay.', 'He was let go.', 'They are not here.', 'I am not sure.', 'It is set by the council.', 'The shops are not open.', 'It is not cut.', 'These are not stop signs.', 'It is not work that tires me.',
      'The player was readmitted.', 'Birds were swanning over the lake.', 'He was strip-searched.', 'She was tongue-tied.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      // Any other verb: "would be decrease", "it was happen", "they are
      // live": the plain verb alone, or "be" with the participle or -ing.
      if (/^(be|was|were|is|are|am)$/.test(t.lower)) {
        const v = s.at(i + 1);
        // A word the lexicon does not know that ends like a participle
        // ("readmitted", "swanning") is one; a hyphen makes a compound
        // ("strip-searched", "tongue-tied").
        const unknownInflected = v && lexiconTag(v.lower) === '' && /(ed|ing)$/.test(v.lower);
        if (v && v.pos === 'VERB' && !STATIVE.has(v.lower) && verbFormOf(v) === 'base' && /^(Infinitive|)$/.test(lexiconTag(v.lower))
          && !unknownInflected && s.at(i + 2)?.text !== '-' && s.text[v.end] !== '-') {
          const f = verbForms(v.lemma);
          const after = s.at(i + 2);
          if (f.Participle && f.Participle !== v.lower && !(after && /^(to|of)$/.test(after.lower)) && !(after && after.pos === 'VERB')) {
            const prev = s.at(i - 1);
            if (t.lower === 'be' && prev && prev.pos === 'AUX' && /^(will|would|can|could|should|may|might|must|shall)$/.test(prev.lower)) {
              out.push(finding(s, i, i + 1, [v.text, `be ${f.Participle}`], `"be" and the plain verb "${v.text}" do not go together.`));
            } else if (/^(was|were)$/.test(t.lower)) {
              out.push(finding(s, i, i + 1, [f.PastTense, `${t.text} ${f.Participle}`], `"${t.text}" and the plain verb "${v.text}" do not go together.`));
            } else if (after && after.lower === 'by' && t.lower !== 'be') {
              // "is produce by": a passive with its agent wants the participle.
              out.push(finding(s, i + 1, i + 1, [f.Participle], `A passive with "by" takes the participle "${f.Participle}".`));
            }
          }
        }
      }
      if (!/^(am|is|are|'m|'re)$/.test(t.lower)) return;
      // "They are not agree": the negative of the verb is made with "do".
      if (s.at(i + 1)?.lower === 'not') {
        const n = s.at(i + 2);
        if (!n || n.pos !== 'VERB' || verbFormOf(n) !== 'base' || n.lower === 'live') return;
        const after = s.at(i + 3);
        if (after && (after.pos === 'VERB' || after.pos === 'NOUN' || after.pos === 'ADJ' || /^(that|which|who|but)$/.test(after.lower))) return;
        if (!STATIVE.has(n.lower) && !/^(Infinitive|Singular)$/.test(lexiconTag(n.lower))) return;
        if (/Adjective|Noun/.test(lexiconTag(n.lower))) return;
        if (verbForms(n.lemma).Participle === n.lower) return; // "is not cut": a passive
        const aux = t.lower === 'is' ? 'does' : 'do';
        out.push(finding(s, i, i + 2, [`${aux} not ${n.text}`], `The negative of "${n.text}" is made with "${aux} not".`));
        return;
      }
      const v = s.at(i + 1);
      if (!v || v.pos !== 'VERB' || !STATIVE.has(v.lower) || verbFormOf(v) !== 'base') return;
      if (/Adjective|Noun|Singular/.test(lexiconTag(v.lower)) && v.lower !== 'live') return;
      const subject = s.at(i - 1);
      const third = t.lower === 'is';
      const verb = third ? verbForms(v.lemma).PresentTense : v.text;
      const keepSpace = subject ? '' : '';
      out.push(finding(s, i, i + 1, [keepSpace + verb], `"${t.text}" is not needed before the verb "${v.text}".`));
    });
    return out;
  },
};
