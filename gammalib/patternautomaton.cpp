#include "patternautomaton.h"

#include <deque>
#include <stdexcept>

namespace GammaLib {

PatternAutomaton::PatternAutomaton(const QList<QByteArray> &patterns)
{
    // Bytes that occur in some pattern get a class each; all others share
    // class 0, which always leads back towards the root.
    for (const QByteArray &pattern : patterns) {
        for (const char c : pattern) {
            auto &cls = m_byteClass[static_cast<unsigned char>(c)];
            if (cls == 0)
                cls = static_cast<unsigned char>(m_classCount++);
        }
    }

    // Trie with goto edges (-1 = none).
    std::vector<std::vector<int>> edges(1, std::vector<int>(m_classCount, -1));
    std::vector<std::vector<int>> own(1);
    for (int id = 0; id < patterns.size(); ++id) {
        int state = Root;
        for (const char c : patterns.at(id)) {
            const int cls = m_byteClass[static_cast<unsigned char>(c)];
            if (edges[state][cls] < 0) {
                edges[state][cls] = int(edges.size());
                edges.emplace_back(m_classCount, -1);
                own.emplace_back();
            }
            state = edges[state][cls];
        }
        if (state != Root)
            own[state].push_back(id);
    }
    if (edges.size() > 0xFFFF)
        throw std::length_error("pattern automaton too large");

    // Breadth-first: failure links, full transitions and output lists.
    const int count = int(edges.size());
    std::vector<int> fail(count, Root);
    std::vector<std::vector<int>> outputs(count);
    m_delta.assign(std::size_t(count) * m_classCount, Root);
    std::deque<int> queue;
    for (int cls = 0; cls < m_classCount; ++cls) {
        const int child = edges[Root][cls];
        if (child >= 0) {
            m_delta[cls] = std::uint16_t(child);
            fail[child] = Root;
            queue.push_back(child);
        }
    }
    outputs[Root] = own[Root];
    while (!queue.empty()) {
        const int state = queue.front();
        queue.pop_front();
        outputs[state] = own[state];
        const auto &inherited = outputs[fail[state]];
        outputs[state].insert(outputs[state].end(), inherited.begin(), inherited.end());
        for (int cls = 0; cls < m_classCount; ++cls) {
            const int child = edges[state][cls];
            const std::size_t cell = std::size_t(state) * m_classCount + cls;
            if (child >= 0) {
                fail[child] = m_delta[std::size_t(fail[state]) * m_classCount + cls];
                m_delta[cell] = std::uint16_t(child);
                queue.push_back(child);
            } else {
                m_delta[cell] = m_delta[std::size_t(fail[state]) * m_classCount + cls];
            }
        }
    }

    m_outputBegin.reserve(count + 1);
    for (int state = 0; state < count; ++state) {
        m_outputBegin.push_back(int(m_outputs.size()));
        m_outputs.insert(m_outputs.end(), outputs[state].begin(), outputs[state].end());
    }
    m_outputBegin.push_back(int(m_outputs.size()));
}

} // namespace GammaLib
