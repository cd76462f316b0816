#ifndef CONFIGFILE_H
#define CONFIGFILE_H

#include <QHash>
#include <QString>
#include <QStringList>

class SecretStore;

// A small key/value store kept as an XML file:
//   <?xml version="1.0" encoding="utf-8"?>
//   <config>
//    <goto_next default="True">True</goto_next>
//   </config>
// Every value is a string; booleans are "True" and "False".
class ConfigFile
{
public:
    struct Entry
    {
        QString value;
        QString defaultValue;
    };

    // An empty or missing folder means the per-user configuration folder;
    // an empty file name means "default.ini". Loads the file if it exists.
    ConfigFile(const QString &dir, const QString &fileName);

    bool load();
    // Writes through a temporary file and an atomic rename: on failure the
    // previous file stays as it was.
    bool save();

    // The stored value, or the default when the value is empty. Reading an
    // unknown key creates an empty entry for it.
    QString value(const QString &key);
    void setValue(const QString &key, const QString &text);
    // Empties both the value and the default, so that the key reads empty
    // afterwards even when it was first created by setValue() (which makes
    // the first value its default).
    void clearValue(const QString &key);
    // Sets both the value and the default of key.
    void setEntry(const QString &key, const QString &text, const QString &defaultText);
    // Adds key with value and default set to text unless it already has an entry.
    void addDefault(const QString &key, const QString &text);

    bool exists() const;

    // Keeps the values of keys in store (the keyring) while it is available:
    // the file then holds them empty. A value found in the file is moved to
    // the store at once (the file is saved without it); otherwise the store's
    // value is read in. Without a store, or when it fails, the file keeps
    // the value as before.
    void keepSecretsIn(SecretStore *store, const QStringList &keys);
    // Writes the file readable and writable by its owner only (0600); an
    // existing file is narrowed at once.
    void setOwnerOnly(bool ownerOnly);
    // The name of key's secret in the store: the file's path and the key.
    QString secretName(const QString &key) const;
    QString directory() const { return m_dir; }
    QString fileName() const { return m_fileName; }
    QString filePath() const { return m_dir + m_fileName; }
    const QHash<QString, Entry> &entries() const { return m_entries; }

    // The folder where per-user INI settings of "Quillet"/"application" live, ending with "/".
    static QString userConfigFolder();

    // Reads the file format (UTF-8 unless a byte-order mark says otherwise)
    // into entries; false for text that is not well-formed XML.
    static bool parse(const QByteArray &raw, QHash<QString, Entry> *entries);
    // Serialises the entries in the file format (exposed for tests and tools).
    QByteArray toXml() const;

private:
    QByteArray toXml(const QHash<QString, Entry> &entries) const;
    void syncSecrets();

    SecretStore *m_secrets = nullptr;
    QStringList m_secretKeys;
    QHash<QString, QString> m_inStore; // key -> value the store holds, as last read or written
    bool m_ownerOnly = false;
    QString m_dir;
    QString m_fileName;
    QHash<QString, Entry> m_entries;
};

#endif
