#include "iconbutton.h"

#include <QEnterEvent>
#include <QIcon>
#include <QPainter>

IconButton::IconButton(GlyphPainter::Glyph glyph, QWidget *parent)
    : QAbstractButton(parent), m_glyph(glyph)
{
    init();
}

IconButton::IconButton(const QIcon &icon, QWidget *parent)
    : QAbstractButton(parent)
{
    setIcon(icon);
    init();
}

void IconButton::init()
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    setIconSize(QSize(16, 16));
}

void IconButton::setGlyph(GlyphPainter::Glyph glyph)
{
    m_glyph = glyph;
    update();
}

void IconButton::setGlyphColor(const QColor &color)
{
    m_glyphColor = color;
    update();
}

void IconButton::setHoverColors(const QColor &background, const QColor &glyph)
{
    m_hoverBackground = background;
    m_hoverGlyph = glyph;
    update();
}

void IconButton::setPressedColor(const QColor &background)
{
    m_pressedBackground = background;
    update();
}

QSize IconButton::sizeHint() const
{
    return QSize(30, 26);
}

void IconButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool active = isEnabled() && (m_hovered || isDown());
    if (isEnabled() && isDown())
        painter.fillRect(rect(), m_pressedBackground);
    else if (active)
        painter.fillRect(rect(), m_hoverBackground);

    QColor color = active ? m_hoverGlyph : m_glyphColor;
    if (!isEnabled())
        color.setAlphaF(color.alphaF() * 0.35);

    if (m_glyph != GlyphPainter::None) {
        GlyphPainter::paint(&painter, m_glyph, rect(), color);
    } else if (!icon().isNull()) {
        const QIcon::Mode mode = !isEnabled() ? QIcon::Disabled
                                              : (active ? QIcon::Active : QIcon::Normal);
        icon().paint(&painter, rect(), Qt::AlignCenter, mode, isChecked() ? QIcon::On : QIcon::Off);
    }
}

void IconButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void IconButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}
