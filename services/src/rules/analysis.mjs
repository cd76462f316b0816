// One sentence read once for every rule: tokens with their character spans
// (UTF-16 units, as the client counts), universal part-of-speech tags and
// lemmas from wink-nlp's English model.
import { createRequire } from 'node:module';
import { lexiconTag, regularSingular } from './lexicon.mjs';

// The model is loaded at the first sentence read, so a process that only
// lists the rules (the service's main thread) does not hold it.
const require = createRequire(import.meta.url);
let nlp = null;
function tagger() {
  if (!nlp) nlp = require('wink-nlp')(require('wink-eng-lite-web-model'));
  return nlp;
}

export class Token {
  constructor(i, text, start, pos, lemma) {
    this.i = i;
    this.text = text;
    this.lower = text.toLowerCase();
    this.start = start;
    this.end = start + text.length;
    this.pos = pos;
    this.lemma = lemma;
  }

  is(...words) { return words.includes(this.lower); }
  get isWord() { return /^[A-Za-z]/.test(this.text); }
  get capitalised() { return /^[A-Z]/.test(this.text); }
}

export class Sentence {
  constructor(text, tokens) {
    this.text = text;
    this.tokens = tokens;
  }

  at(i) { return i >= 0 && i < this.tokens.length ? this.tokens[i] : null; }

  // Text of tokens a..b (inclusive) as written.
  slice(a, b) { return this.text.slice(this.tokens[a].start, this.tokens[b].end); }
}

export function analyse(text) {
  const nlp = tagger();
  const its = nlp.its;
  const doc = nlp.readDoc(text);
  const toks = doc.tokens();
  const values = toks.out(its.value);
  const pos = toks.out(its.pos);
  const lemmas = toks.out(its.lemma);
  const tokens = [];
  let at = 0;
  for (let i = 0; i < values.length; i++) {
    const v = values[i];
    // The model splits contractions ("do" + "n't") and keeps the text of
    // each piece; find each piece where it stands.
    let start = text.indexOf(v, at);
    if (start < 0) start = at;
    let tag = pos[i];
    // The model takes a capitalised common noun that opens the sentence
    // ("Money makes ...") for a name.
    if (tag === 'PROPN' && tokens.every((t) => /^["'(]$/.test(t.text)) && /^[A-Z][a-z]+$/.test(v)
      && /^(Singular|Plural|Uncountable|Noun|Actor)$/.test(lexiconTag(v.toLowerCase()))) tag = 'NOUN';
    // Nor a capitalised adjective before a noun there ("Younger people ...").
    if (tag === 'PROPN' && tokens.every((t) => /^["'(]$/.test(t.text)) && /^[A-Z][a-z]+$/.test(v)
      && /^(Adjective|Comparative|Superlative)$/.test(lexiconTag(v.toLowerCase())) && pos[i + 1] === 'NOUN') tag = 'ADJ';
    let lemma = String(lemmas[i] || v).toLowerCase();
    // Nor does it find the lemma of a capitalised plural noun ("Students").
    if (tag === 'NOUN' && /^[A-Z][a-z]+s$/.test(v) && lemma === v.toLowerCase()) {
      const one = regularSingular(lemma);
      if (one && nounTagged(one)) lemma = one;
    }
    tokens.push(new Token(i, v, start, tag, lemma));
    at = start + v.length;
  }
  nounsAfterThereIs(tokens);
  return new Sentence(text, tokens);
}

const NOUN_TAGS = /^(Singular|Plural|Uncountable|Noun|Actor)$/;
const nounTagged = (word) => [lexiconTag(word)].flat().some((x) => NOUN_TAGS.test(x));

// Whether a word the model tagged as a verb can be read as a noun: the
// lexicon lists it as one, or as the plural of one ("reasons").
function canBeNoun(word) {
  if (nounTagged(word)) return true;
  const one = regularSingular(word);
  return Boolean(one) && nounTagged(one);
}

// "There are (also) (some) lectures ...": what follows "there" and a form
// of "be" is a noun phrase, but the model often takes its noun for a verb.
function nounsAfterThereIs(tokens) {
  for (let i = 0; i + 2 < tokens.length; i++) {
    if (tokens[i].lower !== 'there' || !/^(is|are|was|were|'s)$/.test(tokens[i + 1].lower)) continue;
    let k = i + 2;
    while (k < tokens.length && tokens[k].pos === 'ADV') k++;
    while (k < tokens.length && (tokens[k].pos === 'DET' || tokens[k].pos === 'NUM')) k++;
    const t = tokens[k];
    if (!t || t.pos !== 'VERB' || !/^[a-z]+$/.test(t.lower) || !canBeNoun(t.lower)) continue;
    t.pos = 'NOUN';
    t.lemma = regularSingular(t.lower) || t.lower;
  }
}
