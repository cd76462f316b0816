// The reachability probe, URL escaping and the version client against a
// recording server on loopback.
#include "networkhelper.h"
#include "recordinghttpserver.h"
#include "serviceaddresses.h"
#include "urlescape.h"
#include "versionhelper.h"

#include <QFile>
#include <QNetworkProxy>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

using namespace GammaLib;
using Server = RecordingHttpServer;

namespace {

quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

QString closedPortUrl(const QString &path)
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(closedPort()).arg(path);
}

} // namespace

class TestNetworkClients : public QObject
{
    Q_OBJECT

private slots:
    void urlEscaping_data();
    void urlEscaping();

    void probeOutcomes_data();
    void probeOutcomes();
    void probeUnknownHost();
    void probeThroughProxy();
    void probesInFlightEachReport();

    void latestVersion_data();
    void latestVersion();
    void latestVersionInBlock();
    void fileList();
    void answerFields();
    void installedVersion();
};

void TestNetworkClients::urlEscaping_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("escaped");
    QTest::newRow("space and ampersand") << QByteArray("a b&c") << QByteArray("a%20b%26c");
    QTest::newRow("percent") << QByteArray("100%") << QByteArray("100%25");
    QTest::newRow("escape not escaped again") << QByteArray("%20 ") << QByteArray("%2520%20");
    QTest::newRow("plain") << QByteArray("hello-world_1.2") << QByteArray("hello-world_1.2");
    QTest::newRow("kept punctuation") << QByteArray("+!*'(),") << QByteArray("+!*'(),");
    QTest::newRow("non-ascii") << QByteArray("caf\xC3\xA9 \xE4\xB8\xAD") << QByteArray("caf\xC3\xA9%20\xE4\xB8\xAD");
    QTest::newRow("whole table") << QByteArray("% <>#{}|\\^~[]`;/?:@=&$")
                                 << QByteArray("%25%20%3C%3E%23%7B%7D%7C%5C%5E%7E%5B%5D%60%3B%2F%3F%3A%40%3D%26%24");
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void TestNetworkClients::urlEscaping()
{
    QFETCH(QByteArray, text);
    QTEST(urlEscape(text), "escaped");
}

void TestNetworkClients::probeOutcomes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("code");
    QTest::newRow("answered") << 0 << 0;
    QTest::newRow("answered with empty body") << 1 << 0;
    QTest::newRow("not found status") << 2 << 2;
    QTest::newRow("server error status") << 3 << 2;
    QTest::newRow("refused port") << 4 << 2;
    QTest::newRow("never answers") << 5 << 2;
    QTest::newRow("closed without answer") << 6 << 2;
}

void TestNetworkClients::probeOutcomes()
{
    QFETCH(int, kind);
    Server server;
    ServiceAddresses::instance().setHost(ServiceAddresses::Checking, server.host());
    const QByteArray path = "/apps_compressed/";
    switch (kind) {
    case 0: server.setReply(path, Server::answer("fine")); break;
    case 1: server.setReply(path, Server::answer("")); break;
    case 2: server.setReply(path, Server::answer("gone", 404)); break;
    case 3: server.setReply(path, Server::answer("boom", 500)); break;
    case 5: server.setReply(path, Server::neverAnswer()); break;
    case 6: server.setReply(path, Server::closeWithoutAnswer()); break;
    }
    NetworkHelper helper;
    if (kind == 5)
        helper.setTransferTimeout(150);
    QSignalSpy spy(&helper, &NetworkHelper::signalCheckHttpFinished);
    helper.checkHttp(kind == 4 ? closedPortUrl("/apps_compressed/") : NetworkHelper::serverCheckUrl());
    QVERIFY(spy.wait());
    QTEST(spy.at(0).at(0).toInt(), "code");
    QTest::qWait(50);
    QCOMPARE(spy.size(), 1);
    if (kind != 4) {
        QVERIFY(server.requestCount() >= 1);
        QCOMPARE(server.requests().at(0).method, QByteArray("GET"));
        QCOMPARE(server.requests().at(0).target, path);
    }
}

void TestNetworkClients::probeUnknownHost()
{
    NetworkHelper helper;
    QSignalSpy spy(&helper, &NetworkHelper::signalCheckHttpFinished);
    helper.checkHttp(QStringLiteral("http://no-such-host.invalid/apps_compressed/"));
    QVERIFY(spy.wait(20000));
    QCOMPARE(spy.at(0).at(0).toInt(), 1);
}

void TestNetworkClients::probeThroughProxy()
{
    // The recording server stands in for an HTTP proxy: it receives the
    // absolute address of the probed host.
    Server proxyServer;
    proxyServer.setDefaultReply(Server::answer("via proxy"));
    NetworkHelper helper;
    QSignalSpy spy(&helper, &NetworkHelper::signalCheckHttpFinished);
    helper.checkHttp(QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), proxyServer.port()),
                     QStringLiteral("http://checking.example.invalid/apps_compressed/"));
    QVERIFY(spy.wait());
    QCOMPARE(spy.takeFirst().at(0).toInt(), 0);
    QCOMPARE(proxyServer.requests().at(0).target,
             QByteArray("http://checking.example.invalid/apps_compressed/"));

    // The proxy stays set for later probes of the same helper.
    helper.checkHttp(QStringLiteral("http://other.example.invalid/"));
    QVERIFY(spy.wait());
    QCOMPARE(spy.takeFirst().at(0).toInt(), 0);
    QCOMPARE(proxyServer.requestCount(), 2);

    // A proxy that cannot be reached fails the probe with 2.
    helper.checkHttp(QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), closedPort()),
                     QStringLiteral("http://checking.example.invalid/apps_compressed/"));
    QVERIFY(spy.wait());
    QCOMPARE(spy.takeFirst().at(0).toInt(), 2);
}

void TestNetworkClients::probesInFlightEachReport()
{
    Server server;
    server.setReply("/slow", Server::answer("slow", 200, 200));
    server.setReply("/fast", Server::answer("fast"));
    NetworkHelper helper;
    QSignalSpy spy(&helper, &NetworkHelper::signalCheckHttpFinished);
    helper.checkHttp(server.url("/slow"));
    helper.checkHttp(closedPortUrl("/"));
    helper.checkHttp(server.url("/fast"));
    QTRY_COMPARE(spy.size(), 3);
    QList<int> codes;
    for (const auto &args : spy)
        codes.append(args.at(0).toInt());
    std::sort(codes.begin(), codes.end());
    QCOMPARE(codes, QList<int>({0, 0, 2}));
    QTest::qWait(50);
    QCOMPARE(spy.size(), 3);
}

void TestNetworkClients::latestVersion_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("five fields") << 0 << QByteArray("12|2.2.0|a||12") << QStringList({"12", "2.2.0", "a", "", "12"});
    QTest::newRow("empty body") << 0 << QByteArray() << QStringList();
    QTest::newRow("utf-8") << 0 << QByteArray("13|\xC3\xA9t\xC3\xA9") << QStringList({"13", QString::fromUtf8("\xC3\xA9t\xC3\xA9")});
    QTest::newRow("error status") << 1 << QByteArray("12|2.2.0|a|b|12") << QStringList();
    QTest::newRow("never answers") << 2 << QByteArray() << QStringList();
    QTest::newRow("refused") << 3 << QByteArray() << QStringList();
}

void TestNetworkClients::latestVersion()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, body);
    Server server;
    ServiceAddresses::instance().setHost(ServiceAddresses::Api, server.host());
    server.setReply("/update/quilletapp", kind == 2 ? Server::neverAnswer()
                                                    : Server::answer(body, kind == 1 ? 500 : 200));
    VersionHelper helper(kind == 3 ? closedPortUrl("/update/quilletapp") : VersionHelper::defaultAddress());
    if (kind == 2)
        helper.setTransferTimeout(150);
    QSignalSpy spy(&helper, &VersionHelper::GetLastestVersionFinished);
    helper.requestLatestVersion();
    QVERIFY(spy.wait());
    QTEST(spy.at(0).at(0).toStringList(), "fields");
    if (kind != 3) {
        QCOMPARE(server.requests().at(0).method, QByteArray("GET"));
        QCOMPARE(server.requests().at(0).target, QByteArray("/update/quilletapp"));
    }
}

void TestNetworkClients::latestVersionInBlock()
{
    Server server;
    server.queueReply("/update/quilletapp", Server::answer("12|2.2.0|a|b|3", 200, 50));
    server.queueReply("/update/quilletapp", Server::answer(""));
    server.queueReply("/update/quilletapp", Server::answer("13|x|a|b|13", 500));
    server.queueReply("/update/quilletapp", Server::neverAnswer());
    VersionHelper helper(server.url("/update/quilletapp"));
    QSignalSpy spy(&helper, &VersionHelper::GetLastestVersionFinished);

    QVERIFY(helper.requestLatestVersionInBlock());
    const QStringList first({"12", "2.2.0", "a", "b", "3"});
    QCOMPARE(helper.lastAnswer(), first);
    // Empty answers and failures report false and keep the stored list.
    QVERIFY(!helper.requestLatestVersionInBlock());
    QVERIFY(!helper.requestLatestVersionInBlock());
    helper.setTransferTimeout(150);
    QVERIFY(!helper.requestLatestVersionInBlock());
    QCOMPARE(helper.lastAnswer(), first);
    QCOMPARE(server.requestCount(), 4);
    QCOMPARE(spy.size(), 0);
}

void TestNetworkClients::fileList()
{
    Server server;
    server.queueReply("/update/quilletapp", Server::answer("a.exe|2|http://h/a.exe|;b.dll|2|http://h/b.dll|plugins;"));
    server.queueReply("/update/quilletapp", Server::answer(";;"));
    server.queueReply("/update/quilletapp", Server::answer("a|1|u|", 404));
    VersionHelper helper(server.url("/update/quilletapp"));
    QSignalSpy spy(&helper, &VersionHelper::GetVersionFileListFinished);
    helper.requestFileList(QStringLiteral("12"));
    QVERIFY(spy.wait());
    QCOMPARE(spy.takeFirst().at(0).toStringList(),
             QStringList({"a.exe|2|http://h/a.exe|", "b.dll|2|http://h/b.dll|plugins"}));
    QCOMPARE(server.requests().at(0).target, QByteArray("/update/quilletapp?versionid=12"));
    helper.requestFileList(QStringLiteral("12"));
    QVERIFY(spy.wait());
    QCOMPARE(spy.takeFirst().at(0).toStringList(), QStringList());
    helper.requestFileList(QStringLiteral("12"));
    QVERIFY(spy.wait());
    QCOMPARE(spy.takeFirst().at(0).toStringList(), QStringList());
}

void TestNetworkClients::answerFields()
{
    QVERIFY(VersionHelper::resetsSettings(VersionHelper::parseLatestVersion(QStringLiteral("12|v|a|b|12"))));
    QVERIFY(!VersionHelper::resetsSettings(VersionHelper::parseLatestVersion(QStringLiteral("12|v|a|b|11"))));
    QVERIFY(!VersionHelper::resetsSettings(VersionHelper::parseLatestVersion(QStringLiteral("12|v|a|12"))));
    QVERIFY(!VersionHelper::isCompleteAnswer(VersionHelper::parseLatestVersion(QStringLiteral("12|v|a|b"))));
    QVERIFY(VersionHelper::isCompleteAnswer(VersionHelper::parseLatestVersion(QStringLiteral("||||"))));
    QCOMPARE(VersionHelper::parseFileList(QStringLiteral("a|1|u|;")), QStringList({"a|1|u|"}));
}

void TestNetworkClients::installedVersion()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(VersionHelper::installedVersion(dir.path()), 0);

    QFile file(dir.filePath(QStringLiteral("ver.dat")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<config>\n <VersionId default=\"\">12</VersionId>\n</config>\n");
    file.close();
    QCOMPARE(VersionHelper::installedVersion(dir.path()), 12);

    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<config>\n <VersionId default=\"\">twelve</VersionId>\n</config>\n");
    file.close();
    QCOMPARE(VersionHelper::installedVersion(dir.path()), 0);
}

QTEST_GUILESS_MAIN(TestNetworkClients)
#include "tst_networkclients.moc"
