#include "userregister.h"

#include "accountstatus.h"
#include "clientidentity.h"
#include "formpost.h"
#include "serviceaddresses.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

namespace GammaLib {

namespace {
const char TimerName[] = "quilletRequestTimeOut";
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

    auto *timer = new QTimer(reply);
    timer->setObjectName(QLatin1String(TimerName));
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, &UserRegister::handleTimeOut);
    timer->start(m_timeOutMs);
}

void UserRegister::Register(const QString &email, const QString &passwordHash)
{
    Register(registerUrl(), email, passwordHash);
}

void UserRegister::OnRegister()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply)
        return;
    if (auto *timer = reply->findChild<QTimer *>(QLatin1String(TimerName), Qt::FindDirectChildrenOnly))
        timer->stop();
    disconnect(reply, nullptr, this, nullptr);
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        emit RegisterFinished(StatusNetworkError);
        return;
    }
    emit RegisterFinished(registrationCode(QString::fromUtf8(reply->readAll())));
}

void UserRegister::handleTimeOut()
{
    auto *timer = qobject_cast<QTimer *>(sender());
    auto *reply = timer ? qobject_cast<QNetworkReply *>(timer->parent()) : nullptr;
    if (!reply)
        return;
    disconnect(reply, nullptr, this, nullptr);
    reply->abort();
    reply->deleteLater();
    emit RegisterFinished(StatusNetworkError);
}

} // namespace GammaLib
