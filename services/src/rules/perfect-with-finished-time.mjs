// The present perfect with a finished time: "I have seen him yesterday" (I
// saw him yesterday), "She has left two days ago" (She left). A time that is
// over takes the simple past. "since yesterday" and a time in another
// clause are left.
import { verbForms, matchCase } from './lexicon.mjs';
import { verbFormOf, skipAdverbs, finding } from './grammar.mjs';
import { pastMarker } from './past-time-marker.mjs';

const PLURAL_BE = /^(you|we|they)$/;

export default {
  name: 'PerfectWithFinishedTime',
  errorType: 'GRAMMAR',
  stage: 'server.grammar',
  explainType: 'grammar',
  catches: '"have" or "has" with a past participle in a clause that names a finished time (yesterday, last week, ago).',
  examples: {
    fire: [['I have seen him yesterday.', 'have seen', 'saw'], ['She has left two days ago.', 'has left', 'left'],
      ['We have been there last summer.', 'have been', 'were'], ['She has been to Paris last year.', 'has been', 'went']],
    quiet: ['I saw him yesterday.', 'He has been ill since yesterday.', 'I have seen him.', 'I have finished, but yesterday I was tired.',
      'Have you seen him yesterday?', 'I had seen him the day before yesterday.', 'They have lived here since last year.'],
  },
  find(s) {
    const marker = pastMarker(s);
    if (!marker || s.text.trim().endsWith('?')) return [];
    const out = [];
    s.tokens.forEach((t, i) => {
      if (!/^(have|has|'ve)$/.test(t.lower) || t.pos !== 'AUX' || i > marker.i) return;
      const j = skipAdverbs(s, i + 1);
      const v = s.at(j);
      if (!v || j >= marker.i || !/^(VERB|AUX)$/.test(v.pos) || !/^(participle|pastpart)$/.test(verbFormOf(v))) return;
      // The finished time must belong to this clause: nothing between that
      // opens another, and no "since" or "for" before it.
      const between = s.tokens.slice(j + 1, marker.i);
      if (between.some((x) => /^(,|;|and|but|because|when|while|since|for|until|after|before|that|which|who)$/.test(x.lower))) return;
      const subject = s.at(i - 1);
      let past = verbForms(v.lemma).PastTense;
      if (v.lemma === 'be') past = t.lower === 'has' || !PLURAL_BE.test(subject?.lower || '') ? 'was' : 'were';
      // "has been to Paris": a visit, "went".
      if (v.lower === 'been' && s.at(j + 1)?.lower === 'to') past = 'went';
      if (!past) return;
      const span = s.slice(i, j);
      const adverbs = s.tokens.slice(i + 1, j).map((x) => x.text);
      const mend = [...adverbs, past].join(' ');
      out.push(finding(s, i, j, [matchCase(span, mend)], 'A finished time takes the simple past, not "have" with a participle.'));
    });
    return out;
  },
};
