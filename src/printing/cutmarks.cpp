#include "printing/cutmarks.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
// The distinct values of `values`, sorted; values closer than 0.05 mm are one.
std::vector<double> distinct(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    std::vector<double> out;
    for (double v : values)
        if (out.empty() || v - out.back() > 0.05)
            out.push_back(v);
    return out;
}

// The stretch of a margin from `from` (the items' box) to `to` (the area's edge), moving
// away from the items by the gap; nothing when the margin has no room for a mark.
bool markStretch(double from, double to, double &start, double &end)
{
    const double room = std::abs(to - from);
    if (room < 0.6)
        return false;
    const double gap = qMin(CutMarkGapMm, room / 3);
    const double direction = to > from ? 1 : -1;
    start = from + direction * gap;
    end = to;
    return true;
}
}

std::vector<QLineF> CutMarkLines(const std::vector<QRectF> &items, const QRectF &area)
{
    std::vector<QLineF> lines;
    if (items.empty())
        return lines;
    QRectF box;
    std::vector<double> xs, ys;
    for (const QRectF &item : items) {
        box |= item;
        xs.push_back(item.left());
        xs.push_back(item.right());
        ys.push_back(item.top());
        ys.push_back(item.bottom());
    }
    double a, b;
    for (double x : distinct(xs)) {
        if (x < area.left() || x > area.right())
            continue;
        if (markStretch(box.top(), area.top(), a, b))
            lines.emplace_back(x, a, x, b);
        if (markStretch(box.bottom(), area.bottom(), a, b))
            lines.emplace_back(x, a, x, b);
    }
    for (double y : distinct(ys)) {
        if (y < area.top() || y > area.bottom())
            continue;
        if (markStretch(box.left(), area.left(), a, b))
            lines.emplace_back(a, y, b, y);
        if (markStretch(box.right(), area.right(), a, b))
            lines.emplace_back(a, y, b, y);
    }
    return lines;
}

void DrawCutMarks(QPainter &painter, const std::vector<QLineF> &lines)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(CutMarkColour(), CutMarkWidthMm, Qt::SolidLine, Qt::FlatCap));
    for (const QLineF &line : lines)
        painter.drawLine(line);
    painter.restore();
}
