#ifndef ENML_H
#define ENML_H

#include <QString>

namespace GammaLib {

// Evernote's note markup (ENML 2) to and from the editor's plain text.
namespace Enml {

// The XML declaration, the ENML 2 document type and "<en-note>".
QString header();

// A note's content for plain text: the text trimmed, "&", "<" and ">" escaped,
// characters XML cannot carry dropped, and every line break (CR LF, CR, LF,
// U+2028, U+2029) written as "<br />", all inside en-note.
QString fromPlainText(const QString &text);

// The text of a note's content: block elements and "<br/>" end lines, runs of
// white space outside "pre" are one blank, media and encrypted parts are left
// out, the usual named character references are understood. Content that is
// not well-formed still gives its text, with the tags stripped.
QString toPlainText(const QString &enml);

} // namespace Enml
} // namespace GammaLib

#endif
