#pragma once
// Outlines and rules filled as whole pixels: on a picture at screen size they cover exactly
// the pixels a one-pixel pen would, and drawn larger (a page at printer resolution) they keep
// their place and their width instead of straddling the pixel edge.

#include <QColor>
#include <QPainter>

// The outline (x1, y1)-(x2, y2), both corners included, one pixel wide.
inline void FillOutline(QPainter &p, int x1, int y1, int x2, int y2, const QColor &colour)
{
    p.fillRect(x1, y1, x2 - x1 + 1, 1, colour);
    p.fillRect(x1, y2, x2 - x1 + 1, 1, colour);
    p.fillRect(x1, y1, 1, y2 - y1 + 1, colour);
    p.fillRect(x2, y1, 1, y2 - y1 + 1, colour);
}
