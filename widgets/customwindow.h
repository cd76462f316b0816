#ifndef CUSTOMWINDOW_H
#define CUSTOMWINDOW_H

#include "resizezone.h"

#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <QRect>

class Titlebar;

// A frameless main window. It paints its own drop shadow in a transparent
// band round the visible window, shows resize cursors over its edges and
// corners, and moves and resizes itself from the mouse. Maximising fills the
// work area of the screen; restoring returns to the exact rectangle the
// window had before.
//
// The window can be locked against closing (while an overlay or a review is
// up): close requests are then refused and the registered title bar's close
// button is disabled.
class CustomWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit CustomWindow(QWidget *parent = nullptr);
    ~CustomWindow() override;

    int shadowMargin() const { return m_shadowMargin; }

    bool maximized() const { return m_maximized; }
    void setMaximized(bool maximize);

    // The rectangle to save and to restore to: the geometry before the
    // window was maximised while it is maximised, else its current geometry.
    // setNormalGeometry() sets the rectangle the next restore returns to.
    QRect normalGeometry() const;
    void setNormalGeometry(const QRect &rect);

    // True when no screen's work area shows more than 2 × shadowMargin
    // pixels of the rectangle in both directions.
    bool isOffScreen(const QRect &rect) const;
    // Moves the window's top-left corner to topLeft unless that would put
    // it off screen; a target above the work area is brought down to its
    // top, so the title bar stays reachable. Returns whether it moved.
    bool moveIfOnScreen(const QPoint &topLeft);

    // The title bar whose buttons follow the locks. The window does not
    // place or own it.
    void setTitlebar(Titlebar *titlebar);
    Titlebar *titlebar() const { return m_titlebar; }

    // Close lock: close requests are refused and the title bar's close
    // button is disabled while locked.
    void setCloseLocked(bool locked);
    bool isCloseLocked() const { return m_closeLocked; }
    // Close lock plus every title-bar button disabled (overlays, reviews,
    // the first-run tutorial).
    void setControlsLocked(bool locked);
    bool areControlsLocked() const { return m_controlsLocked; }

    ResizeZone::Zone zone() const { return m_zone; }
    bool isOnEdge() const { return m_onEdge; }
    bool isResizing() const { return m_resizing; }
    bool isDragging() const { return m_dragging; }
    bool isHoverTracking() const { return m_hoverTimer != 0; }

protected:
    // Called at the end of every maximise or restore with the new state.
    virtual void maximizedChanged(bool maximized);

    bool event(QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    // The top of the work area of the screen that holds rect.
    int workAreaTop(const QRect &rect) const;
    void updateZone(const QPoint &pos, bool setShape);
    void resizeByZone(const QPoint &pos, const QPoint &global);
    void applyTitlebarLocks();

    int m_shadowMargin = 10;
    bool m_maximized = false;
    QRect m_normalGeometry;
    bool m_resizing = false;
    bool m_onEdge = false;
    int m_hoverTimer = 0;
    ResizeZone::Zone m_zone = ResizeZone::None;
    bool m_dragging = false;
    QPoint m_pressPos;

    QPointer<Titlebar> m_titlebar;
    bool m_closeLocked = false;
    bool m_controlsLocked = false;
};

#endif
