// The title bar: its parts, buttons, drag and double clicks, and how a
// frameless window driven by it maximises, restores and moves.
#include "customwindow.h"
#include "iconbutton.h"
#include "titlebar.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// Wired the way the main window wires its title bar.
class Window : public CustomWindow
{
public:
    Window()
    {
        auto *central = new QWidget(this);
        layout = new QVBoxLayout(central);
        layout->setContentsMargins(12, 10, 12, 14);
        bar = new Titlebar(central);
        bar->setMaximizeVisible(true);
        layout->addWidget(bar);
        layout->addStretch();
        setCentralWidget(central);
        setTitlebar(bar);
        QObject::connect(bar, &Titlebar::signalMax, this, [this] {
            layout->setContentsMargins(0, 0, 0, 0);
            setMaximized(true);
        });
        QObject::connect(bar, &Titlebar::signalRestore, this, [this] {
            layout->setContentsMargins(12, 10, 12, 14);
            setMaximized(false);
        });
        QObject::connect(bar, &Titlebar::signalMove, this,
                         [this](int x, int y) { moveIfOnScreen(QPoint(x, y)); });
        QObject::connect(bar, &Titlebar::signalClose, this, [this] { close(); });
    }

    QVBoxLayout *layout = nullptr;
    Titlebar *bar = nullptr;

protected:
    void maximizedChanged(bool maximized) override { bar->slotIsMaxmized(maximized); }
};

QPoint barPoint(Titlebar *bar)
{
    // Empty space of the bar, right of the title.
    return QPoint(bar->width() / 2, bar->height() / 2);
}

} // namespace

class TestTitlebar : public QObject
{
    Q_OBJECT
private slots:
    void parts()
    {
        Titlebar bar;
        for (const char *name : {"lb_icon", "lb_title", "pb_share", "pb_menu", "btn_min",
                                 "btn_restore", "btn_max", "btn_close"})
            QVERIFY2(bar.findChild<QWidget *>(QLatin1String(name)), name);
        QVERIFY(bar.findChild<QFrame *>(QStringLiteral("frame_max")));
        QCOMPARE(bar.findChild<QLabel *>(QStringLiteral("lb_title"))->text(), QStringLiteral("Quillet"));

        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        for (const char *hidden : {"frame_max", "pb_menu", "pb_share", "btn_restore"})
            QVERIFY2(!bar.findChild<QWidget *>(QLatin1String(hidden))->isVisible(), hidden);
        QVERIFY(bar.closeButton()->isVisible());
        QVERIFY(bar.minButton()->isVisible());

        bar.setMaximizeVisible(true);
        bar.setMenuVisible(true);
        QVERIFY(bar.maxButton()->isVisible());
        QVERIFY(!bar.restoreButton()->isVisible());
        QVERIFY(bar.menuButton()->isVisible());
    }

    void buttonsSignal()
    {
        Titlebar bar;
        bar.setMaximizeVisible(true);
        bar.setShareVisible(true);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QSignalSpy close(&bar, &Titlebar::signalClose);
        QSignalSpy max(&bar, &Titlebar::signalMax);
        QSignalSpy min(&bar, &Titlebar::signalMin);
        QSignalSpy restore(&bar, &Titlebar::signalRestore);
        QSignalSpy share(&bar, &Titlebar::signalShare);

        QTest::mouseClick(bar.closeButton(), Qt::LeftButton);
        QTest::mouseClick(bar.minButton(), Qt::LeftButton);
        QTest::mouseClick(bar.maxButton(), Qt::LeftButton);
        QTest::mouseClick(bar.shareButton(), Qt::LeftButton);
        QCOMPARE(close.count(), 1);
        QCOMPARE(min.count(), 1);
        QCOMPARE(max.count(), 1);
        QCOMPARE(share.count(), 1);

        bar.slotIsMaxmized(true);
        QVERIFY(bar.restoreButton()->isVisible());
        QVERIFY(!bar.maxButton()->isVisible());
        QTest::mouseClick(bar.restoreButton(), Qt::LeftButton);
        QCOMPARE(restore.count(), 1);
        bar.slotIsMaxmized(false);
        QVERIFY(!bar.restoreButton()->isVisible());
        QVERIFY(bar.maxButton()->isVisible());

        // Disabled buttons stay silent.
        bar.setCloseEnabled(false);
        QVERIFY(!bar.isCloseEnabled());
        QTest::mouseClick(bar.closeButton(), Qt::LeftButton);
        QCOMPARE(close.count(), 1);
        bar.setMenuEnabled(false);
        QVERIFY(!bar.isMenuEnabled());
        QVERIFY(bar.minButton()->isEnabled());
        bar.setButtonsEnabled(false);
        QTest::mouseClick(bar.minButton(), Qt::LeftButton);
        QCOMPARE(min.count(), 1);
    }

    void iconDoubleClickCloses()
    {
        Titlebar bar;
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QSignalSpy close(&bar, &Titlebar::signalClose);
        QTest::mouseDClick(bar.iconLabel(), Qt::LeftButton);
        QCOMPARE(close.count(), 1);
        QTest::mouseDClick(bar.iconLabel(), Qt::RightButton);
        QCOMPARE(close.count(), 1);
        // Not while the close button is locked.
        bar.setCloseEnabled(false);
        QTest::mouseDClick(bar.iconLabel(), Qt::LeftButton);
        QCOMPARE(close.count(), 1);
    }

    void doubleClickToggles()
    {
        Window window;
        window.setGeometry(60, 70, 500, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();

        QTest::mouseDClick(window.bar, Qt::LeftButton, Qt::NoModifier, barPoint(window.bar));
        QVERIFY(window.maximized());
        QTRY_COMPARE(window.geometry(), available);
        QVERIFY(window.bar->restoreButton()->isVisible());
        QVERIFY(!window.bar->maxButton()->isVisible());
        QCOMPARE(window.layout->contentsMargins(), QMargins(0, 0, 0, 0));

        QTest::mouseDClick(window.bar, Qt::LeftButton, Qt::NoModifier, barPoint(window.bar));
        QVERIFY(!window.maximized());
        QTRY_COMPARE(window.geometry(), QRect(60, 70, 500, 400));
        QVERIFY(window.bar->maxButton()->isVisible());

        // The buttons do the same, and a locked bar does not toggle.
        QTest::mouseClick(window.bar->maxButton(), Qt::LeftButton);
        QTRY_COMPARE(window.geometry(), available);
        QTest::mouseClick(window.bar->restoreButton(), Qt::LeftButton);
        QTRY_COMPARE(window.geometry(), QRect(60, 70, 500, 400));
        window.setControlsLocked(true);
        QTest::mouseDClick(window.bar, Qt::LeftButton, Qt::NoModifier, barPoint(window.bar));
        QVERIFY(!window.maximized());
    }

    void doubleClickWithoutMaximise()
    {
        Titlebar bar; // frame_max stays hidden: this window has no maximise
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QSignalSpy max(&bar, &Titlebar::signalMax);
        QTest::mouseDClick(&bar, Qt::LeftButton, Qt::NoModifier, barPoint(&bar));
        QCOMPARE(max.count(), 0);
    }

    void dragMovesWindow()
    {
        Window window;
        window.setGeometry(100, 100, 500, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy moves(window.bar, &Titlebar::signalMove);

        const QPoint grab = barPoint(window.bar);
        QTest::mousePress(window.bar, Qt::LeftButton, Qt::NoModifier, grab);
        QVERIFY(window.bar->isDragging());
        // Move the mouse 40 right and 25 down on the screen.
        const QPoint grabGlobal = window.bar->mapToGlobal(grab);
        QTest::mouseMove(window.bar, grab + QPoint(40, 25));
        QTRY_COMPARE(window.geometry(), QRect(140, 125, 500, 400));
        QCOMPARE(moves.count(), 1);
        QCOMPARE(moves.first().at(0).toInt(), 140);
        QCOMPARE(moves.first().at(1).toInt(), 125);
        // The grabbed point stays under the mouse.
        QCOMPARE(window.bar->mapToGlobal(grab), grabGlobal + QPoint(40, 25));

        QTest::mouseRelease(window.bar, Qt::LeftButton, Qt::NoModifier, grab);
        QVERIFY(!window.bar->isDragging());

        // A maximised window is not dragged by its bar.
        window.setMaximized(true);
        QTest::mousePress(window.bar, Qt::LeftButton, Qt::NoModifier, barPoint(window.bar));
        QVERIFY(!window.bar->isDragging());
        QTest::mouseRelease(window.bar, Qt::LeftButton, Qt::NoModifier, barPoint(window.bar));
    }

    // The window's resize band reaches over the bar's top edge: a press
    // there resizes the window instead of dragging it.
    void pressOnTheTopBandResizes()
    {
        Window window;
        window.setGeometry(100, 100, 500, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint onBand(window.bar->width() / 2, 2);
        QCOMPARE(window.bar->mapTo(&window, onBand).y(), 12);
        QTest::mousePress(window.bar, Qt::LeftButton, Qt::NoModifier, onBand);
        QVERIFY(!window.bar->isDragging());
        QVERIFY(window.isResizing());
        QCOMPARE(window.zone(), ResizeZone::Top);
        QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, window.bar->mapTo(&window, onBand));
        // Below the band the bar drags as before.
        QTest::mousePress(window.bar, Qt::LeftButton, Qt::NoModifier, barPoint(window.bar));
        QVERIFY(window.bar->isDragging());
        QVERIFY(!window.isResizing());
        QTest::mouseRelease(window.bar, Qt::LeftButton, Qt::NoModifier, barPoint(window.bar));
    }

    void iconClosesWindow()
    {
        Window window;
        window.setGeometry(100, 100, 500, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setCloseLocked(true);
        QTest::mouseDClick(window.bar->iconLabel(), Qt::LeftButton);
        QVERIFY(window.isVisible());
        window.setCloseLocked(false);
        QTest::mouseDClick(window.bar->iconLabel(), Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(TestTitlebar)
#include "tst_titlebar.moc"
