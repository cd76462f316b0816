// Usage counts, correction records, the exit upload, the glossary and the
// sample text against a recording server on loopback.
#include "formpost.h"
#include "recordinghttpserver.h"
#include "serviceaddresses.h"
#include "usageevents.h"
#include "usagenames.h"
#include "useraccess.h"
#include "usercountlog.h"
#include "userinformation.h"
#include "usernewword.h"

#include <QSignalSpy>
#include <QtTest>

using namespace GammaLib;
using Server = RecordingHttpServer;

namespace {

const QByteArray CountPath = "/NotPublic/UserCountBulkAdd.ashx";
const QByteArray CorrectionPath = "/NotPublic/UserCorrectionLogBulkAdd-new.ashx";
const QByteArray WordListPath = "/NotPublic/UserWordList.ashx";
const QByteArray WordAddPath = "/NotPublic/UserWordBulkAdd.ashx";

UserCorrectionRecord record(const QString &word, int choose)
{
    UserCorrectionRecord r;
    r.sentence = QString::fromUtf8("He go \"home\" caf\xC3\xA9 1+1.");
    r.word = word;
    r.wordIdx = 3;
    r.wordLength = word.size();
    r.correctionList = QStringLiteral("goes,went");
    r.choose = choose;
    r.type = 4;
    return r;
}

} // namespace

class TestUsageClients : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void countNames();
    void correctionRecordJson();

    void eventUpload();
    void checkAndErrorCounts();
    void emptyInputsSendNothing();
    void uploadEventsInBlockUsesAnonymousKey();

    void exitUploadWithNothingToSend();
    void exitUploadWithoutSessionKey();
    void exitUploadSendsAllParts();
    void exitUploadCompletesWhenServerFails_data();
    void exitUploadCompletesWhenServerFails();
    void refreshEmptiesCounters();

    void glossaryDownload();
    void glossaryOverlappingDownloads();
    void wordAddedBeforeTheDownloadStays();
    void wordUploadAnswers_data();
    void wordUploadAnswers();

    void sampleTextRetries();

private:
    Server *m_server = nullptr;
};

void TestUsageClients::init()
{
    delete m_server;
    m_server = new Server(this);
    QVERIFY(m_server->isListening());
    ServiceAddresses::instance().setProductHosts(m_server->host());
    UserAccess::instance().clear();
}

void TestUsageClients::countNames()
{
    QCOMPARE(checkUnitName(0), QStringLiteral("SENTENSE"));
    QCOMPARE(checkUnitName(1), QStringLiteral("WORD"));
    const QStringList categories = {"Null", "Nonword", "Real", "Mophology", "Grammar",
                                    "Style", "Suggestion", "", "Other", ""};
    for (int i = 0; i < categories.size(); ++i)
        QCOMPARE(errorCategoryName(i), categories.at(i));
    QCOMPARE(vocabularyLevelName(0), QStringLiteral("BASE"));
    QCOMPARE(vocabularyLevelName(5), QStringLiteral("GRE"));
    QCOMPARE(vocabularyLevelName(11), QStringLiteral("C2"));
    QVERIFY(vocabularyLevelName(12).isEmpty());
    QVERIFY(vocabularyLevelName(-1).isEmpty());

    QCOMPARE(countString(QMap<int, int>{{0, 12}, {1, 140}}, checkUnitName),
             QStringLiteral("SENTENSE:12;WORD:140;"));
    QCOMPARE(countString(QMap<int, int>{{8, 5}}, errorCategoryName), QStringLiteral("Other:5;"));
    // There is no category 7; such an entry is left out rather than sent nameless.
    QCOMPARE(countString(QMap<int, int>{{7, 2}, {4, 1}}, errorCategoryName), QStringLiteral("Grammar:1;"));
    QCOMPARE(countString(QMap<QString, int>()), QString());
}

void TestUsageClients::correctionRecordJson()
{
    QCOMPARE(correctionRecordsJson({}), QByteArray("[]"));
    QCOMPARE(correctionRecordsJson({record(QStringLiteral("go"), -1)}),
             QByteArray("[{\"choose\":-1,\"correctionList\":\"goes,went\","
                        "\"sentence\":\"He go \\\"home\\\" caf\xC3\xA9 1+1.\","
                        "\"type\":4,\"word\":\"go\",\"wordIdx\":3,\"wordLength\":2}]"));
    QVERIFY(record(QStringLiteral("go"), 1) != record(QStringLiteral("go"), 0));
    QVERIFY(record(QStringLiteral("go"), 1) == record(QStringLiteral("go"), 1));
}

void TestUsageClients::eventUpload()
{
    m_server->setReply(CountPath, Server::answer("whatever"));
    UserInformation info;
    for (int i = 0; i < 3; ++i)
        info.LogEvent(QString::fromLatin1(UsageEvent::MainReview));
    info.LogEvent(QString::fromLatin1(UsageEvent::MainOpen));
    QCOMPARE(info.events().value(QStringLiteral("QL_Main_Review")), 3);

    UserCountLog log;
    QSignalSpy spy(&log, &UserCountLog::AddUserEventFinished);
    QVERIFY(log.AddUserEvent(QStringLiteral("K+1 =&"), info.events(), QStringLiteral("ostrel")));
    QVERIFY(spy.wait());
    const QList<Server::Request> requests = m_server->requests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.at(0).method, QByteArray("POST"));
    QCOMPARE(requests.at(0).target, CountPath);
    QCOMPARE(requests.at(0).header("Content-Type"), QByteArray("application/x-www-form-urlencoded"));
    QCOMPARE(requests.at(0).body, QByteArray("sessionKey=K%2B1%20%3D%26&group=event&version=ostrel"
                                             "&data=QL_Main_Open:1;QL_Main_Review:3;"));
}

void TestUsageClients::checkAndErrorCounts()
{
    m_server->queueReply(CountPath, Server::answer("ok"));
    m_server->queueReply(CountPath, Server::answer("no", 500));
    UserCountLog log;
    QSignalSpy tasks(&log, &UserCountLog::signalTaskFinished);
    QVERIFY(log.AddUserCheckCount(QStringLiteral("K"), {{0, 12}, {1, 140}}));
    QVERIFY(log.AddUserErrorCount(QStringLiteral("K"), {{8, 5}}));
    QCOMPARE(log.taskCount(), 2);
    QTRY_COMPARE(tasks.size(), 2);
    // A failed answer still finishes its task.
    QCOMPARE(tasks.at(0).at(0).toInt() + tasks.at(1).at(0).toInt(), 1);
    QCOMPARE(log.taskCount(), 0);

    QList<QByteArray> bodies;
    for (const Server::Request &request : m_server->requests(CountPath))
        bodies.append(request.body);
    std::sort(bodies.begin(), bodies.end());
    QCOMPARE(bodies.at(0), QByteArray("sessionKey=K&group=check&data=SENTENSE:12;WORD:140;"));
    QCOMPARE(bodies.at(1), QByteArray("sessionKey=K&group=error&data=Other:5;"));

    log.setTaskCount(5);
    QCOMPARE(log.taskCount(), 5);
}

void TestUsageClients::emptyInputsSendNothing()
{
    UserCountLog log;
    QSignalSpy events(&log, &UserCountLog::AddUserEventFinished);
    QSignalSpy tasks(&log, &UserCountLog::signalTaskFinished);
    QSignalSpy corrections(&log, &UserCountLog::signalAddUserCorrectionLogFinished);
    const QMap<QString, int> table{{QStringLiteral("QL_Main_Open"), 1}};
    QVERIFY(!log.AddUserEvent(QString(), table, QStringLiteral("ostrel")));
    QVERIFY(!log.AddUserEvent(QStringLiteral("K"), {}, QStringLiteral("ostrel")));
    QVERIFY(!log.AddUserEventInBlock(QString(), table, QStringLiteral("ostrel")));
    QVERIFY(!log.AddUserCheckCount(QString(), {{0, 1}}));
    QVERIFY(!log.AddUserCheckCount(QStringLiteral("K"), {}));
    QVERIFY(!log.AddUserErrorCount(QString(), {{1, 1}}));
    QVERIFY(!log.AddUserErrorCount(QStringLiteral("K"), {}));
    QVERIFY(!log.AddUserCorrectionLog(QStringLiteral("K"), {}));
    QVERIFY(!log.AddUserCorrectionLog(QString(), {record(QStringLiteral("go"), 0)}));
    QCOMPARE(log.taskCount(), 0);

    UserNewWord words;
    QVERIFY(!words.GetUserWordList(QString()));
    QVERIFY(!words.AddUserWord(QString(), {QStringLiteral("a")}));
    QVERIFY(!words.AddUserWord(QStringLiteral("K"), {}));

    QTest::qWait(50);
    QCOMPARE(events.size() + tasks.size() + corrections.size(), 0);
    QCOMPARE(m_server->requestCount(), 0);
}

void TestUsageClients::uploadEventsInBlockUsesAnonymousKey()
{
    m_server->setReply(CountPath, Server::answer("", 200, 100));
    UserInformation info;
    QSignalSpy finished(info.countLog(), &UserCountLog::AddUserEventFinished);
    info.UploadEventsInBlock(UserInformation::anonymousSessionKey());
    QCOMPARE(m_server->requestCount(), 0);

    info.LogEvent(QStringLiteral("QL_Access_Facebook"));
    info.UploadEventsInBlock(UserInformation::anonymousSessionKey());
    // Blocking: the request has been answered when the call returns.
    QCOMPARE(m_server->requestCount(), 1);
    QCOMPARE(m_server->requests().at(0).body,
             QByteArray("sessionKey=2727-2727&group=event&version=ostrel&data=QL_Access_Facebook:1;"));
    QCOMPARE(finished.size(), 0);

    // A server that never answers does not hold the caller for ever.
    m_server->setReply(CountPath, Server::neverAnswer());
    info.setTransferTimeout(150);
    info.UploadEventsInBlock(UserInformation::anonymousSessionKey());
    QCOMPARE(m_server->requestCount(), 2);
}

void TestUsageClients::exitUploadWithNothingToSend()
{
    UserInformation info;
    QSignalSpy uploaded(&info, &UserInformation::signalUploaded);
    info.Upload(QStringLiteral("K"));
    QCOMPARE(uploaded.size(), 1);
    QTest::qWait(50);
    QCOMPARE(uploaded.size(), 1);
    QCOMPARE(m_server->requestCount(), 0);
}

void TestUsageClients::exitUploadWithoutSessionKey()
{
    UserInformation info;
    info.LogEvent(QStringLiteral("QL_Main_Review"));
    info.AddUserWord(QStringLiteral("Quillet"));
    info.AddCorrectionRecord(record(QStringLiteral("go"), 0));
    QSignalSpy uploaded(&info, &UserInformation::signalUploaded);
    info.Upload(QString());
    QCOMPARE(uploaded.size(), 1);
    QTest::qWait(50);
    QCOMPARE(m_server->requestCount(), 0);
}

void TestUsageClients::exitUploadSendsAllParts()
{
    m_server->setReply(CountPath, Server::answer("", 200, 50));
    m_server->setReply(WordAddPath, Server::answer("ok", 200, 100));
    m_server->setReply(CorrectionPath, Server::answer("", 200, 150));
    UserInformation info;
    info.LogEvent(QStringLiteral("QL_Main_Review"));
    info.LogEvent(QStringLiteral("QL_Main_Review"));
    info.AddUserWord(QStringLiteral("Quillet"));
    info.AddUserWord(QString::fromUtf8("na\xC3\xAFve+"));
    info.AddCorrectionRecord(record(QStringLiteral("go"), 0));
    info.AddCorrectionRecord(record(QStringLiteral("go"), 0));
    info.AddCorrectionRecord(record(QStringLiteral("go"), -1));
    QCOMPARE(info.correctionRecords().size(), 2);

    QSignalSpy uploaded(&info, &UserInformation::signalUploaded);
    info.Upload(QStringLiteral("K"));
    QCOMPARE(uploaded.size(), 0);
    QVERIFY(uploaded.wait());
    QCOMPARE(m_server->requestCount(), 3);
    QTest::qWait(50);
    QCOMPARE(uploaded.size(), 1);

    QCOMPARE(m_server->requests(CountPath).at(0).body,
             QByteArray("sessionKey=K&group=event&version=ostrel&data=QL_Main_Review:2;"));
    QCOMPARE(m_server->requests(WordAddPath).at(0).body,
             QByteArray("sessionKey=K&words=Quillet;na%C3%AFve%2B;"));
    QCOMPARE(m_server->requests(CorrectionPath).at(0).body,
             "sessionKey=K&data="
                 + encodeFormValue(QString::fromUtf8(correctionRecordsJson(
                     {record(QStringLiteral("go"), 0), record(QStringLiteral("go"), -1)}))));
}

void TestUsageClients::exitUploadCompletesWhenServerFails_data()
{
    QTest::addColumn<int>("failure");
    QTest::newRow("error status") << 0;
    QTest::newRow("closed without answer") << 1;
    QTest::newRow("never answers") << 2;
}

void TestUsageClients::exitUploadCompletesWhenServerFails()
{
    QFETCH(int, failure);
    const Server::Reply reply = failure == 0   ? Server::answer("boom", 500)
                                : failure == 1 ? Server::closeWithoutAnswer()
                                               : Server::neverAnswer();
    m_server->setDefaultReply(reply);
    UserInformation info;
    info.setTransferTimeout(150);
    info.LogEvent(QStringLiteral("QL_Main_Review"));
    info.AddUserWord(QStringLiteral("word"));
    info.AddCorrectionRecord(record(QStringLiteral("go"), 0));
    QSignalSpy uploaded(&info, &UserInformation::signalUploaded);
    info.Upload(QStringLiteral("K"));
    QVERIFY(uploaded.wait());
    QCOMPARE(uploaded.size(), 1);
    // The network layer may try a dropped connection once more.
    QVERIFY(!m_server->requests(CountPath).isEmpty());
    QVERIFY(!m_server->requests(WordAddPath).isEmpty());
    QVERIFY(!m_server->requests(CorrectionPath).isEmpty());
}

void TestUsageClients::refreshEmptiesCounters()
{
    m_server->setReply(WordListPath, Server::answer("alpha;beta"));
    UserInformation info;
    info.LogEvent(QStringLiteral("QL_Main_Review"));
    info.AddUserWord(QStringLiteral("gamma"));
    info.AddCorrectionRecord(record(QStringLiteral("go"), 0));
    QVERIFY(info.IsInGlossary(QStringLiteral("gamma")));

    UserAccess::instance().setSessionKey(QStringLiteral("KEY"));
    QSignalSpy list(info.newWord(), &UserNewWord::GetUserWordListFinished);
    info.Refresh();
    QVERIFY(info.events().isEmpty());
    QVERIFY(info.correctionRecords().isEmpty());
    QVERIFY(info.addedWords().isEmpty());
    QVERIFY(list.wait());
    QCOMPARE(info.glossary(), QStringList({"alpha", "beta"}));
    QVERIFY(!info.IsInGlossary(QStringLiteral("gamma")));
    QCOMPARE(m_server->requests(WordListPath).at(0).body, QByteArray("sessionKey=KEY"));
}

void TestUsageClients::glossaryDownload()
{
    UserAccess::instance().setSessionKey(QStringLiteral("KEY"));
    m_server->queueReply(WordListPath, Server::answer("a;b;"));
    m_server->queueReply(WordListPath, Server::answer(""));
    m_server->queueReply(WordListPath, Server::answer("Word;;x"));
    m_server->queueReply(WordListPath, Server::answer("a;b", 500));

    UserInformation info; // downloads once on creation
    QSignalSpy list(info.newWord(), &UserNewWord::GetUserWordListFinished);
    QVERIFY(list.wait());
    QCOMPARE(info.glossary(), QStringList({"a", "b", ""}));

    info.Refresh();
    QVERIFY(list.wait());
    QCOMPARE(info.glossary(), QStringList());

    info.Refresh();
    QVERIFY(list.wait());
    QCOMPARE(info.glossary(), QStringList({"Word", "", "x"}));
    QVERIFY(info.IsInGlossary(QStringLiteral("Word")));
    QVERIFY(!info.IsInGlossary(QStringLiteral("word")));
    info.AddUserWord(QStringLiteral("Capital"));
    QVERIFY(info.IsInGlossary(QStringLiteral("Capital")));
    QVERIFY(!info.IsInGlossary(QStringLiteral("capital")));

    // A failed download empties the list for the run.
    info.Refresh();
    QVERIFY(list.wait());
    QCOMPARE(info.glossary(), QStringList());
    QCOMPARE(m_server->requests(WordListPath).size(), 4);

    QCOMPARE(UserNewWord::parseWordList(QString()), QStringList());
    QCOMPARE(UserNewWord::parseWordList(QStringLiteral(";")), QStringList({"", ""}));
}

void TestUsageClients::glossaryOverlappingDownloads()
{
    m_server->queueReply(WordListPath, Server::answer("old", 200, 300));
    m_server->queueReply(WordListPath, Server::answer("new"));
    UserNewWord words;
    QSignalSpy list(&words, &UserNewWord::GetUserWordListFinished);
    QVERIFY(words.GetUserWordList(QStringLiteral("K1")));
    QVERIFY(m_server->waitForRequests(1));
    QVERIFY(words.GetUserWordList(QStringLiteral("K2")));
    QVERIFY(list.wait());
    QTest::qWait(400);
    QCOMPARE(list.size(), 1);
    QCOMPARE(list.at(0).at(0).toStringList(), QStringList({"new"}));
}

void TestUsageClients::wordAddedBeforeTheDownloadStays()
{
    UserAccess::instance().setSessionKey(QStringLiteral("KEY"));
    m_server->queueReply(WordListPath, Server::answer("alpha;beta", 200, 300));
    UserInformation info; // the download is on its way
    QSignalSpy list(info.newWord(), &UserNewWord::GetUserWordListFinished);
    QVERIFY(m_server->waitForRequests(1));
    info.AddUserWord(QStringLiteral("Quillet"));
    info.AddUserWord(QStringLiteral("alpha"));
    QVERIFY(list.wait());
    QCOMPARE(info.glossary(), QStringList({"alpha", "beta", "Quillet"}));
    QVERIFY(info.IsInGlossary(QStringLiteral("Quillet")));
    QCOMPARE(info.addedWords(), QStringList({"Quillet", "alpha"}));
}

void TestUsageClients::wordUploadAnswers_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("ok");
    QTest::newRow("ok") << QByteArray("ok") << 200 << true;
    QTest::newRow("OK") << QByteArray("OK") << 200 << false;
    QTest::newRow("ok with newline") << QByteArray("ok\n") << 200 << false;
    QTest::newRow("empty") << QByteArray() << 200 << false;
    QTest::newRow("error status") << QByteArray("ok") << 500 << false;
}

void TestUsageClients::wordUploadAnswers()
{
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    m_server->setReply(WordAddPath, Server::answer(body, status));
    UserNewWord words;
    QSignalSpy added(&words, &UserNewWord::AddUserWordFinished);
    QVERIFY(words.AddUserWord(QStringLiteral("K"), {QStringLiteral("a b"), QStringLiteral("c")}));
    QVERIFY(added.wait());
    QTEST(added.at(0).at(0).toBool(), "ok");
    QCOMPARE(m_server->requests().at(0).body, QByteArray("sessionKey=K&words=a%20b;c;"));
}

void TestUsageClients::sampleTextRetries()
{
    m_server->queueReply("/Veska/GetSampleText", Server::closeWithoutAnswer());
    m_server->queueReply("/Veska/GetSampleText", Server::answer("x", 503));
    m_server->queueReply("/Veska/GetSampleText", Server::neverAnswer());
    m_server->queueReply("/Veska/GetSampleText", Server::answer("Caf\xC3\xA9 text."));
    UserInformation info;
    info.setSampleTextRetryDelay(20);
    info.setTransferTimeout(500);
    QSignalSpy text(&info, &UserInformation::signalSampleText);
    info.slotRequestSampleText();
    QTRY_COMPARE(text.size(), 1);
    QCOMPARE(text.at(0).at(0).toString(), QString::fromUtf8("Caf\xC3\xA9 text."));
    QCOMPARE(m_server->requestCount(), 4);
    for (const Server::Request &request : m_server->requests())
        QCOMPARE(request.method, QByteArray("GET"));
}

QTEST_GUILESS_MAIN(TestUsageClients)
#include "tst_usageclients.moc"
