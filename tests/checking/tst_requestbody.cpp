#include "zlibbytes.h"
#include "requestbody.h"

#include <QTest>

#include <zlib.h>

namespace {

QByteArray deflatedAtDefaultLevel(const QByteArray &text)
{
    uLongf size = compressBound(uLong(text.size()));
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    compress2(reinterpret_cast<Bytef *>(out.data()), &size,
              reinterpret_cast<const Bytef *>(text.constData()), uLong(text.size()), Z_DEFAULT_COMPRESSION);
    out.truncate(qsizetype(size));
    return out;
}

QByteArray configTypes(const QByteArray &confidence)
{
    return "[[\"server.style\",\"4\",\"server.spell\",\"2\",\"server.mor\",\"1\","
           "\"server.dependency\",\"0\",\"server.grammar\",\"6\",\"server.rule\",\"7\","
           "\"server.real\",\"3\",\"server.det\",\"5\",\"server.poststyle\",\"9\","
           "\"server.confidence\",\"" + confidence + "\"],"
           "[\"server.mor\",\"1\",\"server.spell\",\"2\",\"server.style\",\"4\","
           "\"server.dependency\",\"0\",\"server.grammar\",\"0\",\"server.rule\",\"0\","
           "\"server.real\",\"3\",\"server.det\",\"0\",\"server.confidence\",\"" + confidence + "\"]]";
}

} // namespace

class TestRequestBody : public QObject
{
    Q_OBJECT

private slots:
    void titleAndTwoSentences()
    {
        CCheckRequest request;
        request.session = "4f2a-77";
        request.sents = {"My holiday", "I go to beach yesterday.", "It was \"great\"."};
        request.configs = {1, 0, 0};
        const QByteArray expected =
            "{\"clientVersion\":\"ostrel 2.1.7.0\",\"configTypes\":" + configTypes("2")
            + ",\"configs\":[1,0,0],\"lexsubConfidence\":2,"
              "\"sents\":[\"My holiday\",\"I go to beach yesterday.\",\"It was \\\"great\\\".\"],"
              "\"session\":\"4f2a-77\"}\n";
        QCOMPARE(requestJson(request), expected);

        const QByteArray body = buildRequestBody(request);
        QCOMPARE(body, deflatedAtDefaultLevel(expected));
        QCOMPARE(quint8(body.at(0)), quint8(0x78));   // zlib header
        QCOMPARE(ZlibBytes::inflated(body), expected);
    }

    void storedSentencesAndLevel()
    {
        CCheckRequest request;
        request.session = "k";
        request.sents = {"Seen before.", "New one."};
        request.configs = {-1, 0};
        request.confidence = 4;
        request.lexsubConfidence = 4;
        QCOMPARE(requestJson(request),
                 "{\"clientVersion\":\"ostrel 2.1.7.0\",\"configTypes\":" + configTypes("4")
                     + ",\"configs\":[-1,0],\"lexsubConfidence\":4,"
                       "\"sents\":[\"Seen before.\",\"New one.\"],\"session\":\"k\"}\n");
    }

    void noChunks()
    {
        CCheckRequest request;
        const QByteArray json = requestJson(request);
        QCOMPARE(json, "{\"clientVersion\":\"ostrel 2.1.7.0\",\"configTypes\":" + configTypes("2")
                           + ",\"lexsubConfidence\":2,\"session\":\"\"}\n");
        QVERIFY(!json.contains("sents"));
        QVERIFY(!json.contains("\"configs\""));
        QCOMPARE(ZlibBytes::inflated(buildRequestBody(request)), json);
    }

    void escapes()
    {
        CCheckRequest request;
        request.sents = {"caf\xc3\xa9 \xe4\xbd\xa0\xe5\xa5\xbd", "tab\there\nline \\ \x01 / end"};
        request.configs = {0, 0};
        const QByteArray json = requestJson(request);
        QVERIFY2(json.contains("\"sents\":[\"caf\xc3\xa9 \xe4\xbd\xa0\xe5\xa5\xbd\","
                               "\"tab\\there\\nline \\\\ \\u0001 / end\"]"),
                 json.constData());
    }
};

QTEST_GUILESS_MAIN(TestRequestBody)
#include "tst_requestbody.moc"
