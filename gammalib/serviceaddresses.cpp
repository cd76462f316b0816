#include "serviceaddresses.h"

namespace GammaLib {

ServiceAddresses &ServiceAddresses::instance()
{
    static ServiceAddresses table;
    return table;
}

QString ServiceAddresses::defaultProductHost()
{
    return QStringLiteral(QUILLET_DEFAULT_SERVICE_HOST);
}

QString ServiceAddresses::defaultNoteHost()
{
    return QStringLiteral(QUILLET_DEFAULT_NOTE_HOST);
}

ServiceAddresses::ServiceAddresses()
    : m_consumerKey(QStringLiteral("tovermilch-3157"))
    , m_consumerSecret(QStringLiteral("5e07b2d94a13c68f"))
{
    setProductHosts(defaultProductHost());
    m_addresses[FacebookWww] = {QStringLiteral("https"), QStringLiteral("www.facebook.com")};
    m_addresses[FacebookGraph] = {QStringLiteral("https"), QStringLiteral("graph.facebook.com")};
    m_addresses[SinaShare] = {QStringLiteral("https"), QStringLiteral("service.weibo.com")};
    // The local note service, so notes work with no outside account.
    m_addresses[Evernote] = {QStringLiteral("http"), defaultNoteHost()};
}

void ServiceAddresses::setProductHosts(const QString &host)
{
    for (Host which : {Checking, Explanation, Account, Api, Web, Resource, Sina})
        m_addresses[which] = {QStringLiteral("http"), host};
}

QString ServiceAddresses::host(Host which) const
{
    return m_addresses.value(which).host;
}

QString ServiceAddresses::scheme(Host which) const
{
    return m_addresses.value(which).scheme;
}

void ServiceAddresses::setHost(Host which, const QString &host)
{
    m_addresses[which].host = host;
}

void ServiceAddresses::setScheme(Host which, const QString &scheme)
{
    m_addresses[which].scheme = scheme;
}

QString ServiceAddresses::url(Host which, const QString &path) const
{
    const Address address = m_addresses.value(which);
    return address.scheme + QStringLiteral("://") + address.host + path;
}

QString ServiceAddresses::explanationBase() const
{
    return url(Explanation, m_chinese ? QStringLiteral("/chs/") : QStringLiteral("/eng"));
}

QString ServiceAddresses::dictionaryBase() const
{
    return m_chinese ? url(Api, QStringLiteral("/Veska/QLDictCN?content="))
                     : url(Explanation, QStringLiteral("/?qew2="));
}

} // namespace GammaLib
