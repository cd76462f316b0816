#include "shadowpainter.h"

#include <QPainter>
#include <QPainterPath>

void ShadowPainter::paint(QPainter *painter, const QRect &body, int width, const QColor &color)
{
    if (!painter || width <= 0 || body.isEmpty())
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setBrush(Qt::NoBrush);
    // One ring per pixel, fading quadratically towards the outside; the
    // shadow sits a little lower than the body, as if lit from above.
    for (int i = 1; i <= width; ++i) {
        const qreal fade = 1.0 - qreal(i) / (width + 1);
        QColor ring = color;
        ring.setAlphaF(color.alphaF() * fade * fade);
        painter->setPen(QPen(ring, 1.0));
        const QRectF r = QRectF(body).adjusted(-i + 0.5, -i + 0.5 + qMin(2, i / 3), i - 0.5, i - 0.5);
        painter->drawRoundedRect(r, i + 1.0, i + 1.0);
    }
    painter->restore();
}
