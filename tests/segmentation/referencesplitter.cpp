#include "referencesplitter.h"

#include "gbkcodec.h"
#include "splittertables.h"

#include <QStringList>

#include <algorithm>
#include <cctype>

namespace Reference {

namespace {

using T = GammaLib::SplitterTables;

unsigned char at(const QByteArray &s, int i)
{
    return static_cast<unsigned char>(s.at(i));
}

// Where characters begin: scanning from 0, a byte with the high bit set takes
// the next byte with it.
QList<bool> characterStarts(const QByteArray &s)
{
    QList<bool> starts(s.size(), false);
    for (int i = 0; i < s.size(); ++i) {
        starts[i] = true;
        if (at(s, i) >= 0x80)
            ++i;
    }
    return starts;
}

// Next occurrence of pattern at or after from that begins a character.
int find(const QByteArray &s, const QList<bool> &starts, const QByteArray &pattern, int from)
{
    int index = int(s.indexOf(pattern, from));
    while (index >= 0 && !starts[index])
        index = int(s.indexOf(pattern, index + 1));
    return index;
}

// An ASCII byte at i, not the second byte of a two-byte character.
bool ascii(const QByteArray &s, const QList<bool> &starts, int i)
{
    return at(s, i) < 0x80 && starts[i];
}

void addMarks(const QByteArray &s, int from, int to, const char *marks, QList<int> &p)
{
    for (const char *mark = marks; *mark; ++mark) {
        for (int k = from; k <= to; ++k) {
            if (s.at(k) == *mark)
                p.append(k);
        }
    }
}

// The abbreviations with whitespace stripped from both ends.
const QList<QByteArray> &trimmedAbbreviations()
{
    static const QList<QByteArray> list = [] {
        QList<QByteArray> trimmed;
        for (const QByteArray &entry : T::abbreviations())
            trimmed.append(entry.trimmed());
        return trimmed;
    }();
    return list;
}

} // namespace

QList<int> splitSentences(const QByteArray &s)
{
    const int n = int(s.size());
    if (n == 0)
        return {};
    const QList<bool> starts = characterStarts(s);
    QList<int> p;

    // Abbreviations.
    for (const QByteArray &pattern : trimmedAbbreviations()) {
        const int length = int(pattern.size());
        for (int o = find(s, starts, pattern, 0); o >= 0; o = find(s, starts, pattern, o + length)) {
            if (o > 0 && ascii(s, starts, o - 1)) {
                if (isalnum(at(s, o - 1)))
                    continue;
                if (length == 2 && s.at(o - 1) == '\'')
                    continue;
            }
            if (pattern == "No.") {
                const int q = o + length;
                const bool digitAfter = q < n && isdigit(at(s, q));
                const bool spaceDigitAfter = q + 1 < n && s.at(q) == ' ' && isdigit(at(s, q + 1));
                if (!digitAfter && !spaceDigitAfter)
                    continue;
            }
            addMarks(s, o, o + length - 1, ".", p);
        }
    }

    // Web addresses.
    for (const QByteArray &scheme : T::urlSchemes()) {
        int from = 0;
        for (int o = find(s, starts, scheme, from); o >= 0; o = find(s, starts, scheme, from)) {
            int e = o;
            while (e + 1 < n && T::isAddressChar(at(s, e + 1)))
                ++e;
            while (e > o && (s.at(e) == '.' || s.at(e) == '?'))
                --e;
            if (e - o + 1 >= 9) {
                addMarks(s, o, e, ".?!", p);
                from = e;
            } else {
                from = o + 1;
            }
        }
    }
    for (const QByteArray &ending : T::domainEndings()) {
        for (int d = find(s, starts, ending, 0); d >= 0; d = find(s, starts, ending, d + 1)) {
            int a = d;
            while (a > 0 && ascii(s, starts, a - 1) && T::isAddressChar(at(s, a - 1)))
                --a;
            const int q = d + int(ending.size());
            if (q < n && (at(s, q) >= 0x80 || isdigit(at(s, q)) || isalpha(at(s, q))))
                continue;
            addMarks(s, a, d, ".?!", p);
        }
    }

    // E-mail addresses.
    for (int m = find(s, starts, "@", 0); m >= 0; m = find(s, starts, "@", m + 1)) {
        int a = m;
        while (a > 0 && ascii(s, starts, a - 1) && T::isMailChar(at(s, a - 1)))
            --a;
        int b = m;
        while (b + 1 < n && T::isMailChar(at(s, b + 1)))
            ++b;
        while (b > m && s.at(b) == '.')
            --b;
        if (a != m && b != m)
            addMarks(s, a, b, ".", p);
    }

    // Emoticons.
    for (const QByteArray &emoticon : T::emoticons()) {
        const int length = int(emoticon.size());
        for (int o = find(s, starts, emoticon, 0); o >= 0; o = find(s, starts, emoticon, o + length))
            addMarks(s, o, o + length - 1, ".?!", p);
    }

    std::sort(p.begin(), p.end());

    // Candidates.
    QList<int> candidates;
    for (int i = 0; i < n; ++i) {
        const char c = s.at(i);
        if (c != '.' && c != '!' && c != '?')
            continue;
        if (std::binary_search(p.begin(), p.end(), i))
            continue;
        if (c == '.' && i > 0 && i + 1 < n && isdigit(at(s, i - 1)) && isdigit(at(s, i + 1)))
            continue;
        candidates.append(i);
    }

    // Extension.
    QList<int> ends;
    for (const int i : candidates) {
        int j = i;
        while (j < n && T::isClosing(at(s, j)))
            ++j;
        int end;
        if (j == n)
            end = n - 1;
        else if (j == n - 1)
            end = j;
        else if (at(s, j) >= 0x80)
            end = j - 1;
        else if (T::isWhitespace(at(s, j)))
            end = j;
        else
            end = j - 1;
        ends.append(end);
    }
    for (int k = 0; k + 1 < ends.size();) {
        if (ends[k] == ends[k + 1])
            ends.removeAt(k);
        else
            ++k;
    }

    // Filter.
    QList<int> kept;
    for (int k = 0; k < ends.size(); ++k) {
        const int e = ends[k];
        if (k + 1 < ends.size()) {
            const auto after = [&] { return e + 1 < n ? at(s, e + 1) : 0; };
            if (e > 0 && s.at(e - 1) == '"' && islower(after()))
                continue;
            if (e > 3 && s.mid(e - 3, 3) == "..." && islower(after()))
                continue;
            const char c = s.at(e);
            if (!(T::isWhitespace(at(s, e)) || c == '.' || c == '!' || c == '?' || c == '"'))
                continue;
            if (e >= 1 && e + 1 < n && s.at(e - 1) == ')' && !isupper(at(s, e + 1)))
                continue;
        }
        kept.append(e);
    }
    ends = kept;

    if (ends.isEmpty() || ends.last() != n - 1)
        ends.append(n - 1);

    // Full-width marks.
    for (const QByteArray &mark : T::fullWidthMarks()) {
        for (int o = find(s, starts, mark, 0); o >= 0; o = find(s, starts, mark, o + 1))
            ends.append(o);
    }
    std::sort(ends.begin(), ends.end());

    // Characters.
    QList<int> leads;
    for (int i = 0; i < n; ++i) {
        if (at(s, i) >= 0x80) {
            leads.append(i);
            ++i;
        }
    }
    QList<int> result;
    for (const int e : ends) {
        int before = 0;
        for (const int lead : leads) {
            if (lead < e)
                ++before;
        }
        const int position = e - before;
        if (!result.contains(position))
            result.append(position);
    }
    return result;
}

int countWords(const QString &text)
{
    const QByteArray gbk = GammaLib::GbkCodec::instance().encode(text);
    int words = 0;
    for (QByteArray piece : gbk.split(' ')) {
        piece = piece.trimmed();
        auto keep = [](char c) {
            const auto u = static_cast<unsigned char>(c);
            return u >= 0x80 || isalnum(u);
        };
        while (!piece.isEmpty() && !keep(piece.back()))
            piece.chop(1);
        while (!piece.isEmpty() && !keep(piece.front()))
            piece.remove(0, 1);
        if (!piece.isEmpty())
            ++words;
    }
    return words;
}

int countWordsUpTo(const QString &text, int limit)
{
    int words = 0;
    for (QString part : text.split(u' ', Qt::SkipEmptyParts)) {
        part = part.trimmed();
        auto keep = [](QChar c) {
            const char16_t u = c.unicode();
            return u >= 0x80 || (u < 0x80 && isalnum(int(u)));
        };
        while (!part.isEmpty() && !keep(part.back()))
            part.chop(1);
        while (!part.isEmpty() && !keep(part.front()))
            part.remove(0, 1);
        if (!part.isEmpty() && ++words > limit)
            return -1;
    }
    return words;
}

} // namespace Reference
