// Which candidate texts get the profanity warning.
#include "profanity.h"

#include <QtTest>

class TestProfanity : public QObject
{
    Q_OBJECT
private slots:
    void list()
    {
        QCOMPARE(profanityList().size(), 16);
        QCOMPARE(profanityList().count(QStringLiteral("shit")), 2);
    }

    void isProfane_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("profane");
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("clean") << QStringLiteral("a quiet day") << false;
        QTest::newRow("word alone") << QStringLiteral("damn") << true;
        QTest::newRow("upper case") << QStringLiteral("DAMN it") << true;
        QTest::newRow("inside a phrase") << QStringLiteral("what the fuck is") << true;
        QTest::newRow("punctuation attached") << QStringLiteral("damn!") << false;
        QTest::newRow("part of a longer word") << QStringLiteral("scrapbook dickens") << false;
        QTest::newRow("runs of blanks") << QStringLiteral("  a   shit  ") << true;
        QTest::newRow("tab is not a separator") << QStringLiteral("a\tshit") << false;
        QTest::newRow("last list entry") << QStringLiteral("fuck") << true;
    }

    void isProfane()
    {
        QFETCH(QString, text);
        QFETCH(bool, profane);
        QCOMPARE(::isProfane(text), profane);
    }
};

QTEST_GUILESS_MAIN(TestProfanity)
#include "tst_profanity.moc"
