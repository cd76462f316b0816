// Explanation pages: "/eng" in English and "/chs/" in Chinese, rendered from
// the explanation type, the candidate type and the feature keys of a
// correction, or from the enrichment keys ("lexsub").
import { queryOf, sendHtml, page, escapeHtml } from './http.mjs';

const TOPICS = {
  spelling: {
    en: ['Spelling', 'The word is not in the dictionary. It is most likely mistyped; the suggestions are the closest known words.', 'I will see you tomorow.', 'I will see you tomorrow.'],
    zh: ['拼写', '该词不在词典中，很可能是拼写错误；建议是与之最接近的正确单词。', 'I will see you tomorow.', 'I will see you tomorrow.'],
  },
  confused: {
    en: ['Confused words', 'A real word that is probably not the one you meant: it sounds or looks like another word that fits the sentence better.', 'Their going to the park.', "They're going to the park."],
    zh: ['易混淆词', '这是一个真实存在的词，但很可能不是你想用的词：它与另一个更适合本句的词读音或拼写相近。', 'Their going to the park.', "They're going to the park."],
  },
  wordform: {
    en: ['Word form', 'The right word in the wrong form: the verb, noun or adjective must take the form that agrees with the rest of the sentence.', 'I has a car.', 'I have a car.'],
    zh: ['词形', '用词正确但形式不对：动词、名词或形容词的形式必须与句子其他部分一致。', 'I has a car.', 'I have a car.'],
  },
  agreement: {
    en: ['Agreement', 'The subject and the verb (or a noun and its determiner) must agree in number and person.', 'The dogs barks.', 'The dogs bark.'],
    zh: ['一致', '主语与谓语（或名词与限定词）在数和人称上必须一致。', 'The dogs barks.', 'The dogs bark.'],
  },
  article: {
    en: ['Articles', 'Use "a" before a consonant sound and "an" before a vowel sound; some nouns need an article, others none.', 'This is an test. I ate a apple.', 'This is a test. I ate an apple.'],
    zh: ['冠词', '辅音音素前用 "a"，元音音素前用 "an"；有的名词需要冠词，有的则不需要。', 'This is an test. I ate a apple.', 'This is a test. I ate an apple.'],
  },
  usage: {
    en: ['Usage', 'The phrase is not used this way in standard English.', 'I am agree with you.', 'I agree with you.'],
    zh: ['用法', '标准英语中不这样使用该短语。', 'I am agree with you.', 'I agree with you.'],
  },
  grammar: {
    en: ['Grammar', 'The sentence breaks a grammar rule; the suggestion shows a correct construction.', 'He go to school.', 'He goes to school.'],
    zh: ['语法', '句子违反了语法规则；建议给出了正确的结构。', 'He go to school.', 'He goes to school.'],
  },
  style: {
    en: ['Style', 'Correct, but wordy, redundant or unusual; a plainer phrasing reads better.', 'We will return back soon.', 'We will return soon.'],
    zh: ['文体', '语法上正确，但冗长、重复或不常见；更简洁的说法更好。', 'We will return back soon.', 'We will return soon.'],
  },
  capitalization: {
    en: ['Capitalization', 'Sentences, names and the pronoun "I" begin with a capital letter.', 'the meeting is on monday.', 'The meeting is on Monday.'],
    zh: ['大小写', '句首、专有名词和代词 "I" 要大写。', 'the meeting is on monday.', 'The meeting is on Monday.'],
  },
  punctuation: {
    en: ['Punctuation', 'A punctuation mark or the spacing around it is missing, doubled or misplaced.', 'Wait , what?', 'Wait, what?'],
    zh: ['标点', '标点符号或其前后的空格缺失、重复或位置不当。', 'Wait , what?', 'Wait, what?'],
  },
  repetition: {
    en: ['Repeated word', 'The same word appears twice in a row; one of them is usually a slip.', 'I am going to to the shop.', 'I am going to the shop.'],
    zh: ['重复词', '同一个词连续出现两次，通常是笔误。', 'I am going to to the shop.', 'I am going to the shop.'],
  },
  suggestion: {
    en: ['Suggestion', 'A common phrase with a stronger or more precise alternative.', 'It is a very good idea.', 'It is an excellent idea.'],
    zh: ['建议', '常见说法有更有力或更准确的替代说法。', 'It is a very good idea.', 'It is an excellent idea.'],
  },
};

const POS_TEXT = {
  en: { JJ: 'adjective', RB: 'adverb', NN: 'noun', NNS: 'plural noun', VB: 'verb' },
  zh: { JJ: '形容词', RB: '副词', NN: '名词', NNS: '复数名词', VB: '动词' },
};

const LABELS = {
  en: { wrong: 'Wrong', right: 'Right', rule: 'Rule', change: { REPLACE: 'Replace the marked text with the suggestion.', DELETION: 'Delete the marked text.', INSERTION: 'Insert the suggestion before the marked text.' }, enrich: 'Better word choice', enrichText: (w, pos, alts) => `"${w}" is a plain, much used ${pos}. Depending on what you mean, a more precise word makes the sentence stronger: ${alts}.`, unknown: 'Writing tip', unknownText: 'This point is flagged by the checking rules; the suggestion shows a better form.' },
  zh: { wrong: '错误', right: '正确', rule: '规则', change: { REPLACE: '用建议替换标记的文字。', DELETION: '删除标记的文字。', INSERTION: '在标记的文字前插入建议。' }, enrich: '更好的用词', enrichText: (w, pos, alts) => `"${w}" 是一个常用而平淡的${pos}。根据你想表达的意思，更准确的词会让句子更有力：${alts}。`, unknown: '写作提示', unknownText: '该处被检查规则标记；建议给出了更好的形式。' },
};

export function explanationPage(url, lang, ruleDescriptions = {}) {
  const q = queryOf(url);
  const L = LABELS[lang];
  if (q.has('lexsub')) {
    const keys = (q.get('lexsub') || '').split(',').map((s) => s.trim()).filter(Boolean);
    const word = keys[0] || '';
    const alts = keys.slice(1);
    const pos = POS_TEXT[lang][(q.get('pos') || '').trim()] || (lang === 'zh' ? '词' : 'word');
    const list = alts.map((a) => `<b>${escapeHtml(a)}</b>`).join(', ');
    return page(L.enrich, `<h2>${L.enrich}</h2><p>${L.enrichText(escapeHtml(word), pos, list)}</p>` +
      (alts.length ? `<p><span class="wrong">${escapeHtml(word)}</span> → <span class="right">${escapeHtml(alts[0])}</span></p>` : ''),
    lang === 'zh' ? 'zh-CN' : 'en');
  }
  const et = (q.get('et') || '').trim();
  const ct = (q.get('ct') || '').trim();
  const fks = [];
  const qi = url.indexOf('?');
  for (const pair of (qi < 0 ? '' : url.slice(qi + 1)).split('&')) {
    if (pair.startsWith('fk=')) {
      try { fks.push(decodeURIComponent(pair.slice(3))); } catch { fks.push(pair.slice(3)); }
    }
  }
  const topic = TOPICS[et];
  let body;
  if (topic) {
    const [title, text, wrong, right] = topic[lang];
    body = `<h2>${escapeHtml(title)}</h2><p>${escapeHtml(text)}</p>` +
      `<p>${L.wrong}: <span class="wrong">${escapeHtml(wrong)}</span><br>${L.right}: <span class="right">${escapeHtml(right)}</span></p>`;
  } else {
    body = `<h2>${L.unknown}</h2><p>${L.unknownText}</p>`;
  }
  if (L.change[ct]) body += `<p>${L.change[ct]}</p>`;
  const rule = fks.find((k) => ruleDescriptions[k]);
  if (rule) body += `<p><i>${L.rule}:</i> ${escapeHtml(ruleDescriptions[rule].replace(/`/g, '"'))}</p>`;
  return page(topic ? topic[lang][0] : L.unknown, body, lang === 'zh' ? 'zh-CN' : 'en');
}

export function explanationRoute(lang, descriptions) {
  return async (req, res) => sendHtml(res, explanationPage(req.url, lang, descriptions()));
}
