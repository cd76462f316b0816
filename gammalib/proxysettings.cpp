#include "proxysettings.h"

#include "preferences.h"

#include <QNetworkProxyFactory>

namespace GammaLib {

ProxySettings::Action ProxySettings::fromSettings(ConfigFile &preferences, QNetworkProxy *proxy)
{
    const Preferences stored(preferences);
    bool ok = false;
    const int type = stored.proxyType(&ok);
    if (!ok)
        return Action::Keep;
    switch (type) {
    case NoProxy:
        *proxy = QNetworkProxy(QNetworkProxy::NoProxy);
        return Action::Install;
    case Http:
    case Socks5: {
        const bool http = type == Http;
        const Preferences::ProxyEndpoint endpoint = stored.proxyEndpoint(type);
        const QString host = endpoint.host.trimmed();
        if (host.isEmpty())
            return Action::Keep;
        QNetworkProxy result(http ? QNetworkProxy::HttpProxy : QNetworkProxy::Socks5Proxy);
        result.setHostName(host);
        const QString &port = endpoint.port;
        if (!port.isEmpty())
            result.setPort(quint16(port.toUInt(nullptr, 10)));
        QString user = endpoint.user;
        if (!user.isEmpty()) {
            const QString &domain = endpoint.domain;
            if (!domain.isEmpty())
                user = domain + QLatin1Char('\\') + user;
            result.setUser(user);
        }
        const QString &password = endpoint.password;
        if (!password.isEmpty())
            result.setPassword(password);
        *proxy = result;
        return Action::Install;
    }
    case System:
        return Action::UseSystem;
    default:
        return Action::Keep;
    }
}

void ProxySettings::applyProxy(ConfigFile &preferences)
{
    QNetworkProxy proxy;
    switch (fromSettings(preferences, &proxy)) {
    case Action::Install:
        QNetworkProxyFactory::setUseSystemConfiguration(false);
        QNetworkProxy::setApplicationProxy(proxy);
        break;
    case Action::UseSystem:
        QNetworkProxyFactory::setUseSystemConfiguration(true);
        break;
    case Action::Keep:
        break;
    }
}

QNetworkProxy ProxySettings::forTest(int typeIndex, const QString &host, const QString &port, const QString &user,
                                     const QString &password, const QString &domain)
{
    QNetworkProxy proxy;
    if (typeIndex == Http)
        proxy.setType(QNetworkProxy::HttpProxy);
    else if (typeIndex == Socks5)
        proxy.setType(QNetworkProxy::Socks5Proxy);
    proxy.setHostName(host);
    if (!port.isEmpty())
        proxy.setPort(quint16(port.toUInt(nullptr, 10)));
    if (!user.isEmpty())
        proxy.setUser(domain.isEmpty() ? user : domain + QLatin1Char('/') + user);
    if (!password.isEmpty())
        proxy.setPassword(password);
    return proxy;
}

} // namespace GammaLib
