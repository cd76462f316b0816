#include "credentialrules.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace CredentialRules {

bool emailMatchesRule(const QString &email)
{
    static const QRegularExpression rule(
        QStringLiteral("^\\w+([-+.]\\w+)*@\\w+([-.]\\w+)*\\.\\w+([-.]\\w+)*$"));
    return rule.match(email).hasMatch();
}

QString passwordProblem(const QString &password)
{
    if (password.toUtf8().size() > password.size())
        return QCoreApplication::translate(
            "AccessDlg",
            "Your password contains invalid character(s). Please use ASCII characters only.");
    if (password.size() > 16)
        return QCoreApplication::translate("AccessDlg",
                                           "Password must be no more than 16 characters in length.");
    if (password.size() < 6)
        return QCoreApplication::translate("AccessDlg",
                                           "Password must be at least 6 characters in length.");
    return QString();
}

QString confirmationProblem(const QString &password, const QString &confirmation)
{
    if (confirmation != password)
        return QCoreApplication::translate("AccessDlg", "Passwords did not match. Please try again.");
    return QString();
}

bool tooShortForLogin(const QString &text)
{
    return text.size() >= 1 && text.size() <= 5;
}

} // namespace CredentialRules
