// Single-instance behaviour of the real programs: second start, restart,
// start after a crash, and the updater's guard and channel.
#include "closerequestserver.h"
#include "installjournal.h"
#include "instancekeys.h"
#include "recordinghttpserver.h"
#include "sharedmemoryobject.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSharedMemory>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>

class TestInstances : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_tmp;   // shared-memory key files and local sockets
    QTemporaryDir m_home;  // per-user settings
    QList<QProcess *> m_started;

    QProcess *start(const QString &program, const QStringList &args)
    {
        auto *process = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TMPDIR"), m_tmp.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(m_home.path());
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QStringLiteral(QUILLET_BIN_DIR "/") + program, args);
        m_started.append(process);
        return process;
    }

    QString mainSocket() const { return m_tmp.filePath(InstanceKeys::mainProgram()); }

    // Whether a live socket listens at path. The socket file alone says
    // nothing: a killed copy leaves it behind, and connecting to find out
    // would ask the running copy to quit. The kernel's table of Unix sockets
    // lists the listening ones (flag __SO_ACCEPTCON) with their paths.
    static bool isListening(const QString &path)
    {
        QFile table(QStringLiteral("/proc/net/unix"));
        if (!table.open(QIODevice::ReadOnly))
            return false;
        const QByteArray wanted = QFile::encodeName(path);
        table.readLine(); // header
        while (!table.atEnd()) {
            const QList<QByteArray> fields = table.readLine().simplified().split(' ');
            if (fields.size() < 8 || fields.at(7) != wanted)
                continue;
            bool ok = false;
            const uint flags = fields.at(3).toUInt(&ok, 16);
            if (ok && (flags & 0x10000))
                return true;
        }
        return false;
    }

    // The main program is up once it listens on its local server, which it
    // does right after taking the guard.
    QProcess *startMainAndWait(const QStringList &args = {})
    {
        QProcess *process = start(QStringLiteral("quillet-main"), args);
        if (!process->waitForStarted(10000))
            return nullptr;
        QElapsedTimer timer;
        timer.start();
        while (!isListening(mainSocket()) && process->state() == QProcess::Running
               && timer.elapsed() < 30000)
            QTest::qWait(20);
        return process->state() == QProcess::Running && isListening(mainSocket()) ? process : nullptr;
    }

    static bool exitsCleanly(QProcess *process, int ms)
    {
        return process->waitForFinished(ms) && process->exitStatus() == QProcess::NormalExit
               && process->exitCode() == 0;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_tmp.isValid() && m_home.isValid());
        qputenv("TMPDIR", m_tmp.path().toUtf8());
    }

    void cleanup()
    {
        for (QProcess *process : std::as_const(m_started)) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(5000);
            }
        }
        qDeleteAll(m_started);
        m_started.clear();
        // A killed copy leaves its System V segment behind for good; one
        // nobody is attached to goes away when attached and detached again.
        // Without this, every run would leave segments on the machine.
        for (const QString &key : {InstanceKeys::mainProgram(), InstanceKeys::updater()}) {
            QSharedMemory leftover(key);
            if (leftover.attach())
                leftover.detach();
        }
        QTest::qWait(100);
    }

    void secondStartExitsAtOnce()
    {
        QProcess *first = startMainAndWait();
        QVERIFY(first);
        for (const QStringList &args : {QStringList{}, QStringList{QStringLiteral("/home/me/essay.txt")},
                                        QStringList{QStringLiteral("Restart")}}) {
            QProcess *second = start(QStringLiteral("quillet-main"), args);
            QVERIFY2(exitsCleanly(second, 10000), qPrintable(args.join(' ')));
        }
        QTest::qWait(700);
        QCOMPARE(first->state(), QProcess::Running);
    }

    void restartReplacesTheRunningCopy()
    {
        QProcess *old = startMainAndWait();
        QVERIFY(old);
        QElapsedTimer timer;
        timer.start();
        QProcess *fresh = start(QStringLiteral("quillet-main"), {QStringLiteral("restart")});
        QVERIFY(exitsCleanly(old, 10000));
        const qint64 elapsed = timer.elapsed();
        QVERIFY2(elapsed >= 450, qPrintable(QString::number(elapsed)));
        QTest::qWait(700);
        QCOMPARE(fresh->state(), QProcess::Running);
    }

    // The copy that replaced another one holds the close handshake from then
    // on, so the next restart replaces it in turn.
    void restartTwice()
    {
        QProcess *old = startMainAndWait();
        QVERIFY(old);
        QProcess *second = start(QStringLiteral("quillet-main"), {QStringLiteral("restart")});
        QVERIFY(second->waitForStarted(10000));
        QVERIFY(exitsCleanly(old, 10000));
        QElapsedTimer timer;
        timer.start();
        while (!isListening(mainSocket()) && second->state() == QProcess::Running
               && timer.elapsed() < 30000)
            QTest::qWait(20);
        QCOMPARE(second->state(), QProcess::Running);
        QVERIFY(isListening(mainSocket()));

        QProcess *third = start(QStringLiteral("quillet-main"), {QStringLiteral("restart")});
        QVERIFY(exitsCleanly(second, 10000));
        QVERIFY(third->state() == QProcess::Running || third->waitForStarted(1000));
        QCOMPARE(third->state(), QProcess::Running);
    }

    void restartWithNobodyRunningStartsNormally()
    {
        QProcess *alone = startMainAndWait({QStringLiteral("restart")});
        QVERIFY(alone);
        QProcess *second = start(QStringLiteral("quillet-main"), {});
        QVERIFY(exitsCleanly(second, 10000));
    }

    void startAfterAKilledCopy()
    {
        QProcess *crashed = startMainAndWait();
        QVERIFY(crashed);
        crashed->kill(); // SIGKILL: no clean-up of the segment or the socket file
        QVERIFY(crashed->waitForFinished(5000));
        QVERIFY(QFileInfo::exists(mainSocket()));

        QProcess *next = startMainAndWait();
        QVERIFY2(next, "a start after a killed copy must not exit");
        // And it holds the guard again: a further start exits.
        QProcess *third = start(QStringLiteral("quillet-main"), {});
        QVERIFY(exitsCleanly(third, 10000));
        // Its close handshake works: a restart makes it quit.
        QProcess *restarted = start(QStringLiteral("quillet-main"), {QStringLiteral("restart")});
        QVERIFY(exitsCleanly(next, 10000));
        QVERIFY(restarted->state() == QProcess::Running || restarted->waitForStarted(1000));
    }

    // An update killed half-way is undone when the program starts.
    void startSettlesAnInterruptedUpdate()
    {
        const QString folder = QStringLiteral(QUILLET_BIN_DIR);
        const QString added = folder + QStringLiteral("/update-trial.txt");
        QTemporaryDir source;
        QFile copy(source.filePath(QStringLiteral("new")));
        QVERIFY(copy.open(QIODevice::WriteOnly) && copy.write("added by an update") > 0);
        copy.close();
        {
            InstallJournal journal(folder);
            QVERIFY(journal.begin({added}));
            QVERIFY(journal.install(copy.fileName(), added));
        }
        QVERIFY(QFile::exists(added) && InstallJournal::hasJournal(folder));
        QProcess *main = startMainAndWait();
        QVERIFY(main);
        QTRY_VERIFY_WITH_TIMEOUT(!InstallJournal::hasJournal(folder), 10000);
        QVERIFY(!QFile::exists(added));
    }

    // The server a restarted copy waits for: it takes the name once the copy
    // it replaces has let go of it, and clears a socket file nobody serves,
    // but never takes the name from a copy that still listens.
    void closeRequestServerWaitsForTheName()
    {
        const QString name = QStringLiteral("QuilletCloseRequestTest");
        QLocalServer::removeServer(name);
        auto *old = new QLocalServer;
        QVERIFY(old->listen(name));
        int requestsToOld = 0;
        connect(old, &QLocalServer::newConnection, this, [&] {
            while (QLocalSocket *peer = old->nextPendingConnection())
                peer->deleteLater();
            ++requestsToOld;
        });

        CloseRequestServer server(name);
        server.setRetryInterval(20);
        QSignalSpy requests(&server, &CloseRequestServer::closeRequested);
        QVERIFY(!server.start(false));
        QTest::qWait(300);
        QVERIFY(!server.isListening());
        QVERIFY(old->isListening());
        QVERIFY(requestsToOld > 0); // it heard again that it should go

        delete old; // closing removes its socket file
        QTRY_VERIFY(server.isListening());
        QLocalSocket client;
        client.connectToServer(name);
        QVERIFY(client.waitForConnected(1000));
        QTRY_COMPARE(requests.size(), 1);
    }

    void closeRequestServerClearsADeadName()
    {
        const QString name = QStringLiteral("QuilletCloseRequestTest");
        QLocalServer::removeServer(name);
        // What a killed copy leaves behind: a file under the name, no server.
        QFile leftover(QDir(QDir::tempPath()).filePath(name));
        QVERIFY(leftover.open(QIODevice::WriteOnly));
        leftover.close();

        CloseRequestServer waiting(name);
        waiting.setRetryInterval(20);
        QVERIFY(!waiting.start(false));
        QTRY_VERIFY(waiting.isListening());

        CloseRequestServer holder(QStringLiteral("QuilletCloseRequestTest2"));
        QFile other(QDir(QDir::tempPath()).filePath(QStringLiteral("QuilletCloseRequestTest2")));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();
        QVERIFY(holder.start(true)); // the guard is ours: cleared at once
    }

    // What the running copy makes of its connections: a word-less one that
    // ends or stays silent asks it to quit; "raise" asks it to show itself
    // and never to quit; other words are ignored.
    void closeRequestServerHearsWords()
    {
        const QString name = QStringLiteral("QuilletCloseRequestWords");
        CloseRequestServer server(name);
        server.setSilenceLimit(200);
        QVERIFY(server.start(true));
        QSignalSpy closes(&server, &CloseRequestServer::closeRequested);
        QSignalSpy raises(&server, &CloseRequestServer::raiseRequested);
        const auto send = [&](const QByteArray &bytes) {
            QLocalSocket client;
            client.connectToServer(name);
            QVERIFY(client.waitForConnected(1000));
            if (!bytes.isEmpty()) {
                client.write(bytes);
                QVERIFY(client.waitForBytesWritten(1000));
            }
            client.disconnectFromServer();
        };

        send("raise\n");
        QTRY_COMPARE(raises.size(), 1);
        send("  raise"); // the last word needs no line end
        QTRY_COMPARE(raises.size(), 2);
        send("bogus\n");
        send(QByteArray(500, 'x')); // no word at all, but not silence either
        send("restart\nraise\n");
        QTRY_COMPARE(raises.size(), 3);
        QTest::qWait(400);
        QCOMPARE(closes.size(), 0);

        send(QByteArray()); // connects and goes: the restart handshake
        QTRY_COMPARE(closes.size(), 1);
        QLocalSocket silent;
        silent.connectToServer(name);
        QVERIFY(silent.waitForConnected(1000));
        QTRY_COMPARE(closes.size(), 2); // after the silence limit, still connected
        QCOMPARE(raises.size(), 3);
    }

    // A second start sends "raise" to the copy that holds the guard, then
    // exits; the copy is asked nothing else.
    void secondStartAsksTheRunningCopyToShowItself()
    {
        GammaLib::SharedMemoryObject guard(InstanceKeys::mainProgram());
        QVERIFY(guard.isFirstInstance());
        CloseRequestServer running(InstanceKeys::mainProgram());
        QVERIFY(running.start(true));
        QSignalSpy closes(&running, &CloseRequestServer::closeRequested);
        QSignalSpy raises(&running, &CloseRequestServer::raiseRequested);
        QProcess *second = start(QStringLiteral("quillet-main"), {});
        QTRY_VERIFY_WITH_TIMEOUT(second->state() == QProcess::NotRunning, 10000);
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QTRY_COMPARE(raises.size(), 1);
        QTest::qWait(1200);
        QCOMPARE(closes.size(), 0);
    }

    void updaterWithoutArgumentsExits()
    {
        QProcess *update = start(QStringLiteral("update"), {});
        QVERIFY(exitsCleanly(update, 10000));
    }

    void updaterGuardAndChannel()
    {
        QLocalServer channel;
        QLocalServer::removeServer(InstanceKeys::updateChannel());
        QVERIFY(channel.listen(InstanceKeys::updateChannel()));

        // A version service that never answers keeps the first updater waiting.
        RecordingHttpServer service;
        service.setDefaultReply(RecordingHttpServer::neverAnswer());
        QProcess *first = start(QStringLiteral("update"),
                                {QStringLiteral("2180|0"), QStringLiteral("--service-host"), service.host()});
        QVERIFY(first->waitForStarted(5000));
        QVERIFY(channel.waitForNewConnection(10000));
        QLocalSocket *peer = channel.nextPendingConnection();
        QVERIFY(peer->waitForReadyRead(5000));
        QCOMPARE(peer->readLine().trimmed(), QByteArray("0"));

        QProcess *second = start(QStringLiteral("update"),
                                 {QStringLiteral("2180|0"), QStringLiteral("--service-host"), service.host()});
        QVERIFY(exitsCleanly(second, 10000));
        QCOMPARE(first->state(), QProcess::Running);

        peer->write("Cancel\n");
        peer->flush();
        QVERIFY(exitsCleanly(first, 10000));
    }

    void updaterReportsBadArguments()
    {
        QLocalServer channel;
        QLocalServer::removeServer(InstanceKeys::updateChannel());
        QVERIFY(channel.listen(InstanceKeys::updateChannel()));
        QProcess *update = start(QStringLiteral("update"), {QStringLiteral("2180")});
        QVERIFY(channel.waitForNewConnection(10000));
        QLocalSocket *peer = channel.nextPendingConnection();
        QVERIFY(peer->waitForReadyRead(5000));
        QCOMPARE(peer->readLine().trimmed(), QByteArray("UpdateFail"));
        peer->disconnectFromServer();
        QVERIFY(exitsCleanly(update, 10000));
    }

    // Log-out and shutdown send SIGTERM or SIGHUP: the program (here at its
    // sign-in dialog) ends normally with its preferences saved, owner-only.
    void terminationSignalEndsTheProgramInOrder_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }

    void terminationSignalEndsTheProgramInOrder()
    {
        QFETCH(int, number);
        const QString preferences = m_home.filePath(QStringLiteral("Quillet/preference.ini"));
        QFile::remove(preferences);
        QProcess *process = startMainAndWait();
        QVERIFY(process);
        QFile::remove(preferences); // what start-up wrote; the signal writes it again
        QCOMPARE(::kill(pid_t(process->processId()), number), 0);
        QVERIFY2(process->waitForFinished(30000), "still running after the signal");
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->exitCode(), 0);
        QVERIFY(QFile::exists(preferences));
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(preferences).constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, mode_t(0600));
    }
};

QTEST_GUILESS_MAIN(TestInstances)
#include "tst_instances.moc"
