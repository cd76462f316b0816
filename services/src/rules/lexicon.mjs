// Word forms from compromise's English lexicon and inflection rules: verb
// conjugations, noun plurals and singulars, comparatives, and whether a noun
// is uncountable. Answers are kept per word.
import { createRequire } from 'node:module';

// Loaded at the first question, so a process that only lists the rules
// does not hold the lexicon.
const require = createRequire(import.meta.url);
let loaded = null;
function compromise() {
  if (!loaded) {
    const world = require('compromise').world();
    loaded = { world, transform: world.methods.two.transform, lexicon: world.model.one.lexicon };
  }
  return loaded;
}
const cache = new Map();

function memo(kind, word, make) {
  const key = `${kind}:${word}`;
  let v = cache.get(key);
  if (v === undefined) {
    v = make();
    if (cache.size > 50000) cache.clear();
    cache.set(key, v);
  }
  return v;
}

// Infinitive, PastTense, PresentTense (third person singular), Gerund and
// Participle of a verb given by its lemma.
export function verbForms(lemma) {
  return memo('v', lemma, () => {
    if (lemma === 'be') return { Infinitive: 'be', PastTense: 'was', PresentTense: 'is', Gerund: 'being', Participle: 'been' };
    const f = compromise().transform.verb.conjugate(lemma, compromise().world.model) || {};
    return {
      Infinitive: f.Infinitive || lemma,
      PastTense: f.PastTense || '',
      PresentTense: f.PresentTense || '',
      Gerund: f.Gerund || '',
      Participle: f.Participle || f.PastTense || '',
    };
  });
}

// The lexicon's tag of a word, or '' when it does not list it.
export function lexiconTag(word) {
  return compromise().lexicon[word.toLowerCase()] || '';
}

export function isUncountable(noun) {
  return compromise().lexicon[noun.toLowerCase()] === 'Uncountable';
}

export function pluralOf(noun) {
  return memo('p', noun, () => compromise().transform.noun.toPlural(noun, compromise().world.model) || noun);
}

export function singularOf(noun) {
  return memo('s', noun, () => compromise().transform.noun.toSingular(noun, compromise().world.model) || noun);
}

// The singular of a word that is its regular plural ("lectures" ->
// "lecture"), or '' when it is not one.
export function regularSingular(word) {
  const one = singularOf(word);
  return one !== word && pluralOf(one) === word ? one : '';
}

export function comparativeOf(adj) {
  return memo('c', adj, () => compromise().transform.adjective.toComparative(adj, compromise().world.model) || '');
}

export function superlativeOf(adj) {
  return memo('u', adj, () => compromise().transform.adjective.toSuperlative(adj, compromise().world.model) || '');
}

// Keeps the capital of the word being replaced.
export function matchCase(model, word) {
  if (!word) return word;
  if (model.length > 1 && model === model.toUpperCase()) return word.toUpperCase();
  return /^[A-Z]/.test(model) ? word[0].toUpperCase() + word.slice(1) : word;
}

// Whether compromise reads a lone word as an adjective (its lexicon or its
// suffix rules: "additional", "serious", "careful").
export function isAdjective(word) {
  return memo('a', word, () => require('compromise')(word).has('#Adjective'));
}
