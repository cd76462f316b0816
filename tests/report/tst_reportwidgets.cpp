// The report's widgets: ring painting, the score bars, the level bars with
// their fading tooltips, and the report frame filled from one review.
#include "appsettings.h"
#include "configfile.h"
#include "reportfigures.h"
#include "reportframe.h"
#include "reportprogressbar.h"
#include "ringchart.h"
#include "voccatalabel.h"
#include "voccataprogressbar.h"

#include <QDesktopServices>
#include <QEnterEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimeLine>
#include <QtTest>

namespace {

QColor pixel(QWidget *widget, int x, int y)
{
    return widget->grab().toImage().pixelColor(x, y);
}

// Opened web addresses, caught instead of starting a browser.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

} // namespace

class TestReportWidgets : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_home;

    static QHash<int, int> categories(int spelling, int grammar, int other, int suggestions)
    {
        QHash<int, int> table;
        for (int i = 0; i < spelling; ++i)
            ReportFigures::countCategory(table, 1);
        for (int i = 0; i < grammar; ++i)
            ReportFigures::countCategory(table, 4);
        for (int i = 0; i < other; ++i)
            ReportFigures::countCategory(table, 5);
        for (int i = 0; i < suggestions; ++i)
            ReportFigures::countCategory(table, 7);
        return table;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
    }

    void ringChartPaintsItsShare()
    {
        RingChart ring;
        QCOMPARE(ring.size(), QSize(180, 180));
        QCOMPARE(ring.text(), QStringLiteral("0%"));
        QCOMPARE(ring.span(), 0);
        // Empty: the band is the background colour, the middle the inner one.
        QCOMPARE(pixel(&ring, 90, 5), QColor(QStringLiteral("#F3F7FB")));
        QCOMPARE(pixel(&ring, 5, 90), QColor(QStringLiteral("#F3F7FB")));
        QCOMPARE(pixel(&ring, 90, 36), QColor(Qt::white));
        QCOMPARE(pixel(&ring, 0, 0).alpha() == 0 || pixel(&ring, 0, 0) != QColor(QStringLiteral("#3572BF")), true);

        ring.setValue(360, QStringLiteral("100%"));
        QCOMPARE(ring.span(), 360);
        QCOMPARE(ring.text(), QStringLiteral("100%"));
        QVERIFY(ring.startAngle() >= 0 && ring.startAngle() < 360);
        for (const QPoint &band : {QPoint(90, 5), QPoint(5, 90), QPoint(175, 90), QPoint(90, 175)})
            QCOMPARE(pixel(&ring, band.x(), band.y()), QColor(QStringLiteral("#3572BF")));
        QCOMPARE(pixel(&ring, 90, 36), QColor(Qt::white));

        // Spans outside a circle are held to it.
        ring.setValue(500, QStringLiteral("x"));
        QCOMPARE(ring.span(), 360);
        ring.setValue(-20, QStringLiteral("0%"));
        QCOMPARE(ring.span(), 0);
        QCOMPARE(pixel(&ring, 90, 5), QColor(QStringLiteral("#F3F7FB")));
    }

    // A half ring covers half of the band, starting at its random angle.
    void ringChartHalfArc()
    {
        RingChart ring;
        ring.setValue(180, QStringLiteral("50%"));
        const QImage image = ring.grab().toImage();
        int arc = 0;
        for (int degree = 0; degree < 360; ++degree) {
            const double radians = qDegreesToRadians(degree + 0.5);
            const int x = int(90 + 75 * std::cos(radians));
            const int y = int(90 - 75 * std::sin(radians));
            if (image.pixelColor(x, y) == QColor(QStringLiteral("#3572BF")))
                ++arc;
        }
        QVERIFY2(arc >= 175 && arc <= 185, qPrintable(QString::number(arc)));
    }

    void scoreBarFillsItsSteps()
    {
        ReportProgressBar bar;
        QCOMPARE(bar.width(), 10 * ReportProgressBar::StepWidth);
        for (const QString &picture : {ReportProgressBar::vocabularyPicture(), ReportProgressBar::structurePicture(),
                                       ReportProgressBar::emptyPicture()})
            QVERIFY2(!QPixmap(picture).isNull(), qPrintable(picture));
        const QColor vocabulary = QPixmap(ReportProgressBar::vocabularyPicture()).toImage().pixelColor(10, 7);
        const QColor structure = QPixmap(ReportProgressBar::structurePicture()).toImage().pixelColor(10, 7);
        const QColor empty = QPixmap(ReportProgressBar::emptyPicture()).toImage().pixelColor(10, 7);
        QVERIFY(vocabulary != structure && structure != empty && vocabulary != empty);

        const int y = bar.height() / 2;
        bar.setValue(3, true);
        QCOMPARE(pixel(&bar, 2 * 21 + 10, y), vocabulary);
        QCOMPARE(pixel(&bar, 3 * 21 + 10, y), empty);
        bar.setValue(3, false);
        QCOMPARE(pixel(&bar, 2 * 21 + 10, y), structure);
        QVERIFY(!bar.kind());
        bar.setValue(0, true);
        QCOMPARE(pixel(&bar, 10, y), empty);
        bar.setValue(10, true);
        QCOMPARE(pixel(&bar, 9 * 21 + 10, y), vocabulary);
        bar.setValue(15, true);
        QCOMPARE(bar.value(), 10);
        bar.setValue(-2, true);
        QCOMPARE(bar.value(), 0);
    }

    void levelBarTooltipOnHover()
    {
        QWidget window;
        auto *bar = new VocCataProgressBar(&window);
        bar->setGeometry(10, 10, 22, 120);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(bar->hasMouseTracking());
        bar->setValue(50, 7, QStringLiteral("B1 (Threshold)"));
        QCOMPARE(bar->value(), 50);
        QCOMPARE(bar->percentage(), 50);
        QCOMPARE(bar->count(), 7);
        QCOMPARE(bar->levelText(), QStringLiteral("B1 (Threshold)"));
        QVERIFY(!bar->tooltip());

        const QPoint global = bar->mapToGlobal(QPoint(5, 5));
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(global));
        QApplication::sendEvent(bar, &enter);
        QPointer<VocCataLabel> tip = bar->tooltip();
        QVERIFY(tip);
        QCOMPARE(tip->text(), QStringLiteral("B1 (Threshold): 7"));
        QCOMPARE(tip->styleSheet(), QStringLiteral("QLabel { border:2px solid #5c8dcb; }"));
        QCOMPARE(tip->pos(), global);
        QVERIFY(tip->isWindow());
        QVERIFY(tip->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(tip->testAttribute(Qt::WA_TransparentForMouseEvents));
        QVERIFY(tip->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(tip->testAttribute(Qt::WA_TranslucentBackground));
        QCOMPARE(tip->focusPolicy(), Qt::NoFocus);
        QCOMPARE(tip->width(), tip->label()->fontMetrics().horizontalAdvance(tip->text()) + 30);
        QCOMPARE(tip->label()->alignment(), Qt::AlignCenter);

        // Moving over the bar keeps the one tooltip.
        QMouseEvent move(QEvent::MouseMove, QPointF(6, 6), QPointF(global), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
        QCOMPARE(bar->tooltip(), tip.data());

        // Leaving closes it (it deletes itself).
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(bar, &leave);
        QTRY_VERIFY(!tip);
        QVERIFY(!bar->tooltip());

        // A bar going away takes its tooltip with it.
        QApplication::sendEvent(bar, &enter);
        tip = bar->tooltip();
        QVERIFY(tip);
        delete bar;
        QTRY_VERIFY(!tip);
    }

    void tooltipFadesInAndOut()
    {
        auto *tip = new VocCataLabel(QStringLiteral("A2 (Waystage): 3"));
        QPointer<VocCataLabel> guard(tip);
        tip->slotFading(50);
        QVERIFY(qAbs(tip->windowOpacity() - 0.5) < 0.01); // kept in 8 bits
        QCOMPARE(tip->fadeIn()->duration(), 400);
        QCOMPARE(tip->fadeIn()->startFrame(), 0);
        QCOMPARE(tip->fadeIn()->endFrame(), 100);
        QSignalSpy faded(tip->fadeIn(), &QTimeLine::finished);
        tip->popUp(QPoint(40, 40));
        QVERIFY(tip->isVisible());
        QVERIFY(faded.wait(5000));
        QCOMPARE(tip->windowOpacity(), 1.0);
        // A second later it fades out again, from frame 100 to 0.
        QSignalSpy out(tip->fadeOut(), &QTimeLine::finished);
        QVERIFY(out.wait(5000));
        QCOMPARE(tip->windowOpacity(), 0.0);
        tip->close();
        QTRY_VERIFY(!guard);
    }

    void frameFilledFromOneReview()
    {
        ConfigFile &preferences = AppSettings::preferenceConfig();
        preferences.setValue(QStringLiteral("enrichment_enable"), QStringLiteral("True"));
        ReportFrame frame;
        frame.setLanguage(QStringLiteral("en"));
        const Ui::ReportFrameClass &form = frame.form();
        QCOMPARE(frame.objectName(), QStringLiteral("ReportFrameClass"));
        QVERIFY(frame.isHidden());

        frame.showReport(0.1, 0.25, categories(1, 1, 1, 2), 5, 24, {0, 5, 10, 3, 0, 0});
        const QStringList rings{form.rings[0]->text(), form.rings[1]->text(), form.rings[2]->text()};
        QCOMPARE(rings, (QStringList{"33%", "33%", "34%"}));
        QCOMPARE(form.rings[0]->span() + form.rings[1]->span() + form.rings[2]->span(), 360);
        QCOMPARE(form.rings[2]->span(), 124);
        for (QLabel *mistakes : form.mistakeLabels)
            QCOMPARE(mistakes->text(), QStringLiteral("1 mistake(s) found"));

        QCOMPARE(form.vocabularyRating->text(), QStringLiteral("Troll"));
        QVERIFY(!form.vocabularyRating->isHidden());
        QVERIFY(form.vocabularyTooSimple->isHidden());
        QVERIFY(!form.vocabularyBar->isHidden());
        QCOMPARE(form.vocabularyBar->value(), 1);
        QVERIFY(form.vocabularyBar->kind());
        QCOMPARE(form.structureRating->text(), QStringLiteral("Poor"));
        QCOMPARE(form.structureBar->value(), 3);
        QVERIFY(!form.structureBar->kind());

        QCOMPARE(form.countsLabel->text(), QStringLiteral("24 word(s) in 5 sentence(s)"));
        QCOMPARE(form.averageLabel->text(), QStringLiteral("4 word(s) per sentence"));
        QCOMPARE(form.suggestionsLabel->text(), QStringLiteral("2 suggestion(s) made"));

        const QList<int> percentages{0, 50, 100, 30, 0, 0};
        const QList<int> counts{0, 5, 10, 3, 0, 0};
        const QStringList names = ReportFigures::levelTexts(QStringLiteral("en"));
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(form.levelBars[i]->value(), percentages.at(i));
            QCOMPARE(form.levelBars[i]->count(), counts.at(i));
            QCOMPARE(form.levelBars[i]->levelText(), names.at(i));
        }
        QCOMPARE(form.axisLabels[0]->text(), QStringLiteral("A1"));
        QCOMPARE(form.axisLabels[5]->text(), QStringLiteral("C2"));

        QCOMPARE(form.ringTitles[0]->text(), QStringLiteral("Spelling Mistakes"));
        QCOMPARE(form.ringTitles[1]->text(), QStringLiteral("Grammar Mistakes"));
        QCOMPARE(form.ringTitles[2]->text(), QStringLiteral("Other Mistakes"));
        QCOMPARE(form.vocabularyTitle->text(), QStringLiteral("Vocabulary"));
        QCOMPARE(form.structureTitle->text(), QStringLiteral("Structure"));
        QCOMPARE(form.vocabularyTooSimple->text(), QStringLiteral("(Too simple to tell.)"));
        QCOMPARE(form.levelButton->text(), QStringLiteral("vocabulary level"));
        QCOMPARE(form.suggestionsTitle->text(), QStringLiteral("Total Suggestions"));
        QCOMPARE(form.countsTitle->text(), QStringLiteral("Word and Sentence Count"));
        QCOMPARE(form.averageTitle->text(), QStringLiteral("Average Length"));
    }

    // No document-level score, no words, no mistakes, enrichment off: every
    // figure is zero or "too simple", and nothing divides by zero.
    void frameForAnEmptyReview()
    {
        AppSettings::preferenceConfig().setValue(QStringLiteral("enrichment_enable"), QStringLiteral("False"));
        ReportFrame frame;
        frame.showReport(0.7, 0.9, categories(2, 0, 0, 0), 1, 3, {1, 0, 0, 0, 0, 0});
        frame.showReport(-1.0, -1.0, {}, 0, 0, {});
        const Ui::ReportFrameClass &form = frame.form();
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(form.rings[i]->text(), QStringLiteral("0%"));
            QCOMPARE(form.rings[i]->span(), 0);
            QCOMPARE(form.mistakeLabels[i]->text(), QStringLiteral("0 mistake(s) found"));
        }
        QVERIFY(!form.vocabularyTooSimple->isHidden());
        QVERIFY(!form.structureTooSimple->isHidden());
        QVERIFY(form.vocabularyRating->isHidden());
        QVERIFY(form.structureRating->isHidden());
        QVERIFY(form.vocabularyBar->isHidden());
        QVERIFY(form.structureBar->isHidden());
        QCOMPARE(form.countsLabel->text(), QStringLiteral("0 word(s) in 0 sentence(s)"));
        QCOMPARE(form.averageLabel->text(), QStringLiteral("0 word(s) per sentence"));
        QCOMPARE(form.suggestionsLabel->text(), QStringLiteral("(Disabled)"));
        for (VocCataProgressBar *bar : form.levelBars) {
            QCOMPARE(bar->value(), 0);
            QCOMPARE(bar->count(), 0);
        }

        // Only spelling mistakes: a full spelling ring.
        frame.showReport(0.0, qQNaN(), categories(4, 0, 0, 0), 2, 9, {});
        QCOMPARE(form.rings[0]->text(), QStringLiteral("100%"));
        QCOMPARE(form.rings[0]->span(), 360);
        QCOMPARE(form.rings[1]->text(), QStringLiteral("0%"));
        QCOMPARE(form.rings[2]->span(), 0);
        QCOMPARE(form.mistakeLabels[0]->text(), QStringLiteral("4 mistake(s) found"));
        QVERIFY(!form.vocabularyTooSimple->isHidden());
        QVERIFY(!form.structureTooSimple->isHidden());
    }

    void chineseInterfaceNamesExamLevels()
    {
        ReportFrame frame;
        frame.setLanguage(QStringLiteral("zh-CN"));
        frame.showReport(0.5, 0.5, {}, 1, 4, {1, 3, 0, 0, 0, 0});
        QCOMPARE(frame.form().axisLabels[1]->text(), QStringLiteral("CET4"));
        QCOMPARE(frame.form().levelBars[1]->levelText(), QStringLiteral("CET4"));
        QCOMPARE(frame.form().levelBars[1]->tooltipText(), QStringLiteral("CET4: 3"));
        QCOMPARE(frame.form().levelBars[0]->value(), 34);
    }

    void closeAndCefrControls()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        auto cleanup = qScopeGuard([] { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); });
        QWidget window;
        window.resize(900, 700);
        auto *frame = new ReportFrame(&window);
        window.show();
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(frame->geometry(), window.rect());

        QSignalSpy closed(frame, &ReportFrame::signalClose);
        QTest::mouseClick(frame->form().closeButton, Qt::LeftButton);
        QCOMPARE(closed.count(), 1);

        QTest::mouseClick(frame->form().levelButton, Qt::LeftButton);
        QCOMPARE(catcher.opened.size(), 1);
        QCOMPARE(catcher.opened.first(), QUrl(ReportFrame::cefrAddress()));
        QVERIFY(catcher.opened.first().host().endsWith(QStringLiteral("coe.int")));
    }
};

QTEST_MAIN(TestReportWidgets)
#include "tst_reportwidgets.moc"
