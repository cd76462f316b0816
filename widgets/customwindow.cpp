#include "customwindow.h"

#include "shadowpainter.h"
#include "titlebar.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimerEvent>
#include <QWindow>

CustomWindow::CustomWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowFlags(windowFlags() | Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    m_hoverTimer = startTimer(1);
}

CustomWindow::~CustomWindow() = default;

void CustomWindow::setMaximized(bool maximize)
{
    m_maximized = maximize;
    if (maximize) {
        m_normalGeometry = geometry();
        // The work area of the screen the window is on.
        QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        if (screen)
            setGeometry(screen->availableGeometry());
        if (m_hoverTimer) {
            killTimer(m_hoverTimer);
            m_hoverTimer = 0;
        }
        // Leave no resize state behind: a maximised window does not resize.
        m_onEdge = false;
        m_resizing = false;
        m_dragging = false;
        m_zone = ResizeZone::None;
        setCursor(Qt::ArrowCursor);
    } else {
        if (m_normalGeometry.isValid())
            setGeometry(m_normalGeometry);
        if (!m_hoverTimer)
            m_hoverTimer = startTimer(1);
    }
    update();
    maximizedChanged(maximize);
}

QRect CustomWindow::normalGeometry() const
{
    // Once restored the window may have moved; only a maximised window
    // keeps its normal rectangle aside.
    return m_maximized ? m_normalGeometry : geometry();
}

void CustomWindow::setNormalGeometry(const QRect &rect)
{
    m_normalGeometry = rect;
}

bool CustomWindow::isOffScreen(const QRect &rect) const
{
    // Every attached screen counts, so a window may live on any monitor.
    const int limit = 2 * m_shadowMargin;
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (QScreen *screen : screens) {
        const QRect seen = rect.intersected(screen->availableGeometry());
        if (!seen.isEmpty() && seen.width() > limit && seen.height() > limit)
            return false;
    }
    return true;
}

int CustomWindow::workAreaTop(const QRect &rect) const
{
    QScreen *screen = QGuiApplication::screenAt(rect.center());
    if (!screen)
        screen = QGuiApplication::screenAt(QPoint(rect.center().x(), rect.top()));
    if (!screen)
        screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().top() : 0;
}

bool CustomWindow::moveIfOnScreen(const QPoint &topLeft)
{
    QRect target(topLeft, geometry().size());
    // The title bar stays reachable: never above the top of the work area.
    const int top = workAreaTop(target);
    if (target.top() < top)
        target.moveTop(top);
    if (isOffScreen(target))
        return false;
    move(target.topLeft());
    return true;
}

void CustomWindow::setTitlebar(Titlebar *titlebar)
{
    m_titlebar = titlebar;
    applyTitlebarLocks();
}

void CustomWindow::setCloseLocked(bool locked)
{
    m_closeLocked = locked;
    applyTitlebarLocks();
}

void CustomWindow::setControlsLocked(bool locked)
{
    m_controlsLocked = locked;
    m_closeLocked = locked;
    applyTitlebarLocks();
}

void CustomWindow::applyTitlebarLocks()
{
    if (!m_titlebar)
        return;
    m_titlebar->setButtonsEnabled(!m_controlsLocked);
    m_titlebar->setCloseEnabled(!m_closeLocked && !m_controlsLocked);
}

void CustomWindow::maximizedChanged(bool)
{
}

bool CustomWindow::event(QEvent *event)
{
    // The lock is checked before any closeEvent() of a derived window runs.
    if (event->type() == QEvent::Close && m_closeLocked) {
        event->ignore();
        return true;
    }
    return QMainWindow::event(event);
}

void CustomWindow::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_hoverTimer) {
        QMainWindow::timerEvent(event);
        return;
    }
    if (m_maximized)
        return;
    const QPoint pos = mapFromGlobal(QCursor::pos());
    if (pos.x() >= 0 && pos.x() <= width() && pos.y() >= 0 && pos.y() <= height())
        updateZone(pos, true);
}

void CustomWindow::updateZone(const QPoint &pos, bool setShape)
{
    const ResizeZone::Zone zone = ResizeZone::at(pos, size(), m_shadowMargin);
    m_onEdge = zone != ResizeZone::None;
    if (m_resizing)
        return;
    if (setShape) {
        const Qt::CursorShape shape = ResizeZone::cursor(zone);
        if (zone != m_zone || cursor().shape() != shape)
            setCursor(shape);
    }
    m_zone = zone;
}

void CustomWindow::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    // The press position is authoritative; the hover timer may lag behind.
    if (!m_maximized)
        updateZone(pos, true);
    if (m_onEdge && !m_maximized && event->button() == Qt::LeftButton) {
        event->accept();
        // The window system resizes where it can (X11 window managers,
        // Wayland); otherwise the window follows the mouse itself.
        if (windowHandle() && windowHandle()->startSystemResize(ResizeZone::edges(m_zone)))
            return;
        m_resizing = true;
        return;
    }
    if (!m_maximized && event->button() == Qt::LeftButton
        && !qobject_cast<QLabel *>(childAt(pos))) {
        event->accept();
        if (windowHandle() && windowHandle()->startSystemMove())
            return;
        m_dragging = true;
        m_pressPos = pos;
        return;
    }
    QMainWindow::mousePressEvent(event);
}

void CustomWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (m_resizing) {
        resizeByZone(event->position().toPoint(), event->globalPosition().toPoint());
        return;
    }
    if (m_dragging) {
        moveIfOnScreen(event->globalPosition().toPoint() - m_pressPos);
        return;
    }
    QMainWindow::mouseMoveEvent(event);
}

void CustomWindow::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    if (m_resizing) {
        m_resizing = false;
        event->accept();
        return;
    }
    QMainWindow::mouseReleaseEvent(event);
}

void CustomWindow::resizeByZone(const QPoint &p, const QPoint &g)
{
    const int m = m_shadowMargin;
    const QRect current = geometry();
    const int w = current.width();
    const int h = current.height();
    const int newWidth = w + m - p.x();
    const int newHeight = h + m - p.y();
    const bool widthAllowed = newWidth > minimumWidth();
    // The top edge never goes above the work area, where the title bar
    // could not be reached any more.
    const bool heightAllowed = newHeight > minimumHeight() && g.y() - m >= workAreaTop(current);

    switch (m_zone) {
    case ResizeZone::Left:
        if (widthAllowed)
            setGeometry(g.x() - m, current.y(), newWidth, h);
        break;
    case ResizeZone::Top:
        if (heightAllowed)
            setGeometry(current.x(), g.y() - m, w, newHeight);
        break;
    case ResizeZone::Right:
        resize(p.x() + m, h);
        break;
    case ResizeZone::Bottom:
        resize(w, p.y() + m);
        break;
    case ResizeZone::TopLeft:
        if (widthAllowed && heightAllowed)
            setGeometry(g.x() - m, g.y() - m, newWidth, newHeight);
        else if (widthAllowed)
            setGeometry(g.x() - m, current.y(), newWidth, h);
        else if (heightAllowed)
            setGeometry(current.x(), g.y() - m, w, newHeight);
        break;
    case ResizeZone::TopRight:
        if (!heightAllowed)
            resize(p.x() + m, h);
        else
            setGeometry(current.x(), g.y() - m, p.x() + m, newHeight);
        break;
    case ResizeZone::BottomRight:
        resize(p.x() + m, p.y() + m);
        break;
    case ResizeZone::BottomLeft:
        if (widthAllowed)
            setGeometry(g.x() - m, current.y(), newWidth, p.y() + m);
        else
            resize(w, p.y() + m);
        break;
    case ResizeZone::None:
        break;
    }
}

void CustomWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    // Whoever moved the window (the window system's own move included), the
    // title bar stays on the work area.
    if (m_maximized || !isVisible())
        return;
    const int top = workAreaTop(geometry());
    if (y() < top)
        move(x(), top);
}

void CustomWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_maximized) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    const QRect body = rect().adjusted(m_shadowMargin, m_shadowMargin, -m_shadowMargin, -m_shadowMargin);
    ShadowPainter::paint(&painter, body, m_shadowMargin);
    painter.fillRect(body, palette().window());
}
