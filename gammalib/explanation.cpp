#include "explanation.h"

#include "ccorrection.h"
#include "lookuprequest.h"
#include "serviceaddresses.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace GammaLib {

Explanation::Explanation(const QString &baseUrl, int requestNumber, CCorrection *correction,
                         QObject *parent)
    : QObject(parent)
    , m_correction(correction)
    , m_requestNumber(requestNumber)
    , m_baseUrl(baseUrl)
{
    connect(&m_manager, &QNetworkAccessManager::finished, this, &Explanation::slotFinished);
}

Explanation::Explanation(int requestNumber, CCorrection *correction, QObject *parent)
    : Explanation(ServiceAddresses::instance().explanationBase(), requestNumber, correction, parent)
{
}

QByteArray Explanation::address() const
{
    return m_baseUrl.toUtf8() + (m_correction ? m_correction->explanationQuery() : QByteArray());
}

void Explanation::fetch()
{
    if (m_correction && !m_correction->explanation.isEmpty()) {
        emit signalExplanation(this, m_correction->explanation);
        return;
    }
    // Non-ASCII bytes of the query go out percent-encoded as UTF-8; every
    // other byte stays as the query has it.
    // The service has no time-out of its own: a request that hears nothing
    // for the look-up time-out ends with an error, shown as a failure.
    m_manager.get(LookupRequest::make(QUrl::fromEncoded(address(), QUrl::TolerantMode)));
}

void Explanation::slotFinished(QNetworkReply *reply)
{
    QString text;
    if (reply->error() == QNetworkReply::NoError)
        text = QString::fromUtf8(reply->readAll());
    reply->deleteLater();
    emit signalExplanation(this, text);
}

} // namespace GammaLib
