#include "iconlineedit.h"

#include "iconbutton.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

IconLineEdit::IconLineEdit(GlyphPainter::Glyph glyph, QWidget *parent)
    : QLineEdit(parent)
{
    m_button = new IconButton(glyph, this);
    m_button->setCursor(Qt::ArrowCursor);
    connect(m_button, &QAbstractButton::clicked, this, &IconLineEdit::signalButtonClicked);
    placeButton();
}

void IconLineEdit::placeButton()
{
    const int side = qMax(16, height() - 4);
    m_button->setGeometry(width() - side - 2, (height() - side) / 2, side, side);
    setTextMargins(0, 0, side + 2, 0);
}

void IconLineEdit::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    placeButton();
}

void IconLineEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // Coming back from a menu or another window is not a new visit.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        m_selectOnClick = true;
}

void IconLineEdit::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    if (m_selectOnClick && event->button() == Qt::LeftButton) {
        m_selectOnClick = false;
        m_selectOnRelease = true;
        selectAll();
    }
}

void IconLineEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    // The line edit may have moved the cursor while the button was down.
    if (m_selectOnRelease) {
        m_selectOnRelease = false;
        selectAll();
    }
}

void IconLineEdit::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_button->isEnabled()) {
        emit signalButtonClicked();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
