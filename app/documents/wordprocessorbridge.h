#ifndef WORDPROCESSORBRIDGE_H
#define WORDPROCESSORBRIDGE_H

#include <QString>

// Reads and writes the plain text of word-processor documents. A .docx
// package is handled here; the older binary format goes through an
// installed converter. The file's content decides how it is read, so a
// .docx saved under another name still opens; the name decides the format
// written.
class WordProcessorBridge
{
public:
    static bool read(const QString &path, QString *text);
    static bool write(const QString &path, const QString &text);
};

#endif
