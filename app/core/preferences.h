#ifndef PREFERENCES_H
#define PREFERENCES_H

#include <QString>

class ConfigFile;

// Typed access to the keys of "preference.ini". Values are read from and
// written to the given store (the process-wide one by default) under their
// usual keys, in the file's usual text form; nothing is saved until save().
class Preferences
{
public:
    // One proxy kind's stored fields; the domain is used for HTTP only.
    struct ProxyEndpoint
    {
        QString host;
        QString port;
        QString user;
        QString password;
        QString domain;
    };

    Preferences();
    explicit Preferences(ConfigFile &store);

    ConfigFile &store() const { return m_store; }
    bool save();

    // "enlish_level" as a decimal integer (0 when it is not a number).
    int englishLevel() const;

    bool gotoNext() const;
    void setGotoNext(bool on);
    bool showReport() const;
    void setShowReport(bool on);
    bool enrichmentEnabled() const;
    void setEnrichmentEnabled(bool on);
    // "editor_font_size": the editor's text size in points; 0 (the key
    // empty or not a number) follows the system font's size.
    int editorFontSize() const;
    void setEditorFontSize(int points);

    // "language": "en", "zh-CN", "es", "ja", or whatever the file holds.
    QString language() const;
    void setLanguage(const QString &code);
    QString translationTarget() const;
    void setTranslationTarget(const QString &code);
    QString saveFilter() const;
    void setSaveFilter(const QString &index);
    bool lastRunCrashed() const;
    void setRunning(bool running);
    QString noteToken() const;
    void setNoteToken(const QString &token);
    void clearNoteToken();

    QString userName() const;
    void setUserName(const QString &name);
    QString passwordHash() const;
    void setPasswordHash(const QString &hash);
    bool rememberMe() const;
    void setRememberMe(bool on);

    // "proxy_type"; ok is false when the stored text is not a number.
    int proxyType(bool *ok = nullptr) const;
    void setProxyType(int type);
    // The fields of the HTTP (1) or SOCKS5 (2) proxy; empty for other types.
    ProxyEndpoint proxyEndpoint(int type) const;
    void setProxyEndpoint(int type, const ProxyEndpoint &endpoint);

private:
    bool flag(const char *key) const;
    void setFlag(const char *key, bool on);
    QString text(const char *key) const;
    void setText(const char *key, const QString &value);

    ConfigFile &m_store;
};

#endif
