import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { startServer, get } from './helpers.mjs';

let server;
before(async () => { server = await startServer(); });
after(async () => { await server.stop(); });

const hasDict = (pair) => fs.existsSync(`/usr/share/dictd/freedict-${pair}.index`);

test('dictionary: WordNet senses with examples and related words as links; empty for unknown words', async () => {
  const p = server.port;
  const r = await get(p, '/?qew2=happy');
  assert.equal(r.status, 200);
  assert.match(r.headers['content-type'], /text\/html/);
  assert.match(r.text, /<h2>happy<\/h2>/);
  assert.match(r.text, /adjective/);
  assert.match(r.text, /<a href="[a-z%0-9]+">/);
  const inflected = await get(p, '/?qew2=houses');
  assert.match(inflected.text, /<h2>house<\/h2>/);
  const unknown = await get(p, '/?qew2=qwzxv');
  assert.equal(unknown.status, 200);
  assert.equal(unknown.body.length, 0);
  assert.equal((await get(p, '/?qew2=')).body.length, 0);
});

test('Chinese dictionary: glosses of the exam lists, empty for unknown words', async () => {
  const p = server.port;
  const r = await get(p, '/Veska/QLDictCN?content=abandon');
  assert.match(r.text, /<h2>abandon/);
  assert.match(r.text, /放弃/);
  const back = await get(p, `/Veska/QLDictCN?content=${encodeURIComponent('放弃')}`);
  assert.match(back.text, /abandon/);
  assert.equal((await get(p, '/Veska/QLDictCN?content=qwzxv')).body.length, 0);
});

test('translation: English to every target and back, with automatic source detection', async () => {
  const p = server.port;
  const tr = (content, src, dest) => get(p, `/Veska/QLTranslation?content=${encodeURIComponent(content)}&src=${src}&dest=${dest}`);
  assert.match((await tr('abandon', 'en', 'zh-CN')).text, /放弃/);
  assert.match((await tr('放弃', 'auto', 'en')).text, /abandon/);
  if (hasDict('eng-fra')) assert.match((await tr('apple', 'auto', 'fr')).text, /pomme/);
  if (hasDict('eng-deu')) assert.match((await tr('apple', 'en', 'de')).text, /Apfel/);
  if (hasDict('eng-spa')) assert.match((await tr('house', 'auto', 'es')).text, /casa/);
  if (hasDict('eng-por')) assert.match((await tr('house', 'en', 'pt')).text, /casa/);
  if (hasDict('eng-jpn')) assert.match((await tr('apple', 'en', 'ja')).text, /林檎|りんご/);
  if (hasDict('fra-eng')) {
    const back = await tr('pomme', 'auto', 'en');
    assert.match(back.text, /French → English/);
    assert.match(back.text, /apple/);
  }
  if (hasDict('spa-eng')) assert.match((await tr('casa', 'es', 'en')).text, /house/);
  const same = await tr('house', 'en', 'en');
  assert.match(same.text, /<li>house<\/li>/);
});

test('translation: long text gets the word-and-phrase page; unknown words and targets a clear page', async () => {
  const p = server.port;
  const tr = (content, src, dest) => get(p, `/Veska/QLTranslation?content=${encodeURIComponent(content)}&src=${src}&dest=${dest}`);
  const long = await tr('this sentence has far too many words for a dictionary', 'auto', 'fr');
  assert.equal(long.status, 200);
  assert.match(long.text, /covers words and short phrases/);
  assert.match((await tr('qwzxv', 'en', 'fr')).text, /No offline translation found/);
  assert.match((await tr('house', 'en', 'xx')).text, /Unknown target language/);
  assert.ok((await tr('', 'auto', 'en')).body.length > 0);
});

test('explanations: a page per explanation type, in English and in Chinese', async () => {
  const p = server.port;
  const en = await get(p, '/eng/?et=article&ct=REPLACE&fk=AnA&fk=Miscellaneous');
  assert.equal(en.status, 200);
  assert.match(en.text, /Articles/);
  assert.match(en.text, /class="wrong"/);
  assert.match(en.text, /class="right"/);
  assert.match(en.text, /indefinite article/, 'the rule description');
  const zh = await get(p, '/chs//?et=spelling');
  assert.match(zh.text, /拼写/);
  const escaped = await get(p, '/eng/?et=grammar&ct=REPLACE&fk=a%20b&fk=c');
  assert.equal(escaped.status, 200);
  const lexsub = await get(p, '/eng/?lexsub=big,large,huge&et=lexsub&pos=JJ');
  assert.match(lexsub.text, /adjective/);
  assert.match(lexsub.text, /large/);
  const lexsubZh = await get(p, `/chs//?lexsub=big,large&et=lexsub&pos=JJ`);
  assert.match(lexsubZh.text, /形容词/);
  const unknown = await get(p, '/eng/?et=whatever');
  assert.equal(unknown.status, 200);
  assert.ok(unknown.body.length > 0);
});
