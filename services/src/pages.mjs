// Fixed pages and resources: reachability and proxy test pages, sample text,
// banner, logos, and the web site's account, terms, password, download and
// help pages.
import zlib from 'node:zlib';
import { sendText, sendHtml, send, page, escapeHtml, queryOf } from './http.mjs';

export const SAMPLE_TEXT = 'My Summer Holiday\n\n' +
  'Last summer I go to the seaside with my family. We stayed in a small hotel near the beach, and the wether was very good almost every day. ' +
  'In the mornings we swimmed in the sea and in the afternoons we walked along the coast. ' +
  'One day my brother and me visited an old castle on the hill. It was a very interesting place and we taked many photos. ' +
  'Their was also a small museum with a lot of thing about the history of the town. ' +
  'I has never seen such a beautiful sunset as the one we saw on our last evening. ' +
  'I hope we can go back there next year.\n';

function crc32(buf) {
  let c;
  let crc = 0xffffffff;
  for (let n = 0; n < buf.length; n++) {
    c = (crc ^ buf[n]) & 0xff;
    for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    crc = (crc >>> 8) ^ c;
  }
  return (crc ^ 0xffffffff) >>> 0;
}

function chunk(type, data) {
  const len = Buffer.alloc(4);
  len.writeUInt32BE(data.length);
  const td = Buffer.concat([Buffer.from(type, 'latin1'), data]);
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(td));
  return Buffer.concat([len, td, crc]);
}

// A small RGB picture in two colours: a band of `fg` on `bg`.
export function makePng(width, height, bg, fg) {
  const raw = Buffer.alloc((width * 3 + 1) * height);
  for (let y = 0; y < height; y++) {
    raw[y * (width * 3 + 1)] = 0;
    for (let x = 0; x < width; x++) {
      const band = y > height / 3 && y < (2 * height) / 3 && x > width / 8 && x < (7 * width) / 8;
      const [r, g, b] = band ? fg : bg;
      const o = y * (width * 3 + 1) + 1 + x * 3;
      raw[o] = r; raw[o + 1] = g; raw[o + 2] = b;
    }
  }
  const ihdr = Buffer.alloc(13);
  ihdr.writeUInt32BE(width, 0);
  ihdr.writeUInt32BE(height, 4);
  ihdr[8] = 8; ihdr[9] = 2; ihdr[10] = 0; ihdr[11] = 0; ihdr[12] = 0;
  return Buffer.concat([Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]), chunk('IHDR', ihdr),
    chunk('IDAT', zlib.deflateSync(raw)), chunk('IEND', Buffer.alloc(0))]);
}

const LOGOS = {
  '/images/google_lg.png': makePng(48, 16, [255, 255, 255], [66, 133, 244]),
  '/images/bing_lg.png': makePng(48, 16, [255, 255, 255], [0, 128, 128]),
  '/images/logo.png': makePng(64, 64, [25, 160, 220], [255, 255, 255]),
};

// The banner of the sign-in dialog, in the language the client asks for with
// Accept-Language (the program sends its interface language); English otherwise.
const BANNER_TEXTS = {
  en: ['Quillet', 'Write clear, correct English. Press Review and every sentence comes back with corrections, explanations and better word choices.'],
  'zh-CN': ['Quillet 英语写作助手', '写出清楚、正确的英语。点击“批改”，每个句子都会得到修改建议、讲解和更好的用词。'],
  es: ['Quillet', 'Escriba un inglés claro y correcto. Pulse Revisar y cada oración vuelve con correcciones, explicaciones y mejores palabras.'],
  ja: ['Quillet', '明快で正しい英語を書きましょう。「校正」を押すと、すべての文に訂正、説明、よりよい言葉の提案が返ってきます。'],
};

function banner(lang) {
  const [title, text] = BANNER_TEXTS[lang];
  return `<!DOCTYPE html>
<html lang="${lang}"><head><meta charset="utf-8"><title>jQuery Quillet</title>
<style>body{margin:0;font-family:Arial,sans-serif;background:#19A0DC;color:#fff}
div{padding:18px 24px}h1{font-size:18pt;margin:0 0 6px 0}p{margin:0;font-size:10pt}</style></head>
<body><div><h1>${escapeHtml(title)}</h1><p>${escapeHtml(text)}</p></div></body></html>
`;
}

// The first language of an Accept-Language header that the pages exist in:
// "zh-CN" for any Chinese, "es", "ja", else "en". Weights are honoured.
export function pageLanguage(header) {
  const wanted = String(header || '').split(',').map((part, i) => {
    const [tag, ...params] = part.trim().split(';');
    const q = params.map((x) => x.trim()).find((x) => x.startsWith('q='));
    const weight = q ? Number(q.slice(2)) : 1;
    return { tag: tag.trim().toLowerCase(), weight: Number.isFinite(weight) ? weight : 0, i };
  }).filter((x) => x.tag && x.weight > 0).sort((a, b) => b.weight - a.weight || a.i - b.i);
  for (const { tag } of wanted) {
    const primary = tag.split('-')[0];
    if (primary === 'zh') return 'zh-CN';
    if (primary === 'es' || primary === 'ja' || primary === 'en') return primary;
  }
  return 'en';
}

// The help page in each interface language (the steps hold trusted markup).
const HELP = {
  en: ['Quillet help', ['Type, paste or open a document.', 'Press <b>Review</b>. Flagged words are coloured, with the best candidate underneath.',
    'Click a mark to see every candidate and an explanation in the side panel; apply a candidate, ignore the mark or add the word to your glossary.',
    'Type a word into the search box for a dictionary entry or a translation.']],
  'zh-CN': ['Quillet 帮助', ['输入、粘贴或打开一篇文档。', '点击<b>批改</b>。有问题的词会以颜色标出，最佳修改显示在其下方。',
    '点击标记，在侧边栏查看所有候选修改和讲解；可以采纳修改、忽略标记，或把该词加入个人词库。',
    '在搜索框中输入单词，即可查词典或翻译。']],
  es: ['Ayuda de Quillet', ['Escriba, pegue o abra un documento.', 'Pulse <b>Revisar</b>. Las palabras marcadas se colorean y la mejor corrección aparece debajo.',
    'Haga clic en una marca para ver todas las opciones y una explicación en el panel lateral; aplique una opción, ignore la marca o añada la palabra a su glosario.',
    'Escriba una palabra en el cuadro de búsqueda para ver su entrada de diccionario o su traducción.']],
  ja: ['Quillet ヘルプ', ['文書を入力するか、貼り付けるか、開きます。', '<b>校正</b>を押します。指摘された語に色が付き、最適な候補がその下に表示されます。',
    'マークをクリックすると、サイドパネルにすべての候補と説明が表示されます。候補を適用するか、マークを無視するか、語を用語集に追加します。',
    '検索ボックスに単語を入力すると、辞書の項目や翻訳が表示されます。']],
};

export function pageRoutes(store) {
  return {
    '/apps_compressed/': async (req, res) => sendText(res, 'ok'),
    '/test.htm': async (req, res) => sendHtml(res, page('Quillet', '<p>Quillet services are reachable.</p>')),
    '/Veska/GetSampleText': async (req, res) => sendText(res, SAMPLE_TEXT),
    '/client/banner.htm': async (req, res) => sendHtml(res, banner(pageLanguage(req.headers['accept-language']))),
    ...Object.fromEntries(Object.entries(LOGOS).map(([p, png]) => [p, async (req, res) => send(res, 200, png, 'image/png', { 'Cache-Control': 'max-age=86400' })])),

    '/Account/LoginFromClient': async (req, res) => {
      const q = queryOf(req.url);
      const user = await store.sessionUser(q.get('s') || '');
      if (!user) {
        return sendHtml(res, page('Your account', '<h1>Your account</h1><p>Your session has ended. Log in again from Quillet to see your account.</p>'), 401);
      }
      const counts = await store.counts(user.id);
      const rows = counts.map((c) => `<tr><td>${escapeHtml(c.grp)}</td><td>${escapeHtml(c.name)}</td><td>${c.count}</td></tr>`).join('');
      const words = await store.glossary(user.id);
      sendHtml(res, page('Your account', `<h1>${escapeHtml(user.user_name)}</h1>
<p>Member since ${new Date(user.created_at).toISOString().slice(0, 10)}.</p>
<h2>Glossary (${words.length})</h2><p>${words.map(escapeHtml).join(', ') || 'No words yet.'}</p>
<h2>Checks and errors</h2>${rows ? `<table><tr><th>Group</th><th>Name</th><th>Count</th></tr>${rows}</table>` : '<p>No reviews counted yet.</p>'}
<p>Corrections recorded: ${await store.correctionCount(user.id)}.</p>`));
    },
    '/About/Termsofservice': async (req, res) => sendHtml(res, page('Terms of Service', `<h1>Terms of Service</h1>
<p>Quillet and its services run on your own computer. The texts you check, your account, glossary and usage counts are stored only in the services' data folder on this machine and are not sent anywhere else.</p>
<p>The software is provided as is, without warranty of any kind.</p>`)),
    '/About/Contact': async (req, res) => sendHtml(res, page('Contact us', `<h1>Contact us</h1>
<p>Quillet and its services run on this computer. Questions about an account, a review or an update go to the person who runs the services on this machine; the services' log folder holds what they recorded.</p>`)),
    '/Account/PasswordForgot': async (req, res) => sendHtml(res, page('Forgot your password?', `<h1>Forgot your password?</h1>
<p>Accounts live in the local services' database on this computer, so there is no e-mail reset. Register again with another address, or ask the person who runs the services on this machine to remove the old account from the database in the services' data folder.</p>`)),
    '/Download': async (req, res) => sendHtml(res, page('Download Quillet', `<h1>Download Quillet</h1>
<p>Quillet is built from its source tree: run <code>scripts/run.sh</code> to install what it needs, build it and start it. New versions are offered by the program's own update check (Settings, Update).</p>`)),
    '/Help': async (req, res) => {
      const lang = pageLanguage(req.headers['accept-language']);
      const [title, steps] = HELP[lang];
      sendHtml(res, page(title, `<h1>${escapeHtml(title)}</h1>\n<ol>${steps.map((x) => `<li>${x}</li>`).join('')}</ol>`, lang));
    },
  };
}
