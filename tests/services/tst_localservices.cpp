// Drives the local services from C++: start on a free port, register and log
// in through the account forms, and send one real compressed check request
// whose streamed records are read as the client reads them.
#include "localservices.h"
#include "serviceaddresses.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QTimer>
#include <QUrlQuery>
#include <QtTest>

#include <zlib.h>

namespace {

const QByteArray kSeparator("\x64\x1a\x1b", 3);

QJsonArray configList(const QStringList &items)
{
    QJsonArray list;
    for (const QString &s : items)
        list.append(s);
    return list;
}

// The check request body: compact JSON (members sorted by name), a line
// feed, zlib's one-shot compression.
QByteArray checkBody(const QString &session, const QStringList &sents, const QList<int> &configs)
{
    QJsonObject request;
    request[QStringLiteral("session")] = session;
    QJsonArray s, c;
    for (const QString &x : sents)
        s.append(x);
    for (int x : configs)
        c.append(x);
    if (!sents.isEmpty()) {
        request[QStringLiteral("sents")] = s;
        request[QStringLiteral("configs")] = c;
    }
    request[QStringLiteral("clientVersion")] = QStringLiteral("ostrel 2.1.7.0");
    request[QStringLiteral("lexsubConfidence")] = 2;
    QJsonArray types;
    types.append(configList({"server.style", "4", "server.spell", "2", "server.mor", "1", "server.dependency", "0",
                             "server.grammar", "6", "server.rule", "7", "server.real", "3", "server.det", "5",
                             "server.poststyle", "9", "server.confidence", "2"}));
    types.append(configList({"server.mor", "1", "server.spell", "2", "server.style", "4", "server.dependency", "0",
                             "server.grammar", "0", "server.rule", "0", "server.real", "3", "server.det", "0",
                             "server.confidence", "2"}));
    request[QStringLiteral("configTypes")] = types;
    const QByteArray text = QJsonDocument(request).toJson(QJsonDocument::Compact) + '\n';
    uLongf size = compressBound(text.size());
    QByteArray out(int(size), '\0');
    if (compress(reinterpret_cast<Bytef *>(out.data()), &size, reinterpret_cast<const Bytef *>(text.constData()),
                 uLong(text.size())) != Z_OK)
        return QByteArray();
    out.resize(int(size));
    return out;
}

struct Record
{
    qint64 at;
    QJsonObject value;
};

struct Answer
{
    bool finished = false;
    QByteArray raw;
    QList<Record> records;
    int damaged = 0;
};

// Posts the body to "/unified/" and splits the stream at the separator as
// the bytes arrive, inflating each record into 4,096 bytes.
Answer sendCheck(const QString &host, const QByteArray &body)
{
    Answer answer;
    QNetworkAccessManager manager;
    manager.setProxy(QNetworkProxy::NoProxy);
    QNetworkRequest request(QUrl(QStringLiteral("http://") + host + QStringLiteral("/unified/")));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    request.setHeader(QNetworkRequest::ContentLengthHeader, body.size());
    QElapsedTimer clock;
    clock.start();
    QNetworkReply *reply = manager.post(request, body);
    QByteArray pending;
    QObject::connect(reply, &QNetworkReply::readyRead, [&] {
        const QByteArray bytes = reply->readAll();
        answer.raw += bytes;
        QByteArray buffer = pending + bytes;
        pending.clear();
        if (buffer == "unauthorized")
            return;
        while (!buffer.isEmpty()) {
            const int at = buffer.indexOf(kSeparator);
            if (at <= 0) {
                pending = buffer;
                break;
            }
            const QByteArray record = buffer.left(at);
            buffer.remove(0, at + kSeparator.size());
            QByteArray out(4096, '\0');
            uLongf size = 4096;
            if (uncompress(reinterpret_cast<Bytef *>(out.data()), &size,
                           reinterpret_cast<const Bytef *>(record.constData()), uLong(record.size())) != Z_OK) {
                ++answer.damaged;
                continue;
            }
            out.resize(int(size));
            const QJsonDocument doc = QJsonDocument::fromJson(out);
            if (!doc.isObject()) {
                ++answer.damaged;
                continue;
            }
            answer.records.append({clock.elapsed(), doc.object()});
        }
    });
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    loop.exec();
    answer.finished = reply->isFinished() && reply->error() == QNetworkReply::NoError;
    delete reply;
    return answer;
}

QJsonObject correctionAt(const Record &record, const QString &sentence, const QString &text)
{
    for (const QJsonValue &v : record.value.value(QStringLiteral("corrections")).toArray()) {
        const QJsonObject c = v.toObject();
        const int start = c.value(QStringLiteral("start")).toInt();
        const int end = c.value(QStringLiteral("end")).toInt();
        if (sentence.mid(start, end - start) == text)
            return c;
    }
    return QJsonObject();
}

} // namespace

class TestLocalServices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void serviceTable();
    void accounts();
    void checkStream();
    void refusedSession();

private:
    LocalServices m_services;
    QString m_session;
};

void TestLocalServices::initTestCase()
{
    QVERIFY2(m_services.start(), qPrintable(m_services.errorOutput()));
    QVERIFY(m_services.port() > 0);
}

void TestLocalServices::cleanupTestCase()
{
    m_services.stop();
    QVERIFY(!m_services.isRunning());
}

void TestLocalServices::serviceTable()
{
    m_services.pointServiceTableHere();
    auto &table = GammaLib::ServiceAddresses::instance();
    QCOMPARE(table.url(GammaLib::ServiceAddresses::Checking, QStringLiteral("/unified/")),
             QStringLiteral("http://127.0.0.1:%1/unified/").arg(m_services.port()));
    QCOMPARE(table.host(GammaLib::ServiceAddresses::Account), m_services.host());
    QCOMPARE(table.host(GammaLib::ServiceAddresses::Api), m_services.host());
}

void TestLocalServices::accounts()
{
    m_session = m_services.registerAndLogIn(QStringLiteral("tess+cpp@example.com"), QStringLiteral("secret12"));
    QCOMPARE(m_session.size(), 32);

    QUrlQuery wrong;
    wrong.addQueryItem(QStringLiteral("userName"), QStringLiteral("tess+cpp@example.com"));
    wrong.addQueryItem(QStringLiteral("hashUserPassword"), QStringLiteral("00000000000000000000000000000000"));
    wrong.addQueryItem(QStringLiteral("area"), QStringLiteral("ostrel"));
    QCOMPARE(m_services.postForm(QStringLiteral("/Login-new.ashx"), wrong.query(QUrl::FullyEncoded).toUtf8()),
             QByteArray("Failure"));

    QUrlQuery alive;
    alive.addQueryItem(QStringLiteral("sessionKey"), m_session);
    QCOMPARE(m_services.postForm(QStringLiteral("/IsUserLogin.ashx"), alive.query(QUrl::FullyEncoded).toUtf8()),
             QByteArray("Success"));
}

void TestLocalServices::checkStream()
{
    QVERIFY(!m_session.isEmpty());
    const QStringList sents{QStringLiteral("A Short Title"), QStringLiteral("This is an test of teh system."),
                            QStringLiteral("Their going to the park tomorow."), QStringLiteral("I has a apple.")};
    const Answer answer = sendCheck(m_services.host(), checkBody(m_session, sents, {1, 0, 0, 0}));
    QVERIFY(answer.finished);
    QCOMPARE(answer.damaged, 0);
    QCOMPARE(answer.records.size(), 5);
    // Sentences are checked in parallel and come back in the order they finish;
    // every sentence comes exactly once and the document record closes the answer.
    QHash<int, int> recordOf;
    for (int r = 0; r < 4; ++r) {
        const int ind = answer.records.at(r).value.value(QStringLiteral("sentInd")).toInt();
        QVERIFY2(ind >= 0 && ind < 4 && !recordOf.contains(ind), qPrintable(QString::number(ind)));
        recordOf.insert(ind, r);
    }
    const QJsonObject doc = answer.records.at(4).value;
    QCOMPARE(doc.value(QStringLiteral("sentInd")).toInt(), -1);
    QVERIFY(doc.value(QStringLiteral("lexicalScore")).isDouble());
    QVERIFY(doc.value(QStringLiteral("syntaxScore")).isDouble());
    QVERIFY(answer.raw.endsWith(kSeparator));

    const QJsonObject teh = correctionAt(answer.records.at(recordOf.value(1)), sents.at(1), QStringLiteral("teh"));
    QCOMPARE(teh.value(QStringLiteral("errorType")).toString(), QStringLiteral("NONWORD"));
    const QJsonObject top = teh.value(QStringLiteral("candidates")).toArray().at(0).toObject();
    QCOMPARE(top.value(QStringLiteral("correction")).toString(), QStringLiteral("the"));
    QCOMPARE(top.value(QStringLiteral("candidateType")).toString(), QStringLiteral("REPLACE"));

    const QJsonObject their = correctionAt(answer.records.at(recordOf.value(2)), sents.at(2), QStringLiteral("Their"));
    QCOMPARE(their.value(QStringLiteral("errorType")).toString(), QStringLiteral("REAL"));
    const QJsonObject has = correctionAt(answer.records.at(recordOf.value(3)), sents.at(3), QStringLiteral("has"));
    QCOMPARE(has.value(QStringLiteral("errorType")).toString(), QStringLiteral("MOPHOLOGY"));
}

void TestLocalServices::refusedSession()
{
    const Answer answer = sendCheck(m_services.host(), checkBody(QStringLiteral("no-such-session"),
                                                                 {QStringLiteral("Hello there.")}, {0}));
    QVERIFY(answer.finished);
    QCOMPARE(answer.raw, QByteArray("unauthorized"));
    QVERIFY(answer.records.isEmpty());
}

QTEST_GUILESS_MAIN(TestLocalServices)
#include "tst_localservices.moc"
