#include "iconbutton.h"

#include "themecolours.h"

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
    // Reached with Tab (a click leaves the focus where it was); Space presses it.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::ArrowCursor);
    setIconSize(QSize(16, 16));
    // The greys (and the shades under the mouse) for the palette in use.
    for (QColor *colour : {&m_glyphColor, &m_hoverBackground, &m_hoverGlyph, &m_pressedBackground})
        *colour = ThemeColours::tone(*colour);
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

    // The keyboard focus: a ring two pixels wide, as on the other buttons.
    if (hasFocus()) {
        painter.setPen(QPen(ThemeColours::tone(QColor(0x0a, 0x3d, 0x7a)), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

bool IconButton::event(QEvent *event)
{
    // The button shows no text: without a name of its own, a screen reader
    // says its tool tip.
    if (event->type() == QEvent::ToolTipChange && (accessibleName().isEmpty() || m_nameFromToolTip)) {
        setAccessibleName(toolTip());
        m_nameFromToolTip = true;
    }
    return QAbstractButton::event(event);
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
