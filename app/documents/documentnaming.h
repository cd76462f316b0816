#ifndef DOCUMENTNAMING_H
#define DOCUMENTNAMING_H

#include <QDateTime>
#include <QString>
#include <QStringList>

// Names and filters of the open and save dialogs, and the rules that turn
// the user's choice into a path and a file kind.
class DocumentNaming
{
public:
    static QString openFilter();
    // "Text document(*.txt)", "Word document(*.docx)", "Word 97-2003 document(*.doc)";
    // the last only when the older format can be written (withLegacyDoc).
    static QStringList saveFilters(bool withLegacyDoc = true);

    // The stored "Save_Filter" value to preselect: "1" or "2", else the
    // first; a filter not among the filterCount offered also gives the first.
    static int preselectedFilter(const QString &storedIndex, int filterCount = 3);
    // "0" for the text filter, "1" for .docx, "2" otherwise.
    static QString filterIndex(const QString &filterText);
    // The path with the filter's extension added when it has none of ours.
    static QString pathWithExtension(const QString &path, const QString &filterIndex);

    static bool isPlainText(const QString &path);
    // A Word 97-2003 name: ends with ".doc", letter case ignored.
    static bool isLegacyDoc(const QString &path);
    static QString proposedSaveName(const QDateTime &now);
};

#endif
