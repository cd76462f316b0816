// The learner-error rules, run in one pass over each sentence with shared
// tokens and tags. Each rule lives in its own file and states what it
// catches, its error type, stage and explanation key, and examples that
// must and must not fire.
import { analyse } from './analysis.mjs';
import subjectVerbAgreement from './subject-verb-agreement.mjs';
import thereBeAgreement from './there-be-agreement.mjs';
import verbAfterModal from './verb-after-modal.mjs';
import verbAfterDo from './verb-after-do.mjs';
import perfectParticiple from './perfect-participle.mjs';
import passiveIntransitive from './passive-intransitive.mjs';
import nounNumberAfterQuantifier from './noun-number-after-quantifier.mjs';
import uncountableNoun from './uncountable-noun.mjs';
import singularAfterDeterminer from './singular-after-determiner.mjs';
import doubleComparison from './double-comparison.mjs';
import doubleNegative from './double-negative.mjs';
import verbPreposition from './verb-preposition.mjs';
import pastTimeMarker from './past-time-marker.mjs';
import beWithPlainVerb from './be-with-plain-verb.mjs';
import participleWithoutAuxiliary from './participle-without-auxiliary.mjs';
import yourYoure from './your-youre.mjs';
import toToo from './to-too.mjs';
import quietQuite from './quiet-quite.mjs';
import acceptExcept from './accept-except.mjs';
import loseLoose from './lose-loose.mjs';
import affectEffect from './affect-effect.mjs';
import missingArticle from './missing-article.mjs';
import finalPunctuation from './final-punctuation.mjs';
import regularisedPast from './regularised-past.mjs';
import gerundAfterPreposition from './gerund-after-preposition.mjs';
import bareInfinitive from './bare-infinitive.mjs';
import shortComparative from './short-comparative.mjs';
import missingBe from './missing-be.mjs';
import sentenceStart from './sentence-start.mjs';
import introductoryComma from './introductory-comma.mjs';
import relativeClauseAgreement from './relative-clause-agreement.mjs';
import articleInSetPhrase from './article-in-set-phrase.mjs';
import capitalAfterComma from './capital-after-comma.mjs';
import becauseOf from './because-of.mjs';
import itsItIs from './its-it-is.mjs';
import thereWithoutBe from './there-without-be.mjs';
import doubledEndMark from './doubled-end-mark.mjs';
import articleBeforeQuantifier from './article-before-quantifier.mjs';
import adverbForAdjective from './adverb-for-adjective.mjs';
import gerundAfterVerb from './gerund-after-verb.mjs';
import participleAdjective from './participle-adjective.mjs';
import quantifierForCount from './quantifier-for-count.mjs';
import doubledConnective from './doubled-connective.mjs';
import sayTell from './say-tell.mjs';
import sinceFor from './since-for.mjs';
import haveAge from './have-age.mjs';
import demonstrativeNumber from './demonstrative-number.mjs';
import articleBeforeDeterminer from './article-before-determiner.mjs';
import indirectObjectTo from './indirect-object-to.mjs';
import objectPronounSubject from './object-pronoun-subject.mjs';
import toBeforePlaceAdverb from './to-before-place-adverb.mjs';
import missingToInfinitive from './missing-to-infinitive.mjs';
import perfectWithFinishedTime from './perfect-with-finished-time.mjs';
import thanForThat from './than-for-that.mjs';
import genericThe from './generic-the.mjs';
import setPhrasePreposition from './set-phrase-preposition.mjs';

export const RULES = [
  // Before agreement: on a verb both flag, "yesterday he go" wants the past
  // ("went"), not "goes"; among the rules' own flags the first one stays.
  pastTimeMarker,
  subjectVerbAgreement,
  thereBeAgreement,
  verbAfterModal,
  verbAfterDo,
  perfectParticiple,
  passiveIntransitive,
  nounNumberAfterQuantifier,
  uncountableNoun,
  singularAfterDeterminer,
  doubleComparison,
  doubleNegative,
  verbPreposition,
  beWithPlainVerb,
  participleWithoutAuxiliary,
  yourYoure,
  toToo,
  quietQuite,
  acceptExcept,
  loseLoose,
  affectEffect,
  missingArticle,
  finalPunctuation,
  regularisedPast,
  gerundAfterPreposition,
  bareInfinitive,
  shortComparative,
  missingBe,
  sentenceStart,
  introductoryComma,
  capitalAfterComma,
  articleInSetPhrase,
  relativeClauseAgreement,
  becauseOf,
  itsItIs,
  thereWithoutBe,
  doubledEndMark,
  articleBeforeQuantifier,
  adverbForAdjective,
  gerundAfterVerb,
  participleAdjective,
  quantifierForCount,
  doubledConnective,
  sayTell,
  sinceFor,
  haveAge,
  demonstrativeNumber,
  articleBeforeDeterminer,
  indirectObjectTo,
  objectPronounSubject,
  toBeforePlaceAdverb,
  missingToInfinitive,
  perfectWithFinishedTime,
  thanForThat,
  genericThe,
  setPhrasePreposition,
];

// Candidate scores as the service ranks them: 0.95 × 0.8^rank.
const score = (i) => Math.round(0.95 * Math.pow(0.8, i) * 1000) / 1000;

// Corrections of one sentence from every rule whose stage is enabled.
export function ruleCorrections(text, enabled = () => true, rules = RULES) {
  const active = rules.filter((r) => enabled(r.stage));
  if (active.length === 0 || !/[A-Za-z]/.test(text)) return [];
  let s;
  try {
    s = analyse(text);
  } catch {
    return [];
  }
  const out = [];
  for (const rule of active) {
    let found;
    try {
      found = rule.find(s);
    } catch {
      continue; // a rule's slip costs its own findings only
    }
    for (const f of found) {
      const seen = new Set();
      const candidates = [];
      for (const c of f.candidates) {
        const replacement = c.text ?? c;
        const type = c.type ?? 'REPLACE';
        if (type === 'REPLACE' && (!replacement || replacement === text.slice(f.start, f.end) || seen.has(replacement))) continue;
        seen.add(replacement);
        candidates.push({ correction: replacement, candidateType: type, score: score(candidates.length), originalScore: 0.05 });
      }
      if (candidates.length === 0) continue;
      let { start, end } = f;
      // A deletion takes the blanks on both sides along, so the single blank
      // the client leaves joins the words.
      if (candidates[0].candidateType === 'DELETION') {
        if (start > 0 && text[start - 1] === ' ') start--;
        if (end < text.length && text[end] === ' ') end++;
      }
      out.push({
        loc: f.start, start, end, errorInfo: f.message || rule.catches, errorType: rule.errorType,
        explainType: rule.explainType, featureKeys: [rule.name, 'Learner'], candidates: candidates.slice(0, 5),
      });
    }
  }
  return out;
}

// Plain-text descriptions of the rules, shown on explanation pages.
export function ruleDescriptions() {
  return Object.fromEntries(RULES.map((r) => [r.name, r.catches]));
}
