#ifndef GLYPHPAINTER_H
#define GLYPHPAINTER_H

#include <QColor>
#include <QPixmap>
#include <QRectF>
#include <QSize>

class QPainter;

// Draws the kit's small line icons (title-bar buttons, program mark, spinner)
// with QPainter, so they stay sharp at any size and need no image files.
class GlyphPainter
{
public:
    enum Glyph {
        None,
        Close,
        Minimize,
        Maximize,
        Restore,
        Menu,
        Share,
        Logo,
        Spinner
    };

    static void paint(QPainter *painter, Glyph glyph, const QRectF &rect, const QColor &color);
    static QPixmap pixmap(Glyph glyph, const QSize &size, const QColor &color,
                          qreal devicePixelRatio = 1.0);
};

#endif
