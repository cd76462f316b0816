#include "profanity.h"

const QStringList &profanityList()
{
    static const QStringList words{
        QStringLiteral("faggot"), QStringLiteral("twat"),   QStringLiteral("prick"),
        QStringLiteral("asshole"), QStringLiteral("dick"),  QStringLiteral("pussy"),
        QStringLiteral("piss"),   QStringLiteral("damn"),   QStringLiteral("nigger"),
        QStringLiteral("shit"),   QStringLiteral("bitch"),  QStringLiteral("cunt"),
        QStringLiteral("cock"),   QStringLiteral("shit"),   QStringLiteral("fucking"),
        QStringLiteral("fuck")};
    return words;
}

bool isProfane(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QStringList &words = profanityList();
    for (const QString &part : parts) {
        if (words.contains(part.toLower()))
            return true;
    }
    return false;
}
