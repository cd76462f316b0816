#ifndef PROXYSETTINGS_H
#define PROXYSETTINGS_H

#include <QNetworkProxy>
#include <QString>

class ConfigFile;

namespace GammaLib {

// Turns the stored proxy settings ("proxy_type" and the "proxy_http_*" /
// "proxy_socks5_*" keys) into the application's network proxy.
class ProxySettings
{
public:
    enum Type { NoProxy = 0, Http = 1, Socks5 = 2, System = 3 };

    // What the stored settings ask for: a proxy to install, the system's
    // configuration, or nothing to change (unknown type, empty host).
    enum class Action { Install, UseSystem, Keep };
    static Action fromSettings(ConfigFile &preferences, QNetworkProxy *proxy);

    // Installs it as the application proxy.
    static void applyProxy(ConfigFile &preferences);

    // The proxy a connection test uses, from the dialog's fields: HTTP for
    // 1, SOCKS5 for 2, the default type otherwise; a domain is written
    // "domain/user" here (the installed proxy uses "domain\user").
    static QNetworkProxy forTest(int typeIndex, const QString &host, const QString &port, const QString &user,
                                 const QString &password, const QString &domain);
};

} // namespace GammaLib

#endif
