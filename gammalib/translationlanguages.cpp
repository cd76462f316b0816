#include "translationlanguages.h"

namespace GammaLib {

const QStringList &TranslationLanguages::codes()
{
    static const QStringList list{QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("zh-CN"),
                                  QStringLiteral("fr"), QStringLiteral("de"), QStringLiteral("pt"),
                                  QStringLiteral("ja")};
    return list;
}

const QStringList &TranslationLanguages::names()
{
    static const QStringList list{QStringLiteral("English"), QStringLiteral("Spanish"),
                                  QStringLiteral("Chinese"), QStringLiteral("French"),
                                  QStringLiteral("German"),  QStringLiteral("Portuguese"),
                                  QStringLiteral("Japanese")};
    return list;
}

int TranslationLanguages::indexOf(const QString &code)
{
    return int(codes().indexOf(code));
}

QString TranslationLanguages::sourceCode(int sourceIndex)
{
    if (sourceIndex == 0)
        return QStringLiteral("auto");
    if (sourceIndex < 1 || sourceIndex > codes().size())
        return QString();
    return codes().at(sourceIndex - 1);
}

QString TranslationLanguages::pairEvent(int targetIndex, int sourceIndex)
{
    switch (targetIndex) {
    case 0:
        return sourceIndex == 0 ? QStringLiteral("QL_Main_AUTO_EN") : QStringLiteral("QL_Main_ES_EN");
    case 1:
        return QStringLiteral("QL_Main_EN_ES");
    case 2:
        return QStringLiteral("QL_Main_EN_CN");
    case 3:
        return QStringLiteral("QL_Main_EN_FR");
    case 4:
        return QStringLiteral("QL_Main_EN_DE");
    case 5:
        return QStringLiteral("QL_Main_EN_PT");
    case 6:
        return QStringLiteral("QL_Main_EN_JA");
    default:
        return QString();
    }
}

} // namespace GammaLib
