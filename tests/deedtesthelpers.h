#pragma once
// Pixel probes shared by the deed tests.

#include <QColor>
#include <QImage>
#include <QRect>

// Number of pixels in `rect` whose colour is exactly `colour`.
inline int pixelsOf(const QImage &image, const QRect &rect, const QColor &colour)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                ++count;
    return count;
}

// True when some pixel of `rect` differs from `background`.
inline bool inkIn(const QImage &image, const QRect &rect, const QColor &background)
{
    const int all = rect.width() * rect.height();
    return pixelsOf(image, rect, background) != all;
}

// The leftmost and rightmost column in `rect` holding a pixel other than `background`;
// (-1, -1) when there is none.
inline QPair<int, int> inkColumns(const QImage &image, const QRect &rect, const QColor &background)
{
    int left = -1, right = -1;
    for (int x = rect.left(); x <= rect.right(); ++x)
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            if (image.pixelColor(x, y) != background) {
                if (left < 0)
                    left = x;
                right = x;
                break;
            }
    return {left, right};
}
