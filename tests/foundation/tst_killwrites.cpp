// The settings file and the crash copy when the program is killed (SIGKILL)
// while writing them: what is left is always a whole version, the last one
// finished or the one being written, never a torn or empty file.
#include "configfile.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

constexpr int kTrials = 100;

} // namespace

class TestKillWrites : public QObject
{
    Q_OBJECT
private:
    // Starts the writer, lets it finish at least one version, kills it after
    // a random pause and returns the highest version it reported.
    // Whether the writer holds an unfinished file in folder right now (the
    // temporary file, unnamed until it replaces the old one).
    static bool isWriting(qint64 pid, const QString &folder)
    {
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
        for (const QString &fd : fds.entryList(QDir::NoDotAndDotDot | QDir::System | QDir::Files)) {
            const QString target = QFile::symLinkTarget(fds.filePath(fd));
            if (target.startsWith(folder) && !target.endsWith(QLatin1String(".ini")))
                return true;
        }
        return false;
    }

    int killWhileWriting(const QString &mode, const QString &folder, quint32 pauseUs)
    {
        QProcess writer;
        writer.start(QStringLiteral(QUILLET_BIN_DIR "/killwriter"), {mode, folder});
        if (!writer.waitForStarted(10000))
            return -1;
        QByteArray out;
        while (!out.contains('\n') && writer.waitForReadyRead(20000))
            out += writer.readAllStandardOutput();
        if (!out.contains('\n'))
            return -1;
        QThread::usleep(pauseUs);
        ::kill(pid_t(writer.processId()), SIGSTOP);
        m_midWrite += isWriting(writer.processId(), folder) ? 1 : 0;
        ::kill(pid_t(writer.processId()), SIGKILL);
        writer.waitForFinished(10000);
        out += writer.readAllStandardOutput();
        const QList<QByteArray> lines = out.trimmed().split('\n');
        return lines.last().toInt();
    }

private slots:
    void settingsSave()
    {
        QRandomGenerator random(20261207);
        for (int trial = 0; trial < kTrials; ++trial) {
            QTemporaryDir dir;
            const int finished = killWhileWriting(QStringLiteral("settings"), dir.path(), random.bounded(150000u));
            QVERIFY2(finished >= 1, "the writer did not finish a first version");
            const QString path = dir.filePath(QStringLiteral("preference.ini"));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QHash<QString, ConfigFile::Entry> entries;
            QVERIFY2(ConfigFile::parse(bytes, &entries), qPrintable(QStringLiteral("trial %1: a torn file of %2 bytes").arg(trial).arg(bytes.size())));
            const int version = entries.value(QStringLiteral("trial")).value.toInt();
            QCOMPARE(entries.value(QStringLiteral("trial_end")).value.toInt(), version);
            QVERIFY2(version == finished || version == finished + 1,
                     qPrintable(QStringLiteral("trial %1: version %2 after %3 finished").arg(trial).arg(version).arg(finished)));
            const QString payload = entries.value(QStringLiteral("payload")).value;
            QCOMPARE(payload, QString(512 * 1024, QChar(u'a' + version % 26)));
            QCOMPARE(file.permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup), QFileDevice::Permissions());
        }
        qInfo("settings: %d trials, %d of them killed in the middle of a write", kTrials, m_midWrite);
    }

    void crashCopyWrite()
    {
        m_midWrite = 0;
        QRandomGenerator random(20261208);
        const QRegularExpression whole(QStringLiteral("\\Abegin (\\d+)\\n([a-z]+)\\nend (\\d+)\\z"));
        for (int trial = 0; trial < kTrials; ++trial) {
            QTemporaryDir dir;
            const int finished = killWhileWriting(QStringLiteral("copy"), dir.path(), random.bounded(150000u));
            QVERIFY2(finished >= 1, "the writer did not finish a first version");
            QFile file(dir.filePath(QStringLiteral("backup.ini")));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromLocal8Bit(file.readAll());
            const QRegularExpressionMatch match = whole.match(text);
            QVERIFY2(match.hasMatch(), qPrintable(QStringLiteral("trial %1: a torn copy of %2 characters").arg(trial).arg(text.size())));
            const int version = match.captured(1).toInt();
            QCOMPARE(match.captured(3).toInt(), version);
            QVERIFY(version == finished || version == finished + 1);
            QCOMPARE(match.captured(2), QString(512 * 1024, QChar(u'a' + version % 26)));
        }
        qInfo("crash copy: %d trials, %d of them killed in the middle of a write", kTrials, m_midWrite);
    }

private:
    int m_midWrite = 0;
};

QTEST_GUILESS_MAIN(TestKillWrites)
#include "tst_killwrites.moc"
