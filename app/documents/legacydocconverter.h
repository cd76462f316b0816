#ifndef LEGACYDOCCONVERTER_H
#define LEGACYDOCCONVERTER_H

#include <QString>
#include <QStringList>

// Word 97-2003 documents (.doc) through converters installed on the system:
// antiword reads them, LibreOffice writes them. Without the converter the
// call fails, which the caller reports like any other unreadable or
// unwritable document. Each call waits for its converter and ends it if it
// takes too long.
class LegacyDocConverter
{
public:
    static bool readText(const QString &path, QString *text);
    static bool writeText(const QString &path, const QString &text);

    // Where the converters are looked up; tests point it at their own folder.
    static void setSearchPaths(const QStringList &paths);

    static constexpr int ReadTimeoutMs = 30000;
    static constexpr int WriteTimeoutMs = 120000;
};

#endif
