// Subject–verb agreement after a pronoun or a noun phrase that opens a
// clause: "She have", "He go", "They goes", "We is", "The dogs barks",
// "My brother like". The verb takes the form its subject asks for.
import { verbForms, pluralOf, singularOf, matchCase, lexiconTag, isUncountable, regularSingular } from './lexicon.mjs';
import { SINGULAR_SUBJECTS, PLURAL_SUBJECTS, MODALS, verbFormOf, skipAdverbs, clauseStartsAt, nounNumber, finding, surelyVerb, NUMBER_NEUTRAL } from './grammar.mjs';

const SUBJUNCTIVE_OPENERS = new Set(['if', 'wish', 'wished', 'wishes', 'though', 'unless', 'whether']);
// "insisted that she pay": verbs after which "that" takes the plain verb.
const MANDATIVE = /^(insist|demand|suggest|recommend|require|request|ask|propose|urge|order|command)$/;
// Words before a pronoun that make it an object or start a question.
const NOT_SUBJECT_AFTER = new Set(['let', 'lets', 'make', 'makes', 'made', 'help', 'helps', 'helped', 'see', 'saw', 'watch',
  'hear', 'heard', 'have', 'has', 'had', 'does', 'do', 'did', 'is', 'are', 'was', 'were', 'am', 'to', 'for', 'with']);
const DETERMINERS = new Set(['the', 'a', 'an', 'this', 'that', 'these', 'those', 'my', 'your', 'his', 'her', 'its', 'our',
  'their', 'every', 'each', 'many', 'some', 'most', 'all', 'several', 'few', 'both', 'no', 'any', 'such']);

function singularFix(v) {
  const w = v.lower;
  if (w === 'are' || w === "'re") return 'is';
  if (w === 'were') return 'was';
  if (w === 'have' || w === "'ve") return 'has';
  if (w === 'do') return 'does';
  if (v.pos === 'VERB' && verbFormOf(v) === 'base' && (surelyVerb(v) || v.verbal)) {
    // "he let", "she put", "it cost": the past tense of these verbs is their
    // plain form, so the sentence may well be in the past.
    const forms = verbForms(v.lemma);
    // An -ed word the lexicon does not know ("eked", "dolled") is a past
    // tense, not a plain form to add "s" to.
    if (/[^e]ed$/.test(w) && /eds$/.test(forms.PresentTense)) return '';
    return forms.PastTense === w ? '' : forms.PresentTense;
  }
  return '';
}

// A word the lexicon lists first as a noun ("help", "ask", "tell") is still
// the verb when the tagger reads it so and an object or a "to"-clause
// follows: "This policy help to", "The teacher ask me".
function markVerbal(s, v) {
  if (!v || v.pos !== 'VERB') return v;
  const next = s.at(v.i + 1);
  if (!next || !(/^(PRON|DET|NUM)$/.test(next.pos) || /^(to|that)$/.test(next.lower))) return v;
  if (/^(it|its|his|her|their|our|my|your)$/.test(next.lower) && next.pos !== 'PRON') return v;
  return Object.assign(Object.create(Object.getPrototypeOf(v)), v, { verbal: true });
}

function pluralFix(v, subject) {
  const w = v.lower;
  if (w === 'is' || w === "'s") return subject === 'i' ? 'am' : 'are';
  if (w === 'was') return subject === 'i' ? '' : 'were';
  if (w === 'has') return 'have';
  if (w === 'does') return 'do';
  if (w === 'am') return subject === 'i' ? '' : 'are';
  if (v.pos === 'VERB' && verbFormOf(v) === '3sg') return verbForms(v.lemma).Infinitive;
  return '';
}

// "troops": the plural of another word, whatever the lexicon says of it.
function regularPlural(w) {
  return Boolean(regularSingular(w)) && !/ics$/.test(w);
}

function subjunctive(s, i) {
  for (let k = i - 1; k >= Math.max(0, i - 3); k--) if (SUBJUNCTIVE_OPENERS.has(s.tokens[k].lower)) return true;
  return false;
}

// "that" right before the subject at i, after a verb of demanding.
function mandative(s, i) {
  return s.at(i - 1)?.lower === 'that' && MANDATIVE.test(s.at(i - 2)?.lemma || '');
}

// Pronoun subjects.
function pronounFindings(s, out) {
  s.tokens.forEach((t, i) => {
    const w = t.lower;
    const single = SINGULAR_SUBJECTS.has(w) && (t.pos === 'PRON' || t.pos === 'DET' && w === 'each');
    const plural = PLURAL_SUBJECTS.has(w);
    if (!single && !plural) return;
    const prev = s.at(i - 1);
    if (prev && (NOT_SUBJECT_AFTER.has(prev.lower) || MODALS.has(prev.lower))) return;
    if (prev && /^(and|or|nor)$/.test(prev.lower)) return;
    const next = s.at(i + 1);
    if (next && /^(and|or|nor|who|which|of|,)$/.test(next.lower)) return;
    // "it" after a noun or an adverb starts a clause too ("In addition it
    // have", "the day it rain"): as an object it follows a verb or a preposition.
    const itAfterNoun = w === 'it' && prev && /^(NOUN|PROPN|ADV)$/.test(prev.pos) && !/^(than|as)$/.test(prev.lower);
    if ((w === 'it' || w === 'you' || w === 'this' || w === 'that' || w === 'each') && !clauseStartsAt(s, i) && !itAfterNoun) return;
    if (w === 'that' && i > 0) return;
    // "Constantine I is": a numeral after a name.
    if (t.text === 'I' && prev && prev.pos === 'PROPN') return;
    const j = skipAdverbs(s, i + 1);
    const v = markVerbal(s, s.at(j));
    if (!v || !(v.pos === 'VERB' || v.pos === 'AUX')) return;
    // "it last night": "last" before a time word.
    if (v.lower === 'last' && /^(night|week|month|year|time|summer|winter|spring|autumn|weekend|day)$/.test(s.at(j + 1)?.lower || '')) return;
    // "it ... were" after if/wish is the subjunctive, and so is "as it were".
    if (v.lower === 'were' && (subjunctive(s, i) || prev?.lower === 'as')) return;
    // "insisted that she pay"; "He light-heartedly ...".
    if (single && mandative(s, i) && v.pos === 'VERB' && verbFormOf(v) === 'base') return;
    if (s.text[v.end] === '-') return;
    const fix = single ? singularFix(v) : pluralFix(v, w);
    if (fix && fix !== v.lower) out.push(finding(s, j, j, [fix], `"${t.text}" takes "${fix}".`));
  });
}

// A past participle used as an adjective before a noun ("endangered
// animals", "used cars"); the tagger reads it as a verb.
function participleModifier(s, k) {
  const t = s.tokens[k];
  return t.pos === 'VERB' && /[a-z]ed$/.test(t.lower) && s.at(k + 1)?.pos === 'NOUN';
}

// Heads whose "of" phrase gives the number ("part of the students are").
const PARTITIVE = new Set(['part', 'portion', 'percentage', 'proportion', 'bulk', 'remainder', 'fraction', 'quarter',
  'third', 'plenty', 'most', 'body', 'range', 'host', 'handful', 'bunch', 'mass', 'sum']);
const DEFINITE = new Set(['the', 'this', 'that', 'my', 'your', 'his', 'her', 'its', 'our', 'their']);

// After a subject "the/my ... head" followed by "of" and a plain noun
// phrase ("of (the) (adjectives) nouns"), the index after that phrase when
// a verb could follow; 0 otherwise.
function ofPhraseEnd(s, a, k, head) {
  if (s.at(k)?.lower !== 'of' || !DEFINITE.has(s.tokens[a].lower) || PARTITIVE.has(head.lower)) return 0;
  let m = k + 1;
  if (s.at(m) && DETERMINERS.has(s.tokens[m].lower)) m++;
  const first = m;
  while (s.at(m) && (s.tokens[m].pos === 'ADJ' || s.tokens[m].pos === 'NOUN' || s.tokens[m].pos === 'PROPN' || participleModifier(s, m))) m++;
  if (m === first || !/^(NOUN|PROPN)$/.test(s.tokens[m - 1].pos)) return 0;
  const v = s.at(skipAdverbs(s, m));
  return v && (v.pos === 'AUX' || v.pos === 'VERB') ? m : 0;
}

// Noun-phrase subjects at the start of a clause: [determiner] [adjectives,
// nouns] head noun, then the verb.
function nounFindings(s, out) {
  for (let a = 0; a < s.tokens.length; a++) {
    if (!clauseStartsAt(s, a)) continue;
    const before = s.at(a - 1);
    // A conjunction opening the sentence ("And the prices ...") or "that"
    // after a verb ("It shows that prices ...") starts a clause.
    const openingConjunction = a === 1 && before && /^(and|but|so|or)$/.test(before.lower);
    const complement = before && before.lower === 'that' && /^(VERB|AUX)$/.test(s.at(a - 2)?.pos || '');
    if (before && /^(and|or|nor|than|as|that)$/.test(before.lower) && !openingConjunction && !complement) continue;
    let k = a;
    if (s.tokens[k] && DETERMINERS.has(s.tokens[k].lower)) k++;
    const first = k;
    // A day word ends the noun phrase ("the events today were").
    while (s.at(k) && (s.tokens[k].pos === 'ADJ' || s.tokens[k].pos === 'NOUN' || participleModifier(s, k))
      && !(k > first && /^(today|tonight|tomorrow|yesterday)$/.test(s.tokens[k].lower))) k++;
    if (k === first) continue;
    const head = s.at(k - 1);
    if (!head || head.pos !== 'NOUN') continue;
    // "the bereaved", "statistics": a participle as a noun, or an -ics
    // word, may be plural or singular.
    if (/(ed|ics)$/.test(head.lower)) continue;
    // Bare nouns open a clause only at the start of the sentence or after a comma.
    if (first === a && a > 0 && !/^(,|when|if|because|that|while|although|though|since|whether|but|so)$/.test(s.tokens[a - 1].lower) && !openingConjunction) continue;
    if (first === a && s.tokens[a].capitalised && a > 0) continue;
    // An uncountable noun takes a singular verb ("history tells").
    const number = nounNumber(head) || (head.pos === 'NOUN' && /^[a-z]+$/.test(head.lower) && isUncountable(head.lower)
      && !NUMBER_NEUTRAL.has(head.lower) && !regularPlural(head.lower) ? 'singular' : '');
    if (!number) continue;
    // "the street where the President lives is": the last word of the noun
    // run is the clause's verb when the lexicon lists it as one and another
    // verb follows.
    if (k - first > 1 && [lexiconTag(head.lower)].flat().includes('PresentTense') && /^(AUX|VERB)$/.test(s.at(k)?.pos || '')) continue;
    // "Most country have": the noun is the slip, which the noun-number rule
    // marks; the verb already agrees with the quantifier.
    if (nounNumber(head) === 'singular' && first > a && /^(many|several|few|both|most|all)$/.test(s.tokens[a].lower)) continue;
    // "The price of these cars are": the noun before "of" is the head.
    const through = ofPhraseEnd(s, a, k, head);
    if (through > k) k = through;
    const j = skipAdverbs(s, k);
    let v = s.at(j);
    // The tagger reads a verb after a singular noun as a noun now and then
    // ("teacher ask me"); a word the lexicon lists as a verb, followed by an
    // object, is taken as the verb.
    if (v && v.pos === 'NOUN' && lexiconTag(v.lower) === 'Infinitive' && s.at(j + 1) && /^(DET|PRON)$/.test(s.tokens[j + 1].pos)) {
      v = Object.assign(Object.create(Object.getPrototypeOf(v)), v, { pos: 'VERB' });
    }
    if (!v || !(v.pos === 'VERB' || v.pos === 'AUX')) continue;
    v = markVerbal(s, v);
    const after = s.at(j + 1);
    // "The books he reads": a reduced relative clause, the verb is not the head's.
    if (v.pos === 'VERB' && s.at(k) && s.tokens[k].pos === 'PRON') continue;
    if (after && after.lower === 'of' && v.pos === 'VERB') continue;
    if (v.lower === 'were' && subjunctive(s, a)) continue;
    const fix = number === 'singular' ? singularFix(v) : pluralFix(v, '');
    if (!fix || fix === v.lower) continue;
    // "A bomb scare led ...": a verb right after it makes the word part of
    // the subject.
    if (j === k && v.pos === 'VERB' && (after?.pos === 'AUX' || (after?.pos === 'VERB' && /^(past|pastpart|participle|3sg)$/.test(verbFormOf(after))))) continue;
    if (j === k && v.pos === 'VERB' && through <= 0) {
      // Subject and verb side by side: either may be the slip ("scientist
      // assume"), so the mark covers both and offers both mends.
      const other = number === 'singular' ? pluralOf(head.lower) : singularOf(head.lower);
      const mends = [`${head.text} ${matchCase(v.text, fix)}`];
      if (other && other !== head.lower && head.lower !== 'people') mends.push(`${matchCase(head.text, other)} ${v.text}`);
      out.push(finding(s, k - 1, j, mends, `"${head.text}" and "${v.text}" do not agree.`));
    } else {
      out.push(finding(s, j, j, [matchCase(v.text, fix)], `"${head.text}" takes "${fix}".`));
    }
  }
}

// "One of the (adjectives) nouns" takes a singular verb, "most of the
// nouns" a plural one, at the start of a clause.
function partFindings(s, out) {
  for (let a = 0; a < s.tokens.length; a++) {
    const q = s.tokens[a];
    const one = /^(one|each)$/.test(q.lower);
    if (!(one || /^(most|some|many|all|both|few)$/.test(q.lower)) || s.at(a + 1)?.lower !== 'of' || !clauseStartsAt(s, a)) continue;
    if (a > 0 && /^(and|or|than|as)$/.test(s.tokens[a - 1].lower)) continue;
    let k = a + 2;
    if (!s.at(k) || !(DETERMINERS.has(s.tokens[k].lower) || /^(them|us|you)$/.test(s.tokens[k].lower))) continue;
    const pronoun = /^(them|us|you)$/.test(s.tokens[k].lower);
    k++;
    if (!pronoun) {
      while (s.at(k) && s.tokens[k].pos === 'ADJ') k++;
      if (!s.at(k) || nounNumber(s.tokens[k]) !== 'plural') continue;
      if (s.at(k + 1) && s.tokens[k + 1].pos === 'NOUN') continue;
      k++;
    }
    const j = skipAdverbs(s, k);
    const v = markVerbal(s, s.at(j));
    if (!v || !(v.pos === 'VERB' || v.pos === 'AUX')) continue;
    if (s.at(j + 1)?.lower === 'of' && v.pos === 'VERB') continue;
    const fix = one ? singularFix(v) : pluralFix(v, '');
    if (fix && fix !== v.lower) out.push(finding(s, j, j, [matchCase(v.text, fix)], `"${q.text} of ..." takes "${fix}".`));
  }
}

export default {
  name: 'SubjectVerbAgreement',
  errorType: 'MOPHOLOGY',
  stage: 'server.mor',
  explainType: 'agreement',
  catches: 'A present-tense verb that does not agree with its pronoun or noun subject.',
  examples: {
    fire: [['She have a brother in Canada.', 'have', 'has'], ['He go to work by bus.', 'go', 'goes'],
      ['They goes to the gym.', 'goes', 'go'], ['We is ready now.', 'is', 'are'], ['My sister live in Paris.', 'sister live', 'sister lives'],
      ['The old trees grows slowly.', 'trees grows', 'trees grow'], ['Everyone want a holiday.', 'want', 'wants'],
      ['I has a dog.', 'has', 'have'], ['One of my cousins live in Lima.', 'live', 'lives'], ['Most of the shops opens at nine.', 'opens', 'open'],
      ['Music help me relax.', 'Music help', 'Music helps'],
      ['Besides that it make the town quieter.', 'make', 'makes'], ['And prices goes up every year.', 'prices goes', 'prices go'],
      ['It proves that the students works hard.', 'students works', 'students work'],
      ['Endangered animals is a serious problem.', 'is', 'are'], ['Younger children learns quickly.', 'children learns', 'children learn'],
      ['The price of these phones are too high.', 'are', 'is'], ['The walls of the old house was cracked.', 'was', 'were']],
    quiet: ['She has a brother.', 'Let him go home.', 'If it were me, I would stay.', 'Does he know?', 'My mother and father are teachers.',
      'The people I met were kind.', 'He and she are friends.', 'The news is good.', 'I wish she were here.', 'They made it work.', 'One of the girls who sing is here.',
      'Most of the water is gone.', 'One of them is mine.', 'Some of us were late.',
      'I saw the film that my friends like.', 'And then it rained.', 'We gave the dog it.', 'So the children play outside.',
      'She was tired, but he let them stay.', 'Last week she put the keys on the table.', 'Used cars are cheaper.',
      'Visiting relatives is tiring.', 'Younger children learn quickly.', 'The rest of the guests were late.',
      'Part of the walls were painted.', 'The number of cars is growing.', 'The colour of the flowers that grow here is red.',
      'The majority of voters are young.', 'Most country have laws.', 'He eked out a living.', 'The cattle roam freely.',
      'Troops are ready.', 'The street where the President lives is closed.', 'It rained last night and it last night was cold.',
      'Henry I was king.', 'Sometimes she wished she were home.', 'She lives here, as it were.', 'He insisted that she pay.',
      'The events today were a repeat.', 'Her clothes were simple.', 'Statistics demonstrate it.', 'The bereaved do not always need help.',
      'A bomb scare led them out.'],
  },
  find(s) {
    const out = [];
    pronounFindings(s, out);
    nounFindings(s, out);
    partFindings(s, out);
    return out;
  },
};
