// The updater's download manager in process, against a scripted server:
// the size bound, a failing download and the private temporary folder.
#include "recordinghttpserver.h"
#include "updatemanager.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using GammaLib::UpdateEntry;
using GammaLib::UpdateManager;

class TestUpdateManager : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_tmp;

    static UpdateEntry entry(const QString &name, const QString &address, const QString &target)
    {
        UpdateEntry e;
        e.name = name;
        e.version = QStringLiteral("1");
        e.address = address;
        e.target = target;
        return e;
    }

    QStringList temporaryFolders() const
    {
        return QDir(m_tmp.path()).entryList({QStringLiteral("quillet-update-*")}, QDir::Dirs);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_tmp.isValid());
        qputenv("TMPDIR", m_tmp.path().toUtf8());
    }

    void downloadsGoToAPrivateFolder()
    {
        RecordingHttpServer server;
        server.setReply("/a", RecordingHttpServer::answer("first"));
        server.setReply("/b", RecordingHttpServer::answer("second"));
        QTemporaryDir program;
        UpdateManager manager(program.path());
        // Two files of one name in different folders.
        manager.setEntries({entry(QStringLiteral("same.txt"), server.url(QStringLiteral("/a")),
                                  program.filePath(QStringLiteral("same.txt"))),
                            entry(QStringLiteral("same.txt"), server.url(QStringLiteral("/b")),
                                  program.filePath(QStringLiteral("sub/same.txt")))});
        QSignalSpy downloaded(&manager, &UpdateManager::signalDownloadFinished);
        QSignalSpy finished(&manager, &UpdateManager::signalFinished);
        manager.startDownloads();
        QTRY_COMPARE_WITH_TIMEOUT(downloaded.size(), 1, 20000);
        QCOMPARE(finished.size(), 0);
        const QStringList folders = temporaryFolders();
        QCOMPARE(folders.size(), 1);
        const QFileInfo folder(QDir(m_tmp.path()).filePath(folders.first()));
        QCOMPARE(folder.permissions() & (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup | QFile::WriteGroup),
                 QFile::Permissions());
        manager.install("<config/>");
        QCOMPARE(finished.size(), 1);
        QVERIFY(finished.at(0).at(0).toBool());
        QFile first(program.filePath(QStringLiteral("same.txt")));
        QFile second(program.filePath(QStringLiteral("sub/same.txt")));
        QVERIFY(first.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly));
        QCOMPARE(first.readAll(), QByteArray("first"));
        QCOMPARE(second.readAll(), QByteArray("second"));
        QVERIFY(temporaryFolders().isEmpty());
    }

    void aDownloadOverTheBoundFails()
    {
        RecordingHttpServer server;
        server.setReply("/big", RecordingHttpServer::answer(QByteArray(300000, 'x')));
        QTemporaryDir program;
        UpdateManager manager(program.path());
        manager.setMaxFileBytes(100000);
        manager.setEntries({entry(QStringLiteral("big"), server.url(QStringLiteral("/big")),
                                  program.filePath(QStringLiteral("big")))});
        QSignalSpy downloaded(&manager, &UpdateManager::signalDownloadFinished);
        QSignalSpy finished(&manager, &UpdateManager::signalFinished);
        manager.startDownloads();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 20000);
        QVERIFY(!finished.at(0).at(0).toBool());
        QTest::qWait(200);
        QCOMPARE(downloaded.size(), 0);
        QCOMPARE(finished.size(), 1);
        manager.install("<config/>"); // after a failure nothing is installed
        QVERIFY(!QFile::exists(program.filePath(QStringLiteral("big"))));
        QVERIFY(!QFile::exists(program.filePath(QStringLiteral("ver.dat"))));
    }

    void aFailedDownloadFails()
    {
        RecordingHttpServer server;
        server.setReply("/gone", RecordingHttpServer::answer("no", 404));
        QTemporaryDir program;
        UpdateManager manager(program.path());
        manager.setEntries({entry(QStringLiteral("gone"), server.url(QStringLiteral("/gone")),
                                  program.filePath(QStringLiteral("gone")))});
        QSignalSpy finished(&manager, &UpdateManager::signalFinished);
        manager.startDownloads();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 20000);
        QVERIFY(!finished.at(0).at(0).toBool());
    }
};

QTEST_GUILESS_MAIN(TestUpdateManager)
#include "tst_updatemanager.moc"
