// The report in the main window against the local services: a review of a
// text with known errors opens the report with the counts of its marks and
// locks the window; the report button when the report is not shown at once;
// documents of titles only and without words.
#include "appsettings.h"
#include "checktaskthread.h"
#include "configfile.h"
#include "correctionitem.h"
#include "customtexteditor.h"
#include "mainwnd.h"
#include "reportfigures.h"
#include "reportframe.h"
#include "reportprogressbar.h"
#include "reviewrun.h"
#include "ringchart.h"
#include "sentencesplitter.h"
#include "servicesfixture.h"
#include "useraccess.h"
#include "userinformation.h"
#include "voccataprogressbar.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

const char *const kKnownErrors =
    "This is an test of teh system. Their going to the park tomorow. I has a apple.";

} // namespace

class TestReportFlow : public QObject
{
    Q_OBJECT
private:
    ServicesFixture m_fixture;
    QStringList m_asked;
    int m_reply = QDialog::Rejected;

    std::unique_ptr<MainWnd> makeWindow()
    {
        auto window = std::make_unique<MainWnd>();
        window->setMessagePresenter([this](const QString &text, const QStringList &, bool *) {
            m_asked.append(text);
            return m_reply;
        });
        window->show();
        return window;
    }

    static bool review(MainWnd &window, const QString &text) { return runReview(window, text); }

    static void setPreference(const char *key, const char *value)
    {
        AppSettings::preferenceConfig().setValue(QLatin1String(key), QLatin1String(value));
    }

    // The figures the report must show, counted from the marks themselves.
    static std::array<int, 3> mistakesByKind(const MainWnd &window)
    {
        std::array<int, 3> kinds{0, 0, 0};
        for (CorrectionItem *mark : window.liveMarks()) {
            const int type = mark->markErrorType();
            if (type == 1 || type == 2)
                ++kinds[0];
            else if (type == 5)
                ++kinds[2];
            else if (type != 7)
                ++kinds[1];
        }
        return kinds;
    }

    static void verifyScores(const MainWnd &window)
    {
        const Ui::ReportFrameClass &form = window.report()->form();
        const double lexical = window.checkRun()->lexicalScore();
        const double syntax = window.checkRun()->syntaxScore();
        QCOMPARE(form.vocabularyRating->text(), ReportFigures::ratingText(lexical));
        QCOMPARE(form.structureRating->text(), ReportFigures::ratingText(syntax));
        QCOMPARE(form.vocabularyTooSimple->isVisible(), !(lexical > 0));
        QCOMPARE(form.structureTooSimple->isVisible(), !(syntax > 0));
        QCOMPARE(form.vocabularyBar->isVisible(), lexical > 0);
        if (lexical > 0)
            QCOMPARE(form.vocabularyBar->value(), ReportFigures::ratingBarValue(lexical));
    }

private slots:
    void initTestCase()
    {
        const QString failure = m_fixture.setUp(QStringLiteral("reporter@example.com"), QStringLiteral("secret-2"));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    void init()
    {
        m_asked.clear();
        m_reply = QDialog::Rejected;
        GammaLib::UserAccess::instance().setSessionKey(m_fixture.session);
        setPreference("show_report", "True");
        setPreference("enrichment_enable", "False");
    }

    void reportAfterReviewShowsTheCountsAndLocksTheWindow()
    {
        auto window = makeWindow();
        // An update is known: its indicator gives way to the report.
        window->slotGetLastVersionFinished({"99999", "9.9.9.9", "", "", "0"});
        QVERIFY(window->ui().updateIndicator->isVisible());

        QVERIFY(review(*window, QString::fromLatin1(kKnownErrors)));
        QVERIFY2(m_asked.isEmpty(), qPrintable(m_asked.join(QLatin1Char('\n'))));
        ReportFrame *report = window->report();
        QVERIFY(report->isVisible());
        QCOMPARE(report->geometry(), window->ui().editorArea->geometry());
        QVERIFY(window->areControlsLocked());
        QVERIFY(!window->ui().updateIndicator->isVisible());
        QVERIFY(!window->ui().reportButton->isVisible());
        QCOMPARE(window->usage()->events().value(QStringLiteral("QL_Main_Report")), 1);

        // The known errors: "teh" and "tomorow" are misspelt, "an test",
        // "a apple" and "I has" are grammar.
        const std::array<int, 3> kinds = mistakesByKind(*window);
        QVERIFY(kinds[0] >= 2);
        QVERIFY(kinds[1] >= 2);
        const Ui::ReportFrameClass &form = report->form();
        int percentSum = 0;
        int spanSum = 0;
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(form.mistakeLabels[i]->text(), QStringLiteral("%1 mistake(s) found").arg(kinds[i]));
            const int total = kinds[0] + kinds[1] + kinds[2];
            if (kinds[i] == 0)
                QCOMPARE(form.rings[i]->text(), QStringLiteral("0%"));
            else if (i == 0)
                QCOMPARE(form.rings[i]->text(), QStringLiteral("%1%").arg(kinds[0] * 100 / total));
            percentSum += form.rings[i]->text().chopped(1).toInt();
            spanSum += form.rings[i]->span();
        }
        QCOMPARE(percentSum, 100);
        QCOMPARE(spanSum, 360);
        QCOMPARE(form.countsLabel->text(), QStringLiteral("17 word(s) in 3 sentence(s)"));
        QCOMPARE(form.averageLabel->text(), QStringLiteral("5 word(s) per sentence"));
        QCOMPARE(form.suggestionsLabel->text(), QStringLiteral("(Disabled)"));
        verifyScores(*window);
        QVERIFY(window->checkRun()->lexicalScore() > 0 && window->checkRun()->lexicalScore() <= 1);

        // Level chart: the run's counts, the largest level filling its bar.
        const QList<int> levels = window->checkRun()->levelCounts();
        QCOMPARE(levels.size(), 6);
        int words = 0;
        int full = 0;
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(form.levelBars[i]->count(), levels.at(i));
            words += levels.at(i);
            full += form.levelBars[i]->value() == 100 ? 1 : 0;
        }
        QVERIFY(words > 0 && words <= 17);
        QVERIFY(full >= 1);

        // Closing the window is refused while the report is up.
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QVERIFY(m_asked.isEmpty());

        // Its close button hides it and frees the window.
        QTest::mouseClick(form.closeButton, Qt::LeftButton);
        QVERIFY(!report->isVisible());
        QVERIFY(!window->areControlsLocked());
        QVERIFY(window->ui().updateIndicator->isVisible());
        QVERIFY(!window->ui().reportButton->isVisible());
    }

    void reportButtonWhenTheReportIsNotShownAtOnce()
    {
        setPreference("show_report", "False");
        setPreference("enrichment_enable", "True");
        auto window = makeWindow();
        QVERIFY(review(*window, QString::fromLatin1(kKnownErrors)));
        ReportFrame *report = window->report();
        QVERIFY(!report->isVisible());
        QVERIFY(!window->areControlsLocked());
        QVERIFY(window->ui().reportButton->isVisible());
        QCOMPARE(window->usage()->events().value(QStringLiteral("QL_Main_Report")), 0);

        QTest::mouseClick(window->ui().reportButton, Qt::LeftButton);
        QVERIFY(report->isVisible());
        QVERIFY(window->areControlsLocked());
        QCOMPARE(window->usage()->events().value(QStringLiteral("QL_Main_More")), 1);
        QCOMPARE(window->usage()->events().value(QStringLiteral("QL_Main_Report")), 1);
        int improve = 0;
        for (CorrectionItem *mark : window->liveMarks())
            improve += mark->markErrorType() == 7 ? 1 : 0;
        QCOMPARE(report->form().suggestionsLabel->text(), QStringLiteral("%1 suggestion(s) made").arg(improve));
        QCOMPARE(window->categories().value(ReportFigures::Suggestions), improve);

        window->slotCloseReport();
        QVERIFY(!report->isVisible());
        QVERIFY(!window->areControlsLocked());
        // The button stays for another look until the review is discarded.
        QVERIFY(window->ui().reportButton->isVisible());
        m_reply = QDialog::Accepted;
        window->slotClearAll();
        QVERIFY(!window->ui().reportButton->isVisible());
    }

    // Titles count as sentences; a text without mistakes has empty rings.
    void titlesOnlyWithoutMistakes()
    {
        auto window = makeWindow();
        QVERIFY(review(*window, QStringLiteral("My Holiday\n\nAnother Day")));
        QVERIFY(window->liveMarks().isEmpty());
        QVERIFY(m_asked.isEmpty()); // the report, not the "no suggestions" message
        const Ui::ReportFrameClass &form = window->report()->form();
        QVERIFY(window->report()->isVisible());
        QCOMPARE(form.countsLabel->text(), QStringLiteral("4 word(s) in 2 sentence(s)"));
        QCOMPARE(form.averageLabel->text(), QStringLiteral("2 word(s) per sentence"));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(form.rings[i]->text(), QStringLiteral("0%"));
            QCOMPARE(form.rings[i]->span(), 0);
            QCOMPARE(form.mistakeLabels[i]->text(), QStringLiteral("0 mistake(s) found"));
        }
        verifyScores(*window);
        window->slotCloseReport();
    }

    // A document without words: zero counts, no average, no scores to rate.
    void documentWithoutWords()
    {
        auto window = makeWindow();
        QVERIFY(review(*window, QStringLiteral("-- ... --")));
        if (!window->report()->isVisible())
            QSKIP("the service did not accept a text without words");
        const Ui::ReportFrameClass &form = window->report()->form();
        const int sentences = int(window->chunkEntries().size());
        QVERIFY(sentences > 0);
        QCOMPARE(form.countsLabel->text(), QStringLiteral("0 word(s) in %1 sentence(s)").arg(sentences));
        QCOMPARE(form.averageLabel->text(), QStringLiteral("0 word(s) per sentence"));
        QVERIFY(form.vocabularyTooSimple->isVisible());
        QVERIFY(form.structureTooSimple->isVisible());
        for (VocCataProgressBar *bar : form.levelBars)
            QCOMPARE(bar->value(), 0);
        window->slotCloseReport();
        QVERIFY(!window->areControlsLocked());
    }
};

QTEST_MAIN(TestReportFlow)
#include "tst_reportflow.moc"
