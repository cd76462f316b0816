// The covers laid over the main window: the review progress with its cancel
// and closing animation, the first-run tutorial, and the transient notice.
#include "overlay.h"
#include "progressoverlay.h"
#include "rotatingpicture.h"
#include "transientnotice.h"
#include "tutorialoverlay.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

class TestKitOverlays : public QObject
{
    Q_OBJECT
private slots:
    void progressPercent_data()
    {
        QTest::addColumn<int>("received");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("percent");
        QTest::newRow("nothing yet") << 0 << 10 << 1;
        QTest::newRow("half") << 5 << 10 << 50;
        QTest::newRow("truncated") << 2 << 3 << 66;
        QTest::newRow("all received stays below 100") << 10 << 10 << 99;
        QTest::newRow("one of many") << 1 << 1000 << 1;
        QTest::newRow("no chunks") << 0 << 0 << 1;
        QTest::newRow("negative total") << 3 << -1 << 1;
        QTest::newRow("large counts do not overflow") << 2000000000 << 2100000000 << 95;
    }

    void progressPercent()
    {
        QFETCH(int, received);
        QFETCH(int, total);
        QFETCH(int, percent);
        QCOMPARE(ProgressOverlay::progressPercent(received, total), percent);
    }

    void progressRunsAndCancels()
    {
        QWidget window;
        window.resize(600, 400);
        ProgressOverlay overlay(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!overlay.isVisible());
        QSignalSpy cancel(&overlay, &ProgressOverlay::signalCancel);
        QSignalSpy finished(&overlay, &ProgressOverlay::signalFinished);

        overlay.setValue(40);
        overlay.start();
        QVERIFY(overlay.isVisible());
        QCOMPARE(overlay.state(), ProgressOverlay::Running);
        QCOMPARE(overlay.value(), 0);
        QCOMPARE(overlay.geometry(), window.rect());
        QVERIFY(overlay.picture()->isRunning());

        overlay.setProgress(3, 4);
        QCOMPARE(overlay.value(), 75);
        QCOMPARE(overlay.progressBar()->value(), 75);
        overlay.setProgress(4, 4);
        QCOMPARE(overlay.value(), 99);

        // Cancel is reported once, however often it is pressed.
        QTest::mouseClick(overlay.cancelButton(), Qt::LeftButton);
        QTest::mouseClick(overlay.cancelButton(), Qt::LeftButton);
        QCOMPARE(cancel.count(), 1);
        QVERIFY(!overlay.cancelButton()->isEnabled());

        overlay.stop();
        QVERIFY(!overlay.isVisible());
        QCOMPARE(overlay.state(), ProgressOverlay::Idle);
        QVERIFY(!overlay.picture()->isRunning());
        QCOMPARE(finished.count(), 0);

        // The next review starts afresh.
        overlay.start();
        QVERIFY(overlay.cancelButton()->isEnabled());
        QCOMPARE(overlay.value(), 0);
        QTest::mouseClick(overlay.cancelButton(), Qt::LeftButton);
        QCOMPARE(cancel.count(), 2);
    }

    void progressClosingAnimation()
    {
        QWidget window;
        window.resize(600, 400);
        ProgressOverlay overlay(&window);
        overlay.setFinishDurations(60, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy cancel(&overlay, &ProgressOverlay::signalCancel);
        QSignalSpy finished(&overlay, &ProgressOverlay::signalFinished);

        overlay.start();
        overlay.setProgress(1, 2);
        overlay.finish();
        QCOMPARE(overlay.state(), ProgressOverlay::Finishing);
        // Too late to cancel, and late results do not move the bar back.
        QVERIFY(!overlay.cancelButton()->isEnabled());
        QTest::mouseClick(overlay.cancelButton(), Qt::LeftButton);
        QCOMPARE(cancel.count(), 0);
        overlay.setProgress(0, 2);
        overlay.finish(); // a second request changes nothing

        // The results are shown when the bar is full; the cover then fades
        // out over them and hides itself.
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(overlay.value(), 100);
        QCOMPARE(overlay.state(), ProgressOverlay::Fading);
        QVERIFY(overlay.isVisible());
        QTRY_VERIFY(!overlay.isVisible());
        QCOMPARE(overlay.state(), ProgressOverlay::Idle);
        QTest::qWait(120);
        QCOMPARE(finished.count(), 1);

        // Shown again at full strength.
        overlay.start();
        QVERIFY(overlay.isVisible());
        QCOMPARE(overlay.value(), 0);
    }

    // While it fades, what lies beneath takes the keyboard and the mouse, and
    // a new review brings it back at full strength.
    void fadingCoverLetsGo()
    {
        QWidget window;
        window.resize(600, 400);
        auto *editor = new QLineEdit(&window);
        editor->setGeometry(10, 10, 200, 30);
        ProgressOverlay overlay(&window);
        overlay.setFinishDurations(20, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        editor->setFocus();
        QTRY_VERIFY(editor->hasFocus());
        overlay.start();
        QVERIFY(!editor->hasFocus());

        bool focusedWhenFinished = false;
        connect(&overlay, &ProgressOverlay::signalFinished, &window,
                [&] { focusedWhenFinished = editor->hasFocus(); });
        overlay.finish();
        QTRY_COMPARE(overlay.state(), ProgressOverlay::Fading);
        QVERIFY(focusedWhenFinished);
        QVERIFY(overlay.isVisible());
        QCOMPARE(QApplication::focusWidget(), editor);
        QCOMPARE(overlay.focusPolicy(), Qt::NoFocus);
        QVERIFY(overlay.testAttribute(Qt::WA_TransparentForMouseEvents));

        overlay.start();
        QCOMPARE(overlay.state(), ProgressOverlay::Running);
        QVERIFY(overlay.isVisible());
        QVERIFY(!overlay.testAttribute(Qt::WA_TransparentForMouseEvents));
        QVERIFY(!editor->hasFocus());
        QTest::qWait(500); // the old fade would have hidden it by now
        QVERIFY(overlay.isVisible());
        overlay.stop();
        QTRY_VERIFY(editor->hasFocus());
    }

    void stopDuringClosingAnimationIsSilent()
    {
        QWidget window;
        window.resize(600, 400);
        ProgressOverlay overlay(&window);
        overlay.setFinishDurations(60, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy finished(&overlay, &ProgressOverlay::signalFinished);
        overlay.start();
        overlay.finish();
        overlay.stop();
        QTest::qWait(200);
        QCOMPARE(finished.count(), 0);
        QVERIFY(!overlay.isVisible());
    }

    void overlayFollowsCoveredWidget()
    {
        QWidget window;
        window.resize(600, 400);
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(20, 50, 20, 30);
        auto *editor = new QPlainTextEdit(&window);
        layout->addWidget(editor);
        ProgressOverlay overlay(&window);
        overlay.setCoveredWidget(editor);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        overlay.start();
        QCOMPARE(overlay.geometry(), editor->geometry());

        window.resize(700, 500);
        QTRY_COMPARE(overlay.geometry(), editor->geometry());
        QCOMPARE(editor->geometry(), QRect(20, 50, 660, 420));
    }

    void overlayTakesAndReturnsFocus()
    {
        QWidget window;
        window.resize(600, 400);
        auto *editor = new QLineEdit(&window);
        Overlay overlay(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        editor->setFocus();
        QTRY_VERIFY(editor->hasFocus());

        overlay.show();
        QVERIFY(!editor->hasFocus());
        QTest::keyClicks(&window, QStringLiteral("abc"));
        QCOMPARE(editor->text(), QString());
        // A press on the cover does not reach what lies beneath.
        QTest::mouseClick(&overlay, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QVERIFY(!editor->hasFocus());

        overlay.hide();
        QTRY_VERIFY(editor->hasFocus());
    }

    void tutorialPagesAndGo()
    {
        QWidget window;
        window.resize(700, 500);
        TutorialOverlay tutorial(&window);
        window.show();
        tutorial.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy go(&tutorial, &TutorialOverlay::signalGoClicked);

        QVERIFY(tutorial.pageCount() >= 2);
        QCOMPARE(tutorial.currentPage(), 0);
        QCOMPARE(tutorial.geometry(), window.rect());
        int clicks = 0;
        while (!tutorial.isLastPage()) {
            QVERIFY(tutorial.nextButton()->isVisible());
            QVERIFY(!tutorial.goButton()->isVisible());
            QTest::mouseClick(tutorial.nextButton(), Qt::LeftButton);
            QVERIFY(++clicks < 20);
        }
        QCOMPARE(tutorial.currentPage(), tutorial.pageCount() - 1);
        QVERIFY(!tutorial.nextButton()->isVisible());
        QVERIFY(tutorial.goButton()->isVisible());
        QCOMPARE(go.count(), 0);
        QTest::mouseClick(tutorial.goButton(), Qt::LeftButton);
        QCOMPARE(go.count(), 1);
    }

    void tutorialKeys()
    {
        QWidget window;
        window.resize(700, 500);
        TutorialOverlay tutorial(&window);
        tutorial.setPages({{QStringLiteral("One"), QStringLiteral("first")},
                           {QStringLiteral("Two"), QStringLiteral("second")}});
        window.show();
        tutorial.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy go(&tutorial, &TutorialOverlay::signalGoClicked);
        QTest::keyClick(&tutorial, Qt::Key_Right);
        QCOMPARE(tutorial.currentPage(), 1);
        QTest::keyClick(&tutorial, Qt::Key_Right);
        QCOMPARE(tutorial.currentPage(), 1);
        QTest::keyClick(&tutorial, Qt::Key_Left);
        QCOMPARE(tutorial.currentPage(), 0);
        QTest::keyClick(&tutorial, Qt::Key_Return);
        QCOMPARE(go.count(), 0);
        QTest::keyClick(&tutorial, Qt::Key_Return);
        QCOMPARE(go.count(), 1);

        tutorial.setPages({});
        QVERIFY(tutorial.isLastPage());
        QVERIFY(tutorial.goButton()->isVisibleTo(&tutorial));
    }

    void noticeShowsAndFades()
    {
        QWidget window;
        window.resize(600, 400);
        TransientNotice notice(&window);
        notice.setFadeDuration(30);
        notice.setAnchorMargins(20, 24);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy hidden(&notice, &TransientNotice::signalHidden);

        const QString text = QStringLiteral("Successfully copied.");
        notice.showText(text, 50);
        QVERIFY(notice.isVisible());
        QCOMPARE(notice.text(), text);
        QCOMPARE(notice.width(), notice.fontMetrics().horizontalAdvance(text) + 10);
        QCOMPARE(notice.x(), 20);
        QCOMPARE(notice.geometry().bottom() + 1, window.height() - 24);
        QVERIFY(notice.testAttribute(Qt::WA_TransparentForMouseEvents));

        QTRY_VERIFY(!notice.isVisible());
        QCOMPARE(hidden.count(), 1);

        // Shown again, it keeps its corner when the window grows.
        notice.showText(QStringLiteral("Your software crashed unexpectedly. Text recovered "
                                       "and loaded for you before the crash."),
                        10000);
        window.resize(800, 500);
        QTRY_COMPARE(notice.geometry().bottom() + 1, 500 - 24);
        QVERIFY(notice.isVisible());
        notice.dismiss();
        QVERIFY(!notice.isVisible());
        QCOMPARE(hidden.count(), 2);
    }

    void noticeReplacedBeforeItFades()
    {
        QWidget window;
        window.resize(600, 400);
        TransientNotice notice(&window);
        notice.setFadeDuration(20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy hidden(&notice, &TransientNotice::signalHidden);
        notice.showText(QStringLiteral("first"), 10000);
        notice.showText(QStringLiteral("second, longer"), 30);
        QCOMPARE(notice.text(), QStringLiteral("second, longer"));
        QCOMPARE(notice.width(), notice.fontMetrics().horizontalAdvance(notice.text()) + 10);
        QTRY_VERIFY(!notice.isVisible());
        QCOMPARE(hidden.count(), 1);
    }
};

QTEST_MAIN(TestKitOverlays)
#include "tst_kitoverlays.moc"
