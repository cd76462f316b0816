#ifndef PATTERNAUTOMATON_H
#define PATTERNAUTOMATON_H

#include <QByteArray>
#include <QList>

#include <cstdint>
#include <vector>

namespace GammaLib {

// Aho–Corasick automaton over byte patterns: one pass over a text reports
// every occurrence of every pattern, in order of the occurrence's last byte.
// The transitions are resolved into a full table over the byte classes that
// occur in the patterns, so each text byte costs one look-up. Built once and
// read-only afterwards.
class PatternAutomaton
{
public:
    explicit PatternAutomaton(const QList<QByteArray> &patterns);

    static constexpr int Root = 0;

    int next(int state, unsigned char byte) const
    {
        return m_delta[std::size_t(state) * m_classCount + m_byteClass[byte]];
    }
    bool hasOutput(int state) const { return m_outputBegin[state] != m_outputBegin[state + 1]; }
    // The patterns that end at the byte that led into state, as indices into
    // the constructor's list (a pattern that is a suffix of another is
    // reported too).
    const int *outputBegin(int state) const { return m_outputs.data() + m_outputBegin[state]; }
    const int *outputEnd(int state) const { return m_outputs.data() + m_outputBegin[state + 1]; }

    int stateCount() const { return int(m_outputBegin.size()) - 1; }

private:
    unsigned char m_byteClass[256] = {};
    int m_classCount = 1;
    std::vector<std::uint16_t> m_delta;
    std::vector<int> m_outputBegin;
    std::vector<int> m_outputs;
};

} // namespace GammaLib

#endif // PATTERNAUTOMATON_H
