// Word lists shipped in ../data/vocabulary: CEFR levels, Chinese exam lists
// with their glosses, and the lemma table (inflected form -> lemma).
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

export const VOCABULARY_DIR = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../../data/vocabulary');

const CEFR_ORDER = ['A1', 'A2', 'B1', 'B2', 'C1', 'C2'];
// Exam lists, lowest level first ("BASE" is the high-school list; no IELTS list exists).
const EXAM_FILES = [
  ['BASE', 'examlists-Highschool_edited.txt'],
  ['CET4', 'examlists-CET4_edited.txt'],
  ['CET6', 'examlists-CET6_edited.txt'],
  ['TOEFL', 'examlists-TOEFL.txt'],
  ['GRE', 'examlists-GRE_8000_Words.txt'],
];
const CJK = /[\u3040-\u30ff\u3400-\u9fff\uf900-\ufaff]/;

function readLines(file) {
  try {
    return fs.readFileSync(path.join(VOCABULARY_DIR, file), 'utf8').replace(/^\uFEFF/, '').split(/\r?\n/);
  } catch {
    return [];
  }
}

// "a.m./A.M./am/AM" stands for each of its forms.
function headwordForms(head) {
  return head.split('/').map((s) => s.trim()).filter(Boolean);
}

// One line of an exam list: headword, optional [phonetics], gloss.
export function parseGlossLine(line) {
  const m = /^\s*([A-Za-z][A-Za-z.'\- ]*?)\s*(\[[^\]]*\])?\s+(.*)$/.exec(line);
  if (!m) return null;
  const gloss = m[3].trim();
  if (!CJK.test(gloss)) return null;
  return { word: m[1].trim(), gloss };
}

export class Vocabulary {
  constructor() {
    this.cefr = new Map(); // lower-case word -> index into CEFR_ORDER
    this.exam = new Map(); // lower-case word -> exam level name
    this.glosses = new Map(); // lower-case word -> [gloss, ...]
    this.lemmas = new Map(); // lower-case form -> Set of lemmas
    this.load();
  }

  load() {
    for (const file of ['cefrj-vocabulary-profile-1.5.csv', 'octanove-vocabulary-profile-c1c2-1.0.csv']) {
      for (const line of readLines(file).slice(1)) {
        const [head, , level] = line.split(',');
        const li = CEFR_ORDER.indexOf((level || '').trim());
        if (!head || li < 0) continue;
        for (const f of headwordForms(head)) {
          const k = f.toLowerCase();
          if (!this.cefr.has(k) || this.cefr.get(k) > li) this.cefr.set(k, li);
        }
      }
    }
    for (const [level, file] of EXAM_FILES) {
      for (const line of readLines(file)) {
        const g = parseGlossLine(line);
        const word = g ? g.word : line.trim();
        if (!/^[A-Za-z][A-Za-z.'\- ]*$/.test(word)) continue;
        const k = word.toLowerCase();
        if (!this.exam.has(k)) this.exam.set(k, level);
        if (g) {
          const list = this.glosses.get(k) || [];
          if (!list.includes(g.gloss)) list.push(g.gloss);
          this.glosses.set(k, list);
        }
      }
    }
    for (const line of readLines('lemmatization-en.txt')) {
      const tab = line.indexOf('\t');
      if (tab <= 0) continue;
      const lemma = line.slice(0, tab).toLowerCase();
      const form = line.slice(tab + 1).trim().toLowerCase();
      if (!this.lemmas.has(form)) this.lemmas.set(form, new Set());
      this.lemmas.get(form).add(lemma);
    }
  }

  lemmasOf(word) {
    const k = word.toLowerCase();
    const set = new Set(this.lemmas.get(k) || []);
    set.add(k);
    return set;
  }

  // True when the two words are forms of one lemma ("has"/"have", "go"/"goes").
  sameLemma(a, b) {
    const la = this.lemmasOf(a);
    for (const l of this.lemmasOf(b)) if (la.has(l)) return true;
    return false;
  }

  // CEFR level index 0 (A1) .. 5 (C2) of a word or its lemma, or -1.
  cefrLevel(word) {
    let best = -1;
    for (const l of this.lemmasOf(word)) {
      const v = this.cefr.get(l);
      if (v !== undefined && (best < 0 || v < best)) best = v;
    }
    return best;
  }

  isKnown(word) {
    const k = word.toLowerCase();
    return this.cefr.has(k) || this.exam.has(k) || this.lemmas.has(k);
  }

  glossesOf(word) {
    for (const l of this.lemmasOf(word)) {
      const g = this.glosses.get(l);
      if (g) return { headword: l, glosses: g, level: this.exam.get(l) || '' };
    }
    return null;
  }

  // Chinese -> English: headwords whose gloss contains the text.
  englishFor(chinese, limit = 12) {
    const out = [];
    for (const [word, glosses] of this.glosses) {
      if (glosses.some((g) => g.includes(chinese))) {
        out.push({ word, gloss: glosses[0] });
        if (out.length >= limit) break;
      }
    }
    // Shorter glosses first: a closer match.
    out.sort((a, b) => a.gloss.length - b.gloss.length);
    return out;
  }
}

export const CEFR_NAMES = CEFR_ORDER;
