import { RULES, ruleCorrections } from './src/rules/index.mjs';
let bad = 0;
for (const r of RULES) {
  if (process.argv[2] && r.name !== process.argv[2]) continue;
  for (const [text, span, top] of r.examples.fire) {
    const got = ruleCorrections(text, () => true, [r]);
    const c = got.find((x) => text.slice(x.start, x.end).trim() === span);
    if (!c || c.candidates[0].correction !== top) { bad++; console.log(`FIRE FAIL ${r.name}: ${text} => ${JSON.stringify(got.map((x) => [text.slice(x.start, x.end), x.candidates[0].correction]))}`); }
  }
  for (const text of r.examples.quiet) {
    const got = ruleCorrections(text, () => true, [r]);
    if (got.length) { bad++; console.log(`QUIET FAIL ${r.name}: ${text} => ${JSON.stringify(got.map((x) => [text.slice(x.start, x.end), x.candidates[0].correction]))}`); }
  }
}
console.log('failures', bad);
