// The updater program as a real process: a copy of it in a scratch program
// folder, the local services (or a scripted server) as the version service,
// and the test as the main program on the channel "QuilletUpdate".
#include "configfile.h"
#include "installjournal.h"
#include "instancekeys.h"
#include "localservices.h"
#include "recordinghttpserver.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray binaryBytes(int size, int seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    quint32 x = 2463534242u + quint32(seed);
    for (int i = 0; i < size; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        bytes[i] = char(x & 0xff);
    }
    return bytes;
}

QString sha256(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

// Every file below folder (relative path -> bytes), the updater itself aside.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(folder).relativeFilePath(path);
        if (relative != QLatin1String("update"))
            files.insert(relative, readFile(path));
    }
    return files;
}

// The main program's side of the channel: records every line and closes
// the connection after the outcome, as the settings dialog does.
class ChannelPeer : public QObject
{
public:
    ChannelPeer()
    {
        QLocalServer::removeServer(InstanceKeys::updateChannel());
        m_server.listen(InstanceKeys::updateChannel());
        connect(&m_server, &QLocalServer::newConnection, this, [this] {
            m_socket = m_server.nextPendingConnection();
            connect(m_socket, &QLocalSocket::readyRead, this, [this] { read(); });
        });
    }
    ~ChannelPeer() override { m_server.close(); }

    bool isListening() const { return m_server.isListening(); }
    QStringList lines;
    bool connected() const { return m_socket != nullptr; }
    void send(const QByteArray &line)
    {
        m_socket->write(line + '\n');
        m_socket->flush();
    }
    bool closeOnOutcome = true;

private:
    void read()
    {
        while (m_socket && m_socket->canReadLine()) {
            const QString line = QString::fromLatin1(m_socket->readLine()).trimmed();
            lines.append(line);
            if (closeOnOutcome && (line == QLatin1String("UpdateSuccess") || line == QLatin1String("UpdateFail")))
                m_socket->disconnectFromServer();
        }
    }

    QLocalServer m_server;
    QPointer<QLocalSocket> m_socket;
};

struct ReleaseFile
{
    QString name;
    QString subdir;
    QByteArray bytes;
    int version;
};

} // namespace

class TestUpdater : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_tmp;  // the updater's temporary folder and the channel's socket
    QTemporaryDir m_home; // the per-user settings folder
    LocalServices m_services;
    std::unique_ptr<QTemporaryDir> m_parent; // holds the program folder
    QString m_folder;

    QString settingFile() const { return ConfigFile::userConfigFolder() + QStringLiteral("setting.ini"); }

    // A program folder with the old release: quillet-main (executable),
    // translations/quillet_es.qm, a file no release names, and "ver.dat".
    void makeProgramFolder()
    {
        m_parent = std::make_unique<QTemporaryDir>();
        QVERIFY(m_parent->isValid());
        m_folder = m_parent->filePath(QStringLiteral("program"));
        QVERIFY(QDir().mkpath(m_folder));
        QVERIFY(QFile::copy(QStringLiteral(UPDATE_PROGRAM), m_folder + QStringLiteral("/update")));
        QVERIFY(writeFile(m_folder + QStringLiteral("/quillet-main"), "old program"));
        QFile::setPermissions(m_folder + QStringLiteral("/quillet-main"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                  | QFile::ExeGroup);
        QVERIFY(writeFile(m_folder + QStringLiteral("/translations/quillet_es.qm"), "old qm"));
        QVERIFY(writeFile(m_folder + QStringLiteral("/voc.dat"), "vocabulary"));
        ConfigFile version(m_folder, QStringLiteral("ver.dat"));
        version.setEntry(QStringLiteral("VersionId"), QStringLiteral("2170"), QStringLiteral("2170"));
        version.setEntry(QStringLiteral("File_quillet-main"), QStringLiteral("2170"), QString());
        version.setEntry(QStringLiteral("File_quillet_es.qm"), QStringLiteral("2"), QStringLiteral("translations"));
        QVERIFY(version.save());
        ConfigFile settings(QString(), QStringLiteral("setting.ini"));
        settings.setValue(QStringLiteral("user_guide"), QStringLiteral("False"));
        QVERIFY(settings.save());
    }

    void writeRelease(int number, const QList<ReleaseFile> &files, bool reset = false)
    {
        const QString dir = m_services.dataDir() + QStringLiteral("/releases/") + QString::number(number);
        QJsonArray list;
        for (const ReleaseFile &file : files) {
            QVERIFY(writeFile(dir + QStringLiteral("/files/") + (file.subdir.isEmpty() ? QString() : file.subdir + QLatin1Char('/'))
                                  + file.name,
                              file.bytes));
            list.append(QJsonObject{{QStringLiteral("name"), file.name},
                                    {QStringLiteral("version"), file.version},
                                    {QStringLiteral("subdir"), file.subdir}});
        }
        const QJsonObject manifest{{QStringLiteral("version"), number},
                                   {QStringLiteral("text"), QStringLiteral("2.1.9.0")},
                                   {QStringLiteral("reset"), reset},
                                   {QStringLiteral("files"), list}};
        QVERIFY(writeFile(dir + QStringLiteral("/manifest.json"), QJsonDocument(manifest).toJson()));
    }

    std::unique_ptr<QProcess> startUpdate(const QStringList &arguments, const QString &serviceHost)
    {
        auto process = std::make_unique<QProcess>();
        process->setProgram(m_folder + QStringLiteral("/update"));
        process->setArguments(arguments + QStringList{QStringLiteral("--service-host"), serviceHost});
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start();
        return process;
    }

    // Runs the updater to its end; false when it did not end by itself with
    // exit code 0 within the time.
    bool runUpdate(const QString &argument, const QString &serviceHost, int timeoutMs = 60000)
    {
        auto process = startUpdate({argument}, serviceHost);
        if (!process->waitForStarted(10000))
            return false;
        QElapsedTimer timer;
        timer.start();
        while (process->state() != QProcess::NotRunning && timer.elapsed() < timeoutMs)
            QTest::qWait(20);
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(5000);
            return false;
        }
        return process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    }

    static void verifyRisingProgress(const QStringList &lines, const QString &outcome)
    {
        QVERIFY2(!lines.isEmpty(), "no message");
        QCOMPARE(lines.first(), QStringLiteral("0"));
        QCOMPARE(lines.last(), outcome);
        int last = -1;
        for (int i = 0; i + 1 < lines.size(); ++i) {
            bool ok = false;
            const int value = lines.at(i).toInt(&ok);
            QVERIFY2(ok, qPrintable(lines.join(QLatin1Char(' '))));
            QVERIFY2(value > last && value <= 100, qPrintable(lines.join(QLatin1Char(' '))));
            last = value;
        }
    }

    void verifyNoLeftovers()
    {
        QDirIterator it(m_folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QVERIFY2(!path.endsWith(QLatin1String(".old")) && !path.endsWith(QLatin1String(".update-new"))
                         && !path.endsWith(InstallJournal::journalName()),
                     qPrintable(path));
        }
        const QStringList temporary = QDir(m_tmp.path()).entryList({QStringLiteral("quillet-update-*")}, QDir::AllEntries);
        QVERIFY2(temporary.isEmpty(), qPrintable(temporary.join(QLatin1Char(' '))));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_tmp.isValid() && m_home.isValid());
        qputenv("TMPDIR", m_tmp.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
        QVERIFY2(m_services.start(), qPrintable(m_services.errorOutput()));
    }

    void init() { makeProgramFolder(); }

    void fullUpdateOfTwoFiles()
    {
        const QByteArray program = binaryBytes(3 * 1024 * 1024 + 17, 1);
        const QByteArray qm = binaryBytes(200 * 1024, 2);
        writeRelease(2190, {{QStringLiteral("quillet-main"), QString(), program, 2190},
                            {QStringLiteral("quillet_es.qm"), QStringLiteral("translations"), qm, 3}});
        QVERIFY(QFile::exists(settingFile()));

        ChannelPeer peer;
        QVERIFY(peer.isListening());
        QVERIFY(runUpdate(QStringLiteral("2190|0"), m_services.host()));
        verifyRisingProgress(peer.lines, QStringLiteral("UpdateSuccess"));

        QCOMPARE(readFile(m_folder + QStringLiteral("/quillet-main")), program);
        QCOMPARE(readFile(m_folder + QStringLiteral("/translations/quillet_es.qm")), qm);
        QCOMPARE(readFile(m_folder + QStringLiteral("/voc.dat")), QByteArray("vocabulary"));
        QVERIFY(QFileInfo(m_folder + QStringLiteral("/quillet-main")).isExecutable());
        verifyNoLeftovers();
        ConfigFile version(m_folder, QStringLiteral("ver.dat"));
        QCOMPARE(version.value(QStringLiteral("VersionId")), QStringLiteral("2190"));
        QCOMPARE(version.entries().value(QStringLiteral("VersionId")).defaultValue, QStringLiteral("2190"));
        QCOMPARE(version.value(QStringLiteral("File_quillet-main")), QStringLiteral("2190"));
        QCOMPARE(version.entries().value(QStringLiteral("File_quillet_es.qm")).value, QStringLiteral("3"));
        QCOMPARE(version.entries().value(QStringLiteral("File_quillet_es.qm")).defaultValue,
                 QStringLiteral("translations"));
        // Without the reset flag the user's settings stay.
        QVERIFY(QFile::exists(settingFile()));

        // Everything is current now: nothing to do is a failure, and nothing changes.
        const auto before = snapshot(m_folder);
        ChannelPeer again;
        QVERIFY(runUpdate(QStringLiteral("2190|0"), m_services.host()));
        QCOMPARE(again.lines, QStringList({QStringLiteral("0"), QStringLiteral("UpdateFail")}));
        QCOMPARE(snapshot(m_folder), before);
    }

    void resetFlagRemovesTheUserSettings()
    {
        writeRelease(2191, {{QStringLiteral("quillet-main"), QString(), "program 2191", 2191}}, true);
        ChannelPeer peer;
        QVERIFY(runUpdate(QStringLiteral("2191|1"), m_services.host()));
        verifyRisingProgress(peer.lines, QStringLiteral("UpdateSuccess"));
        QVERIFY(!QFile::exists(settingFile()));
        QCOMPARE(readFile(m_folder + QStringLiteral("/quillet-main")), QByteArray("program 2191"));
        // The file not in the release keeps its recorded version.
        ConfigFile version(m_folder, QStringLiteral("ver.dat"));
        QCOMPARE(version.value(QStringLiteral("VersionId")), QStringLiteral("2191"));
        QCOMPARE(version.value(QStringLiteral("File_quillet_es.qm")), QStringLiteral("2"));
    }

    void failingInstallRestoresEveryFile()
    {
        // "plugins" is a plain file, so the folder for the third file cannot
        // be made: the first two are already in place by then.
        QVERIFY(writeFile(m_folder + QStringLiteral("/plugins"), "not a folder"));
        writeRelease(2192, {{QStringLiteral("quillet-main"), QString(), binaryBytes(50000, 3), 2192},
                            {QStringLiteral("quillet_es.qm"), QStringLiteral("translations"), "new qm", 3},
                            {QStringLiteral("libextra.so"), QStringLiteral("plugins"), "plugin", 1}});
        const auto before = snapshot(m_folder);
        ChannelPeer peer;
        QVERIFY(runUpdate(QStringLiteral("2192|1"), m_services.host()));
        QCOMPARE(peer.lines.last(), QStringLiteral("UpdateFail"));
        QCOMPARE(snapshot(m_folder), before);
        QVERIFY(QFileInfo(m_folder + QStringLiteral("/quillet-main")).isExecutable());
        verifyNoLeftovers();
        QVERIFY(QFile::exists(settingFile())); // no reset after a failure
    }

    void digestMismatchInstallsNothing()
    {
        RecordingHttpServer server;
        const QByteArray good = "good file";
        const QByteArray bad = "tampered file";
        server.setReply("/update/quilletapp",
                        RecordingHttpServer::answer(
                            ("quillet-main|2193|" + server.url(QStringLiteral("/f/1")) + "||" + sha256(good) + ";"
                             + "quillet_es.qm|3|" + server.url(QStringLiteral("/f/2")) + "|translations|"
                             + sha256("what the list promised") + ";")
                                .toUtf8()));
        server.setReply("/f/1", RecordingHttpServer::answer(good));
        server.setReply("/f/2", RecordingHttpServer::answer(bad));
        const auto before = snapshot(m_folder);
        ChannelPeer peer;
        QVERIFY(runUpdate(QStringLiteral("2193|0"), server.host()));
        QCOMPARE(peer.lines.last(), QStringLiteral("UpdateFail"));
        QCOMPARE(snapshot(m_folder), before);
        verifyNoLeftovers();
        QCOMPARE(server.requests("/f/2").size(), 1);
    }

    void hostileListsChangeNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("subdir");
        QTest::newRow("../x name") << QStringLiteral("../x") << QString();
        QTest::newRow("../ subdir") << QStringLiteral("x") << QStringLiteral("..");
        QTest::newRow("absolute subdir") << QStringLiteral("x") << QStringLiteral("<outside>");
        QTest::newRow("absolute name") << QStringLiteral("<outside>/x") << QString();
        QTest::newRow("sub/../../x") << QStringLiteral("x") << QStringLiteral("sub/../..");
        QTest::newRow("symlinked subdir") << QStringLiteral("x") << QStringLiteral("link");
        QTest::newRow("symlinked file") << QStringLiteral("x-link") << QString();
        QTest::newRow("backslash") << QStringLiteral("..\\x") << QString();
        QTest::newRow("backup name") << QStringLiteral("quillet-main.old") << QString();
    }

    void hostileListsChangeNothing()
    {
        QFETCH(QString, name);
        QFETCH(QString, subdir);
        QTemporaryDir outside;
        QVERIFY(outside.isValid());
        name.replace(QLatin1String("<outside>"), outside.path());
        subdir.replace(QLatin1String("<outside>"), outside.path());
        QVERIFY(QFile::link(outside.path(), m_folder + QStringLiteral("/link")));
        QVERIFY(QFile::link(outside.filePath(QStringLiteral("x")), m_folder + QStringLiteral("/x-link")));
        QVERIFY(QDir().mkpath(m_folder + QStringLiteral("/sub")));

        RecordingHttpServer server;
        server.setReply("/update/quilletapp",
                        RecordingHttpServer::answer(("quillet-main|2194|" + server.url(QStringLiteral("/f/1")) + "|;"
                                                     + name + "|1|" + server.url(QStringLiteral("/f/2")) + "|" + subdir
                                                     + ";")
                                                        .toUtf8()));
        server.setReply("/f/1", RecordingHttpServer::answer("new program"));
        server.setReply("/f/2", RecordingHttpServer::answer("planted"));
        const auto before = snapshot(m_folder);
        ChannelPeer peer;
        QVERIFY(runUpdate(QStringLiteral("2194|0"), server.host()));
        QCOMPARE(peer.lines, QStringList({QStringLiteral("0"), QStringLiteral("UpdateFail")}));
        QCOMPARE(snapshot(m_folder), before);
        QVERIFY(QDir(outside.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        QVERIFY(!QFile::exists(m_parent->filePath(QStringLiteral("x"))));
        // Refused before any download.
        QCOMPARE(server.requests("/f/1").size() + server.requests("/f/2").size(), 0);
    }

    void cancelDuringDownloadRestoresAndEnds()
    {
        RecordingHttpServer server;
        server.setReply("/update/quilletapp",
                        RecordingHttpServer::answer(("quillet-main|2195|" + server.url(QStringLiteral("/f/1")) + "|;"
                                                     + "quillet_es.qm|3|" + server.url(QStringLiteral("/f/2"))
                                                     + "|translations;")
                                                        .toUtf8()));
        server.setReply("/f/1", RecordingHttpServer::answer("new program"));
        server.setReply("/f/2", RecordingHttpServer::neverAnswer());
        const auto before = snapshot(m_folder);
        ChannelPeer peer;
        auto process = startUpdate({QStringLiteral("2195|0")}, server.host());
        QTRY_VERIFY_WITH_TIMEOUT(server.requests("/f/2").size() == 1, 30000);
        QTRY_VERIFY_WITH_TIMEOUT(peer.lines.contains(QStringLiteral("50")), 30000);
        peer.send("Cancel");
        QTRY_VERIFY_WITH_TIMEOUT(process->state() == QProcess::NotRunning, 10000);
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->exitCode(), 0);
        QCOMPARE(snapshot(m_folder), before);
        verifyNoLeftovers();
    }

    void progressWithoutKnownSizes()
    {
        // Answers without a length: the body ends when the connection closes.
        RecordingHttpServer raw;
        const QString base = QStringLiteral("http://") + raw.host();
        const QByteArray list =
            ("quillet-main|2197|" + base + "/f/1||;quillet_es.qm|3|" + base + "/f/2|translations;").toUtf8();
        raw.setReply("/update/quilletapp", RecordingHttpServer::stream({list}));
        raw.setReply("/f/1", RecordingHttpServer::stream({QByteArray(100000, 'n')}));
        raw.setReply("/f/2", RecordingHttpServer::stream({"qm without size"}));
        ChannelPeer peer;
        QVERIFY(runUpdate(QStringLiteral("2197|0"), raw.host()));
        verifyRisingProgress(peer.lines, QStringLiteral("UpdateSuccess"));
        QVERIFY2(peer.lines.contains(QStringLiteral("50")), qPrintable(peer.lines.join(QLatin1Char(' '))));
        QCOMPARE(readFile(m_folder + QStringLiteral("/quillet-main")), QByteArray(100000, 'n'));
        QCOMPARE(readFile(m_folder + QStringLiteral("/translations/quillet_es.qm")), QByteArray("qm without size"));
    }

    void badArgumentWithoutListenerEnds_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::newRow("one part") << QStringLiteral("2171");
        QTest::newRow("three parts") << QStringLiteral("2171|0|1");
        QTest::newRow("option") << QStringLiteral("--help");
        QTest::newRow("not a number") << QStringLiteral("abc|0");
    }

    void badArgumentWithoutListenerEnds()
    {
        QFETCH(QString, argument);
        QLocalServer::removeServer(InstanceKeys::updateChannel());
        RecordingHttpServer server;
        server.setDefaultReply(RecordingHttpServer::neverAnswer());
        const auto before = snapshot(m_folder);
        QVERIFY(runUpdate(argument, server.host(), 10000));
        QCOMPARE(snapshot(m_folder), before);

        // The guard is free again: the next updater runs rather than leaving
        // at once as a second copy.
        ChannelPeer peer;
        auto next = startUpdate({QStringLiteral("2171|0")}, server.host());
        QTRY_COMPARE_WITH_TIMEOUT(peer.lines.value(0), QStringLiteral("0"), 10000);
        QCOMPARE(next->state(), QProcess::Running);
        peer.send("Cancel");
        QTRY_VERIFY_WITH_TIMEOUT(next->state() == QProcess::NotRunning, 10000);
        QCOMPARE(next->exitCode(), 0);
    }

    void updateWithoutListenerStillInstallsAndEnds()
    {
        QLocalServer::removeServer(InstanceKeys::updateChannel());
        writeRelease(2196, {{QStringLiteral("quillet-main"), QString(), "program 2196", 2196}});
        QVERIFY(runUpdate(QStringLiteral("2196|0"), m_services.host()));
        QCOMPARE(readFile(m_folder + QStringLiteral("/quillet-main")), QByteArray("program 2196"));
        verifyNoLeftovers();
    }

    void interruptedInstallIsUndoneOnTheNextRun()
    {
        const auto before = snapshot(m_folder);
        {
            // A run that stopped after replacing one of two files.
            QTemporaryDir source;
            QVERIFY(writeFile(source.filePath(QStringLiteral("new")), "half-way program"));
            InstallJournal journal(m_folder);
            QVERIFY(journal.begin({m_folder + QStringLiteral("/quillet-main"),
                                   m_folder + QStringLiteral("/docs/new.txt")}));
            QVERIFY(journal.install(source.filePath(QStringLiteral("new")), m_folder + QStringLiteral("/quillet-main")));
            QVERIFY(journal.install(source.filePath(QStringLiteral("new")), m_folder + QStringLiteral("/docs/new.txt")));
        }
        QVERIFY(QFile::exists(m_folder + QStringLiteral("/quillet-main.old")));
        QLocalServer::removeServer(InstanceKeys::updateChannel());
        QVERIFY(runUpdate(QStringLiteral("bad"), QStringLiteral("127.0.0.1:9"), 10000));
        QCOMPARE(snapshot(m_folder), before);
        verifyNoLeftovers();
    }
};

QTEST_GUILESS_MAIN(TestUpdater)
#include "tst_updater.moc"
