// A log file that never grows past a size: when the next line would take it
// over the limit, the file becomes "<name>.1" (replacing the older one) and a
// new file begins. Writes are synchronous, so nothing is lost at a crash and
// lines of a dying process still land.
import fs from 'node:fs';
import path from 'node:path';

export const DEFAULT_LOG_LIMIT = 1024 * 1024;

export class RotatingLog {
  constructor(file, { limit = DEFAULT_LOG_LIMIT } = {}) {
    if (!(Number.isInteger(limit) && limit >= 1024)) throw new Error('log limit must be at least 1024 bytes');
    this.file = file;
    this.limit = limit;
    fs.mkdirSync(path.dirname(file), { recursive: true });
    try {
      this.size = fs.statSync(file).size;
    } catch {
      this.size = 0;
    }
  }

  write(line) {
    let bytes = Buffer.from(line.endsWith('\n') ? line : `${line}\n`);
    // One line longer than the whole limit is cut rather than refused.
    if (bytes.length > this.limit) bytes = Buffer.concat([bytes.subarray(0, this.limit - 4), Buffer.from('...\n')]);
    try {
      if (this.size > 0 && this.size + bytes.length > this.limit) this.rotate();
      fs.appendFileSync(this.file, bytes);
      this.size += bytes.length;
    } catch (err) {
      // A full disk or a removed folder must not take the services down.
      process.stderr.write(`log ${this.file}: ${err.message}\n${bytes}`);
    }
  }

  rotate() {
    fs.renameSync(this.file, `${this.file}.1`);
    this.size = 0;
  }
}
