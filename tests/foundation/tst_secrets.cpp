// Secrets of the preference store: the keyring keeps the remembered password
// digest, the note-service token and the proxy passwords when there is one,
// the file keeps them otherwise, and the files that hold them are the user's
// alone.
#include "appsettings.h"
#include "configfile.h"
#include "crashrecoverycopy.h"
#include "secretstore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

// A keyring in memory; it can be made to refuse writes or to be absent.
class MemoryKeyring : public SecretStore
{
public:
    bool available = true;
    bool refuseWrites = false;
    QHash<QString, QString> secrets;
    int writes = 0;

    bool isAvailable() override { return available; }
    std::optional<QString> read(const QString &key) override
    {
        if (!available)
            return std::nullopt;
        return secrets.value(key);
    }
    bool write(const QString &key, const QString &value) override
    {
        ++writes;
        if (!available || refuseWrites)
            return false;
        secrets.insert(key, value);
        return true;
    }
    bool remove(const QString &key) override
    {
        if (!available)
            return false;
        secrets.remove(key);
        return true;
    }
};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeAll(const QString &path, const QByteArray &bytes, mode_t mode)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

mode_t modeOf(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return mode_t(-1);
    return info.st_mode & 07777;
}

const QByteArray kOldPreferences =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<config>\n"
    " <str_user default=\"\">ann@example.com</str_user>\n"
    " <str_pwd default=\"\">5f4dcc3b5aa765d61d8327deb882cf99</str_pwd>\n"
    " <rem_me default=\"False\">True</rem_me>\n"
    " <evernote_access_token default=\"\">S=s1:U=8f:E=1</evernote_access_token>\n"
    " <goto_next default=\"True\">False</goto_next>\n"
    "</config>\n";

const QStringList kSecretKeys = {QStringLiteral("str_pwd"), QStringLiteral("evernote_access_token")};

} // namespace

class TestSecrets : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
    }

    void oldFileMovesItsSecretsToTheKeyring()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("preference.ini"));
        writeAll(path, kOldPreferences, 0644);
        MemoryKeyring keyring;
        {
            ConfigFile store(dir.path(), QStringLiteral("preference.ini"));
            store.setOwnerOnly(true);
            store.keepSecretsIn(&keyring, kSecretKeys);
            // The remembered log-in is still there for this run...
            QCOMPARE(store.value(QStringLiteral("str_pwd")), QStringLiteral("5f4dcc3b5aa765d61d8327deb882cf99"));
            QCOMPARE(store.value(QStringLiteral("evernote_access_token")), QStringLiteral("S=s1:U=8f:E=1"));
        }
        // ...the file no longer holds it, the keyring does, other keys stay.
        const QByteArray file = readAll(path);
        QVERIFY(!file.contains("5f4dcc3b"));
        QVERIFY(!file.contains("S=s1"));
        QVERIFY(file.contains("ann@example.com"));
        QVERIFY(file.contains("<goto_next default=\"True\">False</goto_next>"));
        QCOMPARE(modeOf(path), mode_t(0600));
        QCOMPARE(keyring.secrets.size(), 2);

        // The next start reads them back from the keyring.
        ConfigFile again(dir.path(), QStringLiteral("preference.ini"));
        again.keepSecretsIn(&keyring, kSecretKeys);
        QCOMPARE(again.value(QStringLiteral("str_pwd")), QStringLiteral("5f4dcc3b5aa765d61d8327deb882cf99"));
        QCOMPARE(again.value(QStringLiteral("evernote_access_token")), QStringLiteral("S=s1:U=8f:E=1"));
        QCOMPARE(again.value(QStringLiteral("str_user")), QStringLiteral("ann@example.com"));
    }

    // The program's own list of secrets: an older file's proxy passwords move
    // to the keyring like the log-in; the proxy's host and user stay.
    void proxyPasswordsMoveToTheKeyring()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("preference.ini"));
        writeAll(path,
                 "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<config>\n"
                 " <proxy_type default=\"0\">1</proxy_type>\n"
                 " <proxy_http_host default=\"\">proxy.example.com</proxy_http_host>\n"
                 " <proxy_http_user default=\"\">ann</proxy_http_user>\n"
                 " <proxy_http_pwd default=\"\">http-secret-1</proxy_http_pwd>\n"
                 " <proxy_socks5_user default=\"\">bob</proxy_socks5_user>\n"
                 " <proxy_socks5_pwd default=\"\">socks-secret-2</proxy_socks5_pwd>\n"
                 "</config>\n",
                 0644);
        MemoryKeyring keyring;
        {
            ConfigFile store(dir.path(), QStringLiteral("preference.ini"));
            store.setOwnerOnly(true);
            store.keepSecretsIn(&keyring, AppSettings::secretKeys());
            QCOMPARE(store.value(QStringLiteral("proxy_http_pwd")), QStringLiteral("http-secret-1"));
            QCOMPARE(store.value(QStringLiteral("proxy_socks5_pwd")), QStringLiteral("socks-secret-2"));
        }
        const QByteArray file = readAll(path);
        QVERIFY(!file.contains("http-secret-1"));
        QVERIFY(!file.contains("socks-secret-2"));
        QVERIFY(file.contains("proxy.example.com"));
        QVERIFY(file.contains(">ann<"));
        QVERIFY(file.contains(">bob<"));
        QCOMPARE(modeOf(path), mode_t(0600));

        // The next start has them back from the keyring; a password changed
        // in the proxy settings goes there too, never to the file.
        ConfigFile again(dir.path(), QStringLiteral("preference.ini"));
        again.keepSecretsIn(&keyring, AppSettings::secretKeys());
        QCOMPARE(again.value(QStringLiteral("proxy_http_pwd")), QStringLiteral("http-secret-1"));
        QCOMPARE(again.value(QStringLiteral("proxy_socks5_pwd")), QStringLiteral("socks-secret-2"));
        again.setValue(QStringLiteral("proxy_http_pwd"), QStringLiteral("http-secret-3"));
        QVERIFY(again.save());
        QVERIFY(!readAll(path).contains("http-secret-3"));
        QCOMPARE(keyring.secrets.value(again.secretName(QStringLiteral("proxy_http_pwd"))),
                 QStringLiteral("http-secret-3"));
    }

    void savedSecretsGoToTheKeyringOnly()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("preference.ini"));
        MemoryKeyring keyring;
        ConfigFile store(dir.path(), QStringLiteral("preference.ini"));
        store.setOwnerOnly(true);
        store.keepSecretsIn(&keyring, kSecretKeys);
        // A key first created by setValue() has its value as default too.
        store.setValue(QStringLiteral("str_pwd"), QStringLiteral("digest-1"));
        QVERIFY(store.save());
        QVERIFY(!readAll(path).contains("digest-1"));
        QCOMPARE(keyring.secrets.value(store.secretName(QStringLiteral("str_pwd"))), QStringLiteral("digest-1"));
        QCOMPARE(modeOf(path), mode_t(0600));

        // An unchanged secret is not written again on every save.
        const int writes = keyring.writes;
        QVERIFY(store.save());
        QCOMPARE(keyring.writes, writes);

        // A secret cleared in the store leaves the keyring.
        store.clearValue(QStringLiteral("str_pwd"));
        QVERIFY(store.save());
        QVERIFY(!keyring.secrets.contains(store.secretName(QStringLiteral("str_pwd"))));
    }

    void fileKeepsSecretsWhenTheKeyringFails()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("preference.ini"));
        writeAll(path, kOldPreferences, 0600);

        MemoryKeyring absent;
        absent.available = false;
        {
            ConfigFile store(dir.path(), QStringLiteral("preference.ini"));
            store.keepSecretsIn(&absent, kSecretKeys);
            QCOMPARE(store.value(QStringLiteral("str_pwd")), QStringLiteral("5f4dcc3b5aa765d61d8327deb882cf99"));
            QVERIFY(store.save());
        }
        QVERIFY(readAll(path).contains("5f4dcc3b"));

        MemoryKeyring refusing;
        refusing.refuseWrites = true;
        {
            ConfigFile store(dir.path(), QStringLiteral("preference.ini"));
            store.keepSecretsIn(&refusing, kSecretKeys);
            store.setValue(QStringLiteral("evernote_access_token"), QStringLiteral("S=s2"));
            QVERIFY(store.save());
        }
        const QByteArray file = readAll(path);
        QVERIFY(file.contains("5f4dcc3b"));
        QVERIFY(file.contains("S=s2"));

        ConfigFile plain(dir.path(), QStringLiteral("preference.ini"));
        plain.keepSecretsIn(nullptr, kSecretKeys);
        QCOMPARE(plain.value(QStringLiteral("evernote_access_token")), QStringLiteral("S=s2"));
    }

    // The program's own store, as a first start after an update finds it:
    // no keyring here, so the file keeps the log-in and becomes owner-only.
    void preferenceFileIsOwnerOnlyAndKeepsTheLogIn()
    {
        qputenv("QUILLET_KEYRING", "off");
        QVERIFY(SecretStore::system() == nullptr);
        const QString folder = ConfigFile::userConfigFolder();
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("preference.ini");
        writeAll(path, kOldPreferences, 0664);

        ConfigFile &store = AppSettings::preferenceConfig();
        QCOMPARE(modeOf(path), mode_t(0600));
        QCOMPARE(store.value(QStringLiteral("str_pwd")), QStringLiteral("5f4dcc3b5aa765d61d8327deb882cf99"));
        QCOMPARE(store.value(QStringLiteral("rem_me")), QStringLiteral("True"));
        store.setValue(QStringLiteral("goto_next"), QStringLiteral("True"));
        QVERIFY(store.save());
        QCOMPARE(modeOf(path), mode_t(0600));
        QVERIFY(readAll(path).contains("5f4dcc3b"));

        // A new file is owner-only from its first byte.
        QFile::remove(path);
        QVERIFY(store.save());
        QCOMPARE(modeOf(path), mode_t(0600));
    }

    void crashCopyIsOwnerOnly()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("backup.ini"));
        writeAll(path, "older text", 0644);
        CrashRecoveryCopy copy(dir.path());
        QCOMPARE(modeOf(path), mode_t(0600));
        QCOMPARE(copy.read(), QStringLiteral("older text"));
        QFile::remove(path);
        copy.markChanged();
        QVERIFY(copy.backup(QStringLiteral("the user's text")));
        QCOMPARE(modeOf(path), mode_t(0600));
    }

private:
    QTemporaryDir m_home;
};

QTEST_GUILESS_MAIN(TestSecrets)
#include "tst_secrets.moc"
