#include "glyphpainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

// The glyphs are drawn in a centred square so that they keep their shape in
// buttons that are wider than tall.
QRectF centredSquare(const QRectF &rect, qreal scale)
{
    const qreal side = qMin(rect.width(), rect.height()) * scale;
    QRectF square(0, 0, side, side);
    square.moveCenter(rect.center());
    return square;
}

} // namespace

void GlyphPainter::paint(QPainter *painter, Glyph glyph, const QRectF &rect, const QColor &color)
{
    if (!painter || glyph == None || rect.isEmpty())
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    const QRectF r = centredSquare(rect, glyph == Logo || glyph == Spinner ? 1.0 : 0.5);
    const qreal line = qMax<qreal>(1.0, r.width() / 10.0);
    QPen pen(color, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);

    switch (glyph) {
    case Close:
        painter->drawLine(r.topLeft(), r.bottomRight());
        painter->drawLine(r.topRight(), r.bottomLeft());
        break;
    case Minimize:
        painter->drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
        break;
    case Maximize:
        painter->drawRect(r.adjusted(line / 2, line / 2, -line / 2, -line / 2));
        break;
    case Restore: {
        const qreal shift = r.width() * 0.25;
        const QRectF front = r.adjusted(0, shift, -shift, 0);
        painter->drawRect(front);
        QPainterPath back;
        back.moveTo(r.left() + shift, r.top() + shift);
        back.lineTo(r.left() + shift, r.top());
        back.lineTo(r.right(), r.top());
        back.lineTo(r.right(), r.bottom() - shift);
        back.lineTo(front.right(), r.bottom() - shift);
        painter->drawPath(back);
        break;
    }
    case Menu:
        for (int i = 0; i < 3; ++i) {
            const qreal y = r.top() + r.height() * (0.15 + 0.35 * i);
            painter->drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
        }
        break;
    case Share: {
        const QPointF tip(r.right(), r.top() + r.height() * 0.35);
        painter->drawLine(QPointF(r.left(), r.bottom()),
                          QPointF(r.left(), r.top() + r.height() * 0.55));
        QPainterPath arc;
        arc.moveTo(r.left(), r.top() + r.height() * 0.75);
        arc.quadTo(QPointF(r.left(), tip.y()), tip);
        painter->drawPath(arc);
        painter->drawLine(tip, tip + QPointF(-r.width() * 0.3, -r.height() * 0.3));
        painter->drawLine(tip, tip + QPointF(-r.width() * 0.3, r.height() * 0.3));
        break;
    }
    case Logo: {
        // A rounded square with a quill-like "Q".
        painter->setPen(Qt::NoPen);
        painter->setBrush(color);
        painter->drawRoundedRect(r, r.width() * 0.22, r.height() * 0.22);
        QPen white(Qt::white, qMax<qreal>(1.0, r.width() / 8.0), Qt::SolidLine, Qt::RoundCap);
        painter->setPen(white);
        painter->setBrush(Qt::NoBrush);
        const QRectF ring = r.adjusted(r.width() * 0.24, r.height() * 0.22,
                                       -r.width() * 0.24, -r.height() * 0.26);
        painter->drawEllipse(ring);
        painter->drawLine(QPointF(ring.center().x() + ring.width() * 0.1,
                                  ring.center().y() + ring.height() * 0.2),
                          QPointF(r.right() - r.width() * 0.18, r.bottom() - r.height() * 0.14));
        break;
    }
    case Spinner: {
        // Twelve spokes, fading round the circle; rotated by the caller.
        const QPointF c = r.center();
        const qreal outer = r.width() / 2.0 - line;
        const qreal inner = outer * 0.5;
        QPen spoke(color, qMax<qreal>(1.5, r.width() / 14.0), Qt::SolidLine, Qt::RoundCap);
        for (int i = 0; i < 12; ++i) {
            QColor shade = color;
            shade.setAlphaF(color.alphaF() * (0.15 + 0.85 * (i + 1) / 12.0));
            spoke.setColor(shade);
            painter->setPen(spoke);
            const qreal angle = qDegreesToRadians(30.0 * i);
            const QPointF dir(qSin(angle), -qCos(angle));
            painter->drawLine(c + dir * inner, c + dir * outer);
        }
        break;
    }
    case None:
        break;
    }
    painter->restore();
}

QPixmap GlyphPainter::pixmap(Glyph glyph, const QSize &size, const QColor &color,
                             qreal devicePixelRatio)
{
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QPixmap pix(size * ratio);
    pix.setDevicePixelRatio(ratio);
    pix.fill(Qt::transparent);
    QPainter painter(&pix);
    paint(&painter, glyph, QRectF(QPointF(0, 0), QSizeF(size)), color);
    return pix;
}
