// Feelings are told with the -ed adjective, what causes them with the -ing
// one: "I am interesting in art" (interested in), "we were boring with the
// film" (bored with). The -ing form before the preposition that goes with
// the feeling is the slip.
import { verbForms, matchCase } from './lexicon.mjs';
import { finding, FEELING_PARTICIPLES } from './grammar.mjs';

// -ing adjective -> prepositions that follow only the -ed adjective.
const FEELING = new Map([['interesting', ['in']], ['boring', ['with', 'of']], ['exciting', ['about']], ['worrying', ['about']],
  ['satisfying', ['with']], ['frightening', ['of']], ['tiring', ['of']], ['confusing', ['about']], ['disappointing', ['with', 'in']],
  ['annoying', ['with', 'at']], ['embarrassing', ['about']], ['amazing', ['at']], ['surprising', ['at']], ['terrifying', ['of']],
  ['pleasing', ['with']], ['frustrating', ['with']], ['exhausting', ['from']], ['depressing', ['about']]]);

// Things that cause a feeling and cannot have one: "the film was bored".
const THINGS = /^(film|films|movie|movies|book|books|lesson|lessons|lecture|lectures|game|games|story|stories|trip|trips|journey|job|jobs|programme|program|show|shows|speech|course|courses|subject|subjects|match|news|result|results|novel|novels|documentary|article|museum|tour|weekend|holiday|holidays|vacation|day|work|homework|exam|test)$/;

// "The film was (very) bored": after a thing and a form of "be", at the end
// of the clause, the feeling word is what the thing causes.
function causesFelt(s, out) {
  s.tokens.forEach((t, i) => {
    if (!FEELING_PARTICIPLES.test(t.lower)) return;
    let k = i - 1;
    while (k >= 0 && /^(very|so|really|too|quite|extremely|not|always|never|a|bit|little|rather)$/.test(s.tokens[k].lower)) k--;
    if (k < 1 || !/^(is|are|was|were|be|been)$/.test(s.tokens[k].lower)) return;
    const subject = s.tokens[k - 1];
    if (!THINGS.test(subject.lower) || subject.pos !== 'NOUN') return;
    const after = s.at(i + 1);
    if (after && !(/^[.,!?;:]$/.test(after.text) || /^(and|but|because|so)$/.test(after.lower))) return;
    const ing = verbForms(t.lemma && t.lemma !== t.lower ? t.lemma : t.lower.replace(/d$/, '').replace(/ie$/, 'y')).Gerund;
    if (!ing || !/ing$/.test(ing)) return;
    out.push(finding(s, i, i, [matchCase(t.text, ing)], `"${t.text}" is how a person feels; the ${subject.text} is "${ing}".`));
  });
}

export default {
  name: 'ParticipleAdjective',
  errorType: 'MOPHOLOGY',
  stage: 'server.mor',
  explainType: 'wordform',
  catches: 'An -ing adjective of feeling ("interesting", "boring", "exciting") before the preposition that goes with the -ed form ("interested in"), and an -ed one said of a film, a book, a lesson and the like ("the film was bored").',
  examples: {
    fire: [['I am very interesting in history.', 'interesting', 'interested'], ['We were boring with the long film.', 'boring', 'bored'],
      ['She is exciting about the trip.', 'exciting', 'excited'], ['The film was very bored.', 'bored', 'boring'],
      ['The lessons are confused, so I ask a lot.', 'confused', 'confusing']],
    quiet: ['I am interested in history.', 'The book is interesting.', 'It is interesting in many ways.', 'The trip is exciting for us.',
      'Boring with a drill is slow.', 'The class was bored by the talk.', 'The children were bored.', 'The job was finished.',
      'The class was interested in art.', 'The whole class was bored.', 'The town was shocked.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      const preps = FEELING.get(t.lower);
      if (!preps || i === 0) return;
      const p = s.at(i + 1);
      if (!p || !preps.includes(p.lower)) return;
      // "interesting in many ways": "in" starting a phrase of manner.
      if (p.lower === 'in' && /^(many|some|several|a|this|that|other|every)$/.test(s.at(i + 2)?.lower || '') && /^(ways?|respects?|sense|way)$/.test(s.at(i + 3)?.lower || s.at(i + 2)?.lower || '')) return;
      // A person or a feeling word before it: after a form of "be", "feel" or "get" (and an adverb).
      let k = i - 1;
      while (k >= 0 && /^(very|so|really|too|quite|extremely|more|most|not|always|never|also)$/.test(s.tokens[k].lower)) k--;
      if (k < 0 || !/^(am|is|are|was|were|be|been|being|feel|feels|felt|get|gets|got|become|became|'m|'re|'s)$/.test(s.tokens[k].lower)) return;
      const ed = verbForms(t.lemma && t.lemma !== t.lower ? t.lemma : t.lower.replace(/ing$/, '')).Participle;
      if (!ed || !/ed$/.test(ed)) return;
      out.push(finding(s, i, i, [matchCase(t.text, ed)], `A feeling is told with "${ed}"; "${t.text}" is what causes it.`));
    });
    causesFelt(s, out);
    return out;
  },
};
