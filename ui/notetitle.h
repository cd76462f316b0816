#ifndef NOTETITLE_H
#define NOTETITLE_H

#include <QString>

// The title a saved note gets from the editor's text: the first paragraph
// that is not blank, trimmed; its first sentence when that ends within the
// limit; otherwise cut at the last blank up to position 248, or at 250
// characters.
namespace NoteTitle {

constexpr int Limit = 250; // the note panel's title maximum of 255, less 5

QString fromText(const QString &plainText);

} // namespace NoteTitle

#endif
