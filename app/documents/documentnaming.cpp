#include "documentnaming.h"

#include <QCoreApplication>

QString DocumentNaming::openFilter()
{
    return QCoreApplication::translate("DocumentNaming", "All supported files (*.txt *.doc *.docx)");
}

QStringList DocumentNaming::saveFilters(bool withLegacyDoc)
{
    // Translations keep the patterns in brackets: the chosen filter is told apart by them.
    QStringList filters{QCoreApplication::translate("DocumentNaming", "Text document(*.txt)"),
                        QCoreApplication::translate("DocumentNaming", "Word document(*.docx)")};
    if (withLegacyDoc)
        filters.append(QCoreApplication::translate("DocumentNaming", "Word 97-2003 document(*.doc)"));
    return filters;
}

int DocumentNaming::preselectedFilter(const QString &storedIndex, int filterCount)
{
    int index = 0;
    if (storedIndex == QLatin1String("1"))
        index = 1;
    else if (storedIndex == QLatin1String("2"))
        index = 2;
    return index < filterCount ? index : 0;
}

QString DocumentNaming::filterIndex(const QString &filterText)
{
    if (filterText.contains(QLatin1String(".txt")))
        return QStringLiteral("0");
    if (filterText.contains(QLatin1String(".docx")))
        return QStringLiteral("1");
    return QStringLiteral("2");
}

QString DocumentNaming::pathWithExtension(const QString &path, const QString &filterIndex)
{
    for (const char *ours : {".txt", ".doc", ".docx"}) {
        if (path.endsWith(QLatin1String(ours), Qt::CaseInsensitive))
            return path;
    }
    if (filterIndex == QLatin1String("1"))
        return path + QStringLiteral(".docx");
    if (filterIndex == QLatin1String("2"))
        return path + QStringLiteral(".doc");
    return path + QStringLiteral(".txt");
}

bool DocumentNaming::isPlainText(const QString &path)
{
    return path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive);
}

bool DocumentNaming::isLegacyDoc(const QString &path)
{
    return path.endsWith(QLatin1String(".doc"), Qt::CaseInsensitive);
}

QString DocumentNaming::proposedSaveName(const QDateTime &now)
{
    return QStringLiteral("Quillet_") + now.toString(QStringLiteral("yyyyMMddhhmmss")) + QStringLiteral(".txt");
}
