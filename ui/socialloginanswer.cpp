#include "socialloginanswer.h"

#include <QRegularExpression>
#include <QStringList>

SocialLoginAnswer SocialLoginAnswer::parse(const QString &answer)
{
    SocialLoginAnswer result;
    const QStringList parts = answer.split(QLatin1Char('|'), Qt::KeepEmptyParts);
    if (parts.size() < 3 || !parts.at(0).endsWith(QLatin1String("Success")))
        return result;
    result.good = true;
    result.sessionKey = parts.at(1);
    const QStringList account = parts.at(2).split(QLatin1Char(';'), Qt::KeepEmptyParts);
    result.userName = account.at(0);
    result.attribute = account.size() > 1 ? account.at(1) : QString();
    return result;
}

SocialLoginAnswer SocialLoginAnswer::parsePage(const QString &html)
{
    static const QRegularExpression closingMarkup(QStringLiteral("(\\s*<[^<>]*>)*\\s*$"));
    QString answer = html;
    answer.remove(closingMarkup);
    return parse(answer);
}
