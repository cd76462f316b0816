// Network faults during a review, with the real main window: the services
// killed while they stream, and servers that fail in the ways real ones do.
// Each review ends, within its time-out, in the connection message; nothing
// hangs, and what arrived before the fault stays.
#include "appsettings.h"
#include "configfile.h"
#include "checktask.h"
#include "checktaskthread.h"
#include "customtexteditor.h"
#include "localservices.h"
#include "mainwnd.h"
#include "reviewrun.h"
#include "sentencesplitter.h"
#include "serviceaddresses.h"
#include "useraccess.h"
#include "zlibbytes.h"

#include <QDialog>
#include <QNetworkProxy>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

namespace {

const QString kConnectionMessage = QStringLiteral("Oops, nobody answered.");

// A loopback server that fails every connection in one way.
class FaultyServer : public QObject
{
public:
    enum Fault { NeverAnswers, StallsAfterHeaders, ClosesMidRecord, DropsAtOnce };

    explicit FaultyServer(Fault fault)
        : m_fault(fault)
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                ++m_connections;
                m_sockets.append(socket);
                if (m_fault == DropsAtOnce) {
                    socket->abort();
                    continue;
                }
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
            }
        });
    }
    ~FaultyServer() override { qDeleteAll(m_sockets); }

    quint16 port() const { return m_server.serverPort(); }
    int connections() const { return m_connections; }

private:
    void answer(QTcpSocket *socket)
    {
        socket->readAll();
        if (m_fault == NeverAnswers || socket->property("answered").toBool())
            return;
        socket->setProperty("answered", true);
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n\r\n");
        if (m_fault == ClosesMidRecord) {
            const QByteArray record = ZlibBytes::deflated(
                R"({"sentInd":0,"corrections":[{"start":0,"end":3,"errorType":"GRAMMAR","candidates":[]}]})");
            socket->write(record.left(record.size() / 2));
            socket->flush();
            socket->disconnectFromHost();
        }
    }

    Fault m_fault;
    QTcpServer m_server;
    QList<QTcpSocket *> m_sockets;
    int m_connections = 0;
};

struct Asked
{
    QString text;
    QStringList buttons;
};

} // namespace

class TestNetworkFaults : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_home;
    QList<Asked> m_asked;

    std::unique_ptr<MainWnd> makeWindow()
    {
        auto window = std::make_unique<MainWnd>();
        window->setMessagePresenter([this](const QString &text, const QStringList &buttons, bool *) {
            m_asked.append({text, buttons});
            return int(QDialog::Rejected); // "Cancel" to "Retry"
        });
        window->show();
        return window;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
        AppSettings::settingConfig().setValue(QStringLiteral("user_guide"), QStringLiteral("False"));
        AppSettings::preferenceConfig().setValue(QStringLiteral("show_report"), QStringLiteral("False"));
        GammaLib::prepareSegmentation();
    }

    void init()
    {
        m_asked.clear();
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        GammaLib::UserAccess::instance().setSessionKey(QStringLiteral("session-1"));
    }

    void cleanup() { QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy); }

    void faultEndsInTheConnectionMessage_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<bool>("throughProxy");
        QTest::newRow("accepts and never answers") << int(FaultyServer::NeverAnswers) << false;
        QTest::newRow("stalls after the headers") << int(FaultyServer::StallsAfterHeaders) << false;
        QTest::newRow("closes in the middle of a record") << int(FaultyServer::ClosesMidRecord) << false;
        QTest::newRow("proxy drops the connection") << int(FaultyServer::DropsAtOnce) << true;
    }

    void faultEndsInTheConnectionMessage()
    {
        QFETCH(int, fault);
        QFETCH(bool, throughProxy);
        FaultyServer server{FaultyServer::Fault(fault)};
        QVERIFY(server.port() != 0);
        if (throughProxy) {
            // The services' address is never reached: the proxy drops every connection.
            GammaLib::ServiceAddresses::instance().setProductHosts(QStringLiteral("quillet.invalid:80"));
            QNetworkProxy::setApplicationProxy(
                QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), server.port()));
        } else {
            GammaLib::ServiceAddresses::instance().setProductHosts(QStringLiteral("127.0.0.1:%1").arg(server.port()));
        }
        auto window = makeWindow();
        window->checkRun()->task()->setTimeoutMs(1500);
        QVERIFY2(runReview(*window, QStringLiteral("This are a sentence. Here is another one.")),
                 "the review did not end");
        QVERIFY(server.connections() > 0);
        QCOMPARE(m_asked.size(), 1);
        QVERIFY2(m_asked.first().text.startsWith(kConnectionMessage), qPrintable(m_asked.first().text));
        QCOMPARE(m_asked.first().buttons, (QStringList{QStringLiteral("Retry"), QStringLiteral("Cancel")}));
        QVERIFY(window->liveMarks().isEmpty());
    }

    void servicesKilledInTheMiddleOfAStream()
    {
        LocalServices services;
        QVERIFY2(services.start(), qPrintable(services.errorOutput()));
        services.pointServiceTableHere();
        QString session = services.registerAndLogIn(QStringLiteral("faults@example.com"), QStringLiteral("secret-1"));
        QVERIFY(!session.isEmpty());
        GammaLib::UserAccess::instance().setSessionKey(session);

        auto window = makeWindow();
        QString text;
        for (int i = 0; i < 300; ++i)
            text += QStringLiteral("I has a apple number %1 and teh pear. ").arg(i);
        window->editor()->setDocumentText(text.trimmed());
        QSignalSpy records(window->checkRun(), &CheckTaskThread::signalUpdateState);
        window->slotReview();
        // Killed once the first sentences have come back.
        QTRY_VERIFY_WITH_TIMEOUT(records.count() >= 3 || !window->isReviewRunning(), 120000);
        QVERIFY2(window->isReviewRunning(), "the review ended before the services could be killed");
        services.killNow();
        const int received = int(records.count());

        QElapsedTimer waited;
        waited.start();
        while (window->isReviewRunning() && waited.elapsed() < 120000)
            QTest::qWait(20);
        QVERIFY2(!window->isReviewRunning(), "the review hangs after the services died");
        QCOMPARE(m_asked.size(), 1);
        QVERIFY2(m_asked.first().text.startsWith(kConnectionMessage), qPrintable(m_asked.first().text));
        QVERIFY(received < 300);
        // What came back before the kill stays marked.
        QVERIFY2(!window->liveMarks().isEmpty(), "the marks received before the fault are gone");

        // Back again on the same port (a fresh start: a new account and
        // session): a second review works. The note service takes any free
        // port, not its fixed one, which other services may be holding.
        const int port = services.port();
        QVERIFY2(services.start({QStringLiteral("--port"), QString::number(port),
                                 QStringLiteral("--note-port"), QStringLiteral("0")}),
                 qPrintable(services.errorOutput()));
        QCOMPARE(services.port(), port);
        services.pointServiceTableHere();
        session = services.registerAndLogIn(QStringLiteral("faults@example.com"), QStringLiteral("secret-1"));
        QVERIFY(!session.isEmpty());
        GammaLib::UserAccess::instance().setSessionKey(session);
        m_asked.clear();
        QVERIFY(runReview(*window, QStringLiteral("I has a apple. This is teh end.")));
        QVERIFY2(m_asked.isEmpty(), m_asked.isEmpty() ? "" : qPrintable(m_asked.first().text));
        QCOMPARE(window->lastError(), 0);
        QVERIFY(!window->liveMarks().isEmpty());
    }
};

QTEST_MAIN(TestNetworkFaults)
#include "tst_networkfaults.moc"
