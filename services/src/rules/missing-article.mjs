// A singular countable noun with an adjective and no article after "be",
// "have" and the like: "He is good student", "It was big problem", "I have
// new car". The article goes before the adjective.
import { pluralOf, isUncountable, lexiconTag, matchCase } from './lexicon.mjs';
import { nounNumber, finding } from './grammar.mjs';

// Nouns used without an article as often as with one.
const OFTEN_BARE = new Set(['time', 'work', 'life', 'weather', 'sense', 'practice', 'fun', 'food', 'water', 'art', 'love',
  'help', 'luck', 'business', 'progress', 'health', 'nature', 'space', 'power', 'energy', 'software', 'stuff', 'trouble',
  'fashion', 'quality', 'value', 'rain', 'snow', 'sport', 'breakfast', 'lunch', 'dinner', 'class', 'school', 'home',
  'church', 'bed', 'college', 'university', 'television', 'tv', 'experience', 'access', 'place', 'care', 'use', 'fire',
  'light', 'attention', 'interest', 'pleasure', 'pain', 'fear', 'hope', 'faith', 'truth', 'age', 'data', 'law', 'language',
  'english', 'history', 'science', 'mathematics', 'math', 'physics', 'chemistry', 'biology', 'money', 'transport', 'media',
  'society', 'technology', 'industry', 'government', 'research', 'behavior', 'behaviour', 'fact', 'course', 'order', 'part',
  'side', 'fault', 'sale', 'hand', 'foot', 'top', 'bottom', 'front', 'back', 'way', 'kind', 'sort', 'type', 'lot', 'plenty',
  'enough', 'most', 'half', 'thing', 'something', 'room', 'pressure', 'stress', 'damage', 'change', 'control', 'cost',
  'demand', 'opportunity', 'noise', 'permission', 'price', 'space', 'skill', 'potential', 'risk', 'strength', 'talent', 'waste']);
const ABSTRACT = /(ness|ity|ism|ment|ance|ence|tion|sion|ing|ure|ship|hood|dom|ics|age|th|cy)$/;

export function countableSingular(t) {
  if (nounNumber(t) !== 'singular' || t.pos !== 'NOUN') return false;
  if (/^(today|tonight|tomorrow|yesterday)$/.test(t.lower)) return false;
  if (OFTEN_BARE.has(t.lower) || isUncountable(t.lower) || ABSTRACT.test(t.lower)) return false;
  if (/Uncountable|Plural|Adjective/.test(lexiconTag(t.lower))) return false;
  return pluralOf(t.lower) !== t.lower;
}

const indefinite = (word) => (/^[aeio]/i.test(word) || /^u(?!ni|se|su|ro)/i.test(word) || /^hon/i.test(word) ? 'an' : 'a');

// A singular noun for a person ("student", "scientist", "friend") with no
// article, owner or number before it, after a preposition, a verb or a
// conjunction: "if person", "than young person", "are good friend". English
// never leaves such a noun bare, except "man" for mankind.
// People the lexicon does not mark as such.
const PEOPLE = new Set(['student', 'kid', 'engineer', 'traveller', 'consumer', 'adult', 'owner', 'neighbour', 'classmate']);

function bareNounsOfPeople(s, out) {
  s.tokens.forEach((t, i) => {
    if (t.pos !== 'NOUN' || t.lower === 'man' || !(PEOPLE.has(t.lower) || [lexiconTag(t.lower)].flat().includes('Actor'))) return;
    if (!countableSingular(t)) return;
    const next = s.at(i + 1);
    if (next && (/^(NOUN|PROPN|NUM)$/.test(next.pos) || /^('s|-|of)$/.test(next.lower))) return;
    // Back over adjectives, -ly adverbs and participles ("the misbehaving
    // student", "the highest-ranked player").
    let k = i - 1;
    const modifier = (x) => x.pos === 'ADJ' || (x.pos === 'ADV' && /ly$/.test(x.lower)) || (x.pos === 'VERB' && /(ing|ed)$/.test(x.lower));
    while (k >= 0 && modifier(s.tokens[k])) k--;
    if (k + 1 < i && s.tokens[k + 1].pos === 'VERB' && !(s.at(k)?.pos === 'ADP')) return;
    const p = s.at(k);
    if (!p || /^(by|per|like|as|that|this|what|which|whose|every|each|no|any|some|another|of|be|become|became|elected|appointed|named|chosen|remain|remained)$/.test(p.lower)) return;
    // "his sworn brother", "this well known writer": a participle after a
    // determiner or an adverb belongs to the noun phrase.
    if (p.pos === 'VERB' && /^(DET|PRON|ADV)$/.test(s.at(k - 1)?.pos || '')) return;
    // "in person", "from father to son", "parent and child", "let mother
    // do it": set phrases, pairs and family words used as names.
    if (/^(mother|father|mom|mum|dad|grandma|grandpa|granny)$/.test(t.lower)) return;
    if ((p.lower === 'in' && t.lower === 'person') || /^(and|or)$/.test(next?.lower || '') || (next?.lower === 'to' && s.at(i + 2)?.pos === 'NOUN') || /^(and|or)$/.test(s.at(k)?.lower || '')
      || (p.lower === 'to' && s.at(k - 1)?.pos === 'NOUN')) return;
    if (!/^(ADP|VERB|AUX|SCONJ)$/.test(p.pos)) return;
    // Titles and forms of address: "as chairman", "became president".
    if (/^(president|chairman|king|queen|captain|head|leader|mayor|director|chair|secretary|treasurer|member)$/.test(t.lower)) return;
    const adjectives = k + 1 < i ? `${s.slice(k + 1, i - 1)} ` : '';
    const mends = [`${indefinite(s.tokens[k + 1].lower)} ${s.slice(k + 1, i)}`, `${adjectives}${matchCase(t.text, pluralOf(t.lower))}`];
    out.push(finding(s, k + 1, i, mends, `"${t.text}" is a countable noun: it needs an article, or the plural.`));
  });
}

export default {
  name: 'MissingArticle',
  errorType: 'GRAMMAR',
  stage: 'server.det',
  explainType: 'article',
  catches: 'A singular countable noun after an adjective, following "be" or "have", with no article; a singular noun for a person with no article or owner.',
  examples: {
    fire: [['He is good student.', 'good', 'a good'], ['It was big problem for us.', 'big', 'a big'], ['I have new car.', 'new', 'a new'],
      ['She is honest person.', 'honest', 'an honest'], ['Ask yourself what you would do if person asked you.', 'person', 'a person'],
      ['He is older than young student in my class.', 'young student', 'a young student'], ['It is hard for teenager to save.', 'teenager', 'a teenager']],
    quiet: ['He is a good student.', 'It was hard work.', 'I have good news.', 'They are good students.', 'It is high time.',
      'She is very happy.', 'I have much experience.', 'It was nice weather.', 'The tomatoes are nice today.',
      'He was elected president.', 'The need for man to travel is old.', 'We spoke with that person.', 'She works as teacher.',
      'Student numbers rose.', 'I met a student of physics.', 'He went by taxi driver rules.',
      'She told the misbehaving student off.', 'She is a very controlling mother.', 'He was the highest-ranked player.',
      'His turn of phrase was neat.', 'Atlanta was chosen to be host.', 'We met in person.', 'It passed from father to son.',
      'He became his sworn brother.', 'This well known writer came.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (!/^(is|was|be|been|am|are|were|become|became|have|has|had|need|needs|needed|want|wants|wanted|buy|bought|get|got|find|found)$/.test(t.lower)) return;
      const a = s.at(i + 1);
      if (!a || a.pos !== 'ADJ' || /^(more|most|less|least|such|many|much|few|enough|other|own|same|next|last|first|only|main|whole|every|several|various|numerous|some|any|all|both|no|certain|each|little)$/.test(a.lower)) return;
      const n = s.at(i + 2);
      if (!n || !countableSingular(n)) return;
      const after = s.at(i + 3);
      if (after && !(/^[.,!?;:]$/.test(after.text) || /^(for|to|in|at|of|on|with|that|who|which|and|but|because|when)$/.test(after.lower))) return;
      out.push(finding(s, i + 1, i + 1, [`${indefinite(a.lower)} ${a.text}`, `the ${a.text}`], `"${n.text}" is a countable noun: it needs an article.`));
    });
    bareNounsOfPeople(s, out);
    return out;
  },
};
