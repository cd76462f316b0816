// A run of end marks where one is meant: "home..", "really!.", "great!!!!".
// Three full stops are an ellipsis and stay; so do "?!" and "!?", and the
// full stop of an abbreviation before the end mark ("etc..").
export default {
  name: 'DoubledEndMark',
  errorType: 'STYLE',
  stage: 'server.poststyle',
  explainType: 'punctuation',
  catches: 'Two or more end marks in a row (other than an ellipsis or "?!"), where one is enough.',
  examples: {
    fire: [['We went home..', '..', '.'], ['It was so good!.', '!.', '!'], ['I love it!!!!', '!!!!', '!'], ['Why?? Tell me.', '??', '?']],
    quiet: ['We went home.', 'Wait... what?', 'Really?!', 'We sold apples, pears etc..', 'He said "Go!".', 'Is it 3.5?', 'Hmm.'],
  },
  find(s) {
    const out = [];
    const re = /[.!?]{2,}/g;
    let m;
    while ((m = re.exec(s.text))) {
      const run = m[0];
      if (/^\.{3,}$/.test(run) || run === '?!' || run === '!?') continue;
      const before = s.text.slice(0, m.index);
      if (run[0] === '.' && /\b(etc|e\.g|i\.e|[A-Z]|Mr|Mrs|Dr|St|vs|al)$/.test(before)) continue;
      const mark = run[0] === '.' && /[!?]/.test(run) ? run.replace(/\./g, '')[0] : run[0];
      out.push({ start: m.index, end: m.index + run.length, candidates: [mark], message: 'One end mark is enough.' });
    }
    return out;
  },
};
