#include "accountstatus.h"

#include <QCryptographicHash>
#include <QHash>
#include <QStringList>

namespace GammaLib {

int accountStatusCode(const QString &word)
{
    static const QHash<QString, int> table = {
        {QStringLiteral("Success"), StatusSuccess},
        {QStringLiteral("Failure"), StatusFailure},
        {QStringLiteral("UndefinedError"), StatusUndefinedError},
        {QStringLiteral("LogicError"), StatusLogicError},
        {QStringLiteral("UserNotExit"), StatusUserNotExit},
        {QStringLiteral("UserNameExist"), StatusUserNameExist},
        {QStringLiteral("UserNameDontMatchRule"), StatusUserNameDontMatchRule},
        {QStringLiteral("UserEmailExist"), StatusUserEmailExist},
        {QStringLiteral("UserEmailDontMatchRule"), StatusUserEmailDontMatchRule},
        {QStringLiteral("UserPasswordDontMatchRule"), StatusUserPasswordDontMatchRule},
        {QStringLiteral("UserNameEmpty"), StatusUserNameEmpty},
        {QStringLiteral("UserEmailEmpty"), StatusUserEmailEmpty},
        {QStringLiteral("UserEmailToolLong"), StatusUserEmailToolLong},
        {QStringLiteral("UserLogined"), StatusUserLogined},
        {QStringLiteral("SystemError"), StatusSystemError},
        {QStringLiteral("NetworkError"), StatusNetworkError},
        {QStringLiteral("DatabaseError"), StatusDatabaseError},
        {QStringLiteral("SessionError"), StatusSessionError},
    };
    return table.value(word, StatusFailure);
}

AccountAnswer parseAccountAnswer(const QString &body)
{
    const QStringList parts = body.split(QLatin1Char('|'), Qt::KeepEmptyParts);
    AccountAnswer answer;
    answer.status = parts.value(0);
    answer.code = accountStatusCode(answer.status);
    if (parts.size() == 2) {
        answer.value1 = parts.at(1);
    } else if (parts.size() == 3) {
        answer.value1 = parts.at(1);
        answer.value2 = parts.at(2);
    }
    return answer;
}

int registrationCode(const QString &body)
{
    if (body == QLatin1String("success"))
        return StatusSuccess;
    if (body == QLatin1String("error"))
        return StatusUndefinedError;

    struct Rule
    {
        int position;
        QChar digit;
        int code;
    };
    static const Rule rules[] = {
        {0, QLatin1Char('1'), StatusUserNameEmpty},
        {0, QLatin1Char('2'), StatusUserNameDontMatchRule},
        {0, QLatin1Char('3'), StatusUserNameExist},
        {1, QLatin1Char('1'), StatusUserEmailEmpty},
        {1, QLatin1Char('2'), StatusUserEmailToolLong},
        {1, QLatin1Char('3'), StatusUserEmailDontMatchRule},
        {1, QLatin1Char('4'), StatusUserEmailExist},
        {2, QLatin1Char('1'), StatusUserPasswordDontMatchRule},
    };
    for (const Rule &rule : rules) {
        if (rule.position < body.size() && body.at(rule.position) == rule.digit)
            return rule.code;
    }
    return StatusUndefinedError;
}

QString passwordHash(const QString &password)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Md5).toHex().toUpper());
}

} // namespace GammaLib
