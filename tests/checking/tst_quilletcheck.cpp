#include "localservices.h"
#include "recordinghttpserver.h"
#include "zlibbytes.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <zlib.h>

namespace {

QByteArray record(const QByteArray &json)
{
    uLongf size = compressBound(uLong(json.size()));
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    compress(reinterpret_cast<Bytef *>(out.data()), &size,
             reinterpret_cast<const Bytef *>(json.constData()), uLong(json.size()));
    out.truncate(qsizetype(size));
    return out + QByteArray("\x64\x1a\x1b", 3);
}

// "My Holiday" is a title; the second line has two sentences.
const QByteArray Sample = "My Holiday\n\nI go to the beach yesterday. It were great.\n";

const QByteArray Answer = record(R"({"sentInd":2,"corrections":[{"start":3,"end":7,"errorType":"GRAMMAR",)"
                                 R"("explainType":"sv","candidates":[{"correction":"was","candidateType":"REPLACE",)"
                                 R"("score":0.9}]}]})")
    + record(R"({"sentInd":-1,"lexicalScore":55.5,"syntaxScore":48})")
    + record(R"({"sentInd":1,"corrections":[{"start":2,"end":4,"errorType":"REAL","candidates":)"
             R"([{"correction":"went","candidateType":"REPLACE"},{"correction":"will go","candidateType":"REPLACE"}]}]})")
    + record(R"({"sentInd":0,"corrections":[]})");

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

} // namespace

class TestQuilletCheck : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;

    Run run(const QStringList &args, const QByteArray &input = QByteArray())
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.path());
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(QUILLET_BINARY_DIR "/bin/quillet-check"), args);
        if (!process.waitForStarted())
            return {};
        process.write(input);
        process.closeWriteChannel();
        // The servers live on this thread: keep the event loop turning.
        QSignalSpy done(&process, &QProcess::finished);
        done.wait(60000);
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }

private slots:
    void textReport()
    {
        RecordingHttpServer server;
        server.queueReply("/unified/", RecordingHttpServer::stream({Answer}));
        const Run result = run({QStringLiteral("--service-host"), server.host()}, Sample);
        QCOMPARE(result.exitCode, 0);
        const QString out = QString::fromUtf8(result.out);
        QVERIFY2(out.contains(QStringLiteral("Sentence 2 at 12: I go to the beach yesterday.")), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("  2-4 (text 14-16) REAL \"go\" -> \"went\", \"will go\"")), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("Sentence 3 at 41: It were great.")), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("  3-7 (text 44-48) GRAMMAR \"were\" -> \"was\"")), qPrintable(out));
        QVERIFY(out.contains(QStringLiteral("Lexical score: 55.5")));
        QVERIFY(out.contains(QStringLiteral("Syntax score: 48")));
        // my/the/it/were excluded; holiday only as a non-first word; go, beach,
        // yesterday, great are A1/A2 words of the profile.
        QVERIFY2(out.contains(QStringLiteral("Words: 11")), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("Vocabulary levels: A1 ")), qPrintable(out));
        QVERIFY(out.contains(QStringLiteral(" C2 ")));

        const QList<RecordingHttpServer::Request> requests = server.requests();
        QVERIFY(!requests.isEmpty());
        bool checked = false;
        for (const auto &request : requests) {
            if (request.target == "/unified/") {
                const QByteArray json = ZlibBytes::inflated(request.body);
                QVERIFY2(json.contains("\"configs\":[1,0,0]"), json.constData());
                QVERIFY(json.contains("\"sents\":[\"My Holiday\",\"I go to the beach yesterday. \",\"It were great.\"]"));
                checked = true;
            }
        }
        QVERIFY(checked);
    }

    void jsonReport()
    {
        RecordingHttpServer server;
        server.queueReply("/unified/", RecordingHttpServer::stream({Answer}));
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("sample.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Sample);
        file.close();
        const Run result = run({QStringLiteral("--json"), QStringLiteral("--service-host"), server.host(), file.fileName()});
        QCOMPARE(result.exitCode, 0);
        QJsonParseError error;
        const QJsonObject root = QJsonDocument::fromJson(result.out, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(root.value(QStringLiteral("lexicalScore")).toDouble(), 55.5);
        QCOMPARE(root.value(QStringLiteral("syntaxScore")).toDouble(), 48.0);
        QCOMPARE(root.value(QStringLiteral("words")).toInt(), 11);
        QCOMPARE(root.value(QStringLiteral("levels")).toObject().size(), 6);
        const QJsonArray sentences = root.value(QStringLiteral("sentences")).toArray();
        QCOMPARE(sentences.size(), 3);
        QVERIFY(sentences.at(0).toObject().value(QStringLiteral("title")).toBool());
        const QJsonObject third = sentences.at(2).toObject();
        QCOMPARE(third.value(QStringLiteral("offset")).toInt(), 41);
        const QJsonObject correction = third.value(QStringLiteral("corrections")).toArray().at(0).toObject();
        QCOMPARE(correction.value(QStringLiteral("text")).toString(), QStringLiteral("were"));
        QCOMPARE(correction.value(QStringLiteral("textStart")).toInt(), 44);
        QCOMPARE(correction.value(QStringLiteral("errorType")).toString(), QStringLiteral("GRAMMAR"));
        QCOMPARE(correction.value(QStringLiteral("candidates")).toArray().at(0).toObject()
                     .value(QStringLiteral("correction")).toString(), QStringLiteral("was"));
    }

    void failures()
    {
        // Nothing listens on the port.
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const QString closed = QStringLiteral("127.0.0.1:%1").arg(probe.serverPort());
        probe.close();
        Run result = run({QStringLiteral("--service-host"), closed}, Sample);
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains("cannot be reached"), result.err.constData());
        QVERIFY(result.out.isEmpty());

        // The session is refused, also on the retry.
        RecordingHttpServer server;
        server.queueReply("/unified/", RecordingHttpServer::stream({"unauthorized"}));
        server.queueReply("/unified/", RecordingHttpServer::stream({"unauthorized"}));
        result = run({QStringLiteral("--service-host"), server.host()}, Sample);
        QCOMPARE(result.exitCode, 3);
        QVERIFY2(result.err.contains("refused the session; log in with --user and --password"), result.err.constData());

        // No answer in time, twice.
        RecordingHttpServer silent;
        silent.queueReply("/unified/", RecordingHttpServer::streamThenStall());
        silent.queueReply("/unified/", RecordingHttpServer::streamThenStall());
        result = run({QStringLiteral("--service-host"), silent.host(), QStringLiteral("--timeout"), QStringLiteral("1")}, Sample);
        QCOMPARE(result.exitCode, 4);
        QVERIFY2(result.err.contains("within 1 seconds"), result.err.constData());

        result = run({QStringLiteral("--timeout"), QStringLiteral("soon")}, Sample);
        QCOMPARE(result.exitCode, 1);
        result = run({QStringLiteral("/no/such/file.txt")});
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.err.contains("cannot read /no/such/file.txt"));
    }

    void logInFirst()
    {
        RecordingHttpServer server;
        server.setReply("/Login-new.ashx", RecordingHttpServer::answer("Success|SESS-9|alice"));
        server.queueReply("/unified/", RecordingHttpServer::stream({Answer}));
        const Run result = run({QStringLiteral("--service-host"), server.host(), QStringLiteral("--user"),
                                QStringLiteral("alice"), QStringLiteral("--password"), QStringLiteral("s3cret")},
                               Sample);
        QCOMPARE(result.exitCode, 0);
        const QByteArray hash = QCryptographicHash::hash("s3cret", QCryptographicHash::Md5).toHex().toUpper();
        bool loggedIn = false;
        bool checked = false;
        for (const auto &request : server.requests()) {
            if (request.target == "/Login-new.ashx") {
                QVERIFY(request.body.contains("userName=alice"));
                QVERIFY(request.body.contains("hashUserPassword=" + hash));
                QVERIFY(!request.body.contains("s3cret"));
                loggedIn = true;
            } else if (request.target == "/unified/") {
                QVERIFY(loggedIn);
                QVERIFY(ZlibBytes::inflated(request.body).contains("\"session\":\"SESS-9\""));
                checked = true;
            }
        }
        QVERIFY(checked);

        RecordingHttpServer refusing;
        refusing.setReply("/Login-new.ashx", RecordingHttpServer::answer("UserNotExit"));
        const Run refused = run({QStringLiteral("--service-host"), refusing.host(), QStringLiteral("--user"),
                                 QStringLiteral("bob"), QStringLiteral("--password"), QStringLiteral("x")},
                                Sample);
        QCOMPARE(refused.exitCode, 3);
        QVERIFY2(refused.err.contains("log-in refused for user \"bob\" (account status 1001)"), refused.err.constData());
        for (const auto &request : refusing.requests())
            QVERIFY(request.target != "/unified/");
    }

    void againstLocalServices()
    {
        LocalServices services;
        QVERIFY2(services.start(), qPrintable(services.errorOutput()));
        QVERIFY(!services.registerAndLogIn(QStringLiteral("ann@example.com"), QStringLiteral("pw123")).isEmpty());

        const QByteArray text = "My Holiday\n\nI go to the beach yesterday. It were great. She have two cats.\n";
        Run result = run({QStringLiteral("--service-host"), services.host(), QStringLiteral("--user"),
                          QStringLiteral("ann@example.com"), QStringLiteral("--password"), QStringLiteral("pw123")},
                         text);
        QVERIFY2(result.exitCode == 0, result.err.constData());
        const QString out = QString::fromUtf8(result.out);
        QVERIFY2(out.contains(QStringLiteral("Sentence 3 at 41: It were great.")), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("(text 44-48)")) && out.contains(QStringLiteral("\"were\" -> \"was\"")),
                 qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("\"have\" -> \"has\"")), qPrintable(out));
        QVERIFY(out.contains(QStringLiteral("Words: 15")));
        QVERIFY(!out.contains(QStringLiteral("Lexical score: none")));

        // Without a session the service refuses the check.
        result = run({QStringLiteral("--service-host"), services.host()}, text);
        QCOMPARE(result.exitCode, 3);
    }
};

QTEST_GUILESS_MAIN(TestQuilletCheck)
#include "tst_quilletcheck.moc"
