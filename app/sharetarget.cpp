#include "sharetarget.h"

#include "currentlanguage.h"
#include "eventlog.h"
#include "serviceaddresses.h"

#include <QDesktopServices>
#include <QUrlQuery>

namespace {

const char *const ShareName = "Quillet, the best free grammar checker";
const char *const ShareDescription = "It grants you free instant text check for various mistakes and offers "
                                     "you enrichment suggestions to write better English.";
const char *const FacebookAppId = "402913865571304";

QString site()
{
    return GammaLib::ServiceAddresses::instance().url(GammaLib::ServiceAddresses::Web, QString());
}

} // namespace

QUrl ShareTarget::feedAddress()
{
    using GammaLib::ServiceAddresses;
    // The query parts in the order the feed dialog documents them.
    const QString address = ServiceAddresses::instance().url(ServiceAddresses::FacebookWww,
                                                             QStringLiteral("/dialog/feed?"))
                            + QStringLiteral("app_id=") + QLatin1String(FacebookAppId)
                            + QStringLiteral("&link=") + site()
                            + QStringLiteral("&picture=") + site() + QStringLiteral("/images/logo.png")
                            + QStringLiteral("&name=") + QLatin1String(ShareName)
                            + QStringLiteral("&caption= ")
                            + QStringLiteral("&description=") + QLatin1String(ShareDescription)
                            + QStringLiteral("&redirect_uri=") + site() + QStringLiteral("/LoginedByFacebook.ashx");
    return QUrl(address);
}

QUrl ShareTarget::sinaAddress()
{
    using GammaLib::ServiceAddresses;
    QUrl address(ServiceAddresses::instance().url(ServiceAddresses::SinaShare, QStringLiteral("/share/share.php")));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("title"), QLatin1String(ShareName));
    query.addQueryItem(QStringLiteral("url"), site());
    address.setQuery(query);
    return address;
}

QUrl ShareTarget::addressFor(const QString &language)
{
    return language == QLatin1String("zh-CN") ? sinaAddress() : feedAddress();
}

void ShareTarget::shareInInterfaceLanguage()
{
    EventLog::log(QStringLiteral("QL_Main_Share"));
    open(addressFor(GammaLib::currentLanguage()));
}

void ShareTarget::open(const QUrl &address)
{
    if (opener())
        opener()(address);
    else
        QDesktopServices::openUrl(address);
}

void ShareTarget::setOpener(Opener replacement)
{
    opener() = std::move(replacement);
}

ShareTarget::Opener &ShareTarget::opener()
{
    static Opener current;
    return current;
}
