#include "usercountlog.h"

#include "formpost.h"
#include "serviceaddresses.h"
#include "usagenames.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace GammaLib {

namespace {
const QString CountPath = QStringLiteral("UserCountBulkAdd.ashx");
const QString CorrectionPath = QStringLiteral("UserCorrectionLogBulkAdd-new.ashx");

void release(QObject *sender)
{
    if (auto *reply = qobject_cast<QNetworkReply *>(sender))
        reply->deleteLater();
}
} // namespace

UserCountLog::UserCountLog(QObject *parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
    , m_transferTimeoutMs(DefaultTransferTimeoutMs)
{
}

QString UserCountLog::baseUrl()
{
    return ServiceAddresses::instance().url(ServiceAddresses::Account, QStringLiteral("/NotPublic/"));
}

QNetworkReply *UserCountLog::post(const QString &path, const QByteArray &body)
{
    return postForm(m_manager, baseUrl() + path, body, m_transferTimeoutMs);
}

QByteArray UserCountLog::eventForm(const QString &sessionKey, const QMap<QString, int> &events,
                                   const QString &version) const
{
    return formBody({{QStringLiteral("sessionKey"), sessionKey},
                     {QStringLiteral("group"), QStringLiteral("event")},
                     {QStringLiteral("version"), version},
                     {QStringLiteral("data"), countString(events)}});
}

bool UserCountLog::AddUserEvent(const QString &sessionKey, const QMap<QString, int> &events,
                                const QString &version)
{
    if (sessionKey.isEmpty() || events.isEmpty())
        return false;
    QNetworkReply *reply = post(CountPath, eventForm(sessionKey, events, version));
    connect(reply, &QNetworkReply::finished, this, &UserCountLog::OnAddUserEvent);
    return true;
}

bool UserCountLog::AddUserEventInBlock(const QString &sessionKey, const QMap<QString, int> &events,
                                       const QString &version)
{
    if (sessionKey.isEmpty() || events.isEmpty())
        return false;
    QNetworkReply *reply = post(CountPath, eventForm(sessionKey, events, version));
    QEventLoop loop;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    reply->deleteLater();
    return true;
}

void UserCountLog::OnAddUserEvent()
{
    release(sender());
    emit AddUserEventFinished();
}

bool UserCountLog::AddUserCheckCount(const QString &sessionKey, const QMap<int, int> &kinds)
{
    if (sessionKey.isEmpty() || kinds.isEmpty())
        return false;
    const QByteArray body = formBody({{QStringLiteral("sessionKey"), sessionKey},
                                      {QStringLiteral("group"), QStringLiteral("check")},
                                      {QStringLiteral("data"), countString(kinds, checkUnitName)}});
    ++m_taskCount;
    QNetworkReply *reply = post(CountPath, body);
    connect(reply, &QNetworkReply::finished, this, &UserCountLog::slotAddUserCheckCountFinished);
    return true;
}

bool UserCountLog::AddUserErrorCount(const QString &sessionKey, const QMap<int, int> &categories)
{
    if (sessionKey.isEmpty() || categories.isEmpty())
        return false;
    const QByteArray body = formBody({{QStringLiteral("sessionKey"), sessionKey},
                                      {QStringLiteral("group"), QStringLiteral("error")},
                                      {QStringLiteral("data"), countString(categories, errorCategoryName)}});
    ++m_taskCount;
    QNetworkReply *reply = post(CountPath, body);
    connect(reply, &QNetworkReply::finished, this, &UserCountLog::slotAddUserErrorCountFinished);
    return true;
}

void UserCountLog::finishTask()
{
    release(sender());
    if (m_taskCount > 0)
        --m_taskCount;
    emit signalTaskFinished(m_taskCount);
}

void UserCountLog::slotAddUserCheckCountFinished()
{
    finishTask();
}

void UserCountLog::slotAddUserErrorCountFinished()
{
    finishTask();
}

bool UserCountLog::AddUserCorrectionLog(const QString &sessionKey,
                                        const QList<UserCorrectionRecord> &records)
{
    if (sessionKey.isEmpty() || records.isEmpty())
        return false;
    const QByteArray body =
        formBody({{QStringLiteral("sessionKey"), sessionKey},
                  {QStringLiteral("data"), QString::fromUtf8(correctionRecordsJson(records))}});
    QNetworkReply *reply = post(CorrectionPath, body);
    connect(reply, &QNetworkReply::finished, this, &UserCountLog::OnAddUserCorrectionLog);
    return true;
}

void UserCountLog::OnAddUserCorrectionLog()
{
    release(sender());
    emit signalAddUserCorrectionLogFinished();
}

} // namespace GammaLib
