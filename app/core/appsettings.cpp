#include "appsettings.h"

#include "configfile.h"
#include "secretstore.h"

#include <QCoreApplication>

namespace AppSettings {

void addPreferenceDefaults(ConfigFile &store)
{
    static const char *const defaults[][2] = {
        {"str_user", ""},          {"str_pwd", ""},
        {"rem_me", "False"},       {"goto_next", "True"},
        {"show_report", "True"},   {"enrichment_enable", "True"},
        {"enlish_level", "2"},     {"translate_dest", ""},
        {"proxy_type", "0"},       {"proxy_http_host", ""},
        {"proxy_http_port", ""},   {"proxy_http_user", ""},
        {"proxy_http_pwd", ""},    {"proxy_http_domain", ""},
        {"proxy_socks5_host", ""}, {"proxy_socks5_port", ""},
        {"proxy_socks5_user", ""}, {"proxy_socks5_pwd", ""},
    };
    for (const auto &pair : defaults)
        store.addDefault(QString::fromLatin1(pair[0]), QString::fromLatin1(pair[1]));
}

void addSettingDefaults(ConfigFile &store)
{
    static const char *const defaults[][2] = {
        {"IsMaxmized", "False"}, {"Left", "-1"},         {"Top", "0"},
        {"Width", "850"},        {"Height", "640"},      {"Save_Filter", "0"},
        {"Sidebar", "True"},     {"user_guide", "True"},
    };
    for (const auto &pair : defaults)
        store.addDefault(QString::fromLatin1(pair[0]), QString::fromLatin1(pair[1]));
}

QStringList secretKeys()
{
    return {QStringLiteral("str_pwd"), QStringLiteral("evernote_access_token"),
            QStringLiteral("proxy_http_pwd"), QStringLiteral("proxy_socks5_pwd")};
}

ConfigFile &preferenceConfig()
{
    static ConfigFile store = [] {
        ConfigFile file(QString(), QStringLiteral("preference.ini"));
        addPreferenceDefaults(file);
        // The remembered log-in, the note-service token and the proxy
        // passwords: the keyring
        // keeps them where there is one; the file is the user's alone.
        file.setOwnerOnly(true);
        file.keepSecretsIn(SecretStore::system(), secretKeys());
        return file;
    }();
    return store;
}

ConfigFile &settingConfig()
{
    static ConfigFile store = [] {
        ConfigFile file(QString(), QStringLiteral("setting.ini"));
        addSettingDefaults(file);
        return file;
    }();
    return store;
}

int installedVersion(const QString &programFolder)
{
    const QString folder = programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                                   : programFolder;
    const ConfigFile version(folder, QStringLiteral("ver.dat"));
    return version.exists() ? versionOf(version) : 0;
}

int versionOf(const ConfigFile &versionConfig)
{
    const ConfigFile::Entry entry = versionConfig.entries().value(QStringLiteral("VersionId"));
    bool ok = false;
    const int number = (entry.value.isEmpty() ? entry.defaultValue : entry.value).toInt(&ok);
    return ok ? number : 0;
}

} // namespace AppSettings
