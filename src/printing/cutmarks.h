#pragma once
// Cut marks: thin grey lines on the cut lines of the items of a sheet, outside every item,
// running from the items out into the margin. Never a box round an item: a knife that follows
// a mark from one edge of the sheet to the other cuts along the item's edge.

#include <QColor>
#include <QLineF>
#include <QRectF>
#include <vector>

class QPainter;

constexpr double CutMarkWidthMm = 0.2;
inline QColor CutMarkColour() { return QColor(120, 120, 120); }
// The marks keep this far from the items, less where the margin is narrow.
constexpr double CutMarkGapMm = 1.0;

// The marks for `items` (millimetres of the paper) inside `area`: for every left and right
// edge a line above and below all items, for every top and bottom edge a line left and right of
// them, each from the items' outer box (less the gap) to the edge of `area`. Edges closer than
// 0.05 mm make one mark; a margin too narrow for a mark gets none.
std::vector<QLineF> CutMarkLines(const std::vector<QRectF> &items, const QRectF &area);

// Draws `lines` on a painter in millimetres.
void DrawCutMarks(QPainter &painter, const std::vector<QLineF> &lines);
