#include "userregister.h"

#include "accountstatus.h"
#include "clientidentity.h"
#include "formpost.h"
#include "requesttimeout.h"
#include "serviceaddresses.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

namespace GammaLib {

namespace {
}

UserRegister::UserRegister(QObject *parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
    , m_transferTimeoutMs(DefaultTransferTimeoutMs)
{
}

QString UserRegister::existUserEmailUrl()
{
    return ServiceAddresses::instance().url(ServiceAddresses::Account,
                                            QStringLiteral("/register/DoesEmailExist.ashx"));
}

QString UserRegister::registerUrl()
{
    return ServiceAddresses::instance().url(ServiceAddresses::Account,
                                            QStringLiteral("/register/register.ashx"));
}

void UserRegister::ExistUserEmail(const QString &url, const QString &email)
{
    if (!m_emailCheckReady)
        return;
    m_emailCheckReady = false;
    QNetworkReply *reply = postForm(m_manager, url, formBody({{QStringLiteral("e"), email}}, PlusSign::Keep),
                                    m_transferTimeoutMs);
    connect(reply, &QNetworkReply::finished, this, &UserRegister::OnExistUserEmail);
}

void UserRegister::ExistUserEmail(const QString &email)
{
    ExistUserEmail(existUserEmailUrl(), email);
}

void UserRegister::OnExistUserEmail()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply)
        return;
    reply->deleteLater();
    const bool exists = reply->error() == QNetworkReply::NoError
                        && QString::fromUtf8(reply->readAll()) == QLatin1String("True");
    m_emailCheckReady = true;
    emit ExistUserEmailFinished(exists);
}

void UserRegister::Register(const QString &url, const QString &email, const QString &passwordHash)
{
    if (email.isEmpty()) {
        emit RegisterFinished(StatusUserEmailEmpty);
        return;
    }
    // The service reads a plus sign in the address as a space unless it
    // arrives escaped, written "%2b".
    QByteArray address = encodeFormValue(email, PlusSign::Keep);
    address.replace('+', "%2b");
    const QByteArray body = "e=" + address + "&p=" + encodeFormValue(passwordHash)
                            + "&from=" + encodeFormValue(clientCodeName());
    QNetworkReply *reply = postForm(m_manager, url, body, 0);
    connect(reply, &QNetworkReply::finished, this, &UserRegister::OnRegister);

    RequestTimeOut::arm(reply, m_timeOutMs, this, [this] { emit RegisterFinished(StatusNetworkError); });
}

void UserRegister::Register(const QString &email, const QString &passwordHash)
{
    Register(registerUrl(), email, passwordHash);
}

void UserRegister::OnRegister()
{
    QNetworkReply *reply = RequestTimeOut::finish(sender(), this);
    if (!reply)
        return;
    if (reply->error() != QNetworkReply::NoError) {
        emit RegisterFinished(StatusNetworkError);
        return;
    }
    emit RegisterFinished(registrationCode(QString::fromUtf8(reply->readAll())));
}

} // namespace GammaLib
