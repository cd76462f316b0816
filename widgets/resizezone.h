#ifndef RESIZEZONE_H
#define RESIZEZONE_H

#include <Qt>

class QPoint;
class QSize;

// Which edge or corner of a frameless window a point lies on. The zones are
// measured from the transparent shadow band round the visible window.
class ResizeZone
{
public:
    enum Zone {
        None = 0,
        Left = 1,
        Top = 2,
        Right = 3,
        Bottom = 4,
        TopLeft = 5,
        TopRight = 6,
        BottomRight = 7,
        BottomLeft = 8
    };

    // pos is in window coordinates, size the window's size, margin the
    // width of the shadow band. Each band reaches from the window's real
    // edge to 4 pixels inside the visible frame; corners take precedence
    // over edges, and the bottom-right corner is larger than the others.
    static Zone at(const QPoint &pos, const QSize &size, int margin);
    static Qt::CursorShape cursor(Zone zone);
    // The window edges a zone moves (for the window system's own resize).
    static Qt::Edges edges(Zone zone);
};

#endif
