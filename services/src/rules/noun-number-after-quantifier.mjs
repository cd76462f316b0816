// A countable noun after a number above one or a plural quantifier is
// plural: "two cat", "many problem", "several reason", "one of the best
// way", "these thing".
import { pluralOf, matchCase, lexiconTag } from './lexicon.mjs';
import { NUMBER_WORDS, finding, singularForm, asNoun } from './grammar.mjs';
import { countableSingular } from './missing-article.mjs';

const PLURAL_QUANTIFIERS = new Set(['many', 'several', 'few', 'various', 'numerous', 'these', 'those', 'both', 'multiple',
  'countless']);

// The head noun of the phrase that starts at k (adjectives may come first).
function headAfter(s, k, verbMayFollow = false) {
  let j = k;
  while (s.at(j) && s.tokens[j].pos === 'ADJ' && asNoun(s, s.tokens[j]) === s.tokens[j]) j++;
  const head = asNoun(s, s.at(j));
  if (!head || head.pos !== 'NOUN') return -1;
  // "two bus stops": the last noun of a compound is the head; but a word
  // the lexicon knows first as a present verb is the sentence's verb ("one
  // of my friend lives here", which the tagger reads as a compound).
  const next = s.at(j + 1);
  if (next && next.pos === 'NOUN' && !(verbMayFollow && lexiconTag(next.lower) === 'PresentTense' && !/^(AUX|VERB)$/.test(s.at(j + 2)?.pos || ''))) return -1;
  // "two kind of": the kind words count like any noun before "of".
  if (next && /^(of|'s|-)$/.test(next.lower) && !(next.lower === 'of' && /^(kind|type|sort)$/.test(head.lower))) return -1;
  if (lexiconTag(head.lower) === 'Gerund') return -1; // "both winning and losing"
  // "these tooth pastes will": an -s word the tagger took for a verb, with
  // the verb after it, is the head of a compound.
  if (next && next.pos === 'VERB' && /s$/.test(next.lower) && (!verbMayFollow || /^(AUX|VERB|PUNCT)$/.test(s.at(j + 2)?.pos || 'PUNCT'))) return -1;
  return j;
}

// The word before i, past any -ly adverbs ("a radically different").
function wordBeforeAdverbs(s, i) {
  let k = i - 1;
  while (k >= 0 && s.tokens[k].pos === 'ADV' && /ly$/.test(s.tokens[k].lower)) k--;
  return s.at(k);
}

// Words before "other" or "different" that make the phrase singular.
const OWNER_OR_ARTICLE = /^(the|a|an|any|each|every|no|some|one|my|his|her|their|our|your|its|this|that|whose|on|in|of)$/;

// "understand certain thing": after a verb, "certain" is the quantifier
// unless the verb links it to its subject ("feel certain", "make certain").
function certainAfterVerb(s, t, i) {
  const prev = s.at(i - 1);
  return t.lower === 'certain' && t.pos === 'ADJ' && prev?.pos === 'VERB'
    && !/^(feel|seem|look|appear|sound|become|make|remain|stay|get|grow)$/.test(prev.lemma);
}

export default {
  name: 'NounNumber',
  errorType: 'MOPHOLOGY',
  stage: 'server.mor',
  explainType: 'wordform',
  catches: 'A singular countable noun after a number above one, "many", "several", "most", "these" or "one of the".',
  examples: {
    fire: [['She has two cat.', 'cat', 'cats'], ['There are many problem in this city.', 'problem', 'problems'],
      ['It is one of the best way to learn.', 'way', 'ways'], ['I bought three new book.', 'book', 'books'],
      ['These thing are important.', 'thing', 'things'], ['There are a lot of problem here.', 'problem', 'problems'], ['Some of the student left.', 'student', 'students'],
      ['We met many family in the village.', 'family', 'families'], ['There are three kind of tea.', 'kind', 'kinds'], 
      ['He talked with other student after class.', 'other student', 'other students'], ['People from different country came.', 'country', 'countries'],
      ['You must accept certain rule here.', 'rule', 'rules'], ['Most student like music.', 'student', 'students'],
      ['One of my friend lives in Rome.', 'friend', 'friends']],
    quiet: ['She has two cats.', 'I waited two hours.', 'Many people came.', 'It is one of the best ways.', 'Two bus stops are near.',
      'He is twenty years old.', 'These days are hot.', 'Both of them came.', 'Many thanks.', 'A lot of time.', 'Lots of money.', 'Some of the work is done.', 'Some time ago.', 'Some water.', 'Some say this is true.', 'She has a 12 year old son.', 'These tooth brushes are cheap.',
      'The other student left.', 'On the other hand, it is cheap.', 'Every other day we swim.', 'Other people agree.', 'She is different person now.', 'In other words, no.', 'Try something different like painting.',
      'A certain man came by.', 'Most people agree.', 'It is the most popular song.', 'It costs at most a dollar.', 'I am certain he left.', 'I know for certain she left.', 'They felt certain victory was near.',
      'One of my friends lives in Rome.', 'Two bus drivers came.', 'Many school buses are yellow.',
      'There were so many phone calls.', 'One of the accused spoke.', 'Both father and son came.', 'We grow several kinds of maple.',
      'Does 18 go into 54?', 'Some joker took my seat.', 'He hit four home runs in one game.', 'He was one of their best linemen.',
      'Checkout is at 12 noon.', 'Life depends on many chemical and physical processes.', 'The oxidation number of hydrogen is one.',
      'When two nations both resort to force, all lose.', 'I had to break a $100 bill.', 'It flew at 90 mph.', 'She took a radically different approach.',
      'It has three carbon and three nitrogen atoms.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      let k = -1;
      if ((NUMBER_WORDS.has(t.lower) && !/s$/.test(t.lower)) || (/^\d+$/.test(t.text) && Number(t.text) > 1 && Number(t.text) < 1000)) k = i + 1;
      else if (PLURAL_QUANTIFIERS.has(t.lower) && (t.pos === 'ADJ' || t.pos === 'DET' || (t.pos === 'PRON' && /^(these|those)$/.test(t.lower)))) {
        // "two nations both resort to": "both" after its noun, before the verb.
        if (t.lower === 'both' && /^(NOUN|PROPN|PRON)$/.test(s.at(i - 1)?.pos || '')) return;
        k = i + 1;
      }
      // "other", "different" or "certain" with no determiner before it
      // counts like "many": "with other driver", "in different country",
      // "understand certain thing".
      else if ((/^(other|different|certain)$/.test(t.lower) && t.pos === 'ADJ' && !OWNER_OR_ARTICLE.test(wordBeforeAdverbs(s, i)?.lower || '')
        && !(t.lower === 'certain' && s.at(i - 1)?.lower === 'for')
        && !/^(PRON|NOUN|PROPN|AUX|VERB)$/.test(s.at(i - 1)?.pos || '')) || certainAfterVerb(s, t, i)) {
        k = i + 1;
        const head = asNoun(s, s.at(headAfter(s, k)));
        if (!head || !countableSingular(head) || head.i !== i + 1 || /^(day|time|way|side|hand|place|kind|sort|type)$/.test(head.lower)) return;
      }
      else if (t.lower === 'one' && s.at(i + 1)?.lower === 'of' && /^(the|my|his|her|our|their|your|these|those)$/.test(s.at(i + 2)?.lower || '')) {
        k = i + 3;
        while (s.at(k) && /^(most|best|worst|biggest|greatest|main|few|many|important)$/.test(s.tokens[k].lower) && s.tokens[k].pos !== 'NOUN') k++;
      }
      // "most student": "most" straight before a noun, not a superlative
      // ("the most student-friendly") nor "at most".
      else if (t.lower === 'most' && /^(ADJ|DET)$/.test(t.pos) && !/^(the|a|an|at|for)$/.test(s.at(i - 1)?.lower || '')) {
        k = i + 1;
        const head = asNoun(s, s.at(headAfter(s, k)));
        if (!head || !countableSingular(head) || head.i !== i + 1) return;
      // ("some" before a singular noun is as often "a certain" or a mass
      // noun, "some joker", "some relief", and is left.)
      } else if (/^(lot|lots|plenty|number)$/.test(t.lower) && s.at(i + 1)?.lower === 'of' && (t.lower !== 'lot' || s.at(i - 1)?.lower === 'a')
        && !(t.lower === 'number' && s.at(i - 1)?.pos === 'NOUN')) { // "the oxidation number of hydrogen"
        k = i + 2;
        const head = asNoun(s, s.at(headAfter(s, k)));
        if (!head || !countableSingular(head)) return;
      } else if (/^(some|many|most|all|both|few|several)$/.test(t.lower) && s.at(i + 1)?.lower === 'of' && s.at(i + 2)?.lower === 'the') {
        k = i + 3;
        const head = asNoun(s, s.at(headAfter(s, k)));
        if (!head || !countableSingular(head)) return;
      }
      if (k < 0) return;
      // A figure names a year or an ordinal as often as a count: only "3 book";
      // "a $100 bill" is an amount, "90 mph" a unit.
      if (/^\d+$/.test(t.text) && (s.at(i + 1)?.pos !== 'NOUN' || /[$£€]$/.test(s.text.slice(0, t.start)))) return;
      if (/^(many|few|several)$/.test(t.lower) && s.at(i + 1)?.lower === 'time') return; // "many time": much time, or many times
      const prev = s.at(i - 1);
      if (prev && /^(the|a|an|every|each|of)$/.test(prev.lower) && NUMBER_WORDS.has(t.lower)) return; // "the two", "every two weeks" stays
      const j = headAfter(s, k, t.lower === 'one');
      if (j < 0) return;
      const head = asNoun(s, s.tokens[j]);
      if (!singularForm(head)) return;
      // "one of the accused": a participle used as a noun has no plural;
      // "linemen" is one already; "12 noon" is a time.
      if (/(ed|men)$/.test(head.lower) || /^(noon|midnight|stone)$/.test(head.lower) || head.lower.length <= 2 || !/[aeiouy]/.test(head.lower)) return;
      // "both father and son": two nouns joined.
      if (/^(and|or|nor)$/.test(s.at(j + 1)?.lower || '') && /^(NOUN|ADJ|NUM)$/.test(s.at(j + 2)?.pos || '')) return;
      // "How many times does 18 go into 54?": a verb after a figure.
      if (/^\d+$/.test(t.text) && lexiconTag(head.lower) === 'Infinitive') return;
      // "a 15 year old girl", "a ten mile long road": a measure used as an adjective.
      if (/^(old|long|tall|high|wide|deep|thick)$/.test(s.at(j + 1)?.lower || '')) return;
      // "these kind of" is common informal usage; "two kind of" is not.
      if (/^(kind|type|sort)$/.test(head.lower) && /^(these|those)$/.test(t.lower)) return;
      const plural = pluralOf(head.lower);
      if (!plural || plural === head.lower) return;
      const mends = [matchCase(head.text, plural)];
      if (t.lower === 'other') {
        out.push(finding(s, i, j, [`${t.text} ${mends[0]}`, matchCase(t.text, `another ${head.text}`)], `"${t.text}" before a countable noun asks for the plural "${plural}" or for "another".`));
        return;
      }
      out.push(finding(s, j, j, mends, `"${t.text}" counts more than one: use the plural "${plural}".`));
    });
    return out;
  },
};
