// A review without a window: the session against a recording check server.

#include "checkservers.h"
#include "checktaskthread.h"
#include "chunkentry.h"
#include "customtexteditor.h"
#include "reviewsession.h"
#include "zlibbytes.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QByteArray sentenceRecord(int index)
{
    return ZlibBytes::answerRecord("{\"sentInd\":" + QByteArray::number(index)
                  + ",\"corrections\":[{\"start\":3,\"end\":7,\"errorType\":\"GRAMMAR\",\"candidates\":"
                    "[{\"correction\":\"was\",\"candidateType\":\"REPLACE\",\"score\":0.8}]}]}");
}

QByteArray cleanRecord(int index)
{
    return ZlibBytes::answerRecord("{\"sentInd\":" + QByteArray::number(index) + ",\"corrections\":[]}");
}

QString words(int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list.append(QStringLiteral("word"));
    return list.join(QLatin1Char(' ')) + QLatin1Char('.');
}

} // namespace

class TestReviewSession : public QObject
{
    Q_OBJECT

private:
    // The settings in a folder of their own.
    QTemporaryDir m_config;
    const bool m_configSet = qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
    std::unique_ptr<RecordingHttpServer> m_check;
    std::unique_ptr<RecordingHttpServer> m_account;
    std::unique_ptr<CustomTextEditor> m_editor;
    std::unique_ptr<ReviewSession> m_session;

    bool start(const QString &text)
    {
        m_editor->setDocumentText(text);
        return m_session->start(text);
    }

    // Waits until the session is past the word count (or stopped there).
    bool countedWords()
    {
        return QTest::qWaitFor([this] { return m_session->phase() != ReviewSession::CountingWords; }, 30000);
    }

private slots:
    void init()
    {
        CheckServers::start(m_check, m_account);
        m_editor = std::make_unique<CustomTextEditor>();
        m_session = std::make_unique<ReviewSession>(m_editor.get(), CheckServers::makeRun(*m_check).release());
        m_session->connectOwnSignals();
    }

    void cleanup()
    {
        m_session.reset();
        m_editor.reset();
        m_check.reset();
        m_account.reset();
    }

    void resultsReachTheirChunks()
    {
        m_check->queueReply("/unified/", RecordingHttpServer::stream(
            {sentenceRecord(2) + cleanRecord(0), cleanRecord(1)}));
        QSignalSpy results(m_session.get(), &ReviewSession::resultArrived);
        QSignalSpy progress(m_session.get(), &ReviewSession::progressChanged);
        QSignalSpy ended(m_session.get(), &ReviewSession::checkEnded);
        QVERIFY(start(QStringLiteral("My Holiday\n\nI go to the beach yesterday. It were great.\n")));
        QVERIFY(m_session->isRunning());
        QVERIFY(ended.wait(30000));
        QCOMPARE(ended.first().first().toBool(), true);
        QVERIFY(m_session->succeeded());
        QCOMPARE(m_session->lastError(), 0);
        QCOMPARE(m_session->wordCount(), 11);
        QVERIFY(m_session->wordsThisMinute() > 0); // the minute's budget is charged

        // The title and the two sentences, as planned, in one request.
        const QList<ChunkEntry *> &chunks = m_session->chunks();
        QCOMPARE(chunks.size(), 3);
        QCOMPARE(chunks.at(2)->text(), QStringLiteral("It were great."));
        QCOMPARE(m_check->requests("/unified/").size(), 1);
        QVERIFY(ZlibBytes::inflated(m_check->requests("/unified/").first().body).contains("\"configs\":[1,0,0]"));

        // Every result goes with the chunk of its index.
        QCOMPARE(results.size(), 3);
        QCOMPARE(results.at(0).at(0).value<ChunkEntry *>(), chunks.at(2));
        QCOMPARE(results.at(0).at(1).value<QList<CCorrection>>().size(), 1);
        QCOMPARE(results.at(1).at(0).value<ChunkEntry *>(), chunks.at(0));
        QCOMPARE(results.at(2).at(0).value<ChunkEntry *>(), chunks.at(1));
        QCOMPARE(progress.last(), QList<QVariant>({3, 3}));

        // Still running until finished, then idle; finishing twice does nothing.
        QCOMPARE(m_session->phase(), ReviewSession::Checking);
        QVERIFY(m_session->finish());
        QCOMPARE(m_session->phase(), ReviewSession::Idle);
        QVERIFY(!m_session->finish());
    }

    void secondStartWaitsForTheFirst()
    {
        m_check->setDefaultReply(RecordingHttpServer::neverAnswer());
        QVERIFY(start(QStringLiteral("It were great. So it goes.")));
        QVERIFY(m_check->waitForRequests(1, 30000));
        const QList<ChunkEntry *> chunks = m_session->chunks();
        // The check run reads these chunks: a second review must not replace them.
        QVERIFY(!m_session->start(QStringLiteral("Something else.")));
        QCOMPARE(m_session->chunks(), chunks);
        QCOMPARE(m_session->phase(), ReviewSession::Checking);
        m_session->cancel();
        QVERIFY(m_session->finish());
    }

    void wordLimitPerReview()
    {
        QSignalSpy refused(m_session.get(), &ReviewSession::refused);
        QVERIFY(start(words(ReviewSession::WordsPerReview + 1)));
        QVERIFY(refused.wait(30000));
        QCOMPARE(refused.first().first().value<ReviewSession::Refusal>(), ReviewSession::TooManyWords);
        QCOMPARE(m_session->wordsThisMinute(), 0);
        m_session->cancel();
        QVERIFY(m_session->finish());
        QCOMPARE(m_check->requestCount(), 0);

        // Exactly the limit passes.
        QVERIFY(start(words(ReviewSession::WordsPerReview)));
        QVERIFY(countedWords());
        QCOMPARE(refused.size(), 1);
        QCOMPARE(m_session->wordsThisMinute(), ReviewSession::WordsPerReview);
        m_session->cancel();
        QVERIFY(m_session->finish());
    }

    void minuteBudget()
    {
        QSignalSpy refused(m_session.get(), &ReviewSession::refused);
        const QString text = words(ReviewSession::WordsPerReview);
        for (int i = 0; i < 3; ++i) { // 30000 words fill the minute's budget
            QVERIFY(start(text));
            QVERIFY(countedWords());
            m_session->cancel();
            QVERIFY(m_session->finish());
        }
        QVERIFY(refused.isEmpty());
        QVERIFY(start(text));
        QVERIFY(refused.wait(30000));
        QCOMPARE(refused.first().first().value<ReviewSession::Refusal>(), ReviewSession::MinuteBudgetSpent);
        m_session->cancel();
        QVERIFY(m_session->finish());

        // A new minute: the same text passes; discarding keeps the budget.
        m_session->resetWordBudget();
        QVERIFY(start(text));
        QVERIFY(countedWords());
        QCOMPARE(refused.size(), 1);
        m_session->cancel();
        QVERIFY(m_session->finish());
        m_session->discard();
        QVERIFY(m_session->chunks().isEmpty());
        QCOMPARE(m_session->wordsThisMinute(), ReviewSession::WordsPerReview);
    }

    void nothingArrivesAfterCancel()
    {
        m_check->setDefaultReply(RecordingHttpServer::streamThenStall({cleanRecord(0)}));
        QSignalSpy results(m_session.get(), &ReviewSession::resultArrived);
        QSignalSpy ended(m_session.get(), &ReviewSession::checkEnded);
        QVERIFY(start(QStringLiteral("It were great. So it goes.")));
        QVERIFY(results.wait(30000));
        m_session->cancel();
        QVERIFY(m_session->finish());

        // Late signals of the cancelled run change nothing.
        CResultState late;
        late.sentInd = 1;
        m_session->takeResult(late);
        m_session->checkFinished(QNetworkReply::NoError);
        QCOMPARE(results.size(), 1);
        QVERIFY(ended.isEmpty());
        QVERIFY(!m_session->succeeded());

        // Nor does the old run's end while the next review counts words.
        m_check->setDefaultReply(RecordingHttpServer::stream({}));
        QVERIFY(start(QStringLiteral("A new text.")));
        m_session->checkFinished(QNetworkReply::OperationCanceledError);
        QVERIFY(ended.isEmpty());
        QCOMPARE(m_session->lastError(), 0);
        QVERIFY(ended.wait(30000));
        QCOMPARE(ended.first().first().toBool(), true);
    }

    void resultForNoChunkIsDropped()
    {
        m_check->setDefaultReply(RecordingHttpServer::neverAnswer());
        QSignalSpy results(m_session.get(), &ReviewSession::resultArrived);
        QVERIFY(start(QStringLiteral("It were great.")));
        QVERIFY(m_check->waitForRequests(1, 30000));
        for (int index : {-1, 1, 7}) {
            CResultState state;
            state.sentInd = index;
            m_session->takeResult(state);
        }
        QVERIFY(results.isEmpty());
        m_session->cancel();
        QVERIFY(m_session->finish());
    }

    void transportErrorEndsTheReview()
    {
        m_check->setDefaultReply(RecordingHttpServer::closeWithoutAnswer());
        QSignalSpy ended(m_session.get(), &ReviewSession::checkEnded);
        QVERIFY(start(QStringLiteral("It were great.")));
        QVERIFY(ended.wait(60000));
        QCOMPARE(ended.first().first().toBool(), false);
        QVERIFY(!m_session->succeeded());
        QVERIFY(m_session->lastError() != 0);
        QVERIFY(m_session->finish());
        m_session->discard();
        QCOMPARE(m_session->lastError(), 0);
    }
};

QTEST_MAIN(TestReviewSession)
#include "tst_reviewsession.moc"
