// Closed word classes and token tests shared by the rules.
import { verbForms, lexiconTag, isUncountable, pluralOf } from './lexicon.mjs';

export const SINGULAR_SUBJECTS = new Set(['he', 'she', 'it', 'everyone', 'everybody', 'everything', 'someone', 'somebody',
  'something', 'anyone', 'anybody', 'anything', 'nobody', 'nothing', 'no one', 'each', 'this', 'that']);
export const PLURAL_SUBJECTS = new Set(['i', 'you', 'we', 'they']);
export const MODALS = new Set(['can', 'could', 'will', 'would', 'shall', 'should', 'may', 'might', 'must']);
export const BE_FORMS = new Set(['am', 'is', 'are', 'was', 'were', 'be', 'been', 'being']);
// Adverbs that may stand between a subject or an auxiliary and its verb.
export const MID_ADVERBS = new Set(['also', 'always', 'never', 'often', 'usually', 'sometimes', 'just', 'really', 'still',
  'already', 'only', 'even', 'ever', 'rarely', 'seldom', 'generally', 'probably', 'certainly', 'actually', 'normally',
  'definitely', 'surely', 'hardly', 'mostly', 'simply', 'all', 'both', 'not', "n't", 'not']);
export const NUMBER_WORDS = new Map([['two', 2], ['three', 3], ['four', 4], ['five', 5], ['six', 6], ['seven', 7],
  ['eight', 8], ['nine', 9], ['ten', 10], ['eleven', 11], ['twelve', 12], ['fifteen', 15], ['twenty', 20], ['thirty', 30],
  ['forty', 40], ['fifty', 50], ['hundred', 100], ['hundreds', 100], ['thousand', 1000], ['thousands', 1000], ['million', 1e6],
  ['millions', 1e6]]);

// The form of a verb token: base, 3sg, past, participle, pastpart (both),
// gerund, or '' when it is none of them.
export function verbFormOf(token) {
  const f = verbForms(token.lemma);
  const w = token.lower;
  if (w === f.Gerund) return 'gerund';
  if (w === f.PresentTense && w !== f.Infinitive) return '3sg';
  if (w === f.Infinitive) return 'base';
  if (w === f.PastTense && w === f.Participle) return 'pastpart';
  if (w === f.PastTense) return 'past';
  if (w === f.Participle) return 'participle';
  return '';
}

export function isVerb(t) { return t && (t.pos === 'VERB' || t.pos === 'AUX'); }
export function isNoun(t) { return t && t.pos === 'NOUN'; }

// A verb-tagged word the lexicon does not list first as a noun.
export function surelyVerb(t) {
  const tag = lexiconTag(t.lower);
  return t.pos === 'VERB' && !/^(Noun|Singular|Uncountable|Plural)$/.test(tag);
}

// Index of the next token after i that is not a mid-sentence adverb.
export function skipAdverbs(s, i) {
  let k = i;
  while (k < s.tokens.length && (MID_ADVERBS.has(s.tokens[k].lower) || (s.tokens[k].pos === 'ADV' && /ly$/.test(s.tokens[k].lower)))) k++;
  return k;
}

// Whether a clause can start right after token i-1: the start of the
// sentence, a comma, a conjunction or a subordinator.
export const CLAUSE_OPENERS = new Set([',', ';', ':', 'and', 'but', 'so', 'because', 'when', 'if', 'that', 'although',
  'though', 'while', 'since', 'after', 'before', 'where', 'whether', 'or', 'until', 'unless', 'once', 'as', 'than', '"', '(']);
export function clauseStartsAt(s, i) {
  if (i === 0) return true;
  const p = s.tokens[i - 1];
  return CLAUSE_OPENERS.has(p.lower);
}

export function finding(s, a, b, candidates, message) {
  return { start: s.tokens[a].start, end: s.tokens[b].end, candidates: candidates.filter(Boolean), message };
}

// -ed words that tell how someone feels ("I was bored"); their -ing forms
// tell what causes the feeling ("a boring film").
export const FEELING_PARTICIPLES = /^(bored|interested|excited|confused|surprised|amazed|disappointed|frightened|annoyed|embarrassed|exhausted|depressed|shocked|satisfied|terrified|fascinated|tired)$/;

// Nouns that take a singular or a plural verb alike, or whose number the
// form does not show.
export const NUMBER_NEUTRAL = new Set(['family', 'team', 'government', 'staff', 'police', 'class', 'group', 'audience',
  'company', 'public', 'crowd', 'committee', 'majority', 'minority', 'couple', 'number', 'percent', 'rest', 'half',
  'variety', 'kind', 'sort', 'type', 'lot', 'series', 'species', 'means', 'news', 'data', 'media', 'headquarters',
  'sheep', 'fish', 'deer', 'aircraft', 'crew', 'none', 'total', 'pair', 'dozen', 'army', 'jury', 'board', 'party', 'offspring',
  'vermin', 'sperm', 'fruit']);

// 'singular', 'plural', or '' (uncountable, proper, or unclear) for a noun token.
export function nounNumber(t) {
  if (!t || t.pos !== 'NOUN' || !/^[a-z]+$/.test(t.lower)) return '';
  if (/^(people|cattle|clothes)$/.test(t.lower)) return 'plural';
  if (NUMBER_NEUTRAL.has(t.lower) || NUMBER_NEUTRAL.has(t.lemma) || isUncountable(t.lower)) return '';
  if (t.lemma !== t.lower && pluralOf(t.lemma) === t.lower) return 'plural';
  if (t.lemma === t.lower && pluralOf(t.lower) !== t.lower && (!/s$/.test(t.lower) || /(ss|us|is)$/.test(t.lower))) return 'singular';
  return '';
}

// Collective nouns and the kind words: the number of their verb is no sure
// sign, but they count like any other noun ("two teams", "many kinds").
const COLLECTIVE = new Set(['family', 'team', 'government', 'class', 'group', 'audience', 'company', 'crowd', 'committee',
  'couple', 'army', 'jury', 'board', 'party', 'pair', 'minority', 'majority', 'total', 'kind', 'type', 'sort']);

// Whether a noun token is a singular countable form that has a plural.
export function singularForm(t) {
  if (!t || t.pos !== 'NOUN' || !/^[a-z]+$/.test(t.lower)) return false;
  if (COLLECTIVE.has(t.lower)) return true;
  return nounNumber(t) === 'singular';
}

// A word tagged as an adjective that the lexicon lists only as a singular
// noun, standing where a noun phrase ends ("many subject ."), read as the
// noun it is; otherwise the token itself.
export function asNoun(s, t) {
  if (!t || t.pos !== 'ADJ' || !/^(Singular|Noun)$/.test(lexiconTag(t.lower))) return t;
  const next = s.at(t.i + 1);
  if (next && /^(NOUN|ADJ|PROPN)$/.test(next.pos)) return t;
  return Object.assign(Object.create(Object.getPrototypeOf(t)), t, { pos: 'NOUN' });
}
