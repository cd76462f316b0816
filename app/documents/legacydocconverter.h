#ifndef LEGACYDOCCONVERTER_H
#define LEGACYDOCCONVERTER_H

#include <QString>
#include <QStringList>

#include <atomic>

// Word 97-2003 documents (.doc) through converters installed on the system:
// antiword reads them, LibreOffice writes them. Without the converter the
// call fails, which the caller reports like any other unreadable or
// unwritable document. Each call waits for its converter and ends it if it
// takes too long. Calls may run on any thread.
class LegacyDocConverter
{
public:
    static bool readText(const QString &path, QString *text);
    // When cancel becomes true the converter is ended and the call fails
    // without touching the file.
    static bool writeText(const QString &path, const QString &text,
                          const std::atomic<bool> *cancel = nullptr);

    // Whether a program that writes the format is installed (LibreOffice:
    // soffice or libreoffice).
    static bool canWrite();

    // Where the converters are looked up; tests point it at their own folder.
    static void setSearchPaths(const QStringList &paths);

    static constexpr int ReadTimeoutMs = 30000;
    static constexpr int WriteTimeoutMs = 120000;
};

#endif
