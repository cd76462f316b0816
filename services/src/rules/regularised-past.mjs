// An irregular verb given the regular -ed ending: "buyed", "teached",
// "choosed", "putted", "thinked". The verb's own past form is meant.
import { verbForms, lexiconTag, matchCase } from './lexicon.mjs';
import { finding } from './grammar.mjs';

// Bases a "-ed" word may come from: "putted" -> put, "choosed" -> choose,
// "teached" -> teach, "buyed" -> buy.
function basesOf(word) {
  const stem = word.slice(0, -2);
  const out = [stem, `${stem}e`];
  // "instilled", "travelled": a doubled "l" is the British regular past.
  if (/([^l])\1$/.test(stem)) out.push(stem.slice(0, -1));
  if (/ied$/.test(word)) out.push(`${word.slice(0, -3)}y`);
  return out;
}

// Verbs with a regular past beside the irregular one ("hanged" of a
// person, "dreamed", "learned", "knitted").
const BOTH_PASTS = new Set(['hang', 'dream', 'learn', 'spell', 'burn', 'leap', 'spoil', 'smell', 'dive', 'kneel', 'light',
  'weave', 'speed', 'shine', 'strive', 'prove', 'sew', 'mow', 'show', 'swell', 'thrive', 'wake', 'fit', 'wed', 'knit',
  'plead', 'sneak', 'dwell', 'spill', 'lean', 'broadcast', 'forecast', 'bid', 'shear', 'sow', 'spit', 'stave']);

export default {
  name: 'RegularisedPast',
  errorType: 'MOPHOLOGY',
  stage: 'server.mor',
  explainType: 'wordform',
  catches: 'A regular "-ed" past made of a verb whose past is irregular, such as "buyed" for "bought".',
  examples: {
    fire: [['I buyed a new phone.', 'buyed', 'bought'], ['She teached us English.', 'teached', 'taught'], ['He putted it away.', 'putted', 'put'],
      ['We choosed the red one.', 'choosed', 'chose']],
    quiet: ['I bought a new phone.', 'She played well.', 'He needed help.', 'The seed sprouted.', 'We showed them.', 'I agreed.',
      'The murderer was hanged.', 'Her words instilled hope.', 'We travelled far.', 'She dreamed of home.'],
  },
  find(s) {
    const out = [];
    s.tokens.forEach((t, i) => {
      if (!/^[a-z]{3,}ed$/i.test(t.text) || lexiconTag(t.lower)) return;
      for (const base of basesOf(t.lower)) {
        if (!/Infinitive|Verb/.test(lexiconTag(base)) || BOTH_PASTS.has(base)) continue;
        const f = verbForms(base);
        if (!f.PastTense || /ed$/.test(f.PastTense) || f.PastTense === t.lower) continue;
        const prev = s.at(i - 1);
        const perfect = prev && /^(have|has|had|been|be|is|are|was|were|'ve)$/.test(prev.lower);
        out.push(finding(s, i, i, [matchCase(t.text, perfect ? f.Participle : f.PastTense), matchCase(t.text, perfect ? f.PastTense : f.Participle)],
          `"${base}" has an irregular past.`));
        return;
      }
    });
    return out;
  },
};
