#include "networkhelper.h"

#include "formpost.h"
#include "serviceaddresses.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>

namespace GammaLib {

NetworkHelper::NetworkHelper(QObject *parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
    , m_transferTimeoutMs(DefaultTransferTimeoutMs)
{
    connect(m_manager, &QNetworkAccessManager::finished, this, &NetworkHelper::slotFinished);
}

QString NetworkHelper::serverCheckUrl()
{
    return ServiceAddresses::instance().url(ServiceAddresses::Checking, QStringLiteral("/apps_compressed/"));
}

void NetworkHelper::checkHttp(const QString &url)
{
    m_manager->get(makeRequest(url, m_transferTimeoutMs));
}

void NetworkHelper::checkHttp(const QNetworkProxy &proxy, const QString &url)
{
    m_manager->setProxy(proxy);
    checkHttp(url);
}

void NetworkHelper::slotFinished(QNetworkReply *reply)
{
    const QNetworkReply::NetworkError error = reply->error();
    reply->deleteLater();
    int code = 0;
    if (error == QNetworkReply::HostNotFoundError)
        code = 1;
    else if (error != QNetworkReply::NoError)
        code = 2;
    emit signalCheckHttpFinished(code);
}

} // namespace GammaLib
