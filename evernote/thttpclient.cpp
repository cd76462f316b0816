#include "thttpclient.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <cstring>

namespace GammaLib {

THttpClient::THttpClient(const QUrl &url, QObject *parent)
    : QObject(parent)
    , m_url(url)
    , m_network(new QNetworkAccessManager(this))
{
    connect(m_network, &QNetworkAccessManager::finished, this, &THttpClient::slotFinished);
    connect(m_network, &QNetworkAccessManager::sslErrors, this, &THttpClient::handleSslErrors);
}

THttpClient::~THttpClient()
{
    abort();
}

void THttpClient::write(const char *data, qsizetype size)
{
    if (size <= 0)
        return;
    const qsizetype end = m_writePos + size;
    if (end > m_buffer.size())
        m_buffer.resize(end);
    std::memcpy(m_buffer.data() + m_writePos, data, size_t(size));
    m_writePos = end;
}

bool THttpClient::read(char *data, qsizetype size)
{
    if (size < 0 || size > bytesAvailable())
        return false;
    if (size > 0)
        std::memcpy(data, m_buffer.constData() + m_readPos, size_t(size));
    m_readPos += size;
    return true;
}

void THttpClient::setBuffer(const QByteArray &bytes)
{
    m_buffer = bytes;
    rewind();
}

void THttpClient::rewind()
{
    m_writePos = 0;
    m_readPos = 0;
}

void THttpClient::flush()
{
    abort();
    const QByteArray body = m_buffer.left(m_writePos);
    rewind();
    QNetworkRequest request(m_url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-thrift"));
    request.setRawHeader("Accept", "application/x-thrift");
    QNetworkReply *reply = m_network->post(request, body);
    m_reply = reply;
    connect(reply, &QNetworkReply::downloadProgress, this, [reply](qint64 received, qint64 total) {
        if (received > MaxAnswerSize || total > MaxAnswerSize)
            reply->abort();
    });
}

void THttpClient::abort()
{
    if (QNetworkReply *reply = m_reply.data()) {
        m_reply.clear();
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void THttpClient::slotFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    if (reply != m_reply.data())
        return; // aborted or superseded
    m_reply.clear();
    if (reply->error() != QNetworkReply::NoError) {
        emit signalFinished(false);
        return;
    }
    setBuffer(reply->readAll());
    emit signalFinished(true);
}

void THttpClient::handleSslErrors(QNetworkReply *reply, const QList<QSslError> &errors)
{
    // Certificate problems are not ignored: the request fails as a transport error.
    Q_UNUSED(reply);
    Q_UNUSED(errors);
}

} // namespace GammaLib
