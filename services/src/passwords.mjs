// Password digests as received (the client's MD5 hex) are never stored: only
// scrypt(digest, 16-byte random salt, N=16384, r=8, p=1, 32 bytes).
import crypto from 'node:crypto';
import { promisify } from 'node:util';

const scrypt = promisify(crypto.scrypt);
const SCRYPT_PARAMS = { N: 16384, r: 8, p: 1, maxmem: 64 * 1024 * 1024 };

export function hashDigest(digest, salt) {
  return scrypt(String(digest).toUpperCase(), salt, 32, SCRYPT_PARAMS);
}

export function sameDigest(hash, stored) {
  return hash.length === stored.length && crypto.timingSafeEqual(hash, stored);
}
