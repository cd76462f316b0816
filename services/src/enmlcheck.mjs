// A small check that a note's content is ENML the service can store: an
// optional XML declaration and document type, then one well-formed en-note
// element (tags balanced, attributes quoted, only known entities). It does
// not validate against the DTD.
const NAME = /^[A-Za-z_][\w.:-]*$/;
const ENTITY = /^&(?:amp|lt|gt|quot|apos|#\d{1,7}|#x[0-9A-Fa-f]{1,6});/;

export function checkEnml(text) {
  if (typeof text !== 'string') return 'content missing';
  let s = text;
  let i = 0;
  const skipBlanks = () => { while (i < s.length && /\s/.test(s[i])) i++; };
  if (s.startsWith('<?xml', i)) {
    const end = s.indexOf('?>', i);
    if (end < 0) return 'unterminated XML declaration';
    i = end + 2;
  }
  skipBlanks();
  if (s.startsWith('<!DOCTYPE', i)) {
    const end = s.indexOf('>', i);
    if (end < 0) return 'unterminated document type';
    i = end + 1;
  }
  skipBlanks();
  const stack = [];
  let root = false;
  while (i < s.length) {
    const c = s[i];
    if (c === '<') {
      if (s.startsWith('<!--', i)) {
        const end = s.indexOf('-->', i + 4);
        if (end < 0) return 'unterminated comment';
        i = end + 3;
        continue;
      }
      const end = s.indexOf('>', i);
      if (end < 0) return 'unterminated tag';
      const tag = s.slice(i + 1, end);
      i = end + 1;
      if (tag.startsWith('/')) {
        const name = tag.slice(1).trim();
        if (stack.pop() !== name) return `unexpected </${name}>`;
        if (stack.length === 0 && i < s.length && s.slice(i).trim() !== '') return 'text after the root element';
        continue;
      }
      const selfClosing = tag.endsWith('/');
      const body = selfClosing ? tag.slice(0, -1) : tag;
      const m = /^([^\s/>]+)([\s\S]*)$/.exec(body);
      if (!m || !NAME.test(m[1])) return 'bad tag name';
      const attrs = m[2].replace(/\s+[A-Za-z_][\w.:-]*\s*=\s*("[^"<]*"|'[^'<]*')/g, '');
      if (attrs.trim() !== '') return `bad attributes in <${m[1]}>`;
      if (stack.length === 0) {
        if (root) return 'more than one root element';
        if (m[1] !== 'en-note') return 'root element is not en-note';
        root = true;
      }
      if (!selfClosing) stack.push(m[1]);
      continue;
    }
    if (stack.length === 0) {
      if (!/\s/.test(c)) return 'text outside the root element';
      i++;
      continue;
    }
    if (c === '&') {
      const m = ENTITY.exec(s.slice(i, i + 12));
      if (!m) return 'bad entity';
      i += m[0].length;
      continue;
    }
    i++;
  }
  if (!root) return 'no en-note element';
  if (stack.length) return `unclosed <${stack[stack.length - 1]}>`;
  return null;
}

// The note's text without markup, for searching.
export function enmlText(text) {
  return String(text)
    .replace(/<br\s*\/?>/gi, '\n')
    .replace(/<[^>]*>/g, '')
    .replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(/&quot;/g, '"').replace(/&apos;/g, "'")
    .replace(/&#(\d+);/g, (_, n) => safeChar(Number(n)))
    .replace(/&#x([0-9A-Fa-f]+);/g, (_, n) => safeChar(parseInt(n, 16)))
    .replace(/&amp;/g, '&');
}

function safeChar(code) {
  return code > 0 && code <= 0x10ffff ? String.fromCodePoint(code) : '';
}
