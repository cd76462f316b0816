// Words per vocabulary level as the check run counts them for the report:
// the exclusion list, the first word's lower-case retry, word forms, the six
// levels of the interface language, and missing data files.
#include "checktaskthread.h"
#include "sentencechunk.h"
#include "serviceaddresses.h"
#include "vocabularyformat.h"

#include <QDataStream>
#include <QFile>
#include <QTcpServer>
#include <QtTest>

#include <memory>

class TestLevelCounts : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_data;
    QString m_closedUrl;

    static void write(const QString &path, const std::function<void(QDataStream &)> &body)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QDataStream stream(&file);
        VocabularyFormat::prepare(stream);
        body(stream);
    }

    // Counts the sentences the way a review does, without any service: the
    // counts are made when the run starts.
    QList<int> count(const QString &language, const QString &folder, const QStringList &sentences,
                     int *total = nullptr)
    {
        CheckTaskThread run(m_closedUrl, language, folder);
        std::vector<std::unique_ptr<GammaLib::SentenceChunk>> owned;
        QList<GammaLib::TextChunk *> chunks;
        for (qsizetype i = 0; i < sentences.size(); ++i) {
            owned.push_back(std::make_unique<GammaLib::SentenceChunk>());
            chunks.append(owned.back().get());
        }
        run.startTask(QStringLiteral("K"), nullptr, sentences, chunks, 2);
        const QList<int> counts = run.levelCounts();
        if (total)
            *total = run.wordTotal();
        run.cancel();
        return counts;
    }

    static QStringList document()
    {
        return {
            QStringLiteral("Holiday plans went well."),     // Holiday: only in lower case; went: a form of go
            QStringLiteral("The cat saw Holiday."),         // The: excluded; Holiday not first: no retry
            QStringLiteral("THE exam was extraordinary!"),  // THE: excluded in any case
            QStringLiteral("a"),                            // excluded only
            QStringLiteral("  -- ... !! "),                 // no words
            QStringLiteral("Cats, cats and \"Exam\"."),     // Cats: a form of cat; cats: none
            QStringLiteral("Ordinary\ttab-joined words"),   // a tab does not split a word
        };
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_data.isValid());
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QString host = QStringLiteral("127.0.0.1:%1").arg(closed.serverPort());
        closed.close();
        GammaLib::ServiceAddresses::instance().setProductHosts(host);
        m_closedUrl = QStringLiteral("http://%1/unified/").arg(host);

        const QString dir = m_data.path();
        write(dir + QStringLiteral("/voc.dat"), [](QDataStream &s) {
            VocabularyFormat::writeForms(s, {{QStringLiteral("went"), {QStringLiteral("go")}},
                                             {QStringLiteral("Cats"), {QStringLiteral("kitten"), QStringLiteral("cat")}}});
            VocabularyFormat::writeStringList(s, {QStringLiteral("The"), QStringLiteral("a"), QStringLiteral("It")});
        });
        write(dir + QStringLiteral("/cden.dat"), [](QDataStream &s) {
            VocabularyFormat::writeLevels(s, {{QStringLiteral("go"), 6},
                                              {QStringLiteral("cat"), 6},
                                              {QStringLiteral("kitten"), -1},
                                              {QStringLiteral("holiday"), 7},
                                              {QStringLiteral("exam"), 3}, // an exam level: not a CEFR one
                                              {QStringLiteral("Exam"), 9},
                                              {QStringLiteral("words"), 8},
                                              {QStringLiteral("extraordinary"), 11},
                                              {QStringLiteral("the"), 6}});
        });
        write(dir + QStringLiteral("/cdzh-CN.dat"), [](QDataStream &s) {
            VocabularyFormat::writeLevels(s, {{QStringLiteral("holiday"), 0},
                                              {QStringLiteral("cat"), 1},
                                              {QStringLiteral("exam"), 3},
                                              {QStringLiteral("go"), 6}, // a CEFR level: not an exam one
                                              {QStringLiteral("extraordinary"), 5}});
        });
    }

    void cefrLevelsByTheCountingRule()
    {
        int total = 0;
        const QList<int> counts = count(QStringLiteral("en"), m_data.path(), document(), &total);
        // A1: went, cat, Cats; A2: Holiday (first word, lower case);
        // B1: words; B2: "Exam" (quotes stripped); C2: extraordinary.
        QCOMPARE(counts, (QList<int>{3, 1, 1, 1, 0, 1}));
        QCOMPARE(total, 4 + 4 + 4 + 1 + 0 + 4 + 2);
    }

    void examLevelsForTheChineseInterface()
    {
        const QList<int> counts = count(QStringLiteral("zh-CN"), m_data.path(), document());
        // BASE: Holiday; CET4: cat, Cats; IELTS: exam; GRE: extraordinary;
        // "went" has the A1 code there and is left out.
        QCOMPARE(counts, (QList<int>{1, 2, 0, 1, 0, 1}));
    }

    // The first word is retried in lower case only when it has no level of
    // its own, and an excluded first word is never counted.
    void firstWordRetry()
    {
        QCOMPARE(count(QStringLiteral("en"), m_data.path(), {QStringLiteral("Holiday holiday Holiday.")}),
                 (QList<int>{0, 2, 0, 0, 0, 0}));
        QCOMPARE(count(QStringLiteral("en"), m_data.path(), {QStringLiteral("Exam exam.")}),
                 (QList<int>{0, 0, 0, 1, 0, 0}));
        QCOMPARE(count(QStringLiteral("en"), m_data.path(), {QStringLiteral("THE the The.")}),
                 (QList<int>(6, 0)));
    }

    void noWordsAndNoData()
    {
        int total = -1;
        QCOMPARE(count(QStringLiteral("en"), m_data.path(), {}, &total), (QList<int>(6, 0)));
        QCOMPARE(total, 0);
        QCOMPARE(count(QStringLiteral("en"), m_data.path(), {QStringLiteral("...")}), (QList<int>(6, 0)));
        QTemporaryDir empty;
        QCOMPARE(count(QStringLiteral("en"), empty.path(), document(), &total), (QList<int>(6, 0)));
        QCOMPARE(total, 19);
    }
};

QTEST_GUILESS_MAIN(TestLevelCounts)
#include "tst_levelcounts.moc"
