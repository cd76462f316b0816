#include "proxysettings.h"

#include "configfile.h"

#include <QNetworkProxyFactory>

namespace GammaLib {

namespace {

QString stored(ConfigFile &preferences, const char *key)
{
    return preferences.value(QLatin1String(key));
}

} // namespace

ProxySettings::Action ProxySettings::fromSettings(ConfigFile &preferences, QNetworkProxy *proxy)
{
    bool ok = false;
    const int type = stored(preferences, "proxy_type").toInt(&ok, 10);
    if (!ok)
        return Action::Keep;
    switch (type) {
    case NoProxy:
        *proxy = QNetworkProxy(QNetworkProxy::NoProxy);
        return Action::Install;
    case Http:
    case Socks5: {
        const bool http = type == Http;
        const QString host = stored(preferences, http ? "proxy_http_host" : "proxy_socks5_host").trimmed();
        if (host.isEmpty())
            return Action::Keep;
        QNetworkProxy result(http ? QNetworkProxy::HttpProxy : QNetworkProxy::Socks5Proxy);
        result.setHostName(host);
        const QString port = stored(preferences, http ? "proxy_http_port" : "proxy_socks5_port");
        if (!port.isEmpty())
            result.setPort(quint16(port.toUInt(nullptr, 10)));
        QString user = stored(preferences, http ? "proxy_http_user" : "proxy_socks5_user");
        if (!user.isEmpty()) {
            const QString domain = http ? stored(preferences, "proxy_http_domain") : QString();
            if (!domain.isEmpty())
                user = domain + QLatin1Char('\\') + user;
            result.setUser(user);
        }
        const QString password = stored(preferences, http ? "proxy_http_pwd" : "proxy_socks5_pwd");
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
