#include "useraccess.h"

#include "accountstatus.h"
#include "clientidentity.h"
#include "formpost.h"
#include "requesttimeout.h"
#include "serviceaddresses.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

namespace GammaLib {

namespace {
const char ValidProperty[] = "quilletSessionValid";
}

UserAccess &UserAccess::instance()
{
    // Lives until the process ends; it is never destroyed, so nothing that
    // still holds it at exit can reach a dead object.
    static UserAccess *const access = new UserAccess;
    return *access;
}

QByteArray UserAccess::sessionKeyForm() const
{
    return formBody({{QStringLiteral("sessionKey"), m_sessionKey}}, PlusSign::Keep);
}

UserAccess::UserAccess()
    : m_transferTimeoutMs(DefaultTransferTimeoutMs)
{
}

QNetworkAccessManager *UserAccess::manager()
{
    // Made on first use: the instance exists before the application object.
    if (!m_manager)
        m_manager = new QNetworkAccessManager(this);
    return m_manager;
}

QString UserAccess::loginUrl()
{
    return ServiceAddresses::instance().url(ServiceAddresses::Account, QStringLiteral("/Login-new.ashx"));
}

QString UserAccess::logoutUrl()
{
    return ServiceAddresses::instance().url(ServiceAddresses::Account, QStringLiteral("/Logout-new.ashx"));
}

QString UserAccess::isUserLoginUrl()
{
    return ServiceAddresses::instance().url(ServiceAddresses::Account, QStringLiteral("/IsUserLogin.ashx"));
}

QString UserAccess::accountPageUrl() const
{
    // The address is put together as it is, without further escaping.
    return ServiceAddresses::instance().url(ServiceAddresses::Web, QStringLiteral("/Account/LoginFromClient"))
           + QStringLiteral("?u=") + m_userName + QStringLiteral("&s=") + m_sessionKey;
}

void UserAccess::clear()
{
    m_userName.clear();
    m_passwordHash.clear();
    m_sessionKey.clear();
    m_firstAttribute.clear();
    m_secondAttribute.clear();
}

void UserAccess::Login(const QString &url, const QString &userName, const QString &passwordHash,
                       const QString &area)
{
    m_userName = userName;
    m_passwordHash = passwordHash;

    const QByteArray body = formBody({{QStringLiteral("userName"), userName},
                                      {QStringLiteral("hashUserPassword"), passwordHash},
                                      {QStringLiteral("area"), area}},
                                     PlusSign::Keep);
    QNetworkReply *reply = postForm(manager(), url, body, 0);
    connect(reply, &QNetworkReply::finished, this, &UserAccess::OnLogin);

    RequestTimeOut::arm(reply, m_timeOutMs, this, [this] { emit LoginFinished(StatusNetworkError); });
}

void UserAccess::Login(const QString &userName, const QString &passwordHash)
{
    Login(loginUrl(), userName, passwordHash, clientCodeName());
}

void UserAccess::OnLogin()
{
    QNetworkReply *reply = RequestTimeOut::finish(sender(), this);
    if (!reply)
        return;

    if (reply->error() != QNetworkReply::NoError) {
        emit LoginFinished(StatusNetworkError);
        return;
    }

    const AccountAnswer answer = parseAccountAnswer(QString::fromUtf8(reply->readAll()));
    if (answer.code == StatusSuccess) {
        m_sessionKey = answer.value1;
        if (!answer.value2.isEmpty()) {
            const QStringList account = answer.value2.split(QLatin1Char(';'), Qt::KeepEmptyParts);
            m_userName = account.at(0);
            if (account.size() > 1)
                m_firstAttribute = account.at(1);
            if (account.size() > 2)
                m_secondAttribute = account.at(2);
        }
    }
    emit LoginFinished(answer.code);
}

void UserAccess::Logout(const QString &url)
{
    if (m_sessionKey.isEmpty()) {
        emit LogoutFinished(StatusSessionError);
        return;
    }
    QNetworkReply *reply = postForm(manager(), url, sessionKeyForm(), m_transferTimeoutMs);
    connect(reply, &QNetworkReply::finished, this, &UserAccess::OnLogout);
}

void UserAccess::Logout()
{
    Logout(logoutUrl());
}

void UserAccess::OnLogout()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply)
        return;
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        emit LogoutFinished(StatusNetworkError);
        return;
    }
    emit LogoutFinished(parseAccountAnswer(QString::fromUtf8(reply->readAll())).code);
}

bool UserAccess::IsUserLoginInBlock(const QString &url)
{
    if (m_sessionKey.isEmpty())
        return false;
    QNetworkReply *reply = postForm(manager(), url, sessionKeyForm(), m_transferTimeoutMs);
    reply->setProperty(ValidProperty, false);
    connect(reply, &QNetworkReply::finished, this, &UserAccess::OnIsUserLogin);
    // Each call waits for its own reply, so nested checks cannot swap results.
    QEventLoop loop;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    const bool valid = reply->property(ValidProperty).toBool();
    reply->deleteLater();
    return valid;
}

bool UserAccess::IsUserLoginInBlock()
{
    return IsUserLoginInBlock(isUserLoginUrl());
}

void UserAccess::OnIsUserLogin()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply || reply->error() != QNetworkReply::NoError)
        return;
    const AccountAnswer answer = parseAccountAnswer(QString::fromUtf8(reply->readAll()));
    reply->setProperty(ValidProperty, answer.code == StatusSuccess);
}

} // namespace GammaLib
