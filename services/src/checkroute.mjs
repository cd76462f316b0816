// "/unified/": the check request (zlib-compressed JSON) answered by a stream
// of compressed records, one per checked sentence as soon as it is ready,
// then the document-level record.
import zlib from 'node:zlib';
import { promisify } from 'node:util';
import { send } from './http.mjs';
import { frame, sentenceRecordJson, documentRecordJson } from './records.mjs';
import { documentScores } from './scores.mjs';

const inflate = promisify(zlib.inflate);
const MAX_INFLATED = 8 * 1024 * 1024;
const MAX_SENTENCES = 20000;
// One review holds at most 10,000 words, possibly in a single sentence.
const MAX_SENTENCE_CHARS = 200000;

export const DEFAULT_CONFIGS = [
  ['server.style', '4', 'server.spell', '2', 'server.mor', '1', 'server.dependency', '0', 'server.grammar', '6',
    'server.rule', '7', 'server.real', '3', 'server.det', '5', 'server.poststyle', '9', 'server.confidence', '2'],
  ['server.mor', '1', 'server.spell', '2', 'server.style', '4', 'server.dependency', '0', 'server.grammar', '0',
    'server.rule', '0', 'server.real', '3', 'server.det', '0', 'server.confidence', '2'],
];

export class BadRequest extends Error {}

export function stageTable(list) {
  const table = new Map();
  for (let i = 0; i + 1 < list.length; i += 2) table.set(String(list[i]), String(list[i + 1]));
  return table;
}

// Validates the decoded request; throws BadRequest on a wrong shape.
export function readCheckRequest(value) {
  if (!value || typeof value !== 'object' || Array.isArray(value)) throw new BadRequest('not an object');
  const session = value.session ?? '';
  if (typeof session !== 'string') throw new BadRequest('session is not a string');
  const sents = value.sents ?? [];
  const configs = value.configs ?? [];
  if (!Array.isArray(sents) || !sents.every((s) => typeof s === 'string' && s.length <= MAX_SENTENCE_CHARS)) {
    throw new BadRequest('sents is not a list of strings');
  }
  if (sents.length > MAX_SENTENCES) throw new BadRequest('too many sentences');
  if (!Array.isArray(configs) || !configs.every((c) => Number.isInteger(c))) throw new BadRequest('configs is not a list of integers');
  if (configs.length !== sents.length) throw new BadRequest('configs and sents differ in length');
  let configTypes = value.configTypes ?? DEFAULT_CONFIGS;
  if (!Array.isArray(configTypes) || !configTypes.every((l) => Array.isArray(l) && l.every((x) => typeof x === 'string'))) {
    throw new BadRequest('configTypes is not a list of string lists');
  }
  if (configTypes.length === 0) configTypes = DEFAULT_CONFIGS;
  const lexsub = value.lexsubConfidence ?? 2;
  if (!Number.isInteger(lexsub)) throw new BadRequest('lexsubConfidence is not an integer');
  for (const c of configs) if (c >= configTypes.length) throw new BadRequest('config index out of range');
  return { session, sents, configs, tables: configTypes.map(stageTable), lexsubConfidence: lexsub };
}

export function checkRoute({ store, pool, vocabulary, log }) {
  return async (req, res, body) => {
    let request;
    try {
      const text = (await inflate(body, { maxOutputLength: MAX_INFLATED })).toString('utf8');
      request = readCheckRequest(JSON.parse(text));
    } catch (err) {
      return send(res, 400, 'bad check request');
    }
    if (!(await store.sessionUser(request.session))) return send(res, 200, 'unauthorized');

    res.writeHead(200, { 'Content-Type': 'application/octet-stream', Connection: 'close' });
    let gone = false;
    res.on('close', () => { gone = true; });
    const todo = request.configs.map((c, i) => (c >= 0 ? i : -1)).filter((i) => i >= 0);
    const tables = todo.map((i) => request.tables[request.configs[i]]);
    // Records go out as pieces finish, in any order: the client places each
    // by its sentence index.
    await pool.run({
      sentences: todo.map((i) => request.sents[i]),
      configs: tables,
      titles: tables.map((t) => t.get('server.grammar') === '0'),
      enrich: request.lexsubConfidence > 0,
    }, {
      onResult: (k, corrections) => { if (!gone) res.write(frame(sentenceRecordJson(todo[k], corrections))); },
      isGone: () => gone,
    });
    if (!gone) {
      res.write(frame(documentRecordJson(documentScores(request.sents, vocabulary))));
      res.end();
    }
    log?.(`checked ${todo.length} of ${request.sents.length} sentences`);
  };
}
