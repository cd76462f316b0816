// Word forms from compromise's English lexicon and inflection rules: verb
// conjugations, noun plurals and singulars, comparatives, and whether a noun
// is uncountable. Answers are kept per word.
import nlp from 'compromise';

const world = nlp.world();
const transform = world.methods.two.transform;
const lexicon = world.model.one.lexicon;
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
    const f = transform.verb.conjugate(lemma, world.model) || {};
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
  return lexicon[word.toLowerCase()] || '';
}

export function isUncountable(noun) {
  return lexicon[noun.toLowerCase()] === 'Uncountable';
}

export function pluralOf(noun) {
  return memo('p', noun, () => transform.noun.toPlural(noun, world.model) || noun);
}

export function singularOf(noun) {
  return memo('s', noun, () => transform.noun.toSingular(noun, world.model) || noun);
}

export function comparativeOf(adj) {
  return memo('c', adj, () => transform.adjective.toComparative(adj, world.model) || '');
}

export function superlativeOf(adj) {
  return memo('u', adj, () => transform.adjective.toSuperlative(adj, world.model) || '');
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
  return memo('a', word, () => nlp(word).has('#Adjective'));
}
