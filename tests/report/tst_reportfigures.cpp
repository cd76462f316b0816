// The report's figures without widgets: mistake categories, ring shares,
// score ratings and bars at their boundaries, count lines and level chart.
#include "errortype.h"
#include "reportfigures.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace ReportFigures;

namespace {

QHash<int, int> table(int spelling, int grammar, int other)
{
    QHash<int, int> categories;
    if (spelling)
        categories[Spelling] = spelling;
    if (grammar)
        categories[Grammar] = grammar;
    if (other)
        categories[Other] = other;
    if (spelling + grammar + other)
        categories[Mistakes] = spelling + grammar + other;
    return categories;
}

} // namespace

class TestReportFigures : public QObject
{
    Q_OBJECT
private slots:
    void categoriesPerErrorType_data()
    {
        QTest::addColumn<int>("errorType");
        QTest::addColumn<QList<int>>("counted"); // categories 0..4 after one mark
        QTest::newRow("NONWORD") << int(NONWORD) << QList<int>{1, 0, 0, 1, 0};
        QTest::newRow("REAL") << int(REAL) << QList<int>{1, 0, 0, 1, 0};
        QTest::newRow("MOPHOLOGY") << int(MOPHOLOGY) << QList<int>{0, 1, 0, 1, 0};
        QTest::newRow("GRAMMAR") << int(GRAMMAR) << QList<int>{0, 1, 0, 1, 0};
        QTest::newRow("STYLE") << int(STYLE) << QList<int>{0, 0, 1, 1, 0};
        QTest::newRow("SUGGESTION") << int(SUGGESTION) << QList<int>{0, 1, 0, 1, 0};
        QTest::newRow("IMPROVE") << int(IMPROVE) << QList<int>{0, 0, 0, 0, 1};
        QTest::newRow("other") << int(OTHERERROR) << QList<int>{0, 1, 0, 1, 0};
        QTest::newRow("unknown code") << 42 << QList<int>{0, 1, 0, 1, 0};
    }
    void categoriesPerErrorType()
    {
        QFETCH(int, errorType);
        QFETCH(QList<int>, counted);
        QHash<int, int> categories;
        countCategory(categories, errorType);
        countCategory(categories, errorType);
        for (int category = 0; category < 5; ++category)
            QCOMPARE(categoryCount(categories, category), 2 * counted.at(category));
        // Only the categories a mark touches are entered into the table.
        QCOMPARE(int(categories.size()), int(counted.count(1)));
    }

    void absentAndDamagedCategoriesCountZero()
    {
        QCOMPARE(categoryCount({}, Spelling), 0);
        QCOMPARE(categoryCount({{Grammar, -4}}, Grammar), 0);
    }

    void ringShares_data()
    {
        QTest::addColumn<QHash<int, int>>("categories");
        QTest::addColumn<QList<int>>("percents");
        QTest::addColumn<QList<int>>("spans");
        QTest::newRow("only spelling") << table(5, 0, 0) << QList<int>{100, 0, 0} << QList<int>{360, 0, 0};
        QTest::newRow("only other") << table(0, 0, 1) << QList<int>{0, 0, 100} << QList<int>{0, 0, 360};
        QTest::newRow("one each") << table(1, 1, 1) << QList<int>{33, 33, 34} << QList<int>{118, 118, 124};
        QTest::newRow("quarter and rest") << table(1, 0, 3) << QList<int>{25, 0, 75} << QList<int>{90, 0, 270};
        QTest::newRow("thirds of two") << table(1, 2, 0) << QList<int>{33, 67, 0} << QList<int>{118, 242, 0};
        QTest::newRow("uneven three") << table(7, 2, 1) << QList<int>{70, 20, 10} << QList<int>{252, 72, 36};
        QTest::newRow("no mistakes") << table(0, 0, 0) << QList<int>{0, 0, 0} << QList<int>{0, 0, 0};
        QTest::newRow("suggestions only") << QHash<int, int>{{Suggestions, 9}} << QList<int>{0, 0, 0}
                                          << QList<int>{0, 0, 0};
        // A table without the total would divide by zero; one whose total is
        // short of the parts would give shares above 100 percent.
        QTest::newRow("total missing") << QHash<int, int>{{Spelling, 2}, {Grammar, 2}} << QList<int>{50, 50, 0}
                                       << QList<int>{180, 180, 0};
        QTest::newRow("total short") << QHash<int, int>{{Spelling, 3}, {Grammar, 1}, {Mistakes, 1}}
                                     << QList<int>{75, 25, 0} << QList<int>{270, 90, 0};
        QTest::newRow("negative part") << QHash<int, int>{{Spelling, -3}, {Grammar, 2}, {Mistakes, 2}}
                                       << QList<int>{0, 100, 0} << QList<int>{0, 360, 0};
        QTest::newRow("huge counts") << table(1000000000, 1000000000, 0) << QList<int>{50, 50, 0}
                                     << QList<int>{180, 180, 0};
    }
    void ringShares()
    {
        using Table = QHash<int, int>;
        QFETCH(Table, categories);
        QFETCH(QList<int>, percents);
        QFETCH(QList<int>, spans);
        const auto shares = ReportFigures::ringShares(categories);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(shares[i].percent, percents.at(i));
            QCOMPARE(shares[i].span, spans.at(i));
            QCOMPARE(shares[i].text(), QStringLiteral("%1%").arg(percents.at(i)));
        }
    }

    // Whatever the counts, the shown shares of a report with mistakes make a
    // whole: 100 percent and a full circle.
    void sharesAlwaysMakeAWhole()
    {
        for (int a = 0; a <= 12; ++a)
            for (int b = 0; b <= 12; ++b)
                for (int c = 0; c <= 12; ++c) {
                    if (a + b + c == 0)
                        continue;
                    const auto shares = ReportFigures::ringShares(table(a, b, c));
                    QCOMPARE(shares[0].percent + shares[1].percent + shares[2].percent, 100);
                    QCOMPARE(shares[0].span + shares[1].span + shares[2].span, 360);
                    for (const RingShare &share : shares)
                        QVERIFY(share.span >= 0 && share.percent >= 0);
                }
    }

    void ratings_data()
    {
        QTest::addColumn<double>("score");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bar");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("missing -1") << -1.0 << QString() << 0;
        QTest::newRow("negative") << -0.3 << QString() << 0;
        QTest::newRow("zero") << 0.0 << QString() << 0;
        QTest::newRow("NaN") << nan << QString() << 0;
        QTest::newRow("infinite") << inf << QString() << 0;
        QTest::newRow("minus infinite") << -inf << QString() << 0;
        QTest::newRow("tiny") << 0.0001 << QStringLiteral("Troll") << 1;
        QTest::newRow("0.05") << 0.05 << QStringLiteral("Troll") << 1;
        QTest::newRow("0.0999") << 0.0999 << QStringLiteral("Troll") << 1;
        QTest::newRow("0.1") << 0.1 << QStringLiteral("Troll") << 1;
        QTest::newRow("0.1001") << 0.1001 << QStringLiteral("Dreadful") << 1;
        QTest::newRow("0.2") << 0.2 << QStringLiteral("Dreadful") << 2;
        QTest::newRow("0.2001") << 0.2001 << QStringLiteral("Poor") << 2;
        QTest::newRow("0.25") << 0.25 << QStringLiteral("Poor") << 3;
        QTest::newRow("0.3") << 0.3 << QStringLiteral("Poor") << 3;
        QTest::newRow("0.3001") << 0.3001 << QStringLiteral("Acceptable") << 3;
        QTest::newRow("0.6") << 0.6 << QStringLiteral("Acceptable") << 6;
        QTest::newRow("0.6001") << 0.6001 << QStringLiteral("Exceeds Expectations") << 6;
        QTest::newRow("0.75") << 0.75 << QStringLiteral("Exceeds Expectations") << 8;
        QTest::newRow("0.8") << 0.8 << QStringLiteral("Exceeds Expectations") << 8;
        QTest::newRow("0.8001") << 0.8001 << QStringLiteral("Outstanding") << 8;
        QTest::newRow("1") << 1.0 << QStringLiteral("Outstanding") << 10;
        // Out of range: the bar fills once, never beyond its ten steps.
        QTest::newRow("percent-like 61.5") << 61.5 << QStringLiteral("Outstanding") << 10;
    }
    void ratings()
    {
        QFETCH(double, score);
        QFETCH(QString, text);
        QFETCH(int, bar);
        QCOMPARE(ratingText(score), text);
        QCOMPARE(ratingBarValue(score), bar);
        QCOMPARE(scoreGiven(score), bar > 0);
    }

    void countLines()
    {
        QCOMPARE(countsText(24, 5), QStringLiteral("24 word(s) in 5 sentence(s)"));
        QCOMPARE(averageText(24, 5), QStringLiteral("4 word(s) per sentence"));
        QCOMPARE(averageLength(5, 5), 1);
        QCOMPARE(averageLength(4, 5), 0);
        // No words, no sentences: zeros, never a division by zero.
        QCOMPARE(countsText(0, 0), QStringLiteral("0 word(s) in 0 sentence(s)"));
        QCOMPARE(averageText(0, 0), QStringLiteral("0 word(s) per sentence"));
        QCOMPARE(averageLength(12, 0), 0);
        QCOMPARE(averageLength(12, -3), 0);
        QCOMPARE(averageLength(-12, 3), 0);
        // A document of titles only: one sentence per title line.
        QCOMPARE(countsText(4, 2), QStringLiteral("4 word(s) in 2 sentence(s)"));

        QCOMPARE(mistakesText(0), QStringLiteral("0 mistake(s) found"));
        QCOMPARE(mistakesText(3), QStringLiteral("3 mistake(s) found"));
        QCOMPARE(suggestionsText(false, 7), QStringLiteral("(Disabled)"));
        QCOMPARE(suggestionsText(true, 7), QStringLiteral("7 suggestion(s) made"));
        QCOMPARE(suggestionsText(true, 0), QStringLiteral("0 suggestion(s) made"));
    }

    void levelPercentages_data()
    {
        QTest::addColumn<QList<int>>("counts");
        QTest::addColumn<QList<int>>("percentages");
        QTest::newRow("example") << QList<int>{0, 5, 10, 3, 0, 0} << QList<int>{0, 50, 100, 30, 0, 0};
        QTest::newRow("rounded up") << QList<int>{1, 2, 3, 0, 0, 0} << QList<int>{34, 67, 100, 0, 0, 0};
        QTest::newRow("all equal") << QList<int>{4, 4, 4, 4, 4, 4} << QList<int>{100, 100, 100, 100, 100, 100};
        QTest::newRow("one in a thousand") << QList<int>{1, 0, 0, 0, 0, 1000} << QList<int>{1, 0, 0, 0, 0, 100};
        QTest::newRow("no words") << QList<int>{0, 0, 0, 0, 0, 0} << QList<int>{0, 0, 0, 0, 0, 0};
        QTest::newRow("empty list") << QList<int>{} << QList<int>{0, 0, 0, 0, 0, 0};
        QTest::newRow("short list") << QList<int>{2, 8} << QList<int>{25, 100, 0, 0, 0, 0};
        QTest::newRow("long list") << QList<int>{1, 2, 0, 0, 0, 4, 100} << QList<int>{25, 50, 0, 0, 0, 100};
        QTest::newRow("negative") << QList<int>{-5, 5, 0, 0, 0, 0} << QList<int>{0, 100, 0, 0, 0, 0};
    }
    void levelPercentages()
    {
        QFETCH(QList<int>, counts);
        QFETCH(QList<int>, percentages);
        QCOMPARE(ReportFigures::levelPercentages(counts), percentages);
    }

    void levelNamesFollowTheLanguage()
    {
        QCOMPARE(levelTexts(QStringLiteral("en")),
                 (QStringList{"A1 (Breakthrough)", "A2 (Waystage)", "B1 (Threshold)", "B2 (Vantage)",
                              "C1 (Effective Operational Proficiency)", "C2 (Mastery)"}));
        QCOMPARE(levelTexts(QStringLiteral("ja")), levelTexts(QStringLiteral("en")));
        QCOMPARE(axisTexts(QStringLiteral("es")), (QStringList{"A1", "A2", "B1", "B2", "C1", "C2"}));
        // The Chinese interface counts exam levels: the chart names them.
        const QStringList exams{"BASE", "CET4", "CET6", "IELTS", "TOEFL", "GRE"};
        QCOMPARE(levelTexts(QStringLiteral("zh-CN")), exams);
        QCOMPARE(axisTexts(QStringLiteral("zh-CN")), exams);
        QCOMPARE(levelTooltip(QStringLiteral("B1 (Threshold)"), 12), QStringLiteral("B1 (Threshold): 12"));
    }
};

QTEST_GUILESS_MAIN(TestReportFigures)
#include "tst_reportfigures.moc"
