#ifndef LOOKUPREQUEST_H
#define LOOKUPREQUEST_H

#include <QByteArray>
#include <QNetworkRequest>
#include <QString>
#include <QUrl>

namespace GammaLib {

// Requests of the side panel's look-ups: explanations, dictionary entries and
// translations. None of these services answers within a time of its own, so
// every request carries a transfer time-out; a request that hears nothing for
// that long ends with an error like any other failure.
class LookupRequest
{
public:
    static constexpr int DefaultTimeOutMs = 10000;

    static int timeOutMs();
    // Tests shorten the wait; the program keeps the default.
    static void setTimeOutMs(int ms);

    // A GET request for url with the transfer time-out.
    static QNetworkRequest make(const QUrl &url);

    // The text as a query value: UTF-8, every byte but letters, digits and
    // "-._~" percent-encoded, so "&", "#", "+" and "%" reach the service as
    // typed instead of cutting or changing the query.
    static QByteArray queryValue(const QString &text);

    // Dictionary entry of the trimmed text: the dictionary address of the
    // service table (explanation host "/?qew2=", or the API host's
    // "/Veska/QLDictCN?content=" in Chinese) followed by the text.
    static QUrl dictionaryUrl(const QString &text);

    // Translation of the trimmed text: API host "/Veska/QLTranslation?content="
    // + text + "&src=" + source code + "&dest=" + target code.
    static QUrl translationUrl(const QString &text, const QString &sourceCode,
                               const QString &targetCode);
};

} // namespace GammaLib

#endif
