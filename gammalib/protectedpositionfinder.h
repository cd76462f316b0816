#ifndef PROTECTEDPOSITIONFINDER_H
#define PROTECTEDPOSITIONFINDER_H

#include "patternautomaton.h"

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace GammaLib {

// Finds, in one pass over a GBK paragraph, every ".", "?" and "!" that must
// not end a sentence: inside abbreviations, web addresses, domain names,
// e-mail addresses and emoticons. All table patterns share one automaton;
// each occurrence is then judged by the rule of its table, with the same
// outcome as scanning the paragraph once per table entry.
//
// Patterns are only recognised where a character begins, and the second byte
// of a two-byte character is never taken for an ASCII character (GBK second
// bytes range over 0x40..0xFE, which includes "@", letters and brackets).
class ProtectedPositionFinder
{
public:
    struct Result
    {
        // Per byte: 1 when a character begins there (ASCII byte or the first
        // byte of a two-byte character).
        std::vector<std::uint8_t> charStart;
        // Per byte: 1 when the byte is a protected ".", "?" or "!".
        std::vector<std::uint8_t> isProtected;
    };

    static const ProtectedPositionFinder &instance();

    void find(const QByteArray &text, Result &result) const;

private:
    ProtectedPositionFinder();

    enum class Kind : std::uint8_t { Abbreviation, Scheme, DomainEnding, Emoticon };
    struct Pattern
    {
        Kind kind;
        bool numberSign = false;     // "No.": needs a number after it
        int length = 0;
        std::vector<int> markOffsets; // offsets of the bytes to protect
    };

    std::vector<Pattern> m_patterns;
    PatternAutomaton m_automaton;
};

} // namespace GammaLib

#endif // PROTECTEDPOSITIONFINDER_H
