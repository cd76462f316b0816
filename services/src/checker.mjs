// The checking engine: harper.js lints mapped to the error types, edit types,
// feature keys and explanation types of the check protocol, plus enrichment
// (better word choices from WordNet) for overused plain words.
import { LocalLinter, Dialect } from 'harper.js';
// The engine's slim build: the same rules and findings as the full one, which
// also loads the slim module beside itself (about 15 MB less per worker).
import { slimBinary as binary } from 'harper.js/slimBinary';
import { ruleCorrections } from './rules/index.mjs';
import { lexiconTag, verbForms, singularOf } from './rules/lexicon.mjs';
import { mergeCorrections } from './merge.mjs';
import { Spelling, editDistance } from './spelling.mjs';

// Stage names of the chunk config lists.
export const STAGES = ['server.spell', 'server.real', 'server.mor', 'server.grammar', 'server.rule',
  'server.det', 'server.style', 'server.poststyle'];

// Overused plain words and the part of speech their enrichment keeps
// (Penn tag sent as errorInfo, WordNet part of speech).
const PLAIN_WORDS = new Map([
  ['good', ['JJ', 'a']], ['bad', ['JJ', 'a']], ['big', ['JJ', 'a']], ['small', ['JJ', 'a']],
  ['nice', ['JJ', 'a']], ['happy', ['JJ', 'a']], ['sad', ['JJ', 'a']], ['important', ['JJ', 'a']],
  ['interesting', ['JJ', 'a']], ['hard', ['JJ', 'a']], ['easy', ['JJ', 'a']], ['beautiful', ['JJ', 'a']],
  ['pretty', ['JJ', 'a']], ['funny', ['JJ', 'a']], ['old', ['JJ', 'a']], ['fast', ['JJ', 'a']],
  ['really', ['RB', 'r']], ['very', ['RB', 'r']], ['quickly', ['RB', 'r']],
  ['thing', ['NN', 'n']], ['things', ['NNS', 'n']], ['problem', ['NN', 'n']],
  ['get', ['VB', 'v']], ['make', ['VB', 'v']], ['show', ['VB', 'v']], ['help', ['VB', 'v']],
  ['use', ['VB', 'v']], ['say', ['VB', 'v']], ['think', ['VB', 'v']], ['want', ['VB', 'v']],
]);
// Enrichment candidates WordNet offers that are too rare or odd to propose.
const ENRICH_STOP = new Set(['bully', 'corking', 'cracking', 'dandy', 'groovy', 'peachy', 'swell', 'smashing', 'goodish', 'hot', 'slap-up', 'bang-up', 'keen', 'neat', 'nifty', 'old', 'full', 'white', 'banging', 'thumping', 'whopping', 'walloping', 'whacking', 'super', 'macro', 'let', 'have', 'go', 'rattling', 'rubber', 'catchy', 'master', 'micro',
  'oversize', 'demo', 'utilise', 'fleet', 'lousy', 'rotten', 'distinguished', 'newsworthy', 'solid', 'burning']);

export const ERROR_TYPES = ['NONWORD', 'REAL', 'MOPHOLOGY', 'GRAMMAR', 'STYLE', 'SUGGESTION', 'IMPROVE'];

const STYLE_KINDS = new Set(['Capitalization', 'Punctuation', 'Formatting', 'Style', 'Readability', 'Redundancy',
  'Repetition', 'Regionalism', 'Nonstandard']);
const POST_STYLE_KINDS = new Set(['Capitalization', 'Punctuation', 'Formatting']);
const REAL_KINDS = new Set(['WordChoice', 'Malapropism', 'Eggcorn']);
const WORD_RE = /^[A-Za-z][A-Za-z']*$/;

// Engine rules left out:
// - typography that plain text need not follow (dashes, ellipses, the
//   ellipsis character for three dots);
// - choices where both forms are standard (serial comma, "non-stop",
//   British words);
// - a rule that misreads learners' clauses ("I learned will help" ->
//   "learned to"), one that reads "they have interesting temples" as a
//   progressive, and a word-order preference ("would have never");
// - the engine's discourse-marker commas (the learner rule IntroductoryComma
//   covers them);
// - guesses that offer nothing: a missing preposition after "be" and an
//   adjective before a clause ("I am glad you came"), and "some" or "little"
//   before a number ("some 200 acres", "the little one").
export const ENGINE_RULES_OFF = ['LongSentences', 'Dashes', 'NumericRangeEnDash', 'EllipsisLength', 'OxfordComma',
  'DisjointPrefixes', 'Regionalisms', 'MissingTo', 'DiscourseMarkers', 'ProgressiveNeedsBe', 'WouldNeverHave',
  'MissingPreposition', 'UseEllipsisCharacter', 'QuantifierNumeralConflict'];

// Longest piece of text handed to the linter at once.
const LINT_WINDOW = 3000;
// A sentence with more words than this gets the length hint.
const LONG_SENTENCE_WORDS = 40;

// [start, end) pieces of a text of at most LINT_WINDOW characters, cut after a
// blank where there is one.
function windowsOf(text) {
  const out = [];
  let s = 0;
  while (text.length - s > LINT_WINDOW) {
    let cut = text.lastIndexOf(' ', s + LINT_WINDOW);
    if (cut <= s) cut = s + LINT_WINDOW;
    else cut += 1;
    out.push([s, cut]);
    s = cut;
  }
  out.push([s, text.length]);
  return out;
}

// A capitalised unknown word inside a sentence next to another capitalised
// word ("Diana Krall", "Jeju Island") is a name, not a misspelling.
function looksLikeName(sentence, raw) {
  if (!/^[A-Z][a-z]+$/.test(raw.problem)) return false;
  const before = sentence.slice(0, raw.start).trimEnd();
  // After a title ("Mr. Bacchan") or in "University of Belgrano".
  if (/\b(Mr|Mrs|Ms|Dr|Prof|St)\.?$/.test(before) || /\b[A-Z][a-z]+ of$/.test(before)) return true;
  if (before === '' || /[.!?:"]$/.test(before)) return false;
  const prev = (before.match(/(\S+)$/) || [''])[0];
  const next = (sentence.slice(raw.end).match(/^\s+(\S+)/) || ['', ''])[1];
  return /^[A-Z]/.test(prev) || /^[A-Z]/.test(next);
}

// A word set in quotation marks as a term ("the method called "disking"")
// or the first part of a hyphenated compound ("eco-friendly") is the
// writer's chosen word, not a misspelling.
function mentionedTerm(sentence, raw) {
  const before = sentence.slice(0, raw.start);
  const after = sentence.slice(raw.end);
  if (/["\u201c]\s?$/.test(before) && /^[,.]?\s?["\u201d]/.test(after)) return true;
  return /^[a-z]{2,4}$/.test(raw.problem) && /^-[a-z]{3,}/.test(after);
}

// A word the lexicon lists as a past tense, or a verb whose past tense is
// its plain form ("cast", "put").
function pastTenseVerb(word) {
  const w = word.toLowerCase();
  const forms = verbForms(w);
  return [lexiconTag(w)].flat().includes('PastTense') || (forms.PastTense === w && forms.PresentTense !== w);
}

export class Checker {
  // The linter starts compiling at once; the word lists may be handed in
  // later (before the first check) so that both load side by side.
  constructor({ vocabulary = null, wordnet = null } = {}) {
    this.vocabulary = vocabulary;
    this.wordnet = wordnet;
    this.linter = new LocalLinter({ binary, dialect: Dialect.American });
    // The engine's own long-sentence rule covers the whole sentence, and the
    // engine keeps only one of overlapping findings: every misspelling of a
    // sentence of more than 40 words would vanish behind it. The hint is
    // made here instead, for long sentences without other findings.
    this.ready = this.linter.setup().then(() => this.linter.setLintConfig(Object.fromEntries(ENGINE_RULES_OFF.map((r) => [r, false]))));
  }

  spelling() {
    this.speller ??= new Spelling(this.vocabulary);
    return this.speller;
  }

  commonCompound(word) {
    const w = word.trim().toLowerCase();
    if (!/^[a-z]+$/.test(w)) return false;
    return this.vocabulary.cefr.has(w) || this.vocabulary.cefr.has(singularOf(w));
  }

  // Whether WordNet has the word, or the stem of its -ed or -ing form. (A
  // stem of -s or -d would take "todays" and "maind" for words.)
  wordnetForm(word) {
    const w = word.toLowerCase();
    if (!/^[a-z]+$/.test(w)) return false;
    if (this.wordnet.has(w)) return true;
    const stems = [];
    for (const [end, add] of [['ed', ''], ['ed', 'e'], ['ing', ''], ['ing', 'e']]) {
      if (w.endsWith(end) && w.length - end.length >= 4) stems.push(w.slice(0, -end.length) + add);
    }
    return stems.some((x) => this.wordnet.has(x));
  }

  isWord(w) {
    return this.vocabulary.isKnown(w) || this.wordnet.has(w);
  }

  // Lints of several sentences in one call: they are joined as separate
  // paragraphs and every lint is given back to its sentence. A lint that
  // would cross a sentence boundary is dropped.
  async lintMany(sentences, titles) {
    await this.ready;
    const results = sentences.map(() => []);
    const groups = [false, true];
    for (const title of groups) {
      const idx = sentences.map((_, i) => i).filter((i) => Boolean(titles[i]) === title);
      if (idx.length === 0) continue;
      // Spans come in UTF-16 units, the client's character positions.
      // A very long sentence is linted in windows cut at blanks: the
      // linter's cost grows faster than the length of one paragraph.
      const starts = []; // offset of each piece in the joined text
      const owners = []; // sentence index, offset and length of each piece
      let pos = 0;
      const pieces = [];
      for (const i of idx) {
        for (const [a, b] of windowsOf(sentences[i])) {
          starts.push(pos);
          owners.push({ i, offset: a, length: b - a });
          pieces.push(sentences[i].slice(a, b));
          pos += b - a + 2;
        }
      }
      // The lints grouped by rule: one pass gives both the findings and the
      // rule names that the feature keys carry.
      const organized = await this.linter.organizedLints(pieces.join('\n\n'), { language: 'plaintext', forceAllHeadings: title });
      const lints = [];
      for (const [rule, list] of Object.entries(organized)) for (const lint of list) lints.push([rule, lint]);
      for (const [rule, lint] of lints) {
        try {
          const span = lint.span();
          let k = starts.length - 1;
          while (k > 0 && starts[k] > span.start) k--;
          const owner = owners[k];
          const local = { start: span.start - starts[k], end: span.end - starts[k] };
          if (local.end > owner.length || local.start < 0) continue;
          local.start += owner.offset;
          local.end += owner.offset;
          const suggestions = lint.suggestions().map((s) => {
            const out = { kind: s.kind(), text: s.get_replacement_text() };
            s.free();
            return out;
          });
          results[owner.i].push({
            rule, start: local.start, end: local.end, kind: lint.lint_kind(), message: lint.message(),
            problem: lint.get_problem_text(), suggestions,
          });
        } finally {
          lint.free();
        }
      }
    }
    return results;
  }

  // The length hint for each sentence of a chunk that has more than
  // LONG_SENTENCE_WORDS words and no other finding.
  longSentenceHints(text, lints) {
    const out = [];
    const re = /[^.!?]*(?:[.!?]+|$)/g;
    let m;
    while ((m = re.exec(text)) && m[0].length > 0) {
      const piece = m[0];
      const lead = piece.length - piece.trimStart().length;
      const start = m.index + lead;
      const end = m.index + piece.trimEnd().length;
      const words = (piece.match(/[\p{L}\p{N}]+(?:['\u2019][\p{L}]+)*/gu) || []).length;
      if (words > LONG_SENTENCE_WORDS && !lints.some((l) => l.start < end && l.end > start)) {
        out.push({ hint: true, start, end, kind: 'Readability', rule: 'LongSentences', message: `This sentence is ${words} words long.`,
          problem: text.slice(start, end), suggestions: [] });
      }
    }
    return out;
  }

  classify(raw, rule) {
    const problem = raw.problem.trim();
    const first = raw.suggestions[0];
    const firstText = first ? first.text.trim() : '';
    const singleWord = WORD_RE.test(problem);
    const unknownWord = singleWord && !this.isWord(problem);
    const caseOnly = first && firstText.toLowerCase() === problem.toLowerCase();
    if (raw.kind === 'Spelling') return { type: 'NONWORD', stage: 'server.spell', explain: 'spelling' };
    // "wether" -> "wet her": a word learners rarely mean, offered only as two
    // words, is a misspelling of a nearer common word.
    if (singleWord && this.spelling().onlySplits(problem, raw.suggestions.map((s) => s.text), this.isWord(problem))) {
      return { type: 'NONWORD', stage: 'server.spell', explain: 'spelling' };
    }
    if ((raw.kind === 'Typo' || raw.kind === 'BoundaryError') && unknownWord) {
      return { type: 'NONWORD', stage: 'server.spell', explain: 'spelling' };
    }
    // The length hint is advice about a correct sentence, shown as a suggestion.
    if (rule === 'LongSentences') return { type: 'SUGGESTION', stage: 'server.style', explain: 'style' };
    if (rule === 'RepeatedWords' || raw.kind === 'Repetition' || (raw.kind === 'Typo' && /^(\w+)\s+\1$/i.test(problem))) {
      return { type: 'STYLE', stage: 'server.style', explain: 'repetition' };
    }
    if (rule === 'AnA' || /article/i.test(raw.message) || /Determiner|Article/.test(rule || '')) {
      return { type: 'GRAMMAR', stage: 'server.det', explain: 'article' };
    }
    // "Its" for "It's": a real word for another one, whatever the engine calls it.
    if (raw.kind === 'Punctuation' && singleWord && WORD_RE.test(firstText) && !caseOnly && this.isWord(problem)) {
      return { type: 'REAL', stage: 'server.real', explain: 'confused' };
    }
    if (STYLE_KINDS.has(raw.kind) || caseOnly) {
      const kindKey = raw.kind === 'Capitalization' || caseOnly ? 'capitalization'
        : raw.kind === 'Punctuation' || raw.kind === 'Formatting' ? 'punctuation' : 'style';
      const stage = POST_STYLE_KINDS.has(raw.kind) || caseOnly ? 'server.poststyle' : 'server.style';
      return { type: 'STYLE', stage, explain: kindKey };
    }
    if (raw.kind === 'Enhancement') return { type: 'SUGGESTION', stage: 'server.poststyle', explain: 'suggestion' };
    const oneWordFix = singleWord && WORD_RE.test(firstText);
    if ((raw.kind === 'Agreement' || raw.kind === 'Grammar') && oneWordFix && this.vocabulary.sameLemma(problem, firstText)) {
      return { type: 'MOPHOLOGY', stage: 'server.mor', explain: 'wordform' };
    }
    if (raw.kind === 'Agreement') return { type: 'GRAMMAR', stage: 'server.grammar', explain: 'agreement' };
    if (REAL_KINDS.has(raw.kind) || ((raw.kind === 'Grammar' || raw.kind === 'Typo') && oneWordFix)) {
      return { type: 'REAL', stage: 'server.real', explain: 'confused' };
    }
    if (raw.kind === 'Miscellaneous' || raw.kind === 'Usage' || raw.kind === 'WordOrder') {
      return { type: 'GRAMMAR', stage: 'server.rule', explain: 'usage' };
    }
    return { type: 'GRAMMAR', stage: 'server.grammar', explain: 'grammar' };
  }

  // Candidates of a lint as the client applies them: REPLACE puts the text in
  // place of the span, DELETION leaves one blank where the span (with its
  // blanks) was, INSERTION puts the text and a blank before the span.
  candidates(raw, sentence) {
    const out = [];
    let { start, end } = raw;
    const seen = new Set();
    raw.suggestions.forEach((s, i) => {
      const score = Math.round(0.95 * Math.pow(0.8, i) * 1000) / 1000;
      if (s.kind === 1) {
        if (seen.has('\u0000del')) return;
        seen.add('\u0000del');
        out.push({ correction: '', candidateType: 'DELETION', score, originalScore: 0.05 });
        return;
      }
      const text = (s.kind === 2 ? raw.problem + s.text : s.text).trim();
      if (!text) return;
      if (seen.has(text) || text === raw.problem) return;
      seen.add(text);
      out.push({ correction: text, candidateType: 'REPLACE', score, originalScore: 0.05 });
    });
    // A deletion span takes its blanks along, so that the single blank the
    // client leaves joins the words on both sides.
    if (out.length && out[0].candidateType === 'DELETION') {
      if (start > 0 && sentence[start - 1] === ' ') start--;
      if (end < sentence.length && sentence[end] === ' ') end++;
    }
    return { start, end, candidates: out.slice(0, 5) };
  }

  // A misspelling's candidates: nearest and commonest words first, splits
  // last; a word offered only as a split gets the near common words before it.
  spellingCandidates(word, candidates) {
    if (!/^[A-Za-z']+$/.test(word) || candidates.some((c) => c.candidateType !== 'REPLACE')) return candidates;
    const sp = this.spelling();
    let texts = candidates.map((c) => c.correction);
    const keep = /^[A-Z]/.test(word) ? (w) => w[0].toUpperCase() + w.slice(1) : (w) => w;
    if (sp.onlySplits(word, texts, this.isWord(word))) {
      texts = [...sp.near(word).map(keep).filter((w) => !texts.includes(w)), ...texts];
    } else if (texts.length > 0 && texts.every((t) => t.includes(' ') && t.replace(/\s+/g, '').toLowerCase() === word.toLowerCase())
      && !/^an? /i.test(texts[0])) {
      // An unknown word offered only as a split ("belive" -> "be live") is
      // more often a common word one letter off ("believe"); a split after
      // "a" ("alot", "arisky") is the usual run-together article.
      const close = sp.near(word).filter((w) => editDistance(word.toLowerCase(), w, 1) <= 1);
      if (close.length) texts = [...close.map(keep), ...texts];
    }
    return sp.rank(word, texts).slice(0, 5).map((correction, i) => ({
      correction, candidateType: 'REPLACE', score: Math.round(0.95 * Math.pow(0.8, i) * 1000) / 1000, originalScore: 0.05,
    }));
  }

  enrichment(sentence, taken) {
    const out = [];
    const re = /[A-Za-z]+/g;
    let m;
    while ((m = re.exec(sentence))) {
      const word = m[0];
      const plain = PLAIN_WORDS.get(word.toLowerCase());
      if (!plain) continue;
      const start = m.index;
      const end = start + word.length;
      if (taken.some(([s, e]) => start < e && end > s)) continue;
      // Never a name ("Big Ben"): a capital inside the sentence, or a
      // capitalised word next to it.
      if (/^[A-Z]/.test(word)) {
        const before = sentence.slice(0, start).trim();
        const next = (sentence.slice(end).match(/^\s+(\S)/) || ['', ''])[1];
        if (before !== '' && !/[.!?:"]$/.test(before)) continue;
        if (/[A-Z]/.test(next)) continue;
      }
      const [tag, pos] = plain;
      const base = word.toLowerCase().replace(/s$/, (x) => (tag === 'NNS' ? '' : x));
      const options = this.enrichmentOptions(base, pos, tag);
      if (options.length === 0) continue;
      const keep = word[0] === word[0].toUpperCase() ? (w) => w[0].toUpperCase() + w.slice(1) : (w) => w;
      out.push({
        loc: 0, start, end, errorInfo: tag, errorType: 'IMPROVE', explainType: 'lexsub',
        featureKeys: [base, ...options],
        candidates: options.map((w, i) => ({ correction: keep(w), candidateType: 'REPLACE', score: Math.round(0.6 * Math.pow(0.85, i) * 1000) / 1000, originalScore: 0.4 })),
      });
      // One suggestion a sentence is enough; more read as nagging.
      break;
    }
    return out;
  }

  // Whether the alternative's most common sense is the plain word's most
  // common sense or one WordNet lists as similar to it: "huge" for "big"
  // passes, "ample" (mostly "more than enough") does not.
  sameMainSense(word, alt, pos) {
    const first = (w) => this.wordnet.lookup(w).find((x) => (x.pos === 's' ? 'a' : x.pos) === pos);
    const a = first(word);
    const b = first(alt);
    if (!a || !b) return false;
    if (a.offset === b.offset) return true;
    const linked = (x, y) => x.pointers.some((p) => p.symbol === '&' && p.offset === y.offset);
    return linked(a, b) || linked(b, a);
  }

  // Better words for a plain word, worked out once per word.
  enrichmentOptions(base, pos, tag) {
    this.enrichCache ??= new Map();
    const key = `${base}/${tag}`;
    if (this.enrichCache.has(key)) return this.enrichCache.get(key);
    const own = this.vocabulary.cefrLevel(base);
    // The word's most common sense and the words similar to it; only words
    // the CEFR lists hold themselves (not through a lemma) are offered.
    const options = this.wordnet.synonyms(base, pos, 1)
      .filter((w) => /^[a-z]+$/.test(w) && !ENRICH_STOP.has(w) && this.vocabulary.cefr.has(w) && this.sameMainSense(base, w, pos))
      .map((w, order) => ({ w, level: this.vocabulary.cefr.get(w), order }))
      .filter((o) => o.level >= Math.max(2, own + 1) && o.level <= 3)
      .sort((a, b) => a.level - b.level || a.order - b.order)
      .slice(0, 3)
      .map((o) => (tag === 'NNS' ? `${o.w}s` : o.w));
    this.enrichCache.set(key, options);
    return options;
  }

  // Corrections of checked sentences. `configs[i]` is the stage table of
  // sentence i (name -> value); a stage whose value is "0" or that is
  // missing is not run.
  async check(sentences, configs, { titles = [], enrich = true, rules = true } = {}) {
    const raws = await this.lintMany(sentences, titles);
    for (let i = 0; i < sentences.length; i++) raws[i].push(...this.longSentenceHints(sentences[i], raws[i]));
    const results = [];
    for (let i = 0; i < sentences.length; i++) {
      const sentence = sentences[i];
      const stages = configs[i];
      const enabled = (stage) => stages.has(stage) && stages.get(stage) !== '0';
      let corrections = [];
      for (const raw of raws[i]) {
        const rule = raw.rule || raw.kind;
        if (raw.kind === 'Spelling' && (looksLikeName(sentence, raw) || mentionedTerm(sentence, raw))) continue;
        // An abbreviation with its full stop ("etc.." at the end of a
        // sentence): the engine itself offers the word with the stop.
        if (raw.kind === 'Spelling' && sentence[raw.end] === '.' && raw.suggestions.some((x) => x.text === `${raw.problem}.`)) continue;
        // "may" and "march" are the modal and the verb far more often than months.
        if (rule === 'Months' && /^(may|march)$/.test(raw.problem)) continue;
        // "I was there yesterday": a day word after "there" is no noun of "their".
        if (rule === 'ThereToTheir' && /^\s+(yesterday|today|tomorrow|tonight)\b/i.test(sentence.slice(raw.end))) continue;
        // "She woke up", "He fed on": the engine's pronoun agreement takes a
        // past tense for a plain verb, and then offers nothing or a wrong form.
        if (rule === 'PronounVerbAgreement' && (!raw.suggestions.length || pastTenseVerb(raw.problem.trim()))) continue;
        // Two nouns written as one: only into a word of the learners' word
        // lists ("home work" -> "homework"); "health care", "rock star" and
        // "car go" stay apart.
        if (rule === 'CompoundNouns' && !this.commonCompound(raw.suggestions[0]?.text || '')) continue;
        // A rare word the engine's dictionary lacks is no run-together pair
        // when WordNet has it or its stem ("underdressed", "countermined") and no
        // common word is near it (unlike "wether", meant as "whether").
        if (rule === 'SplitWords' && this.wordnetForm(raw.problem.trim()) && !this.spelling().near(raw.problem.trim()).length) continue;
        // "let out", "she let": a phrasal verb or a past, not "let's".
        if (rule === 'LetsConfusion' && (/^\s*(out|in|down|up|off|go|loose|alone)\b/i.test(sentence.slice(raw.end))
          || /\b(i|you|he|she|it|we|they|who|and|to)\s+$/i.test(sentence.slice(0, raw.start)))) continue;
        // An abbreviation in capitals is no half of a split word ("an ENT").
        if (rule === 'MergeWords' && /\b[A-Z]{2,}\b/.test(raw.problem)) continue;
        if (!raw.hint && ENGINE_RULES_OFF.includes(rule)) continue;
        const kind = this.classify(raw, rule);
        if (!enabled(kind.stage)) continue;
        let { start, end, candidates } = this.candidates(raw, sentence);
        // The engine's run-together phrases ("infact", "aswell") keep its
        // split first; other misspellings are ranked.
        if (kind.type === 'NONWORD' && rule !== 'OpenCompounds') candidates = this.spellingCandidates(raw.problem.trim(), candidates);
        corrections.push({
          loc: raw.start, start, end, errorInfo: raw.message,
          errorType: kind.type, explainType: kind.explain, featureKeys: [rule, raw.kind], candidates,
        });
      }
      if (rules) corrections = mergeCorrections(corrections, ruleCorrections(sentence, enabled));
      if (enrich && enabled('server.poststyle')) {
        corrections.push(...this.enrichment(sentence, corrections.map((c) => [c.start, c.end])));
      }
      corrections.sort((a, b) => a.start - b.start || a.end - b.end);
      results.push(corrections);
    }
    return results;
  }
}
