#include "versionhelper.h"

#include "appsettings.h"
#include "formpost.h"
#include "serviceaddresses.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace GammaLib {

namespace {
const char OkProperty[] = "quilletAnswered";
}

VersionHelper::VersionHelper(const QString &address, QObject *parent)
    : QObject(parent)
    , m_address(address)
    , m_manager(new QNetworkAccessManager(this))
    , m_transferTimeoutMs(DefaultTransferTimeoutMs)
{
}

QString VersionHelper::defaultAddress()
{
    return ServiceAddresses::instance().url(ServiceAddresses::Api, QStringLiteral("/update/quilletapp"));
}

int VersionHelper::installedVersion(const QString &programFolder)
{
    return AppSettings::installedVersion(programFolder);
}

QStringList VersionHelper::parseLatestVersion(const QString &body)
{
    if (body.isEmpty())
        return QStringList();
    return body.split(QLatin1Char('|'), Qt::KeepEmptyParts);
}

QStringList VersionHelper::parseFileList(const QString &body)
{
    return body.split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

bool VersionHelper::isCompleteAnswer(const QStringList &fields)
{
    return fields.size() >= 5;
}

bool VersionHelper::resetsSettings(const QStringList &fields)
{
    return isCompleteAnswer(fields) && fields.at(4) == fields.at(0);
}

void VersionHelper::requestLatestVersion()
{
    QNetworkReply *reply = m_manager->get(makeRequest(m_address, m_transferTimeoutMs));
    connect(reply, &QNetworkReply::finished, this, &VersionHelper::OnGetLastestVersion);
}

void VersionHelper::OnGetLastestVersion()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply)
        return;
    reply->deleteLater();
    QStringList fields;
    if (reply->error() == QNetworkReply::NoError)
        fields = parseLatestVersion(QString::fromUtf8(reply->readAll()));
    emit GetLastestVersionFinished(fields);
}

bool VersionHelper::requestLatestVersionInBlock()
{
    QNetworkReply *reply = m_manager->get(makeRequest(m_address, m_transferTimeoutMs));
    reply->setProperty(OkProperty, false);
    connect(reply, &QNetworkReply::finished, this, &VersionHelper::OnGetLastestVersionInBlock);
    QEventLoop loop;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    const bool answered = reply->property(OkProperty).toBool();
    reply->deleteLater();
    return answered;
}

void VersionHelper::OnGetLastestVersionInBlock()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply || reply->error() != QNetworkReply::NoError)
        return;
    const QStringList fields = parseLatestVersion(QString::fromUtf8(reply->readAll()));
    if (fields.isEmpty())
        return;
    m_lastAnswer = fields;
    reply->setProperty(OkProperty, true);
}

void VersionHelper::requestFileList(const QString &versionNumber)
{
    QNetworkReply *reply = m_manager->get(
        makeRequest(m_address + QStringLiteral("?versionid=") + versionNumber, m_transferTimeoutMs));
    connect(reply, &QNetworkReply::finished, this, &VersionHelper::OnGetVersionFileList);
}

void VersionHelper::OnGetVersionFileList()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply)
        return;
    reply->deleteLater();
    QStringList entries;
    if (reply->error() == QNetworkReply::NoError)
        entries = parseFileList(QString::fromUtf8(reply->readAll()));
    emit GetVersionFileListFinished(entries);
}

} // namespace GammaLib
