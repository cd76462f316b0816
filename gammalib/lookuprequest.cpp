#include "lookuprequest.h"

#include "serviceaddresses.h"

namespace GammaLib {

namespace {
int g_timeOutMs = LookupRequest::DefaultTimeOutMs;
}

int LookupRequest::timeOutMs()
{
    return g_timeOutMs;
}

void LookupRequest::setTimeOutMs(int ms)
{
    g_timeOutMs = ms > 0 ? ms : DefaultTimeOutMs;
}

QNetworkRequest LookupRequest::make(const QUrl &url)
{
    QNetworkRequest request(url);
    request.setTransferTimeout(g_timeOutMs);
    return request;
}

QByteArray LookupRequest::queryValue(const QString &text)
{
    return QUrl::toPercentEncoding(text);
}

QUrl LookupRequest::dictionaryUrl(const QString &text)
{
    const QByteArray address =
        ServiceAddresses::instance().dictionaryBase().toUtf8() + queryValue(text.trimmed());
    return QUrl::fromEncoded(address, QUrl::StrictMode);
}

QUrl LookupRequest::translationUrl(const QString &text, const QString &sourceCode,
                                   const QString &targetCode)
{
    const QByteArray address =
        ServiceAddresses::instance()
            .url(ServiceAddresses::Api, QStringLiteral("/Veska/QLTranslation?content="))
            .toUtf8()
        + queryValue(text.trimmed()) + "&src=" + queryValue(sourceCode) + "&dest="
        + queryValue(targetCode);
    return QUrl::fromEncoded(address, QUrl::StrictMode);
}

} // namespace GammaLib
