#include "preferences.h"

#include "appsettings.h"
#include "configfile.h"

Preferences::Preferences()
    : m_store(AppSettings::preferenceConfig())
{
}

Preferences::Preferences(ConfigFile &store)
    : m_store(store)
{
}

bool Preferences::save()
{
    return m_store.save();
}

bool Preferences::flag(const char *key) const
{
    return AppSettings::isTrue(text(key));
}

void Preferences::setFlag(const char *key, bool on)
{
    setText(key, AppSettings::boolText(on));
}

QString Preferences::text(const char *key) const
{
    return m_store.value(QLatin1String(key));
}

void Preferences::setText(const char *key, const QString &value)
{
    m_store.setValue(QLatin1String(key), value);
}

int Preferences::englishLevel() const
{
    return text("enlish_level").toInt(nullptr, 10);
}

bool Preferences::gotoNext() const { return flag("goto_next"); }
void Preferences::setGotoNext(bool on) { setFlag("goto_next", on); }
bool Preferences::showReport() const { return flag("show_report"); }
void Preferences::setShowReport(bool on) { setFlag("show_report", on); }
bool Preferences::enrichmentEnabled() const { return flag("enrichment_enable"); }
void Preferences::setEnrichmentEnabled(bool on) { setFlag("enrichment_enable", on); }
int Preferences::editorFontSize() const { return qMax(0, text("editor_font_size").toInt(nullptr, 10)); }
void Preferences::setEditorFontSize(int points)
{
    // "0" rather than an empty value: an empty value reads the key's default.
    setText("editor_font_size", QString::number(qMax(0, points)));
}

QString Preferences::language() const { return text("language"); }
void Preferences::setLanguage(const QString &code) { setText("language", code); }
QString Preferences::translationTarget() const { return text("translate_dest"); }
void Preferences::setTranslationTarget(const QString &code) { setText("translate_dest", code); }
QString Preferences::saveFilter() const { return text("Save_Filter"); }
void Preferences::setSaveFilter(const QString &index) { setText("Save_Filter", index); }
bool Preferences::lastRunCrashed() const { return flag("is_crash"); }
void Preferences::setRunning(bool running) { setFlag("is_crash", running); }
QString Preferences::noteToken() const { return text("evernote_access_token"); }
void Preferences::setNoteToken(const QString &token) { setText("evernote_access_token", token); }
void Preferences::clearNoteToken() { m_store.clearValue(QStringLiteral("evernote_access_token")); }

QString Preferences::userName() const { return text("str_user"); }
void Preferences::setUserName(const QString &name) { setText("str_user", name); }
QString Preferences::passwordHash() const { return text("str_pwd"); }
void Preferences::setPasswordHash(const QString &hash) { setText("str_pwd", hash); }
bool Preferences::rememberMe() const { return flag("rem_me"); }
void Preferences::setRememberMe(bool on) { setFlag("rem_me", on); }

int Preferences::proxyType(bool *ok) const
{
    return text("proxy_type").toInt(ok, 10);
}

void Preferences::setProxyType(int type)
{
    setText("proxy_type", QString::number(type));
}

Preferences::ProxyEndpoint Preferences::proxyEndpoint(int type) const
{
    ProxyEndpoint endpoint;
    if (type == 1) {
        endpoint = {text("proxy_http_host"), text("proxy_http_port"), text("proxy_http_user"),
                    text("proxy_http_pwd"), text("proxy_http_domain")};
    } else if (type == 2) {
        endpoint = {text("proxy_socks5_host"), text("proxy_socks5_port"), text("proxy_socks5_user"),
                    text("proxy_socks5_pwd"), QString()};
    }
    return endpoint;
}

void Preferences::setProxyEndpoint(int type, const ProxyEndpoint &endpoint)
{
    if (type == 1) {
        setText("proxy_http_host", endpoint.host);
        setText("proxy_http_port", endpoint.port);
        setText("proxy_http_user", endpoint.user);
        setText("proxy_http_pwd", endpoint.password);
        setText("proxy_http_domain", endpoint.domain);
    } else if (type == 2) {
        setText("proxy_socks5_host", endpoint.host);
        setText("proxy_socks5_port", endpoint.port);
        setText("proxy_socks5_user", endpoint.user);
        setText("proxy_socks5_pwd", endpoint.password);
    }
}
