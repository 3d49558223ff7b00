#pragma once
// The placement written the plain way: read one template pixel, write one board pixel, by the
// rotation table. The tests compare the fast placement with it; the benchmark races them.

#include <QImage>
#include <QPoint>

inline QPoint ReferenceBoardPixel(int side, QPoint at, int X, int Y)
{
    switch (side) {
    case 1: return at + QPoint(179 - X, 279 - Y);
    case 2: return at + QPoint(Y, 179 - X);
    case 3: return at + QPoint(X, Y);
    default: return at + QPoint(279 - Y, X);
    }
}

inline void PlaceSquarePixelByPixel(QImage &board, const QImage &templ, int side, QPoint at)
{
    for (int Y = 0; Y < 280; ++Y)
        for (int X = 0; X < 180; ++X) {
            const QPoint d = ReferenceBoardPixel(side, at, X, Y);
            if (board.valid(d))
                board.setPixelColor(d, templ.pixelColor(X, Y));
        }
}
