#include "manager.h"

#include "oauthencoding.h"
#include "preferences.h"
#include "serviceaddresses.h"

#include <QDateTime>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRandomGenerator>
#include <QUrlQuery>

namespace GammaLib {

namespace {
const QString kCallback = QStringLiteral("callback");
const QString kConsumerKey = QStringLiteral("consumer_key");
const QString kConsumerSecret = QStringLiteral("consumer_secret");
const QString kNonce = QStringLiteral("nonce");
const QString kTimestamp = QStringLiteral("timestamp");
const QString kSignatureMethod = QStringLiteral("signature_method");
const QString kSignature = QStringLiteral("signature");
const QString kToken = QStringLiteral("token");
const QString kTokenSecret = QStringLiteral("token_secret");
const QString kVersion = QStringLiteral("version");
const QString kVerifier = QStringLiteral("verifier");
} // namespace

Manager::Manager(QObject *parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
{
    connect(m_network, &QNetworkAccessManager::finished, this, &Manager::slotFinished);
    connect(m_network, &QNetworkAccessManager::sslErrors, this, &Manager::handleSslErrors);
    reset();
}

Manager::~Manager()
{
    abort();
}

QString Manager::oauthUrl()
{
    return ServiceAddresses::instance().url(ServiceAddresses::Evernote, QStringLiteral("/oauth"));
}

QString Manager::callbackUrl()
{
    return ServiceAddresses::instance().url(ServiceAddresses::Web, QString());
}

QString Manager::consumerKey()
{
    return ServiceAddresses::instance().evernoteConsumerKey();
}

QString Manager::consumerSecret()
{
    return ServiceAddresses::instance().evernoteConsumerSecret();
}

QString Manager::makeNonce()
{
    // Drawn from the shared generator rather than one seeded with the clock,
    // so two requests within the same second never repeat a nonce.
    QRandomGenerator *random = QRandomGenerator::global();
    QString nonce;
    for (int i = 0; i < 8; ++i) {
        if (random->generate() % 3 == 0)
            nonce.append(QChar('a' + int(random->generate() % 26)));
        else
            nonce.append(QChar('0' + int(random->generate() % 10)));
    }
    return nonce;
}

QString Manager::makeTimestamp()
{
    return QString::number(QDateTime::currentSecsSinceEpoch());
}

void Manager::reset()
{
    m_table.clear();
    m_table.insert(kCallback, callbackUrl());
    m_table.insert(kConsumerKey, consumerKey());
    m_table.insert(kConsumerSecret, consumerSecret());
    m_table.insert(kNonce, makeNonce());
    m_table.insert(kTimestamp, makeTimestamp());
    m_table.insert(kSignatureMethod, QStringLiteral("HMAC-SHA1"));
    m_table.insert(kSignature, QString());
    m_table.insert(kToken, QString());
    m_table.insert(kTokenSecret, QString());
    m_table.insert(kVersion, QStringLiteral("1.0"));
}

QString Manager::Value(const QString &name) const
{
    return m_table.value(name);
}

QString Manager::signatureBaseString(const QString &method, const QString &url) const
{
    QList<OAuth::Parameter> parameters;
    for (auto it = m_table.constBegin(); it != m_table.constEnd(); ++it) {
        if (it.value().isEmpty() || it.key().endsWith(QLatin1String("_secret"))
            || it.key().endsWith(kSignature))
            continue;
        parameters.append({QStringLiteral("oauth_") + it.key(), it.value()});
    }
    return OAuth::signatureBaseString(method, url, parameters);
}

QByteArray Manager::signingKey() const
{
    return OAuth::signingKey(m_table.value(kConsumerSecret), m_table.value(kTokenSecret));
}

void Manager::sign(const QString &method, const QString &url)
{
    m_table.insert(kSignature, QString());
    const QString base = signatureBaseString(method, url);
    m_table.insert(kSignature, OAuth::hmacSha1Base64(signingKey(), base.toLatin1()));
}

QString Manager::authorizationHeader() const
{
    QStringList parts;
    for (auto it = m_table.constBegin(); it != m_table.constEnd(); ++it) {
        if (it.value().isEmpty() || it.key().endsWith(QLatin1String("_secret")))
            continue;
        parts.append(QStringLiteral("oauth_%1=\"%2\"").arg(it.key(), OAuth::percentEncode(it.value())));
    }
    return QStringLiteral("OAuth ") + parts.join(QStringLiteral(", "));
}

void Manager::post(const QString &url)
{
    abort();
    QNetworkRequest request{QUrl(url)};
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
    request.setRawHeader("Authorization", authorizationHeader().toLatin1());
    m_reply = m_network->post(request, QByteArray());
}

void Manager::RequestToken(const QString &method, const QString &url)
{
    reset();
    sign(method, url);
    post(url);
}

void Manager::AccessToken(const QString &method, const QString &url, const QString &verifier)
{
    m_table.insert(kNonce, makeNonce());
    m_table.insert(kTimestamp, makeTimestamp());
    m_table.remove(kCallback);
    m_table.insert(kVerifier, verifier);
    sign(method, url);
    post(url);
}

void Manager::requestTemporaryToken()
{
    RequestToken(QStringLiteral("POST"), oauthUrl());
}

void Manager::requestAccessToken(const QString &verifier)
{
    AccessToken(QStringLiteral("POST"), oauthUrl(), verifier);
}

void Manager::abort()
{
    if (QNetworkReply *reply = m_reply.data()) {
        m_reply.clear();
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void Manager::slotFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    if (reply != m_reply.data())
        return; // an aborted or superseded request
    m_reply.clear();

    const bool secondStep = m_table.contains(kVerifier);
    if (reply->error() != QNetworkReply::NoError) {
        // Each step reports its own failure, so a caller waiting for the access
        // token is not left waiting.
        if (secondStep) {
            m_table.remove(kVerifier);
            emit signalAcessToken(false);
        } else {
            emit signalRequestToken(false);
        }
        return;
    }

    const QMap<QString, QString> answer = OAuth::parseForm(reply->readAll());
    const QString token = answer.value(QStringLiteral("oauth_token"));
    m_table.insert(kToken, token);
    if (secondStep) {
        m_table.remove(kVerifier);
        m_table.insert(kTokenSecret, answer.value(QStringLiteral("oauth_token_secret")));
        // An answer without a token is no access token.
        emit signalAcessToken(!token.isEmpty());
        return;
    }
    if (answer.contains(QStringLiteral("oauth_token_secret")))
        m_table.insert(kTokenSecret, answer.value(QStringLiteral("oauth_token_secret")));
    emit signalRequestToken(!token.isEmpty());
}

void Manager::handleSslErrors(QNetworkReply *reply, const QList<QSslError> &errors)
{
    // Certificate problems are not waved through: the request fails and the
    // failure is reported like any other transport error.
    Q_UNUSED(reply);
    Q_UNUSED(errors);
}

QString Manager::authorizationUrl() const
{
    return ServiceAddresses::instance().url(ServiceAddresses::Evernote, QStringLiteral("/OAuth.action?oauth_token="))
           + OAuth::percentEncode(m_table.value(kToken));
}

Manager::RedirectResult Manager::checkRedirect(const QUrl &url, QString *verifier) const
{
    const QUrl callback(m_table.contains(kCallback) ? m_table.value(kCallback) : callbackUrl());
    // The callback is recognised by its scheme, host and port, not by its text
    // turning up somewhere inside another address.
    if (!url.isValid() || url.scheme().compare(callback.scheme(), Qt::CaseInsensitive) != 0
        || url.host().compare(callback.host(), Qt::CaseInsensitive) != 0
        || url.port(-1) != callback.port(-1))
        return NotCallback;
    const QList<QPair<QString, QString>> items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
    QString found;
    bool present = false;
    for (const auto &item : items) {
        if (item.first == QLatin1String("oauth_verifier")) {
            found = item.second;
            present = true;
        }
    }
    if (!present)
        return Declined;
    // An empty verifier still counts as the callback with one; the caller
    // reports it as a failed authorisation.
    if (verifier)
        *verifier = found;
    return Verified;
}

bool Manager::storeAccessToken() const
{
    const QString token = m_table.value(kToken);
    if (token.isEmpty())
        return false;
    Preferences preferences;
    preferences.setNoteToken(token);
    return preferences.save();
}

} // namespace GammaLib
