#ifndef WORDCOUNTER_H
#define WORDCOUNTER_H

#include <QString>

namespace GammaLib {

// Words of a text: the pieces between single spaces that hold an ASCII letter
// or digit or any non-ASCII character. Punctuation alone is no word; a tab or
// line break inside a piece does not split it.
int countWords(const QString &text);

// Words of a text split at spaces after trimming each part, or -1 as soon as
// the count exceeds limit.
int countWordsUpTo(const QString &text, int limit);

} // namespace GammaLib

#endif // WORDCOUNTER_H
