#include "zlibbytes.h"
#include "answerstreamreader.h"
#include "errortype.h"
#include "resultrecord.h"

#include <QTest>

#include <zlib.h>

using GammaLib::AnswerStreamReader;

namespace {

QByteArray record(const QByteArray &json)
{
    return ZlibBytes::deflated(json) + AnswerStreamReader::separator();
}

const QByteArray sentence0 =
    R"({"sentInd":0,"corrections":[{"start":4,"end":9,"loc":3,"errorInfo":"NN","explainType":"spell",)"
    R"("errorType":"NONWORD","featureKeys":["k1","k 2"],"candidates":[)"
    R"({"correction":"house","score":0.9,"originalScore":0.1,"candidateType":"REPLACE"},)"
    R"({"correction":"horse","score":0.5,"originalScore":0.1,"candidateType":"replace"}]}]})";
const QByteArray sentence2 =
    R"({"sentInd":2,"corrections":[{"start":0,"end":3,"errorType":"GRAMMAR","candidates":[]},)"
    R"({"start":5,"end":6,"errorType":"IMPROVE"}]})";
const QByteArray document = R"({"sentInd":-1,"lexicalScore":71.5,"syntaxScore":64})";

} // namespace

class TestAnswerStream : public QObject
{
    Q_OBJECT

private slots:
    void recordFields()
    {
        QString error;
        const auto state = parseResultRecord(sentence0, &error);
        QVERIFY2(state, qPrintable(error));
        QCOMPARE(state->sentInd, 0);
        QCOMPARE(state->corrections.size(), 1);
        const CCorrection &c = state->corrections.first();
        QCOMPARE(c.start, 4);
        QCOMPARE(c.end, 9);
        QCOMPARE(c.loc, 3);
        QCOMPARE(c.errorInfo, QByteArray("NN"));
        QCOMPARE(c.explainType, QByteArray("spell"));
        QCOMPARE(c.errorTypeCode, int(NONWORD));
        QCOMPARE(c.featureKeys, QList<QByteArray>({"k1", "k 2"}));
        QCOMPARE(c.candidates.size(), 2);
        QCOMPARE(c.candidates.at(0).correction, QByteArray("house"));
        QCOMPARE(c.candidates.at(0).score, 0.9);
        QCOMPARE(c.candidates.at(0).originalScore, 0.1);
        QCOMPARE(c.candidates.at(0).editType, int(REPLACE));
        QCOMPARE(c.candidates.at(1).editType, int(OTHEREDIT));   // exact matching
        QVERIFY(c.explanation.isEmpty());

        // Absent members read as zero or empty.
        const auto sparse = parseResultRecord(R"({"sentInd":2,"corrections":[{}, {"candidates":[{}]}]})");
        QVERIFY(sparse);
        QCOMPARE(sparse->corrections.size(), 2);
        QCOMPARE(sparse->corrections.at(0).start, 0);
        QCOMPARE(sparse->corrections.at(0).errorTypeCode, int(OTHERERROR));
        QCOMPARE(sparse->corrections.at(1).candidates.at(0).editType, int(OTHEREDIT));
        QVERIFY(parseResultRecord("{}")->corrections.isEmpty());

        // Document scores, and no corrections even if some were sent.
        const auto doc = parseResultRecord(R"({"sentInd":-1,"lexicalScore":71.5,"syntaxScore":64,)"
                                           R"("corrections":[{"start":1}]})");
        QVERIFY(doc);
        QCOMPARE(doc->lexicalScore, 71.5);
        QCOMPARE(doc->syntaxScore, 64.0);
        QVERIFY(doc->corrections.isEmpty());

        // "\u0027" becomes an apostrophe; comments are allowed.
        const auto quoted = parseResultRecord(
            R"({"sentInd":1 /* c */,"corrections":[{"candidates":[{"correction":"don\u0027t"}]}]})");
        QVERIFY(quoted);
        QCOMPARE(quoted->corrections.at(0).candidates.at(0).correction, QByteArray("don't"));

        // UTF-8 passes through unchanged.
        const auto utf8 = parseResultRecord(
            QByteArray(R"({"sentInd":1,"corrections":[{"errorInfo":"caf)") + "\xc3\xa9" + "\"}]}");
        QCOMPARE(utf8->corrections.at(0).errorInfo, QByteArray("caf\xc3\xa9"));
    }

    void errorTypeWords()
    {
        QCOMPARE(errorTypeOf("REAL"), 2);
        QCOMPARE(errorTypeOf("GRAMMAR"), 4);
        QCOMPARE(errorTypeOf("STYLE"), 5);
        QCOMPARE(errorTypeOf("MOPHOLOGY"), 3);
        QCOMPARE(errorTypeOf("NONWORD"), 1);
        QCOMPARE(errorTypeOf("SUGGESTION"), 6);
        QCOMPARE(errorTypeOf("IMPROVE"), 7);
        QCOMPARE(errorTypeOf("MORPHOLOGY"), 8);
        QCOMPARE(errorTypeOf("Grammar"), 8);
        QCOMPARE(errorTypeOf(""), 8);
        QCOMPARE(editTypeOf("REPLACE"), 1);
        QCOMPARE(editTypeOf("DELETION"), 2);
        QCOMPARE(editTypeOf("INSERTION"), 3);
        QCOMPARE(editTypeOf("Insertion"), 4);
        QCOMPARE(editTypeOf(""), 4);
    }

    void badRecords_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message");
        const QString notJson = QStringLiteral("Error: Cannot deserialize into CResultState objects.");
        QTest::newRow("not json") << QByteArray("{\"sentInd\":") << notJson;
        QTest::newRow("empty") << QByteArray() << notJson;
        QTest::newRow("too deep") << QByteArray(5000, '[') << notJson;
        QTest::newRow("string index") << QByteArray(R"({"sentInd":"3"})")
                                      << QStringLiteral("Value is not convertible to Int.");
        QTest::newRow("fraction index") << QByteArray(R"({"sentInd":1.5})")
                                        << QStringLiteral("Value is not convertible to Int.");
        QTest::newRow("number text") << QByteArray(R"({"sentInd":1,"corrections":[{"errorType":4}]})")
                                     << QStringLiteral("Value is not convertible to string.");
        QTest::newRow("text score")
            << QByteArray(R"({"sentInd":-1,"lexicalScore":"high"})")
            << QStringLiteral("Value is not convertible to double.");
        QTest::newRow("object list") << QByteArray(R"({"sentInd":1,"corrections":{}})")
                                     << QStringLiteral("Value is not an array.");
        QTest::newRow("number key")
            << QByteArray(R"({"sentInd":1,"corrections":[{"featureKeys":[1]}]})")
            << QStringLiteral("Value is not convertible to string.");
        QTest::newRow("list root") << QByteArray("[1]") << QStringLiteral("Value is not an object.");
        QTest::newRow("number candidate")
            << QByteArray(R"({"sentInd":1,"corrections":[{"candidates":[7]}]})")
            << QStringLiteral("Value is not an object.");
    }

    void badRecords()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, message);
        QString error;
        QVERIFY(!parseResultRecord(json, &error));
        QCOMPARE(error, message);
    }

    void everyCutPosition()
    {
        // The answer split in two at every byte, separators included, yields
        // every record once, in order.
        const QByteArray answer = record(sentence0) + record(document) + record(sentence2);
        for (int cut = 0; cut <= answer.size(); ++cut) {
            AnswerStreamReader reader;
            QList<CResultState> states = reader.feed(answer.left(cut));
            states += reader.feed(answer.mid(cut));
            QCOMPARE(states.size(), 3);
            QCOMPARE(states.at(0).sentInd, 0);
            QCOMPARE(states.at(1).sentInd, -1);
            QCOMPARE(states.at(2).sentInd, 2);
            QVERIFY(reader.pending().isEmpty());
            QVERIFY(reader.errors().isEmpty());
        }
        // And byte by byte.
        AnswerStreamReader reader;
        QList<CResultState> states;
        for (char byte : answer)
            states += reader.feed(QByteArray(1, byte));
        QCOMPARE(states.size(), 3);
    }

    void twoRecordsInOnePiece()
    {
        AnswerStreamReader reader;
        QList<int> order;
        reader.feed(record(sentence2) + record(sentence0),
                    [&order](const CResultState &s) { order.append(s.sentInd); });
        QCOMPARE(order, QList<int>({2, 0}));
    }

    void damagedRecordBetweenGoodOnes()
    {
        QByteArray damaged = ZlibBytes::deflated(sentence2);
        damaged[damaged.size() / 2] = char(damaged[damaged.size() / 2] ^ 0x55);
        const QByteArray answer = record(sentence0)
            + damaged + AnswerStreamReader::separator()
            + QByteArray("not zlib at all") + AnswerStreamReader::separator()
            + record("{\"sentInd\":") // inflates, but is not JSON
            + record(R"({"sentInd":"1"})")
            + AnswerStreamReader::separator() // empty record
            + record(document);
        AnswerStreamReader reader;
        const QList<CResultState> states = reader.feed(answer);
        QCOMPARE(states.size(), 2);
        QCOMPARE(states.at(0).sentInd, 0);
        QCOMPARE(states.at(1).sentInd, -1);
        const QString uncompress = QStringLiteral("Error: Some error happens when uncompressing.");
        QCOMPARE(reader.errors(),
                 QStringList({uncompress, uncompress,
                              QStringLiteral("Error: Cannot deserialize into CResultState objects."),
                              QStringLiteral("Value is not convertible to Int."), uncompress}));
    }

    void trailingBytesAreNotARecord()
    {
        AnswerStreamReader reader;
        QCOMPARE(reader.feed(record(sentence0) + ZlibBytes::deflated(sentence2)).size(), 1);
        QCOMPARE(reader.pending(), ZlibBytes::deflated(sentence2));
        reader.reset();
        QVERIFY(reader.pending().isEmpty());
        QCOMPARE(reader.feed(record(document)).size(), 1);
    }

    void overlongRecordIsNotKept()
    {
        // A record far longer than any that could be read, arriving without a
        // separator, is dropped as it comes instead of piling up.
        AnswerStreamReader reader;
        const QByteArray junk(1024 * 1024, 'x');
        for (int i = 0; i < 18; ++i) {
            QVERIFY(reader.feed(junk).isEmpty());
            QVERIFY(reader.pending().size() <= AnswerStreamReader::MaxPendingSize);
        }
        // Its end, with the separator cut in two, and the next record.
        QVERIFY(reader.feed(junk + QByteArray("\x64\x1a", 2)).isEmpty());
        QVERIFY(reader.pending().size() < 3);
        const QList<CResultState> states = reader.feed("\x1b" + record(sentence0));
        QCOMPARE(states.size(), 1);
        QCOMPARE(states.first().sentInd, 0);
        QCOMPARE(reader.errors(), QStringList({QStringLiteral("Error: Some error happens when uncompressing.")}));
        QVERIFY(reader.pending().isEmpty());

        // A record just within the bound is still waited for.
        AnswerStreamReader patient;
        patient.feed(QByteArray(AnswerStreamReader::MaxPendingSize, 'y'));
        QCOMPARE(patient.pending().size(), AnswerStreamReader::MaxPendingSize);
        QVERIFY(patient.errors().isEmpty());
    }

    void unauthorized()
    {
        AnswerStreamReader reader;
        QVERIFY(reader.feed("unauthorized").isEmpty());
        QVERIFY(reader.unauthorized());

        AnswerStreamReader split;
        QVERIFY(split.feed("unauth").isEmpty());
        QVERIFY(!split.unauthorized());
        QVERIFY(split.feed("orized").isEmpty());
        QVERIFY(split.unauthorized());
        split.reset();
        QVERIFY(!split.unauthorized());

        AnswerStreamReader longer;
        longer.feed("unauthorized!");
        QVERIFY(!longer.unauthorized());
    }

    void largeRecords()
    {
        // A sentence with many corrections inflates far beyond 4 KiB.
        QByteArray json = R"({"sentInd":5,"corrections":[)";
        int count = 0;
        while (json.size() < 100 * 1024) {
            if (count)
                json += ',';
            json += "{\"start\":" + QByteArray::number(count) + ",\"end\":"
                + QByteArray::number(count + 1)
                + ",\"errorType\":\"STYLE\",\"candidates\":[{\"correction\":"
                  "\"a rather long candidate text that repeats\",\"candidateType\":\"REPLACE\","
                  "\"score\":0.5}]}";
            ++count;
        }
        json += "]}";
        AnswerStreamReader reader;
        const QList<CResultState> states = reader.feed(record(json));
        QCOMPARE(states.size(), 1);
        QCOMPARE(states.first().corrections.size(), count);
        QCOMPARE(states.first().corrections.last().start, count - 1);

        // The same record in small pieces, a second one behind it.
        const QByteArray answer = record(json) + record(sentence0);
        AnswerStreamReader pieces;
        QList<CResultState> pieceStates;
        for (qsizetype at = 0; at < answer.size(); at += 700)
            pieceStates += pieces.feed(answer.mid(at, 700));
        QCOMPARE(pieceStates.size(), 2);
        QCOMPARE(pieceStates.first().corrections.size(), count);
        QCOMPARE(pieceStates.last().sentInd, 0);
        QVERIFY(pieces.pending().isEmpty());

        // The text ends at the first zero byte.
        QByteArray text;
        QVERIFY(AnswerStreamReader::inflateRecord(ZlibBytes::deflated(document + QByteArray(3, '\0') + "junk"), &text));
        QCOMPARE(text, document);

        // More than the bound is refused rather than inflated without limit.
        const QByteArray bomb = ZlibBytes::deflated(QByteArray(AnswerStreamReader::MaxRecordSize + 1, ' '));
        QVERIFY(bomb.size() < 64 * 1024);
        QVERIFY(!AnswerStreamReader::inflateRecord(bomb, &text));
        QVERIFY(AnswerStreamReader::inflateRecord(
            ZlibBytes::deflated(QByteArray(AnswerStreamReader::MaxRecordSize, ' ')), &text));
        QCOMPARE(text.size(), AnswerStreamReader::MaxRecordSize);

        // A record cut short does not inflate.
        const QByteArray whole = ZlibBytes::deflated(sentence0);
        QVERIFY(!AnswerStreamReader::inflateRecord(whole.left(whole.size() - 1), &text));
    }
};

QTEST_GUILESS_MAIN(TestAnswerStream)
#include "tst_answerstream.moc"
