#include "checktask.h"

#include "requestbody.h"
#include "serviceaddresses.h"

namespace GammaLib {

CheckTask::CheckTask(const QString &url, QObject *parent)
    : QObject(parent)
    , m_request(QUrl(url))
{
    CResultState::registerMetaType();
    m_request.setHeader(QNetworkRequest::ContentTypeHeader,
                        QByteArrayLiteral("application/x-www-form-urlencoded"));
    // The session key travels in the body: no cookie goes with a check, nor
    // is one kept from an answer.
    m_request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    m_request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    m_timer.setSingleShot(true);
    m_timer.setInterval(m_timeoutMs);
    connect(&m_timer, &QTimer::timeout, this, &CheckTask::slotCheckTimeout);
}

CheckTask::~CheckTask()
{
    if (QNetworkReply *reply = takeReply()) {
        reply->abort();
        delete reply;
    }
}

QString CheckTask::defaultUrl()
{
    return ServiceAddresses::instance().url(ServiceAddresses::Checking, QStringLiteral("/unified/"));
}

void CheckTask::setTimeoutMs(int ms)
{
    m_timeoutMs = ms;
    m_timer.setInterval(ms);
}

QNetworkReply *CheckTask::takeReply()
{
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    if (reply)
        reply->disconnect(this);
    return reply;
}

void CheckTask::check(const CCheckRequest &request)
{
    if (QNetworkReply *old = takeReply()) {
        old->abort();
        old->deleteLater();
    }
    m_unauthorized = false;
    // Bytes left by an aborted or timed-out answer must not stand in front
    // of this one.
    m_reader.reset();

    const QByteArray body = buildRequestBody(request);
    QNetworkRequest post = m_request;
    post.setHeader(QNetworkRequest::ContentLengthHeader, body.size());
    m_reply = m_manager.post(post, body);
    connect(m_reply, &QNetworkReply::readyRead, this, &CheckTask::slotReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &CheckTask::slotFinished);
    m_timer.start(m_timeoutMs);
}

void CheckTask::abort()
{
    if (m_reply && !m_reply->isFinished())
        m_reply->abort();
}

void CheckTask::slotReadyRead()
{
    QPointer<QNetworkReply> reply = m_reply;
    if (!reply)
        return;
    const QByteArray bytes = reply->readAll();
    m_reader.feed(bytes, [this, reply](const CResultState &state) {
        // A receiver may have aborted or replaced the request meanwhile.
        if (m_reply == reply)
            emit signalUpdateResult(state);
    });
    if (m_reader.unauthorized())
        m_unauthorized = true;
}

void CheckTask::slotFinished()
{
    if (m_reply && m_reply->bytesAvailable() > 0)
        slotReadyRead();
    m_timer.stop();
    QNetworkReply *reply = takeReply();
    if (!reply)
        return;
    QNetworkReply::NetworkError err = reply->error();
    reply->deleteLater();
    if (m_unauthorized)
        err = QNetworkReply::AuthenticationRequiredError;
    else if (err == QNetworkReply::NoError && !m_reader.pending().isEmpty())
        // Every record ends with the separator: bytes left over mean the
        // connection ended in the middle of one, which is no finished answer.
        err = QNetworkReply::RemoteHostClosedError;
    emit signalFinished(err);
}

void CheckTask::slotCheckTimeout()
{
    m_timer.stop();
    QNetworkReply *reply = takeReply();
    if (!reply)
        return;
    reply->abort();
    reply->deleteLater();
    emit signalFinished(QNetworkReply::TimeoutError);
}

} // namespace GammaLib
