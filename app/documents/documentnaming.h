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
    // "Text document(*.txt)", "Word document(*.docx)", "Word 97-2003 document(*.doc)".
    static QStringList saveFilters();

    // The stored "Save_Filter" value to preselect: "1" or "2", else the first.
    static int preselectedFilter(const QString &storedIndex);
    // "0" for the text filter, "1" for .docx, "2" otherwise.
    static QString filterIndex(const QString &filterText);
    // The path with the filter's extension added when it has none of ours.
    static QString pathWithExtension(const QString &path, const QString &filterIndex);

    static bool isPlainText(const QString &path);
    static QString proposedSaveName(const QDateTime &now);
};

#endif
