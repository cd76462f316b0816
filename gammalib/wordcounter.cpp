#include "wordcounter.h"

namespace GammaLib {

namespace {

// A character that is kept when a word is stripped of punctuation.
inline bool isWordCharacter(char16_t unit)
{
    return unit >= 0x80 || (unit >= u'0' && unit <= u'9') || (unit >= u'a' && unit <= u'z')
        || (unit >= u'A' && unit <= u'Z');
}

} // namespace

// In GBK each ASCII character is its own byte and every other character two
// bytes, the first of which is never a space, whitespace or punctuation; so
// stripping a GBK piece of its punctuation leaves something exactly when the
// piece holds a letter, a digit or a non-ASCII character. Counting on the
// 16-bit text gives the same result without converting it.
int countWords(const QString &text)
{
    int words = 0;
    bool wordCharacterSeen = false;
    for (const QChar ch : text) {
        const char16_t unit = ch.unicode();
        if (unit == u' ') {
            words += wordCharacterSeen ? 1 : 0;
            wordCharacterSeen = false;
        } else if (isWordCharacter(unit)) {
            wordCharacterSeen = true;
        }
    }
    return words + (wordCharacterSeen ? 1 : 0);
}

int countWordsUpTo(const QString &text, int limit)
{
    const QChar *data = text.constData();
    const qsizetype n = text.size();
    int words = 0;
    qsizetype i = 0;
    while (i < n) {
        while (i < n && data[i] == u' ')
            ++i;
        qsizetype end = i;
        while (end < n && data[end] != u' ')
            ++end;
        // [i, end) is one part; trim it like QString::trimmed().
        qsizetype first = i;
        qsizetype last = end;
        while (first < last && data[first].isSpace())
            ++first;
        while (last > first && data[last - 1].isSpace())
            --last;
        for (qsizetype k = first; k < last; ++k) {
            if (isWordCharacter(data[k].unicode())) {
                if (++words > limit)
                    return -1;
                break;
            }
        }
        i = end;
    }
    return words;
}

} // namespace GammaLib
