// Candidate labels: colours by state, width, and the marquee of a long text.
#include "clickablelabel.h"

#include <QEnterEvent>
#include <QtTest>

class TestClickableLabel : public QObject
{
    Q_OBJECT
private slots:
    void coloursByState()
    {
        QWidget editor;
        ClickableLabel label(nullptr, QStringLiteral("have"), &editor);
        QCOMPARE(label.backgroundColour().alpha(), 0);
        QCOMPARE(label.textColour(), QColor("#666666"));
        label.setSelected(true);
        QCOMPARE(label.backgroundColour(), QColor("#f0f0f0"));
        QVERIFY(label.font().bold());
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(&label, &enter);
        QCOMPARE(label.backgroundColour(), QColor("#999999"));
        QCOMPARE(label.textColour(), QColor(Qt::white));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&label, &leave);
        QCOMPARE(label.backgroundColour(), QColor("#f0f0f0"));
        label.setSelected(false);
        QVERIFY(!label.font().bold());
        QCOMPARE(label.height(), ClickableLabel::LabelHeight);
    }

    void widthIsTextPlusPadding()
    {
        QWidget editor;
        ClickableLabel label(nullptr, QStringLiteral("tomorrow"), &editor);
        const int text = QFontMetrics(label.font()).horizontalAdvance(QStringLiteral("tomorrow"));
        QCOMPARE(label.fullWidth(), text + 2 * ClickableLabel::Padding);
        QCOMPARE(label.width(), label.fullWidth());
    }

    void shortLabelDoesNotScroll()
    {
        QWidget editor;
        editor.resize(400, 100);
        ClickableLabel label(nullptr, QStringLiteral("have"), &editor);
        label.move(10, 10);
        label.setSelected(true);
        QVERIFY(!label.isScrolling());
    }

    void longLabelScrollsWhileSelectedAndPausesAtEachEnd()
    {
        QWidget editor;
        editor.resize(300, 100);
        ClickableLabel label(nullptr, QStringLiteral("an extraordinarily long candidate replacement text"), &editor);
        label.move(250, 10);
        label.setSelected(true);
        QVERIFY(label.isScrolling());
        QCOMPARE(label.room(), 50);
        QCOMPARE(label.width(), 50 - 2 * ClickableLabel::Padding);
        // Scrolls left one pixel per tick until its end comes into view.
        QTRY_VERIFY_WITH_TIMEOUT(label.offset() < -5, 2000);
        QTRY_COMPARE_WITH_TIMEOUT(label.offset(), 1, 20000); // paused at the end
        QTRY_COMPARE_WITH_TIMEOUT(label.offset(), 0, 3000);  // back to the start
        label.setSelected(false);
        QVERIFY(!label.isScrolling());
        QCOMPARE(label.width(), label.fullWidth());
    }

    void hoverScrollingStopsOnLeave()
    {
        QWidget editor;
        editor.resize(300, 100);
        ClickableLabel label(nullptr, QStringLiteral("another rather long candidate label text"), &editor);
        label.move(260, 10);
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(&label, &enter);
        QVERIFY(label.isScrolling());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&label, &leave);
        QVERIFY(!label.isScrolling());
        QCOMPARE(label.offset(), 0);
        QCOMPARE(label.width(), label.fullWidth());
    }
};

QTEST_MAIN(TestClickableLabel)
#include "tst_clickablelabel.moc"
