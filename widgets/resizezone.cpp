#include "resizezone.h"

#include <QPoint>
#include <QSize>

namespace {

bool within(int low, int value, int high)
{
    return low <= value && value <= high;
}

} // namespace

ResizeZone::Zone ResizeZone::at(const QPoint &pos, const QSize &size, int margin)
{
    const int m = margin;
    const int a = m + 5;
    const int b = m + 11;
    const int x = pos.x();
    const int y = pos.y();
    const int w = size.width();
    const int h = size.height();

    if (within(b, x, w - b) && within(m - 2, y, m + 3))
        return Top;
    if (within(b, x, w - b) && within(h - a, y, h - m - 2))
        return Bottom;
    if (within(w - a - 10, x, w + m) && within(h - a - 10, y, h - m))
        return BottomRight;
    if (within(w - b, x, w + m) && within(m - 1, y, b))
        return TopRight;
    if (within(m, x, a) && b < y && y < h - b)
        return Left;
    if (within(w - a, x, w - m) && b < y && y < h - b)
        return Right;
    if (within(m - 1, x, b) && within(m - 1, y, b))
        return TopLeft;
    if (within(m - 1, x, b) && within(h - b, y, h + b))
        return BottomLeft;
    return None;
}

Qt::CursorShape ResizeZone::cursor(Zone zone)
{
    switch (zone) {
    case Top:
    case Bottom:
        return Qt::SizeVerCursor;
    case Left:
    case Right:
        return Qt::SizeHorCursor;
    case TopLeft:
    case BottomRight:
        return Qt::SizeFDiagCursor;
    case TopRight:
    case BottomLeft:
        return Qt::SizeBDiagCursor;
    case None:
        break;
    }
    return Qt::ArrowCursor;
}
