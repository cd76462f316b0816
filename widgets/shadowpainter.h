#ifndef SHADOWPAINTER_H
#define SHADOWPAINTER_H

#include <QColor>
#include <QRect>

class QPainter;

// Paints a soft drop shadow in the band of the given width round a body
// rectangle; the band is left transparent elsewhere.
class ShadowPainter
{
public:
    static void paint(QPainter *painter, const QRect &body, int width,
                      const QColor &color = QColor(0, 0, 0, 60));
};

#endif
