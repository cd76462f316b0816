#include "protectedpositionfinder.h"

#include "splittertables.h"

namespace GammaLib {

namespace {

using T = SplitterTables;

// Every pattern of the four tables, in table order: abbreviations (trimmed),
// schemes, domain endings, emoticons.
QList<QByteArray> allPatterns()
{
    QList<QByteArray> patterns;
    for (const QByteArray &abbreviation : T::abbreviations())
        patterns.append(abbreviation.trimmed());
    patterns << T::urlSchemes() << T::domainEndings() << T::emoticons();
    return patterns;
}

} // namespace

const ProtectedPositionFinder &ProtectedPositionFinder::instance()
{
    static const ProtectedPositionFinder finder;
    return finder;
}

ProtectedPositionFinder::ProtectedPositionFinder()
    : m_automaton(allPatterns())
{
    auto add = [this](Kind kind, const QByteArray &pattern, bool marksOnlyFullStops) {
        Pattern entry;
        entry.kind = kind;
        entry.length = int(pattern.size());
        entry.numberSign = kind == Kind::Abbreviation && pattern == "No.";
        for (int k = 0; k < pattern.size(); ++k) {
            const char c = pattern.at(k);
            if (c == '.' || (!marksOnlyFullStops && (c == '?' || c == '!')))
                entry.markOffsets.push_back(k);
        }
        m_patterns.push_back(std::move(entry));
    };
    for (const QByteArray &abbreviation : T::abbreviations())
        add(Kind::Abbreviation, abbreviation.trimmed(), true);
    for (const QByteArray &scheme : T::urlSchemes())
        add(Kind::Scheme, scheme, false);
    for (const QByteArray &ending : T::domainEndings())
        add(Kind::DomainEnding, ending, false);
    for (const QByteArray &emoticon : T::emoticons())
        add(Kind::Emoticon, emoticon, false);
}

void ProtectedPositionFinder::find(const QByteArray &text, Result &result) const
{
    const int n = int(text.size());
    const auto *b = reinterpret_cast<const unsigned char *>(text.constData());
    result.charStart.assign(n, 0);
    result.isProtected.assign(n, 0);
    std::uint8_t *start = result.charStart.data();
    std::uint8_t *marked = result.isProtected.data();

    // Address spans whose ".", "?" and "!" are all protected, as +1 at the
    // first byte and -1 after the last.
    std::vector<int> cover(std::size_t(n) + 1, 0);
    // Abbreviations and emoticons are searched without overlap: the next
    // occurrence of a pattern counts only from here on.
    std::vector<int> nextAllowed(m_patterns.size(), 0);

    // An ASCII character at p (not the second byte of a two-byte character).
    auto asciiAt = [&](int p) { return b[p] < 0x80 && start[p]; };

    int state = PatternAutomaton::Root;
    bool trailNext = false;
    int addressRunStart = -1; // first byte of the address run ending at i
    int mailRunStart = -1;    // first byte of the mail run ending at i - 1, then at i
    int measuredFrom = -1;    // [measuredFrom, measuredEnd]: address run already walked
    int measuredEnd = -1;

    for (int i = 0; i < n; ++i) {
        const unsigned char c = b[i];
        const bool isStart = !trailNext;
        start[i] = isStart;
        trailNext = isStart && c >= 0x80;
        const bool ascii = isStart && c < 0x80;

        if (ascii && c == '@') {
            // E-mail address: mail characters on both sides of the "@".
            const int a = mailRunStart >= 0 ? mailRunStart : i;
            int last = i;
            while (last + 1 < n && T::isMailChar(b[last + 1]))
                ++last;
            while (last > i && b[last] == '.')
                --last;
            if (a != i && last != i) {
                for (int p = a; p <= last; ++p) {
                    if (b[p] == '.')
                        marked[p] = 1;
                }
            }
        }

        if (ascii && T::isAddressChar(c)) {
            if (addressRunStart < 0)
                addressRunStart = i;
        } else {
            addressRunStart = -1;
        }
        if (ascii && T::isMailChar(c)) {
            if (mailRunStart < 0)
                mailRunStart = i;
        } else {
            mailRunStart = -1;
        }

        state = m_automaton.next(state, c);
        if (!m_automaton.hasOutput(state))
            continue;
        for (const int *id = m_automaton.outputBegin(state); id != m_automaton.outputEnd(state); ++id) {
            const Pattern &pattern = m_patterns[std::size_t(*id)];
            const int o = i - pattern.length + 1;
            if (!start[o])
                continue;
            switch (pattern.kind) {
            case Kind::Abbreviation: {
                if (o < nextAllowed[std::size_t(*id)])
                    break;
                nextAllowed[std::size_t(*id)] = o + pattern.length;
                if (o > 0 && asciiAt(o - 1)
                    && (T::isAsciiAlnum(b[o - 1]) || (pattern.length == 2 && b[o - 1] == '\''))) {
                    break;
                }
                if (pattern.numberSign) {
                    const int q = o + pattern.length;
                    const bool number = (q < n && T::isAsciiDigit(b[q]))
                        || (q + 1 < n && b[q] == ' ' && T::isAsciiDigit(b[q + 1]));
                    if (!number)
                        break;
                }
                for (const int offset : pattern.markOffsets)
                    marked[o + offset] = 1;
                break;
            }
            case Kind::Emoticon:
                if (o < nextAllowed[std::size_t(*id)])
                    break;
                nextAllowed[std::size_t(*id)] = o + pattern.length;
                for (const int offset : pattern.markOffsets)
                    marked[o + offset] = 1;
                break;
            case Kind::Scheme: {
                // The address runs over address characters from the scheme
                // on; trailing "." and "?" are left to the sentence.
                int runEnd;
                if (o >= measuredFrom && o <= measuredEnd) {
                    runEnd = measuredEnd;
                } else {
                    runEnd = o;
                    while (runEnd + 1 < n && T::isAddressChar(b[runEnd + 1]))
                        ++runEnd;
                    measuredFrom = o;
                    measuredEnd = runEnd;
                }
                int e = runEnd;
                while (e > o && (b[e] == '.' || b[e] == '?'))
                    --e;
                if (e - o + 1 >= 9) {
                    ++cover[std::size_t(o)];
                    --cover[std::size_t(e) + 1];
                }
                break;
            }
            case Kind::DomainEnding: {
                // Not an ending when a letter, digit or other character goes on.
                const int q = o + pattern.length;
                if (q < n && (b[q] >= 0x80 || T::isAsciiAlnum(b[q])))
                    break;
                const int a = addressRunStart >= 0 && addressRunStart <= o ? addressRunStart : o;
                ++cover[std::size_t(a)];
                --cover[std::size_t(o) + 1];
                break;
            }
            }
        }
    }

    int depth = 0;
    for (int p = 0; p < n; ++p) {
        depth += cover[std::size_t(p)];
        if (depth > 0 && T::isSentenceMark(b[p]))
            marked[p] = 1;
    }
}

} // namespace GammaLib
