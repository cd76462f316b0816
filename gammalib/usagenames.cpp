#include "usagenames.h"

namespace GammaLib {

QString checkUnitName(int kind)
{
    switch (kind) {
    case 0: return QStringLiteral("SENTENSE");
    case 1: return QStringLiteral("WORD");
    default: return QString();
    }
}

QString errorCategoryName(int category)
{
    switch (category) {
    case 0: return QStringLiteral("Null");
    case 1: return QStringLiteral("Nonword");
    case 2: return QStringLiteral("Real");
    case 3: return QStringLiteral("Mophology");
    case 4: return QStringLiteral("Grammar");
    case 5: return QStringLiteral("Style");
    case 6: return QStringLiteral("Suggestion");
    case 8: return QStringLiteral("Other");
    default: return QString();
    }
}

QString vocabularyLevelName(int level)
{
    static const char *const names[] = {"BASE", "CET4", "CET6", "IELTS", "TOEFL", "GRE",
                                        "A1",   "A2",   "B1",   "B2",    "C1",    "C2"};
    if (level < 0 || level >= int(sizeof(names) / sizeof(names[0])))
        return QString();
    return QString::fromLatin1(names[level]);
}

QString countString(const QMap<QString, int> &table)
{
    QString text;
    for (auto it = table.cbegin(); it != table.cend(); ++it)
        text += it.key() + QLatin1Char(':') + QString::number(it.value()) + QLatin1Char(';');
    return text;
}

QString countString(const QMap<int, int> &table, QString (*nameOf)(int))
{
    QString text;
    for (auto it = table.cbegin(); it != table.cend(); ++it) {
        const QString name = nameOf(it.key());
        if (!name.isEmpty())
            text += name + QLatin1Char(':') + QString::number(it.value()) + QLatin1Char(';');
    }
    return text;
}

} // namespace GammaLib
