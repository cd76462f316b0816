#ifndef TEXTDOCUMENTFILE_H
#define TEXTDOCUMENTFILE_H

#include <QByteArray>
#include <QString>

// Plain-text documents. A byte-order mark selects its Unicode encoding;
// without one the bytes are read as UTF-8, the system's 8-bit encoding here.
// Files from systems with another 8-bit encoding are read as GB18030 when
// they decode cleanly that way and as Windows-1252 otherwise, so no byte of
// the user's file turns into a replacement character. Written as UTF-8
// without a byte-order mark.
class TextDocumentFile
{
public:
    static bool read(const QString &path, QString *text);
    static bool write(const QString &path, const QString &text);

    static QString decode(const QByteArray &bytes);
};

#endif
