#include "ccorrection.h"
#include "errortype.h"
#include "explanation.h"
#include "recordinghttpserver.h"
#include "serviceaddresses.h"

#include <QSignalSpy>
#include <QTest>

using GammaLib::Explanation;

namespace {

CCorrection grammarCorrection()
{
    CCorrection c;
    c.errorType = "GRAMMAR";
    c.errorTypeCode = GRAMMAR;
    c.explainType = "art";
    CCandidate candidate;
    candidate.candidateType = "REPLACE";
    c.candidates = {candidate};
    c.featureKeys = {"a b", "c"};
    return c;
}

} // namespace

class TestExplanation : public QObject
{
    Q_OBJECT

private slots:
    void queries()
    {
        QCOMPARE(grammarCorrection().explanationQuery(), QByteArray("/?et=art&ct=REPLACE&fk=a%20b&fk=c"));

        CCorrection bare;
        bare.explainType = "spell";
        bare.errorTypeCode = NONWORD;
        QCOMPARE(bare.explanationQuery(), QByteArray("/?et=spell"));

        // A first candidate without a type adds no "&ct=".
        CCorrection untyped = bare;
        untyped.candidates = {CCandidate()};
        untyped.featureKeys = {"x&y=%"};
        QCOMPARE(untyped.explanationQuery(), QByteArray("/?et=spell&fk=x%26y%3D%25"));

        CCorrection improve;
        improve.errorTypeCode = IMPROVE;
        improve.featureKeys = {"big", "large"};
        improve.explainType = "x";
        improve.errorInfo = "JJ";
        QCOMPARE(improve.explanationQuery(), QByteArray("/?lexsub=big,large&et=x&pos=JJ"));

        Explanation explanation(QStringLiteral("http://explain.example/eng"), 3, &improve);
        QCOMPARE(explanation.address(), QByteArray("http://explain.example/eng/?lexsub=big,large&et=x&pos=JJ"));
        QCOMPARE(explanation.requestNumber(), 3);
    }

    void fetchFromService()
    {
        RecordingHttpServer server;
        QVERIFY(server.isListening());
        server.setReply("/eng/", RecordingHttpServer::answer("<p>Use \xe2\x80\x9c" "an\xe2\x80\x9d.</p>"));
        GammaLib::ServiceAddresses::instance().setHost(GammaLib::ServiceAddresses::Explanation, server.host());

        CCorrection correction = grammarCorrection();
        Explanation explanation(7, &correction);
        QSignalSpy spy(&explanation, &Explanation::signalExplanation);
        explanation.fetch();
        QVERIFY(spy.wait());
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<QObject *>(), &explanation);
        QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("<p>Use \u201can\u201d.</p>"));
        QCOMPARE(server.requestCount(), 1);
        QCOMPARE(server.requests().first().method, QByteArray("GET"));
        QCOMPARE(server.requests().first().target, QByteArray("/eng/?et=art&ct=REPLACE&fk=a%20b&fk=c"));

        // A correction that holds its text is answered at once, without a request.
        correction.explanation = QStringLiteral("cached");
        Explanation again(8, &correction);
        QSignalSpy againSpy(&again, &Explanation::signalExplanation);
        again.fetch();
        QCOMPARE(againSpy.count(), 1);
        QCOMPARE(againSpy.at(0).at(1).toString(), QStringLiteral("cached"));
        QTest::qWait(50);
        QCOMPARE(server.requestCount(), 1);
    }

    void failureGivesEmptyText()
    {
        RecordingHttpServer server;
        server.setReply("/eng/", RecordingHttpServer::closeWithoutAnswer());
        CCorrection correction = grammarCorrection();
        Explanation explanation(server.url(QStringLiteral("/eng")), 1, &correction);
        QSignalSpy spy(&explanation, &Explanation::signalExplanation);
        explanation.fetch();
        QVERIFY(spy.wait());
        QCOMPARE(spy.at(0).at(1).toString(), QString());
    }
};

QTEST_GUILESS_MAIN(TestExplanation)
#include "tst_explanation.moc"
