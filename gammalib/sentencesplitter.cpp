#include "sentencesplitter.h"

#include "gbkcodec.h"
#include "protectedpositionfinder.h"
#include "splittertables.h"

#include <algorithm>
#include <vector>

namespace GammaLib {

namespace {

using T = SplitterTables;

// Whether the sentence end e (not the last one) is dropped because the
// sentence goes on after it.
bool continuesAfter(const unsigned char *b, int n, int e)
{
    const unsigned char after = b[e + 1];
    // A closing quotation followed by a lower-case word.
    if (e > 0 && b[e - 1] == '"' && T::isLowerAscii(after))
        return true;
    // An ellipsis followed by a lower-case word.
    if (e > 3 && b[e - 3] == '.' && b[e - 2] == '.' && b[e - 1] == '.' && T::isLowerAscii(after))
        return true;
    // The end landed on a bracket or an apostrophe.
    if (!(T::isWhitespace(b[e]) || T::isSentenceMark(b[e]) || b[e] == '"'))
        return true;
    // A closing bracket not followed by a capital letter.
    if (e >= 1 && e + 1 < n && b[e - 1] == ')' && !T::isUpperAscii(after))
        return true;
    return false;
}

} // namespace

bool containsSentenceMark(const QString &paragraph)
{
    for (const QChar ch : paragraph) {
        switch (ch.unicode()) {
        case u'.': case u'?': case u'!': case u'\u3002': case u'\uFF1F': case u'\uFF01':
            return true;
        default:
            break;
        }
    }
    return false;
}

QList<int> splitSentences(const QString &paragraph)
{
    return splitSentences(GbkCodec::instance().encode(paragraph));
}

QList<int> splitSentences(const QByteArray &gbkParagraph)
{
    const int n = int(gbkParagraph.size());
    if (n == 0)
        return {};
    const auto *b = reinterpret_cast<const unsigned char *>(gbkParagraph.constData());
    const int last = n - 1;

    ProtectedPositionFinder::Result scan;
    ProtectedPositionFinder::instance().find(gbkParagraph, scan);

    // Candidates, each extended over the closing characters after it; equal
    // neighbours collapse into one end.
    std::vector<int> ends;
    int closingRunEnd = -1; // first byte after the closing run walked last
    for (int i = 0; i < n; ++i) {
        const unsigned char c = b[i];
        if (!T::isSentenceMark(c) || scan.isProtected[std::size_t(i)])
            continue;
        if (c == '.' && i > 0 && i + 1 < n && T::isAsciiDigit(b[i - 1]) && T::isAsciiDigit(b[i + 1]))
            continue; // decimal point
        int j;
        if (i < closingRunEnd) {
            j = closingRunEnd;
        } else {
            j = i;
            while (j < n && T::isClosing(b[j]))
                ++j;
            closingRunEnd = j;
        }
        int end;
        if (j >= n || j == last)
            end = last;
        else if (b[j] >= 0x80)
            end = j - 1;
        else if (T::isWhitespace(b[j]))
            end = j; // one following whitespace character stays with the sentence
        else
            end = j - 1;
        if (ends.empty() || ends.back() != end)
            ends.push_back(end);
    }

    if (!ends.empty()) {
        std::size_t kept = 0;
        for (std::size_t k = 0; k + 1 < ends.size(); ++k) {
            if (!continuesAfter(b, n, ends[k]))
                ends[kept++] = ends[k];
        }
        ends[kept++] = ends.back();
        ends.resize(kept);
    }
    if (ends.empty() || ends.back() != last)
        ends.push_back(last);

    // Full-width marks end their sentence at their own (first) character.
    for (int i = 0; i + 1 < n; ++i) {
        if (!scan.charStart[std::size_t(i)])
            continue;
        const unsigned char c = b[i];
        const unsigned char d = b[i + 1];
        if ((c == 0xA1 && d == 0xA3) || (c == 0xA3 && (d == 0xA1 || d == 0xBF))
            || (c == 0xA1 && d == 0xAD && i + 3 < n && b[i + 2] == 0xA1 && b[i + 3] == 0xAD)) {
            ends.push_back(i);
        }
    }
    std::sort(ends.begin(), ends.end());

    // Byte positions to character positions: each two-byte character before
    // an end counts one byte too many.
    QList<int> result;
    result.reserve(qsizetype(ends.size()));
    int leads = 0;
    std::size_t k = 0;
    for (int p = 0; p < n && k < ends.size(); ++p) {
        while (k < ends.size() && ends[k] == p) {
            const int position = p - leads;
            if (result.isEmpty() || result.last() != position)
                result.append(position);
            ++k;
        }
        if (scan.charStart[std::size_t(p)] && b[p] >= 0x80)
            ++leads;
    }
    return result;
}

void prepareSegmentation()
{
    SplitterTables::prepare();
    GbkCodec::instance();
    ProtectedPositionFinder::instance();
}

} // namespace GammaLib
