// The frameless window: resize zones and cursors, move and resize drags with
// their minimum-size rules, maximise and restore, the close lock.
#include "customwindow.h"
#include "resizezone.h"
#include "titlebar.h"
#include "iconbutton.h"
#include "progressoverlay.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <QtTest>

namespace {

class Window : public CustomWindow
{
public:
    Window()
    {
        auto *central = new QWidget(this);
        auto *layout = new QVBoxLayout(central);
        layout->setContentsMargins(40, 40, 40, 40);
        label = new QLabel(QStringLiteral("A label"), central);
        label->setFixedSize(120, 30);
        layout->addWidget(label, 0, Qt::AlignLeft | Qt::AlignTop);
        layout->addStretch();
        setCentralWidget(central);
    }

    QLabel *label = nullptr;
    QList<bool> changes;
    int closeEvents = 0;

protected:
    void maximizedChanged(bool maximized) override { changes.append(maximized); }
    void closeEvent(QCloseEvent *event) override
    {
        ++closeEvents;
        CustomWindow::closeEvent(event);
    }
};

QRect available()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// Mouse positions are given on the screen; the window may have moved since
// the last event, so each is turned into window coordinates when sent.
QPoint local(QWidget *window, const QPoint &global)
{
    return global - window->geometry().topLeft();
}

void pressAt(QWidget *window, const QPoint &localPos)
{
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, localPos);
}

void moveTo(QWidget *window, const QPoint &global)
{
    QTest::mouseMove(window, local(window, global));
}

void releaseAt(QWidget *window, const QPoint &global)
{
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, local(window, global));
}

} // namespace

class TestCustomWindow : public QObject
{
    Q_OBJECT
private slots:
    void zones_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("zone");
        QTest::addColumn<int>("cursor");
        // An 800 × 600 window with the 10-pixel shadow band: each band runs
        // from the window's real edge to 4 pixels inside the visible frame.
        QTest::newRow("top edge") << QPoint(400, 12) << 2 << int(Qt::SizeVerCursor);
        QTest::newRow("bottom-right corner") << QPoint(789, 589) << 7 << int(Qt::SizeFDiagCursor);
        QTest::newRow("middle") << QPoint(400, 300) << 0 << int(Qt::ArrowCursor);
        QTest::newRow("top edge at the real edge") << QPoint(400, 0) << 2 << int(Qt::SizeVerCursor);
        QTest::newRow("top edge inner limit") << QPoint(400, 14) << 2 << int(Qt::SizeVerCursor);
        QTest::newRow("below the top band") << QPoint(400, 15) << 0 << int(Qt::ArrowCursor);
        QTest::newRow("bottom edge") << QPoint(400, 586) << 4 << int(Qt::SizeVerCursor);
        QTest::newRow("bottom edge in the shadow") << QPoint(400, 599) << 4 << int(Qt::SizeVerCursor);
        QTest::newRow("above the bottom band") << QPoint(400, 585) << 0 << int(Qt::ArrowCursor);
        // The corners: the shadow of the corner itself, and along each edge.
        QTest::newRow("bottom-right in the shadow") << QPoint(799, 599) << 7 << int(Qt::SizeFDiagCursor);
        QTest::newRow("bottom-right along the bottom") << QPoint(765, 590) << 7 << int(Qt::SizeFDiagCursor);
        QTest::newRow("bottom-right along the right") << QPoint(790, 565) << 7 << int(Qt::SizeFDiagCursor);
        QTest::newRow("bottom-right reaches further in") << QPoint(781, 581) << 7 << int(Qt::SizeFDiagCursor);
        QTest::newRow("inside, near bottom-right") << QPoint(775, 575) << 0 << int(Qt::ArrowCursor);
        QTest::newRow("bottom edge past the corner") << QPoint(763, 590) << 4 << int(Qt::SizeVerCursor);
        QTest::newRow("top-right corner") << QPoint(785, 12) << 6 << int(Qt::SizeBDiagCursor);
        QTest::newRow("top-right in the shadow") << QPoint(800, 0) << 6 << int(Qt::SizeBDiagCursor);
        QTest::newRow("left edge") << QPoint(12, 300) << 1 << int(Qt::SizeHorCursor);
        QTest::newRow("left edge inner limit") << QPoint(14, 300) << 1 << int(Qt::SizeHorCursor);
        QTest::newRow("right of left edge") << QPoint(15, 300) << 0 << int(Qt::ArrowCursor);
        QTest::newRow("left edge in the shadow") << QPoint(2, 300) << 1 << int(Qt::SizeHorCursor);
        QTest::newRow("right edge") << QPoint(788, 300) << 3 << int(Qt::SizeHorCursor);
        QTest::newRow("right edge in the shadow") << QPoint(798, 300) << 3 << int(Qt::SizeHorCursor);
        QTest::newRow("top-left corner") << QPoint(12, 12) << 5 << int(Qt::SizeFDiagCursor);
        QTest::newRow("top-left in the shadow") << QPoint(0, 0) << 5 << int(Qt::SizeFDiagCursor);
        QTest::newRow("top-left along the top") << QPoint(26, 8) << 5 << int(Qt::SizeFDiagCursor);
        QTest::newRow("top edge past the corner") << QPoint(27, 8) << 2 << int(Qt::SizeVerCursor);
        QTest::newRow("bottom-left corner") << QPoint(12, 588) << 8 << int(Qt::SizeBDiagCursor);
        QTest::newRow("bottom-left in the shadow") << QPoint(0, 600) << 8 << int(Qt::SizeBDiagCursor);
        QTest::newRow("outside the window") << QPoint(801, 300) << 0 << int(Qt::ArrowCursor);
    }

    void zones()
    {
        QFETCH(QPoint, pos);
        QFETCH(int, zone);
        QFETCH(int, cursor);
        const ResizeZone::Zone found = ResizeZone::at(pos, QSize(800, 600), 10);
        QCOMPARE(int(found), zone);
        QCOMPARE(int(ResizeZone::cursor(found)), cursor);
    }

    void hoverSetsCursor()
    {
        Window window;
        window.setGeometry(0, 0, 800, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.isHoverTracking());

        QCursor::setPos(window.mapToGlobal(QPoint(400, 12)));
        QTRY_COMPARE(window.cursor().shape(), Qt::SizeVerCursor);
        QVERIFY(window.isOnEdge());
        QCOMPARE(window.zone(), ResizeZone::Top);

        QCursor::setPos(window.mapToGlobal(QPoint(789, 589)));
        QTRY_COMPARE(window.cursor().shape(), Qt::SizeFDiagCursor);

        QCursor::setPos(window.mapToGlobal(QPoint(400, 300)));
        QTRY_COMPARE(window.cursor().shape(), Qt::ArrowCursor);
        QVERIFY(!window.isOnEdge());
    }

    void pressOnLabelDoesNotMove()
    {
        Window window;
        window.setGeometry(100, 100, 400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QPoint onLabel = window.label->mapTo(&window, QPoint(10, 10));
        pressAt(&window, onLabel);
        QVERIFY(!window.isDragging());
        moveTo(&window, window.mapToGlobal(onLabel) + QPoint(50, 30));
        QCOMPARE(window.geometry(), QRect(100, 100, 400, 300));
        releaseAt(&window, window.mapToGlobal(onLabel));

        pressAt(&window, QPoint(200, 200));
        QVERIFY(window.isDragging());
        QVERIFY(!window.isResizing());
        releaseAt(&window, QPoint(300, 300));
        QVERIFY(!window.isDragging());
    }

    void pressOnOverlayDoesNotMove()
    {
        Window window;
        window.setGeometry(100, 100, 400, 300);
        ProgressOverlay overlay(window.centralWidget());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        overlay.start();
        QTest::mousePress(&overlay, Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
        QVERIFY(!window.isDragging());
        QTest::mouseRelease(&overlay, Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
    }

    void moveDrag()
    {
        Window window;
        window.setGeometry(100, 100, 400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        pressAt(&window, QPoint(200, 150)); // global (300, 250)
        moveTo(&window, QPoint(330, 270));
        QTRY_COMPARE(window.geometry(), QRect(130, 120, 400, 300));
        moveTo(&window, QPoint(250, 200));
        QTRY_COMPARE(window.geometry(), QRect(50, 50, 400, 300));

        // A target leaving at most 20 pixels on the work area is refused.
        const QRect area = available();
        const QPoint farRight(area.right() - 19 + 200, 200); // 20 pixels left on screen
        moveTo(&window, farRight);
        QCOMPARE(window.geometry(), QRect(50, 50, 400, 300));
        // 21 pixels are enough.
        moveTo(&window, farRight - QPoint(1, 0));
        QTRY_COMPARE(window.geometry().topLeft(), QPoint(area.right() - 20, 50));
        releaseAt(&window, farRight);
        QVERIFY(!window.isDragging());
    }

    void offScreenRule()
    {
        Window window;
        const QRect area = available();
        QVERIFY(!window.isOffScreen(QRect(area.topLeft(), QSize(300, 200))));
        QVERIFY(window.isOffScreen(QRect(area.right() + 50, area.top(), 300, 200)));
        // 20 pixels wide or tall is not enough; 21 is.
        QVERIFY(window.isOffScreen(QRect(area.right() - 19, area.top(), 300, 200)));
        QVERIFY(!window.isOffScreen(QRect(area.right() - 20, area.top(), 300, 200)));
        QVERIFY(window.isOffScreen(QRect(area.left(), area.bottom() - 19, 300, 200)));
        QVERIFY(!window.isOffScreen(QRect(area.left(), area.bottom() - 20, 300, 200)));
        QVERIFY(window.isOffScreen(QRect(area.left() - 280, area.top() - 180, 300, 200)));

        window.setGeometry(100, 100, 300, 200);
        QVERIFY(!window.moveIfOnScreen(QPoint(area.right() + 5, 100)));
        QCOMPARE(window.geometry().topLeft(), QPoint(100, 100));
        QVERIFY(window.moveIfOnScreen(QPoint(120, 90)));
        QCOMPARE(window.geometry().topLeft(), QPoint(120, 90));
    }

    void resizeDrags_data()
    {
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<int>("zone");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QRect>("expected");
        // The window is (100, 100, 400, 300) with a minimum of 300 × 200;
        // press points are in window coordinates, targets on the screen.
        QTest::newRow("left") << QPoint(12, 150) << 1 << QPoint(60, 250) << QRect(50, 100, 450, 300);
        QTest::newRow("left to minimum refused") << QPoint(12, 150) << 1 << QPoint(210, 250) << QRect(100, 100, 400, 300);
        QTest::newRow("left just above minimum") << QPoint(12, 150) << 1 << QPoint(209, 250) << QRect(199, 100, 301, 300);
        QTest::newRow("top") << QPoint(200, 10) << 2 << QPoint(300, 40) << QRect(100, 30, 400, 370);
        QTest::newRow("top to minimum refused") << QPoint(200, 10) << 2 << QPoint(300, 210) << QRect(100, 100, 400, 300);
        QTest::newRow("right") << QPoint(388, 150) << 3 << QPoint(600, 250) << QRect(100, 100, 510, 300);
        QTest::newRow("right stops at the minimum") << QPoint(388, 150) << 3 << QPoint(250, 250) << QRect(100, 100, 300, 300);
        QTest::newRow("bottom") << QPoint(200, 288) << 4 << QPoint(300, 450) << QRect(100, 100, 400, 360);
        QTest::newRow("bottom stops at the minimum") << QPoint(200, 288) << 4 << QPoint(300, 150) << QRect(100, 100, 400, 200);
        QTest::newRow("top-left both") << QPoint(12, 12) << 5 << QPoint(80, 70) << QRect(70, 60, 430, 340);
        QTest::newRow("top-left width only") << QPoint(12, 12) << 5 << QPoint(80, 380) << QRect(70, 100, 430, 300);
        QTest::newRow("top-left height only") << QPoint(12, 12) << 5 << QPoint(450, 70) << QRect(100, 60, 400, 340);
        QTest::newRow("top-left neither") << QPoint(12, 12) << 5 << QPoint(450, 380) << QRect(100, 100, 400, 300);
        QTest::newRow("top-right") << QPoint(385, 12) << 6 << QPoint(560, 60) << QRect(100, 50, 470, 350);
        QTest::newRow("top-right height refused") << QPoint(385, 12) << 6 << QPoint(560, 380) << QRect(100, 100, 470, 300);
        QTest::newRow("bottom-right") << QPoint(385, 285) << 7 << QPoint(600, 500) << QRect(100, 100, 510, 410);
        QTest::newRow("bottom-left") << QPoint(12, 288) << 8 << QPoint(60, 450) << QRect(50, 100, 450, 360);
        QTest::newRow("bottom-left width refused") << QPoint(12, 288) << 8 << QPoint(300, 450) << QRect(100, 100, 400, 360);
    }

    void resizeDrags()
    {
        QFETCH(QPoint, press);
        QFETCH(int, zone);
        QFETCH(QPoint, to);
        QFETCH(QRect, expected);

        Window window;
        window.setMinimumSize(300, 200);
        window.setGeometry(100, 100, 400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.geometry(), QRect(100, 100, 400, 300));

        pressAt(&window, press);
        QVERIFY(window.isResizing());
        QVERIFY(!window.isDragging());
        QCOMPARE(int(window.zone()), zone);
        moveTo(&window, to);
        QTRY_COMPARE(window.geometry(), expected);
        releaseAt(&window, to);
        QVERIFY(!window.isResizing());
    }

    // A press in the shadow band at a corner resizes; it used to start a
    // move that could push the title bar off the screen.
    void cornerShadowResizes()
    {
        Window window;
        window.setMinimumSize(300, 200);
        window.setGeometry(100, 100, 400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        pressAt(&window, QPoint(398, 298));
        QVERIFY(window.isResizing());
        QVERIFY(!window.isDragging());
        QCOMPARE(window.zone(), ResizeZone::BottomRight);
        moveTo(&window, QPoint(560, 460));
        QTRY_COMPARE(window.geometry().size(), QSize(470, 370));
        QCOMPARE(window.geometry().topLeft(), QPoint(100, 100));
        releaseAt(&window, QPoint(560, 460));
        QVERIFY(!window.isResizing());
    }

    // Neither a move nor a resize of the top edge takes the title bar above
    // the work area, where it could not be grabbed again.
    void titleBarStaysOnTheWorkArea()
    {
        Window window;
        window.setMinimumSize(300, 200);
        window.setGeometry(100, 100, 400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect area = available();

        QVERIFY(window.moveIfOnScreen(QPoint(150, area.top() - 60)));
        QCOMPARE(window.geometry().topLeft(), QPoint(150, area.top()));

        // A move drag that goes above the top.
        window.move(100, area.top() + 100);
        QTRY_COMPARE(window.geometry().topLeft(), QPoint(100, area.top() + 100));
        pressAt(&window, QPoint(200, 150));
        QVERIFY(window.isDragging());
        moveTo(&window, window.mapToGlobal(QPoint(200, 150)) - QPoint(0, 400));
        QTRY_COMPARE(window.geometry().top(), area.top());
        releaseAt(&window, window.mapToGlobal(QPoint(200, 150)));

        // Whoever moves the window there.
        window.move(100, area.top() - 30);
        QTRY_COMPARE(window.geometry().top(), area.top());

        // The top edge dragged above the work area stays where it is.
        window.setGeometry(100, area.top() + 50, 400, 300);
        pressAt(&window, QPoint(200, 5));
        QCOMPARE(window.zone(), ResizeZone::Top);
        moveTo(&window, QPoint(300, area.top() - 40));
        QCOMPARE(window.geometry(), QRect(100, area.top() + 50, 400, 300));
        releaseAt(&window, QPoint(300, area.top() - 40));
    }

    void leftEdgeKeepsRightEdge()
    {
        Window window;
        window.setMinimumSize(300, 200);
        window.setGeometry(100, 100, 400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        pressAt(&window, QPoint(12, 150));
        // Drag the left edge to the right step by step, past the minimum.
        for (int x = 120; x <= 260; x += 20) {
            moveTo(&window, QPoint(x, 250));
            QCOMPARE(window.geometry().right(), 499);
            QVERIFY(window.width() > 300);
        }
        // The last step that kept the width above the minimum was x = 200.
        QCOMPARE(window.geometry(), QRect(190, 100, 310, 300));
        releaseAt(&window, QPoint(260, 250));
    }

    void maximiseAndRestore()
    {
        Window window;
        window.setGeometry(50, 60, 400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        window.setMaximized(true);
        QVERIFY(window.maximized());
        QTRY_COMPARE(window.geometry(), available());
        QCOMPARE(window.normalGeometry(), QRect(50, 60, 400, 300));
        QVERIFY(!window.isHoverTracking());
        QCOMPARE(window.changes, QList<bool>{true});

        // No drags of either kind while maximised.
        pressAt(&window, QPoint(12, 300));
        QVERIFY(!window.isResizing());
        QVERIFY(!window.isDragging());
        releaseAt(&window, QPoint(12, 300));

        window.setMaximized(false);
        QVERIFY(!window.maximized());
        QTRY_COMPARE(window.geometry(), QRect(50, 60, 400, 300));
        QVERIFY(window.isHoverTracking());
        QCOMPARE(window.changes, (QList<bool>{true, false}));

        // The resize cursors are back.
        QCursor::setPos(window.mapToGlobal(QPoint(200, 12)));
        QTRY_COMPARE(window.cursor().shape(), Qt::SizeVerCursor);
    }

    void normalGeometryForSaving()
    {
        Window window;
        window.setGeometry(70, 80, 420, 320);
        QCOMPARE(window.normalGeometry(), QRect(70, 80, 420, 320));
        window.setMaximized(true);
        QCOMPARE(window.normalGeometry(), QRect(70, 80, 420, 320));
        window.setNormalGeometry(QRect(10, 20, 500, 400));
        QCOMPARE(window.normalGeometry(), QRect(10, 20, 500, 400));
        window.setMaximized(false);
        QCOMPARE(window.geometry(), QRect(10, 20, 500, 400));
        // Moved after the restore, the window saves where it is now.
        window.move(30, 40);
        QCOMPARE(window.normalGeometry(), QRect(30, 40, 500, 400));
    }

    void closeLock()
    {
        Window window;
        Titlebar titlebar(&window);
        titlebar.setMaximizeVisible(true);
        window.setTitlebar(&titlebar);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        window.setCloseLocked(true);
        QVERIFY(window.isCloseLocked());
        QVERIFY(!titlebar.closeButton()->isEnabled());
        QVERIFY(titlebar.minButton()->isEnabled());
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        QCOMPARE(window.closeEvents, 0); // refused before the window's own handler

        window.setCloseLocked(false);
        QVERIFY(titlebar.closeButton()->isEnabled());

        window.setControlsLocked(true);
        QVERIFY(window.isCloseLocked());
        for (QAbstractButton *button : std::initializer_list<QAbstractButton *>{
                 titlebar.closeButton(), titlebar.minButton(), titlebar.maxButton(), titlebar.restoreButton(),
                 titlebar.menuButton()})
            QVERIFY(!button->isEnabled());
        QVERIFY(!window.close());
        window.setControlsLocked(false);
        QVERIFY(!window.isCloseLocked());
        QVERIFY(titlebar.minButton()->isEnabled());
        QVERIFY(titlebar.closeButton()->isEnabled());

        QVERIFY(window.close());
        QCOMPARE(window.closeEvents, 1);
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(TestCustomWindow)
#include "tst_customwindow.moc"
