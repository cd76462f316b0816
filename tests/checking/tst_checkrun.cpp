#include "zlibbytes.h"
#include "checkservers.h"
#include "checkstoragethread.h"
#include "checktask.h"
#include "checktaskthread.h"
#include "errortype.h"
#include "recordinghttpserver.h"
#include "resultstore.h"
#include "sentencechunk.h"
#include "serviceaddresses.h"
#include "storedindices.h"
#include "titlechunk.h"
#include "usercountlog.h"

#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <zlib.h>

#include <atomic>
#include <memory>

using GammaLib::CheckTask;

namespace {

QByteArray record(const QByteArray &json)
{
    return ZlibBytes::answerRecord(json);
}

QByteArray sentenceRecord(int index, const QByteArray &errorType, int corrections = 1)
{
    QByteArray json = "{\"sentInd\":" + QByteArray::number(index) + ",\"corrections\":[";
    for (int i = 0; i < corrections; ++i) {
        if (i)
            json += ',';
        json += "{\"start\":" + QByteArray::number(i) + ",\"end\":" + QByteArray::number(i + 2)
            + ",\"errorType\":\"" + errorType + "\",\"candidates\":[{\"correction\":\"fix\","
              "\"candidateType\":\"REPLACE\",\"score\":0.8}]}";
    }
    return record(json + "]}");
}

QByteArray cleanRecord(int index)
{
    return record("{\"sentInd\":" + QByteArray::number(index) + ",\"corrections\":[]}");
}

QByteArray documentRecord()
{
    return record("{\"sentInd\":-1,\"lexicalScore\":61.5,\"syntaxScore\":70.25}");
}

// The configs member of a posted check body.
QByteArray postedConfigs(const RecordingHttpServer::Request &request)
{
    const QByteArray json = ZlibBytes::inflated(request.body);
    const qsizetype from = json.indexOf("\"configs\":");
    return json.mid(from + 10, json.indexOf(']', from) - from - 9);
}

// A sentence chunk that counts how often the look-up worker reads its
// configs and, when asked, holds the worker inside the first read.
class WatchedChunk : public GammaLib::SentenceChunk
{
public:
    void getConfigs(QList<QByteArray> &configs) const override
    {
        if (reads++ == 0 && hold) {
            entered.release();
            proceed.acquire();
        }
        GammaLib::SentenceChunk::getConfigs(configs);
    }

    bool hold = false;
    mutable std::atomic_int reads{0};
    mutable QSemaphore entered;
    mutable QSemaphore proceed;
};

QList<int> indices(const QSignalSpy &spy)
{
    QList<int> list;
    for (const QList<QVariant> &args : spy)
        list.append(args.at(0).value<CResultState>().sentInd);
    return list;
}

} // namespace

class TestCheckRun : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_config;
    std::unique_ptr<RecordingHttpServer> m_check;
    std::unique_ptr<RecordingHttpServer> m_account;
    std::unique_ptr<CheckTaskThread> m_run;
    ResultStore m_store;
    QStringList m_sentences;
    QList<std::shared_ptr<GammaLib::TextChunk>> m_ownedChunks;
    QList<GammaLib::TextChunk *> m_chunks;
    int m_level = 2;

    void setDocument(const QStringList &titles, const QStringList &sentences, int level = 2)
    {
        m_level = level;
        m_sentences.clear();
        m_chunks.clear();
        m_ownedChunks.clear();
        for (const QString &title : titles) {
            auto chunk = std::make_shared<GammaLib::TitleChunk>();
            chunk->setConfidence(level);
            m_ownedChunks.append(chunk);
            m_sentences.append(title);
        }
        for (const QString &sentence : sentences) {
            auto chunk = std::make_shared<GammaLib::SentenceChunk>();
            chunk->setConfidence(level);
            m_ownedChunks.append(chunk);
            m_sentences.append(sentence);
        }
        for (const auto &chunk : std::as_const(m_ownedChunks))
            m_chunks.append(chunk.get());
    }

    void start(const QString &session = QStringLiteral("KEY-1"))
    {
        m_run->startTask(session, &m_store, m_sentences, m_chunks, m_level);
    }

    QList<RecordingHttpServer::Request> uploads(const QByteArray &group) const
    {
        QList<RecordingHttpServer::Request> list;
        for (const auto &request : m_account->requests()) {
            if (request.body.contains("group=" + group))
                list.append(request);
        }
        return list;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
    }

    void init()
    {
        CheckServers::start(m_check, m_account);
        m_run = CheckServers::makeRun(*m_check);
        m_store.clear();
    }

    void cleanup()
    {
        m_run.reset();
        m_check.reset();
        m_account.reset();
    }

    void wholeRun()
    {
        setDocument({QStringLiteral("My Holiday")},
                    {QStringLiteral("The cat went home. "), QStringLiteral("It were nice.")});
        m_check->queueReply("/unified/", RecordingHttpServer::stream(
            {sentenceRecord(2, "GRAMMAR", 2).left(5), sentenceRecord(2, "GRAMMAR", 2).mid(5) + documentRecord(),
             cleanRecord(1) + sentenceRecord(0, "SUGGESTION")}));
        QSignalSpy states(m_run.get(), &CheckTaskThread::signalUpdateState);
        QSignalSpy finished(m_run.get(), &CheckTaskThread::signalFinished);
        start();
        QVERIFY(finished.wait());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).value<QNetworkReply::NetworkError>(), QNetworkReply::NoError);

        // The request: one POST with the whole document.
        QCOMPARE(m_check->requests().size(), 1);
        const RecordingHttpServer::Request request = m_check->requests().first();
        QCOMPARE(request.method, QByteArray("POST"));
        QCOMPARE(request.target, QByteArray("/unified/"));
        QCOMPARE(request.header("Content-Type"), QByteArray("application/x-www-form-urlencoded"));
        QCOMPARE(request.header("Content-Length").toInt(), request.body.size());
        QCOMPARE(postedConfigs(request), QByteArray("[1,0,0]"));
        const QByteArray json = ZlibBytes::inflated(request.body);
        QVERIFY(json.contains("\"sents\":[\"My Holiday\",\"The cat went home. \",\"It were nice.\"]"));
        QVERIFY(json.contains("\"session\":\"KEY-1\""));
        QVERIFY(json.contains("\"lexsubConfidence\":2"));

        // Results in arrival order; the document record only sets the scores.
        QCOMPARE(indices(states), QList<int>({2, 1, 0}));
        QCOMPARE(states.at(0).at(0).value<CResultState>().corrections.size(), 2);
        QCOMPARE(m_run->lexicalScore(), 61.5);
        QCOMPARE(m_run->syntaxScore(), 70.25);
        QCOMPARE(m_run->errorTypeCounts().value(GRAMMAR), 2);
        QCOMPARE(m_run->errorTypeCounts().value(SUGGESTION), 1);

        // Only the sentence with a grammar error is stored: clean sentences and
        // suggestions are not.
        QCOMPARE(m_store.size(), 1);
        QCOMPARE(m_store.entries().first().text, QStringLiteral("It were nice."));
        QCOMPARE(m_store.entries().first().chunk->configType(), 0);
        QCOMPARE(m_store.entries().first().corrections.size(), 2);

        // Statistics: "The" is excluded, "cat", "went" (a form of "go") and
        // "home" are A1, "My" is excluded, "Holiday" has a level only in lower
        // case and is not the first word, "It" and "were" are excluded, "nice" A1.
        QCOMPARE(m_run->wordTotal(), 9);
        const QList<int> levels = m_run->levelCounts();
        QCOMPARE(levels.size(), 6);
        QCOMPARE(levels.at(0), 4);
        QCOMPARE(levels.at(1) + levels.at(2) + levels.at(3) + levels.at(4) + levels.at(5), 0);

        // Both uploads went out, before the end was reported.
        QCOMPARE(uploads("check").size(), 1);
        QVERIFY(uploads("check").first().body.contains("sessionKey=KEY-1"));
        QVERIFY(uploads("check").first().body.contains("WORD%3A9%3B") || uploads("check").first().body.contains("WORD:9;"));
        QCOMPARE(uploads("error").size(), 1);
    }

    void storedResultsComeFirst()
    {
        setDocument({}, {QStringLiteral("He go home."), QStringLiteral("Fine."), QStringLiteral("She run.")});
        m_check->queueReply("/unified/", RecordingHttpServer::stream({sentenceRecord(0, "GRAMMAR") + cleanRecord(1) + sentenceRecord(2, "REAL")}));
        QSignalSpy finished(m_run.get(), &CheckTaskThread::signalFinished);
        start();
        QVERIFY(finished.wait());
        QCOMPARE(m_store.size(), 2);

        // Same text, kind and level: answered from the store, sent with -1,
        // and the service's repeated answer for them is not delivered again.
        m_check->queueReply("/unified/", RecordingHttpServer::stream({cleanRecord(1) + sentenceRecord(0, "STYLE") + sentenceRecord(2, "STYLE")}));
        QSignalSpy states(m_run.get(), &CheckTaskThread::signalUpdateState);
        QSignalSpy requests(m_check.get(), &RecordingHttpServer::requestReceived);
        start();
        QVERIFY(finished.wait());
        QCOMPARE(finished.count(), 2);
        QCOMPARE(m_check->requests().size(), 2);
        QCOMPARE(postedConfigs(m_check->requests().at(1)), QByteArray("[-1,0,-1]"));
        QCOMPARE(indices(states), QList<int>({0, 2, 1}));
        QCOMPARE(states.at(0).at(0).value<CResultState>().corrections.first().errorTypeCode, int(GRAMMAR));
        QCOMPARE(states.at(1).at(0).value<CResultState>().corrections.first().errorTypeCode, int(REAL));
        QCOMPARE(m_store.size(), 2);   // stored sentences are not stored again

        // A document checked before in full: every result comes from the
        // store before the request goes out, and every sentence is sent -1.
        setDocument({}, {QStringLiteral("She run."), QStringLiteral("He go home.")});
        m_check->queueReply("/unified/", RecordingHttpServer::stream({}));
        QList<int> requestsSeenByResults;
        const auto seen = connect(m_run.get(), &CheckTaskThread::signalUpdateState, this,
                                  [&] { requestsSeenByResults.append(int(m_check->requests().size())); });
        states.clear();
        start();
        QVERIFY(finished.wait());
        disconnect(seen);
        QCOMPARE(finished.count(), 3);
        QCOMPARE(indices(states), QList<int>({0, 1}));
        QCOMPARE(requestsSeenByResults, QList<int>({2, 2}));
        QCOMPARE(m_check->requests().size(), 3);
        QCOMPARE(postedConfigs(m_check->requests().at(2)), QByteArray("[-1,-1]"));
        QCOMPARE(states.at(0).at(0).value<CResultState>().corrections.first().errorTypeCode, int(REAL));

        // Another English level makes the stored results unusable.
        setDocument({}, {QStringLiteral("He go home."), QStringLiteral("Fine."), QStringLiteral("She run.")}, 3);
        m_check->queueReply("/unified/", RecordingHttpServer::stream({}));
        start();
        QVERIFY(finished.wait());
        QCOMPARE(postedConfigs(m_check->requests().at(3)), QByteArray("[0,0,0]"));
        QVERIFY(ZlibBytes::inflated(m_check->requests().at(3).body).contains("\"server.confidence\",\"3\""));

        // A title with the same text as a stored sentence is a different chunk.
        setDocument({QStringLiteral("Fine.")}, {});
        m_check->queueReply("/unified/", RecordingHttpServer::stream({}));
        start();
        QVERIFY(finished.wait());
        QCOMPARE(postedConfigs(m_check->requests().at(4)), QByteArray("[1]"));
    }

    // Whether a result is kept for later runs depends on its first
    // correction only.
    void firstCorrectionDecidesStoring()
    {
        setDocument({}, {QStringLiteral("One."), QStringLiteral("Two."), QStringLiteral("Three.")});
        auto mixed = [](int index, const QByteArray &first, const QByteArray &second) {
            return record("{\"sentInd\":" + QByteArray::number(index) + ",\"corrections\":[{\"errorType\":\""
                          + first + "\"},{\"errorType\":\"" + second + "\"}]}");
        };
        m_check->queueReply("/unified/", RecordingHttpServer::stream(
            {mixed(0, "IMPROVE", "GRAMMAR") + mixed(1, "GRAMMAR", "SUGGESTION") + sentenceRecord(2, "IMPROVE")}));
        QSignalSpy states(m_run.get(), &CheckTaskThread::signalUpdateState);
        QSignalSpy finished(m_run.get(), &CheckTaskThread::signalFinished);
        start();
        QVERIFY(finished.wait());
        QCOMPARE(indices(states), QList<int>({0, 1, 2}));
        QCOMPARE(m_store.size(), 1);
        QCOMPARE(m_store.entries().first().text, QStringLiteral("Two."));
        QCOMPARE(m_run->errorTypeCounts().value(IMPROVE), 2);
        QCOMPARE(m_run->errorTypeCounts().value(GRAMMAR), 2);
        QCOMPARE(m_run->errorTypeCounts().value(SUGGESTION), 1);
    }

    void retryAfterFailure()
    {
        setDocument({}, {QStringLiteral("One."), QStringLiteral("Two.")});
        RecordingHttpServer::Reply failing = RecordingHttpServer::stream({sentenceRecord(0, "NONWORD")});
        failing.status = 500;
        failing.headers = "Set-Cookie: route=a1; Path=/\r\n";
        m_check->queueReply("/unified/", failing);
        m_check->queueReply("/unified/", RecordingHttpServer::stream({sentenceRecord(0, "NONWORD") + sentenceRecord(1, "STYLE")}));
        QSignalSpy states(m_run.get(), &CheckTaskThread::signalUpdateState);
        QSignalSpy finished(m_run.get(), &CheckTaskThread::signalFinished);
        start();
        QVERIFY(finished.wait());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).value<QNetworkReply::NetworkError>(), QNetworkReply::NoError);
        QCOMPARE(m_check->requests().size(), 2);
        QCOMPARE(m_check->requests().at(0).body, m_check->requests().at(1).body);
        // The session travels in the body only: no cookie, even one the
        // service set.
        QVERIFY(m_check->requests().at(1).header("Cookie").isNull());
        QCOMPARE(indices(states), QList<int>({0, 1}));   // no duplicate after the retry
        QCOMPARE(m_run->errorTypeCounts().value(NONWORD), 1);
    }

    void secondFailureEndsTheRun()
    {
        setDocument({}, {QStringLiteral("One.")});
        RecordingHttpServer::Reply failing = RecordingHttpServer::stream({});
        failing.status = 500;
        m_check->queueReply("/unified/", failing);
        m_check->queueReply("/unified/", failing);
        m_check->queueReply("/unified/", RecordingHttpServer::stream({cleanRecord(0)}));
        QSignalSpy finished(m_run.get(), &CheckTaskThread::signalFinished);
        start();
        QVERIFY(finished.wait());
        QTest::qWait(100);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).value<QNetworkReply::NetworkError>(), QNetworkReply::InternalServerError);
        QCOMPARE(m_check->requests().size(), 2);
    }

    void refusedSession()
    {
        setDocument({}, {QStringLiteral("One.")});
        m_check->queueReply("/unified/", RecordingHttpServer::stream({"unauth", "orized"}));
        m_check->queueReply("/unified/", RecordingHttpServer::stream({"unauthorized"}));
        QSignalSpy states(m_run.get(), &CheckTaskThread::signalUpdateState);
        QSignalSpy finished(m_run.get(), &CheckTaskThread::signalFinished);
        start(QStringLiteral("expired"));
        QVERIFY(finished.wait());
        QCOMPARE(finished.at(0).at(0).value<QNetworkReply::NetworkError>(),
                 QNetworkReply::AuthenticationRequiredError);
        QCOMPARE(int(QNetworkReply::AuthenticationRequiredError), 204);
        QCOMPARE(m_check->requests().size(), 2);
        QCOMPARE(states.count(), 0);
    }

    void timeOuts()
    {
        setDocument({}, {QStringLiteral("One.")});
        m_run->task()->setTimeoutMs(300);
        m_check->queueReply("/unified/", RecordingHttpServer::streamThenStall());
        m_check->queueReply("/unified/", RecordingHttpServer::stream({cleanRecord(0) + sentenceRecord(0, "STYLE")}));
        QSignalSpy states(m_run.get(), &CheckTaskThread::signalUpdateState);
        QSignalSpy finished(m_run.get(), &CheckTaskThread::signalFinished);
        start();
        QVERIFY(finished.wait());
        QCOMPARE(finished.at(0).at(0).value<QNetworkReply::NetworkError>(), QNetworkReply::NoError);
        QCOMPARE(m_check->requests().size(), 2);
        QCOMPARE(indices(states), QList<int>({0}));

        // Two time-outs end the run with 4. The first answer leaves half a
        // record pending; it must not be glued in front of the second answer.
        m_check->queueReply("/unified/", RecordingHttpServer::streamThenStall({sentenceRecord(0, "GRAMMAR").left(6)}));
        m_check->queueReply("/unified/", RecordingHttpServer::streamThenStall({sentenceRecord(0, "GRAMMAR")}));
        states.clear();
        start();
        QVERIFY(finished.wait());
        QCOMPARE(finished.count(), 2);
        QCOMPARE(finished.at(1).at(0).value<QNetworkReply::NetworkError>(), QNetworkReply::TimeoutError);
        QCOMPARE(int(QNetworkReply::TimeoutError), 4);
        QCOMPARE(m_check->requests().size(), 4);
        QCOMPARE(indices(states), QList<int>({0}));
        QVERIFY(m_run->task()->recordErrors().isEmpty());
    }

    void cancelInFlight()
    {
        setDocument({}, {QStringLiteral("One."), QStringLiteral("Two.")});
        m_check->queueReply("/unified/", RecordingHttpServer::streamThenStall({sentenceRecord(0, "GRAMMAR")}));
        QSignalSpy states(m_run.get(), &CheckTaskThread::signalUpdateState);
        QSignalSpy finished(m_run.get(), &CheckTaskThread::signalFinished);
        start();
        QVERIFY(states.wait());
        m_run->cancel();
        QVERIFY(finished.count() == 1 || finished.wait());
        QTest::qWait(200);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).value<QNetworkReply::NetworkError>(), QNetworkReply::OperationCanceledError);
        QCOMPARE(int(QNetworkReply::OperationCanceledError), 5);
        QCOMPARE(m_check->requests().size(), 1);   // no retry after a cancel
        QCOMPARE(states.count(), 1);
    }

    void cancelDuringLookUp()
    {
        setDocument({}, {QStringLiteral("A b."), QStringLiteral("C d."), QStringLiteral("E f.")});
        for (const QString &text : std::as_const(m_sentences)) {
            auto chunk = std::make_shared<GammaLib::SentenceChunk>();
            chunk->setConfidence(2);
            CCorrection correction;
            correction.errorTypeCode = GRAMMAR;
            m_store.append({text, chunk, {correction}});
        }
        m_run->storage()->setPauseMs(100);
        QSignalSpy states(m_run.get(), &CheckTaskThread::signalUpdateState);
        QSignalSpy finished(m_run.get(), &CheckTaskThread::signalFinished);
        start();
        QVERIFY(states.wait());
        m_run->cancel();
        // The caller may delete the chunks as soon as cancel() returns.
        QVERIFY(!m_run->storage()->isRunning());
        QTest::qWait(400);
        QCOMPARE(states.count(), 1);
        QCOMPARE(finished.count(), 0);
        QCOMPARE(m_check->requests().size(), 0);

        // The next run is not disturbed by the cancelled one.
        setDocument({}, {QStringLiteral("New text.")});
        m_check->queueReply("/unified/", RecordingHttpServer::stream({sentenceRecord(0, "STYLE")}));
        states.clear();
        start();
        QVERIFY(finished.wait());
        QCOMPARE(indices(states), QList<int>({0}));
    }

    // The chunks are the editor's; once stopped, the worker must not read
    // another one, even while no stored result comes up.
    void stoppedLookUpTouchesNoFurtherChunk()
    {
        ResultStore store;
        StoredIndices stored;
        // Same texts, other kind: every sentence is compared, none matches.
        store.append({QStringLiteral("A b."), std::make_shared<GammaLib::TitleChunk>(), {CCorrection()}});
        store.append({QStringLiteral("C d."), std::make_shared<GammaLib::TitleChunk>(), {CCorrection()}});
        WatchedChunk first;
        first.hold = true;
        WatchedChunk second;
        CheckStorageThread worker;
        QSignalSpy finished(&worker, &CheckStorageThread::signalFinished);
        worker.startLookup(&store, {QStringLiteral("A b."), QStringLiteral("C d.")}, {&first, &second},
                           &stored);
        QVERIFY(first.entered.tryAcquire(1, 10000));
        worker.stop();
        first.proceed.release();
        QVERIFY(worker.wait(10000));
        QCOMPARE(second.reads.load(), 0);
        QCOMPARE(finished.count(), 0);
        QVERIFY(stored.toList().isEmpty());

        // Not stopped, the same look-up reads both and finishes.
        first.hold = false;
        worker.startLookup(&store, {QStringLiteral("A b."), QStringLiteral("C d.")}, {&first, &second},
                           &stored);
        QVERIFY(worker.wait(10000));
        QCOMPARE(second.reads.load(), 1);
        QCOMPARE(finished.count(), 1);
    }

    void uploadsGateTheEnd()
    {
        setDocument({}, {QStringLiteral("One two.")});
        m_account->setReply("/NotPublic/UserCountBulkAdd.ashx", RecordingHttpServer::answer("ok", 200, 400));
        m_check->queueReply("/unified/", RecordingHttpServer::stream({sentenceRecord(0, "GRAMMAR")}));
        QSignalSpy finished(m_run.get(), &CheckTaskThread::signalFinished);
        QSignalSpy checkDone(m_check.get(), &RecordingHttpServer::requestReceived);
        bool endedBeforeErrorUpload = false;
        connect(m_account.get(), &RecordingHttpServer::requestReceived, this,
                [&](const RecordingHttpServer::Request &request) {
                    if (request.body.contains("group=error"))
                        endedBeforeErrorUpload = finished.count() > 0;
                });
        start();
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(uploads("error").size(), 1);
        QVERIFY(!endedBeforeErrorUpload);
        QCOMPARE(m_run->usageLog()->taskCount(), 0);

        // An account host that cannot be reached delays nothing and changes
        // no code.
        m_account.reset();
        m_check->queueReply("/unified/", RecordingHttpServer::stream({sentenceRecord(0, "GRAMMAR")}));
        start();
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.count(), 2);
        QCOMPARE(finished.at(1).at(0).value<QNetworkReply::NetworkError>(), QNetworkReply::NoError);
    }

    // A run cancelled while its uploads are still on their way, and the next
    // run started at once: the earlier uploads finish during the new run and
    // bring the shared upload counter down. The new run must still end.
    void uploadsOfACancelledRunDoNotStallTheNext()
    {
        m_account->setReply("/NotPublic/UserCountBulkAdd.ashx", RecordingHttpServer::answer("ok", 200, 300));
        setDocument({}, {QStringLiteral("One two.")});
        m_check->queueReply("/unified/", RecordingHttpServer::streamThenStall({sentenceRecord(0, "GRAMMAR")}));
        QSignalSpy states(m_run.get(), &CheckTaskThread::signalUpdateState);
        QSignalSpy finished(m_run.get(), &CheckTaskThread::signalFinished);
        start();
        QVERIFY(states.wait());
        m_run->cancel();
        QCOMPARE(finished.count(), 0);   // still waiting for its two uploads

        // The next document is clean, so its end uploads nothing, and its
        // answer comes after every upload has been answered.
        setDocument({}, {QStringLiteral("Three four.")});
        m_check->queueReply("/unified/", RecordingHttpServer::stream({QByteArray(), cleanRecord(0)}, 800));
        start();
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).value<QNetworkReply::NetworkError>(), QNetworkReply::NoError);
        QCOMPARE(m_check->requests().size(), 2);
        QCOMPARE(uploads("check").size(), 2);
        QCOMPARE(uploads("error").size(), 1);
        QTest::qWait(400);
        QCOMPARE(finished.count(), 1);
    }

    void badIndicesAndEmptyDocument()
    {
        setDocument({}, {QStringLiteral("Only one.")});
        m_check->queueReply("/unified/", RecordingHttpServer::stream({sentenceRecord(5, "GRAMMAR") + sentenceRecord(0, "GRAMMAR")}));
        QSignalSpy states(m_run.get(), &CheckTaskThread::signalUpdateState);
        QSignalSpy finished(m_run.get(), &CheckTaskThread::signalFinished);
        start();
        QVERIFY(finished.wait());
        QCOMPARE(indices(states), QList<int>({0}));

        setDocument({}, {});
        start();
        QVERIFY(finished.wait());
        QCOMPARE(finished.count(), 2);
        QVERIFY(!ZlibBytes::inflated(m_check->requests().last().body).contains("sents"));
        QCOMPARE(m_run->levelCounts(), QList<int>(6, 0));
    }

    void storeSharedBetweenThreads()
    {
        // The look-up worker reads the store and appends indices while the
        // main thread appends results and reads indices.
        ResultStore store;
        StoredIndices stored;
        GammaLib::SentenceChunk chunk;
        std::atomic_bool done{false};
        std::atomic_int found{0};
        std::unique_ptr<QThread> reader(QThread::create([&] {
            int i = 0;
            while (!done) {
                if (store.lookup(QString::number(i % 500), chunk)) {
                    stored.append(i);
                    ++found;
                }
                ++i;
            }
        }));
        reader->start();
        for (int i = 0; i < 20000; ++i) {
            store.append({QString::number(i), std::make_shared<GammaLib::SentenceChunk>(), {CCorrection()}});
            stored.contains(i);
        }
        QTRY_VERIFY(found > 0);
        done = true;
        reader->wait();
        QCOMPARE(store.size(), 20000);
        QCOMPARE(int(stored.toList().size()), int(found));
    }

    void chineseLevels()
    {
        CheckTaskThread run(m_check->url(QStringLiteral("/unified/")), QStringLiteral("zh-CN"),
                            QStringLiteral(QUILLET_BINARY_DIR "/bin"));
        setDocument({}, {QStringLiteral("Abandon the accessory.")});
        QSignalSpy finished(&run, &CheckTaskThread::signalFinished);
        run.startTask(QStringLiteral("K"), &m_store, m_sentences, m_chunks, m_level);
        QVERIFY(finished.wait());
        // "Abandon" only in lower case (BASE), "accessory" CET4.
        QCOMPARE(run.levelCounts(), QList<int>({1, 1, 0, 0, 0, 0}));
    }
};

QTEST_GUILESS_MAIN(TestCheckRun)
#include "tst_checkrun.moc"
