// The XML settings store, the two program stores, the recent-file list and
// the crash-recovery copy.
#include "appsettings.h"
#include "configfile.h"
#include "crashrecoverycopy.h"
#include "preferences.h"
#include "recentfilelist.h"
#include "windowsettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Makes every write past `bytes` fail with EFBIG, as on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved{};
};

} // namespace

class TestConfigFile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        // Keeps the per-user folder of this test run away from the real one.
        qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
    }

    void roundTrip()
    {
        QTemporaryDir dir;
        {
            ConfigFile store(dir.path(), QStringLiteral("a.ini"));
            QVERIFY(!store.exists());
            store.setValue(QStringLiteral("goto_next"), QStringLiteral("False"));
            store.setValue(QStringLiteral("str_user"), QStringLiteral("Zoë <&> \"x\""));
            QVERIFY(store.save());
            QVERIFY(store.exists());
        }
        ConfigFile again(dir.path(), QStringLiteral("a.ini"));
        QCOMPARE(again.value(QStringLiteral("goto_next")), QStringLiteral("False"));
        QCOMPARE(again.value(QStringLiteral("str_user")), QStringLiteral("Zoë <&> \"x\""));
        QCOMPARE(again.entries().size(), 2);
        QCOMPARE(again.directory(), dir.path() + QLatin1Char('/'));
    }

    void constructorFolderAndNameRules()
    {
        ConfigFile noFolder(QStringLiteral("/no/such/folder/here"), QString());
        QCOMPARE(noFolder.directory(), ConfigFile::userConfigFolder());
        QCOMPARE(noFolder.fileName(), QStringLiteral("default.ini"));
        QVERIFY(ConfigFile::userConfigFolder().startsWith(m_home.path()));
        QVERIFY(ConfigFile::userConfigFolder().endsWith(QStringLiteral("/Quillet/")));
        QTemporaryDir dir;
        ConfigFile slash(dir.path() + QLatin1Char('/'), QStringLiteral("x.ini"));
        QCOMPARE(slash.directory(), dir.path() + QLatin1Char('/'));
    }

    void savedFileIsTheDocumentedXml()
    {
        QTemporaryDir dir;
        ConfigFile store(dir.path(), QStringLiteral("p.ini"));
        store.setValue(QStringLiteral("goto_next"), QStringLiteral("True"));
        QVERIFY(store.save());
        const QByteArray bytes = readAll(store.filePath());
        QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"));
        QVERIFY2(bytes.contains("\n <goto_next default=\"True\">True</goto_next>\n"), bytes);

        // Read back with an independent parser.
        QXmlStreamReader xml(bytes);
        QVERIFY(xml.readNext() == QXmlStreamReader::StartDocument);
        QCOMPARE(xml.documentVersion(), QStringLiteral("1.0"));
        QCOMPARE(xml.documentEncoding().toString().toLower(), QStringLiteral("utf-8"));
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name(), QStringLiteral("config"));
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name(), QStringLiteral("goto_next"));
        QCOMPARE(xml.attributes().value(QStringLiteral("default")), QStringLiteral("True"));
        QCOMPARE(xml.readElementText(), QStringLiteral("True"));
        QVERIFY(!xml.hasError());
    }

    void valueAndSetValueRules()
    {
        QTemporaryDir dir;
        writeAll(dir.filePath(QStringLiteral("v.ini")),
                 "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<config>\n"
                 " <a default=\"fallback\"></a>\n <b default=\"True\">true</b>\n"
                 " <c>x</c>\n <a default=\"dup\">later</a>\n</config>\n");
        ConfigFile store(dir.path(), QStringLiteral("v.ini"));
        // A later duplicate overwrites an earlier one.
        QCOMPARE(store.value(QStringLiteral("a")), QStringLiteral("later"));
        QCOMPARE(store.value(QStringLiteral("c")), QStringLiteral("x"));
        QCOMPARE(store.entries().value(QStringLiteral("c")).defaultValue, QString());
        // "true" is not "True".
        QVERIFY(!AppSettings::isTrue(store.value(QStringLiteral("b"))));
        // An empty value reads as the default; setting "" cannot hide it.
        store.setValue(QStringLiteral("a"), QString());
        QCOMPARE(store.value(QStringLiteral("a")), QStringLiteral("dup"));
        // Reading an unknown key creates an empty entry that is saved.
        QCOMPARE(store.value(QStringLiteral("unknown")), QString());
        QVERIFY(store.entries().contains(QStringLiteral("unknown")));
        // setValue on a new key sets value and default.
        store.setValue(QStringLiteral("fresh"), QStringLiteral("7"));
        QCOMPARE(store.entries().value(QStringLiteral("fresh")).defaultValue, QStringLiteral("7"));
        QVERIFY(store.save());
        ConfigFile again(dir.path(), QStringLiteral("v.ini"));
        QVERIFY(again.entries().contains(QStringLiteral("unknown")));
        QCOMPARE(again.value(QStringLiteral("fresh")), QStringLiteral("7"));
    }

    // Values come from the user (file paths, proxy passwords, the name typed
    // at log-in); whatever they hold, one of them must not cost the others.
    void unusualValuesKeepTheFileReadable()
    {
        QTemporaryDir dir;
        const QString control = QStringLiteral("pass") + QChar(0x1b) + QStringLiteral("word") + QChar(0x01);
        {
            ConfigFile store(dir.path(), QStringLiteral("u.ini"));
            store.setValue(QStringLiteral("str_user"), QStringLiteral("anna"));
            store.setValue(QStringLiteral("proxy_http_pwd"), control);
            store.setValue(QStringLiteral("recent_file_list"), QStringLiteral("/tmp/a\nb.txt|/x/y"));
            store.setValue(QStringLiteral("str_pwd"), QStringLiteral("x") + QChar(0xD800) + QStringLiteral("y"));
            // Keys that cannot name an element are not written at all.
            for (const char *key : {"two words", "9lives", "ns:key", "<b>"})
                store.setValue(QString::fromLatin1(key), QStringLiteral("v"));
            QVERIFY(store.save());
            QXmlStreamReader xml(readAll(store.filePath()));
            while (!xml.atEnd())
                xml.readNext();
            QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        }
        ConfigFile again(dir.path(), QStringLiteral("u.ini"));
        QCOMPARE(again.value(QStringLiteral("str_user")), QStringLiteral("anna"));
        QCOMPARE(again.value(QStringLiteral("recent_file_list")), QStringLiteral("/tmp/a\nb.txt|/x/y"));
        // What XML cannot hold is left out of the value; the rest is kept.
        QCOMPARE(again.value(QStringLiteral("proxy_http_pwd")), QStringLiteral("password"));
        QCOMPARE(again.value(QStringLiteral("str_pwd")), QStringLiteral("xy"));
        QCOMPARE(again.entries().size(), 4);
    }

    // A file edited by hand may hold a comment or stray text inside the
    // root; saving it again must still give a file that loads.
    void commentsInsideTheRootSurviveASave()
    {
        QTemporaryDir dir;
        writeAll(dir.filePath(QStringLiteral("c.ini")),
                 "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<config>\n"
                 " <!-- proxy for the office -->\n <proxy_type default=\"0\">2</proxy_type>\n"
                 " stray\n</config>\n");
        {
            ConfigFile store(dir.path(), QStringLiteral("c.ini"));
            QCOMPARE(store.value(QStringLiteral("proxy_type")), QStringLiteral("2"));
            store.setValue(QStringLiteral("goto_next"), QStringLiteral("False"));
            QVERIFY(store.save());
        }
        ConfigFile again(dir.path(), QStringLiteral("c.ini"));
        QCOMPARE(again.value(QStringLiteral("proxy_type")), QStringLiteral("2"));
        QCOMPARE(again.value(QStringLiteral("goto_next")), QStringLiteral("False"));
    }

    void damagedFilesLoadAsEmpty_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("malformed") << QByteArray("<?xml version=\"1.0\"?>\n<config><a>1</config>");
        QTest::newRow("not xml") << QByteArray("\x00\x01garbage", 9);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("no declaration") << QByteArray("<config>\n <goto_next default=\"True\">False</goto_next>\n</config>\n");
    }

    void damagedFilesLoadAsEmpty()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        writeAll(dir.filePath(QStringLiteral("preference.ini")), content);
        ConfigFile store(dir.path(), QStringLiteral("preference.ini"));
        AppSettings::addPreferenceDefaults(store);
        // The defaults apply, and a save writes a complete new file.
        QCOMPARE(store.value(QStringLiteral("goto_next")), QStringLiteral("True"));
        QVERIFY(store.save());
        ConfigFile again(dir.path(), QStringLiteral("preference.ini"));
        QCOMPARE(again.value(QStringLiteral("enlish_level")), QStringLiteral("2"));
    }

    void byteOrderMarkSelectsEncoding()
    {
        QTemporaryDir dir;
        const QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                                           "<config><user default=\"\">Jürgen</user></config>");
        QByteArray utf16("\xFF\xFE", 2);
        utf16.append(reinterpret_cast<const char *>(xml.utf16()), xml.size() * 2);
        writeAll(dir.filePath(QStringLiteral("bom.ini")), utf16);
        ConfigFile store(dir.path(), QStringLiteral("bom.ini"));
        QCOMPARE(store.value(QStringLiteral("user")), QStringLiteral("Jürgen"));
    }

    void firstStartHasEveryDefault()
    {
        QTemporaryDir dir;
        ConfigFile preferences(dir.path(), QStringLiteral("preference.ini"));
        AppSettings::addPreferenceDefaults(preferences);
        ConfigFile settings(dir.path(), QStringLiteral("setting.ini"));
        AppSettings::addSettingDefaults(settings);
        QCOMPARE(preferences.entries().size(), 18);
        QCOMPARE(settings.entries().size(), 8);
        QCOMPARE(preferences.value(QStringLiteral("rem_me")), QStringLiteral("False"));
        QCOMPARE(preferences.value(QStringLiteral("proxy_type")), QStringLiteral("0"));
        QCOMPARE(settings.value(QStringLiteral("Left")), QStringLiteral("-1"));
        QCOMPARE(settings.value(QStringLiteral("Width")), QStringLiteral("850"));
        QCOMPARE(settings.value(QStringLiteral("Height")), QStringLiteral("640"));
        QCOMPARE(settings.value(QStringLiteral("user_guide")), QStringLiteral("True"));
        // Nothing is written until someone saves.
        QVERIFY(!preferences.exists());
        QCOMPARE(preferences.value(QStringLiteral("language")), QString());
        QVERIFY(preferences.save());
        ConfigFile written(dir.path(), QStringLiteral("preference.ini"));
        QCOMPARE(written.entries().size(), 19); // the table plus "language", read once
    }

    void storedValuesBeatDefaults()
    {
        QTemporaryDir dir;
        writeAll(dir.filePath(QStringLiteral("setting.ini")),
                 "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<config>\n"
                 " <Width default=\"900\">1000</Width>\n</config>\n");
        ConfigFile settings(dir.path(), QStringLiteral("setting.ini"));
        AppSettings::addSettingDefaults(settings);
        QCOMPARE(settings.value(QStringLiteral("Width")), QStringLiteral("1000"));
        QCOMPARE(settings.entries().value(QStringLiteral("Width")).defaultValue, QStringLiteral("900"));
    }

    // The typed accessors read and write the keys and texts the files of
    // earlier versions hold.
    void typedAccessorsKeepTheStoredKeys()
    {
        QTemporaryDir dir;
        writeAll(dir.filePath(QStringLiteral("preference.ini")),
                 "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<config>\n"
                 " <enlish_level default=\"2\">4</enlish_level>\n <goto_next default=\"True\">true</goto_next>\n"
                 " <proxy_type default=\"0\">x</proxy_type>\n <proxy_socks5_host default=\"\">s.example</proxy_socks5_host>\n"
                 "</config>\n");
        ConfigFile store(dir.path(), QStringLiteral("preference.ini"));
        AppSettings::addPreferenceDefaults(store);
        Preferences preferences(store);
        QCOMPARE(preferences.englishLevel(), 4);
        QVERIFY(!preferences.gotoNext()); // only "True" is true
        QVERIFY(preferences.showReport());
        bool ok = true;
        preferences.proxyType(&ok);
        QVERIFY(!ok);
        QCOMPARE(preferences.proxyEndpoint(2).host, QStringLiteral("s.example"));
        preferences.setProxyEndpoint(1, {QStringLiteral("h"), QStringLiteral("8080"), QStringLiteral("u"),
                                         QStringLiteral("p"), QStringLiteral("d")});
        preferences.setRememberMe(true);
        preferences.setRunning(false);
        QVERIFY(preferences.save());
        const QByteArray xml = readAll(dir.filePath(QStringLiteral("preference.ini")));
        for (const char *element : {"<proxy_http_port default=\"\">8080</proxy_http_port>",
                                    "<proxy_http_domain default=\"\">d</proxy_http_domain>",
                                    "<rem_me default=\"False\">True</rem_me>", "<is_crash default=\"False\">False</is_crash>"})
            QVERIFY2(xml.contains(element), element);

        ConfigFile settingsFile(dir.path(), QStringLiteral("setting.ini"));
        AppSettings::addSettingDefaults(settingsFile);
        WindowSettings settings(settingsFile);
        QVERIFY(settings.neverPlaced());
        settings.setNormalGeometry(QRect(5, 6, 700, 500));
        settings.setMaximized(true);
        QVERIFY(settings.save());
        const QByteArray window = readAll(dir.filePath(QStringLiteral("setting.ini")));
        QVERIFY(window.contains("<Left default=\"-1\">5</Left>"));
        QVERIFY(window.contains("<IsMaxmized default=\"False\">True</IsMaxmized>"));
    }

    void processWideStoresLiveInTheUserFolder()
    {
        ConfigFile &preferences = AppSettings::preferenceConfig();
        QCOMPARE(preferences.directory(), ConfigFile::userConfigFolder());
        QCOMPARE(preferences.fileName(), QStringLiteral("preference.ini"));
        QCOMPARE(preferences.value(QStringLiteral("show_report")), QStringLiteral("True"));
        QCOMPARE(AppSettings::settingConfig().value(QStringLiteral("Sidebar")), QStringLiteral("True"));
    }

    void failedSaveKeepsThePreviousFile()
    {
        QTemporaryDir dir;
        ConfigFile store(dir.path(), QStringLiteral("preference.ini"));
        AppSettings::addPreferenceDefaults(store);
        store.setValue(QStringLiteral("str_user"), QStringLiteral("kept"));
        QVERIFY(store.save());
        const QByteArray before = readAll(store.filePath());
        QVERIFY(before.size() > 200);

        store.setValue(QStringLiteral("str_user"), QStringLiteral("lost in a full disk"));
        {
            FileSizeLimit limit(64);
            QVERIFY(!store.save());
        }
        QCOMPARE(readAll(store.filePath()), before);
        // Once the disk has room again the next save goes through.
        QVERIFY(store.save());
        ConfigFile again(dir.path(), QStringLiteral("preference.ini"));
        QCOMPARE(again.value(QStringLiteral("str_user")), QStringLiteral("lost in a full disk"));
    }

    void versionFile()
    {
        QTemporaryDir dir;
        QCOMPARE(AppSettings::installedVersion(dir.path()), 0);
        writeAll(dir.filePath(QStringLiteral("ver.dat")),
                 "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<config>\n"
                 " <VersionId default=\"2170\">2171</VersionId>\n</config>\n");
        QCOMPARE(AppSettings::installedVersion(dir.path()), 2171);
        writeAll(dir.filePath(QStringLiteral("ver.dat")),
                 "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<config>\n"
                 " <VersionId default=\"\">2.1.7</VersionId>\n</config>\n");
        QCOMPARE(AppSettings::installedVersion(dir.path()), 0);
    }

    void recentFiles()
    {
        QTemporaryDir dir;
        ConfigFile store(dir.path(), QStringLiteral("preference.ini"));
        RecentFileList recent(store);
        int refreshed = 0;
        recent.setChangedHook([&] { ++refreshed; });

        recent.add(QStringLiteral("/a.txt"));
        recent.add(QStringLiteral("/b.txt"));
        recent.add(QStringLiteral("/a.txt"));
        QCOMPARE(recent.paths(), (QStringList{"/a.txt", "/b.txt"}));
        QCOMPARE(refreshed, 3);
        // Saved right away.
        QCOMPARE(ConfigFile(dir.path(), QStringLiteral("preference.ini"))
                     .value(QStringLiteral("recent_file_list"))
                     .section(QLatin1Char('|'), 0, 1),
                 QStringLiteral("/a.txt|/b.txt"));

        // Case matters: "/A.txt" is another file.
        recent.add(QStringLiteral("/A.txt"));
        for (const char *path : {"/c.txt", "/d.txt", "/e.txt", "/f.txt"})
            recent.add(QString::fromLatin1(path));
        QCOMPARE(recent.paths(),
                 (QStringList{"/f.txt", "/e.txt", "/d.txt", "/c.txt", "/A.txt"}));
        QCOMPARE(store.value(QStringLiteral("recent_file_list")).count(QLatin1Char('|')), 4);

        for (const char *path : {"/f.txt", "/e.txt", "/d.txt", "/c.txt"})
            recent.remove(QString::fromLatin1(path));
        QCOMPARE(recent.paths(), QStringList{"/A.txt"});
        recent.remove(QStringLiteral("/A.txt"));
        QCOMPARE(store.value(QStringLiteral("recent_file_list")), QString());
        QCOMPARE(store.entries().value(QStringLiteral("recent_file_list")).value, QString());
        QVERIFY(recent.paths().isEmpty());
    }

    void crashRecoveryCopy()
    {
        QTemporaryDir dir;
        CrashRecoveryCopy copy(dir.path());
        QVERIFY(!copy.backup(QStringLiteral("unchanged")));
        QVERIFY(!QFile::exists(copy.filePath()));

        copy.markChanged();
        QVERIFY(!copy.backup(QStringLiteral("  \n\t ")));
        QVERIFY(copy.isChanged()); // blank text: nothing written, flag kept
        QVERIFY(copy.backup(QStringLiteral("  Hello, wörld.\n")));
        QVERIFY(!copy.isChanged());
        QCOMPARE(copy.read(), QStringLiteral("  Hello, wörld.\n"));
        QCOMPARE(copy.filePath(), dir.filePath(QStringLiteral("backup.ini")));

        // A copy that cannot be written keeps the previous one and clears the flag.
        copy.markChanged();
        {
            FileSizeLimit limit(8);
            QVERIFY(!copy.backup(QStringLiteral("a much longer text that does not fit")));
        }
        QVERIFY(!copy.isChanged());
        QCOMPARE(copy.read(), QStringLiteral("  Hello, wörld.\n"));
    }

private:
    QTemporaryDir m_home;
};

QTEST_GUILESS_MAIN(TestConfigFile)
#include "tst_configfile.moc"
