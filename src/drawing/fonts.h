#pragma once

#include <QFont>
#include <cmath>

// Arial (Liberation Sans stands in on Linux) at a point size, as whole pixels at 96 dpi.
inline int PointsToPixels(double points) { return int(std::lround(points * 96.0 / 72.0)); }

inline QFont ArialFont(double points, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(PointsToPixels(points));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
