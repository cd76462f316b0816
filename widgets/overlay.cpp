#include "overlay.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

Overlay::Overlay(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_NoMousePropagation);
    setFocusPolicy(Qt::StrongFocus);
    if (parent)
        watch(parent);
    hide();
}

void Overlay::setCoveredWidget(QWidget *widget)
{
    if (m_covered && m_covered != parentWidget())
        m_covered->removeEventFilter(this);
    m_covered = widget;
    if (widget && widget != parentWidget())
        watch(widget);
    follow();
}

QWidget *Overlay::coveredWidget() const
{
    return m_covered ? m_covered.data() : parentWidget();
}

void Overlay::setDimColor(const QColor &color)
{
    m_dim = color;
    update();
}

void Overlay::watch(QWidget *widget)
{
    widget->installEventFilter(this);
}

void Overlay::follow()
{
    QWidget *parent = parentWidget();
    if (!parent)
        return;
    QWidget *target = coveredWidget();
    QRect area;
    if (target == parent)
        area = parent->rect();
    else if (target->parentWidget() == parent)
        area = target->geometry();
    else if (parent->isAncestorOf(target))
        area = QRect(target->mapTo(parent, QPoint(0, 0)), target->size());
    else
        area = QRect(parent->mapFromGlobal(target->mapToGlobal(QPoint(0, 0))), target->size());
    setGeometry(area);
    raise();
}

void Overlay::letGo()
{
    m_lettingGo = true;
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
    setFocusPolicy(Qt::NoFocus);
    returnFocus();
}

void Overlay::returnFocus()
{
    QWidget *focus = QApplication::focusWidget();
    const bool hasFocus = !focus || focus == this || isAncestorOf(focus);
    if (hasFocus && m_focusBefore && m_focusBefore->isVisible())
        m_focusBefore->setFocus(Qt::OtherFocusReason);
    m_focusBefore = nullptr;
}

bool Overlay::eventFilter(QObject *watched, QEvent *event)
{
    // A cover on its way out stays where it is, below whatever is shown
    // meanwhile.
    if (m_lettingGo)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::Show:
    case QEvent::LayoutRequest:
        if (watched == parentWidget() || watched == m_covered)
            follow();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void Overlay::showEvent(QShowEvent *event)
{
    m_lettingGo = false;
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    setFocusPolicy(Qt::StrongFocus);
    follow();
    QWidget::showEvent(event);
    QWidget *focus = QApplication::focusWidget();
    if (focus && focus->window() == window() && focus != this && !isAncestorOf(focus)) {
        m_focusBefore = focus;
        setFocus(Qt::OtherFocusReason);
    }
}

void Overlay::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    returnFocus();
}

bool Overlay::focusNextPrevChild(bool next)
{
    // Tab moves between the overlay's own buttons, never to what it covers.
    const bool moved = QWidget::focusNextPrevChild(next);
    QWidget *focus = QApplication::focusWidget();
    if (!focus || (focus != this && !isAncestorOf(focus)))
        setFocus(Qt::TabFocusReason);
    return moved;
}

void Overlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_dim);
}

void Overlay::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void Overlay::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void Overlay::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void Overlay::wheelEvent(QWheelEvent *event)
{
    event->accept();
}
