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
    // The band runs from the window's real edge through the shadow to a few
    // pixels inside the visible frame; a corner is where the bands meet, up
    // to a short way along each edge, and the bottom-right corner reaches
    // further so that it is easy to grab.
    const int band = margin + 4;
    const int corner = margin + 16;
    const int x = pos.x();
    const int y = pos.y();
    const int w = size.width();
    const int h = size.height();
    if (x < 0 || y < 0 || x > w || y > h)
        return None;
    const bool left = x <= band;
    const bool right = x >= w - band;
    const bool top = y <= band;
    const bool bottom = y >= h - band;

    if (within(w - corner - 10, x, w) && within(h - corner - 10, y, h)
        && (x >= w - band - 6 || y >= h - band - 6))
        return BottomRight;
    if (x <= corner && y <= corner && (left || top))
        return TopLeft;
    if (x >= w - corner && y <= corner && (right || top))
        return TopRight;
    if (x <= corner && y >= h - corner && (left || bottom))
        return BottomLeft;
    if (top)
        return Top;
    if (bottom)
        return Bottom;
    if (left)
        return Left;
    if (right)
        return Right;
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

Qt::Edges ResizeZone::edges(Zone zone)
{
    switch (zone) {
    case Left:
        return Qt::LeftEdge;
    case Top:
        return Qt::TopEdge;
    case Right:
        return Qt::RightEdge;
    case Bottom:
        return Qt::BottomEdge;
    case TopLeft:
        return Qt::TopEdge | Qt::LeftEdge;
    case TopRight:
        return Qt::TopEdge | Qt::RightEdge;
    case BottomRight:
        return Qt::BottomEdge | Qt::RightEdge;
    case BottomLeft:
        return Qt::BottomEdge | Qt::LeftEdge;
    case None:
        break;
    }
    return {};
}
