// SIGTERM and SIGHUP with the main window up: the program ends without a
// question, with the preferences saved, the editor's text copied for the next
// start, and the usage upload cut short when the services do not answer.
#include "appsettings.h"
#include "configfile.h"
#include "customtexteditor.h"
#include "mainwnd.h"
#include "sentencesplitter.h"
#include "serviceaddresses.h"
#include "terminationsignals.h"
#include "useraccess.h"
#include "userinformation.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>

class TestSignalClose : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_home;

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
        AppSettings::settingConfig().setValue(QStringLiteral("user_guide"), QStringLiteral("False"));
        GammaLib::prepareSegmentation();
    }

    void signalEndsTheWindowInOrder_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }

    void signalEndsTheWindowInOrder()
    {
        QFETCH(int, number);
        // Services that take every connection and never answer: the upload
        // can only end by the time allowed for it.
        QTcpServer silent;
        QList<QTcpSocket *> held;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        connect(&silent, &QTcpServer::newConnection, this, [&] {
            while (QTcpSocket *socket = silent.nextPendingConnection())
                held.append(socket);
        });
        GammaLib::ServiceAddresses::instance().setProductHosts(
            QStringLiteral("127.0.0.1:%1").arg(silent.serverPort()));
        GammaLib::UserAccess::instance().setSessionKey(QStringLiteral("session-1"));
        AppSettings::preferenceConfig().setValue(QStringLiteral("is_crash"), QStringLiteral("False"));

        int questions = 0;
        auto window = std::make_unique<MainWnd>();
        window->setMessagePresenter([&](const QString &, const QStringList &, bool *) {
            ++questions;
            return int(QDialog::Rejected);
        });
        window->show();
        const QString text = QStringLiteral("Words the user never saved.\n\nA second paragraph.");
        window->editor()->setDocumentText(text);
        // Something to upload, so the upload has to wait for the services.
        window->usage()->LogEvent(QStringLiteral("QL_Main_Review"));
        window->usage()->AddUserWord(QStringLiteral("glossary"));
        QSignalSpy uploaded(window->usage(), &GammaLib::UserInformation::signalUploaded);

        TerminationSignals termination;
        QVERIFY(termination.isInstalled());
        connect(&termination, &TerminationSignals::terminationRequested, window.get(), &MainWnd::closeForSignal);
        const QString backup = AppSettings::preferenceConfig().directory() + QStringLiteral("backup.ini");
        QFile::remove(backup);

        // The signal arrives while the event loop runs, as it would.
        QTimer::singleShot(0, this, [number] { ::raise(number); });
        bool stuck = false;
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, this, [&] {
            stuck = true;
            QCoreApplication::exit(1);
        });
        guard.start(60000);
        const int code = QCoreApplication::exec();
        QVERIFY2(!stuck, "the program did not end after the signal");
        QCOMPARE(code, 0);
        QCOMPARE(termination.received(), number);
        QCOMPARE(questions, 0);
        QCOMPARE(uploaded.count(), 0); // it ended by the time allowed, not by an answer
        QVERIFY(!window->isVisible());

        // The text is there for the next start, which will bring it back.
        QFile copy(backup);
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromLocal8Bit(copy.readAll()), text);
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(backup).constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, mode_t(0600));
        ConfigFile saved(AppSettings::preferenceConfig().directory(), QStringLiteral("preference.ini"));
        QCOMPARE(saved.value(QStringLiteral("is_crash")), QStringLiteral("True"));
        ConfigFile geometry(AppSettings::settingConfig().directory(), QStringLiteral("setting.ini"));
        QVERIFY(!geometry.value(QStringLiteral("Width")).isEmpty());

        // A second signal while ending changes nothing.
        window->closeForSignal();
        qDeleteAll(held);
    }
};

QTEST_MAIN(TestSignalClose)
#include "tst_signalclose.moc"
