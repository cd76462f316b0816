#ifndef ICONBUTTON_H
#define ICONBUTTON_H

#include "glyphpainter.h"

#include <QAbstractButton>
#include <QColor>

// A flat button that shows one icon (a kit glyph or any QIcon) and lights up
// its background under the mouse. Used for the title-bar buttons and other
// small tool buttons of the kit.
class IconButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit IconButton(GlyphPainter::Glyph glyph, QWidget *parent = nullptr);
    explicit IconButton(const QIcon &icon, QWidget *parent = nullptr);

    GlyphPainter::Glyph glyph() const { return m_glyph; }
    void setGlyph(GlyphPainter::Glyph glyph);

    void setGlyphColor(const QColor &color);
    void setHoverColors(const QColor &background, const QColor &glyph);
    void setPressedColor(const QColor &background);

    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void init();

    GlyphPainter::Glyph m_glyph = GlyphPainter::None;
    QColor m_glyphColor{0x66, 0x66, 0x66};
    QColor m_hoverBackground{0, 0, 0, 24};
    QColor m_hoverGlyph{0x33, 0x33, 0x33};
    QColor m_pressedBackground{0, 0, 0, 48};
    bool m_hovered = false;
    bool m_nameFromToolTip = false;
};

#endif
