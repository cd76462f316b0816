#include "lookupanswer.h"

#include "serviceaddresses.h"

#include <QNetworkReply>

namespace GammaLib {

QString LookupAnswer::body(QNetworkReply *reply)
{
    if (!reply || reply->error() != QNetworkReply::NoError)
        return QString();
    return QString::fromUtf8(reply->readAll());
}

QString LookupAnswer::withLocalLogos(const QString &html)
{
    const ServiceAddresses &addresses = ServiceAddresses::instance();
    QString text = html;
    for (const char *name : {"google_lg.png", "bing_lg.png"}) {
        const QString path = QStringLiteral("/images/") + QLatin1String(name);
        const QString local = QStringLiteral(":/MainWnd/Resources/") + QLatin1String(name);
        text.replace(addresses.url(ServiceAddresses::Resource, path), local);
        // The pages name the logos by plain HTTP even where the host is
        // reached otherwise.
        text.replace(QStringLiteral("http://") + addresses.host(ServiceAddresses::Resource) + path, local);
    }
    return text;
}

} // namespace GammaLib
