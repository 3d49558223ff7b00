#pragma once
// The board at its true size for putting together: 900 sheet pixels stand for 210 mm, so the
// 2180 board pixels are 508.7 mm. The board is cut into three columns (A, B, C) and two rows
// (1, 2); each sheet carries its part of the board plus a glue strip along its right and lower
// inner edges that repeats the start of the neighbour there, which goes on top of it. The
// layout is fixed in millimetres of the paper and keeps at least 5 mm from every edge of A4,
// so it does not depend on a printer's margins. A guide page comes first.

#include <QImage>
#include <QRect>
#include <QRectF>
#include <QString>
#include <array>

class PrinterPage;
class QPainter;
struct Algemeen;

constexpr double AssemblyPixelsPerMm = 900.0 / 210.0;
constexpr int GlueStripPixels = 39;          // 9.1 mm
constexpr double AssemblyPaperMargin = 5.0;  // mm that every printed mark keeps from the edge
constexpr double AssemblyTileTop = 9.0;      // mm from the paper's top to every tile

struct AssemblyTile {
    QString label;         // "A1" .. "C2": column letter, row number
    int column = 0;        // 0..2
    int row = 0;           // 0..1
    QRect cell;            // board pixels this sheet stands for
    QRect area;            // board pixels printed: the cell and its glue strips
    bool stripRight = false;
    bool stripBelow = false;
    QRectF paper;          // where `area` lies on portrait A4, millimetres from the top left
};

// The six sheets in printing order: A1, B1, C1, A2, B2, C2.
std::array<AssemblyTile, 6> AssemblyTiles();

// The marks of one sheet around its tile: the trim line, the ticks where the neighbour's edge
// goes on a glue strip, the label and the small map. `painter` is in millimetres of the paper.
void PaintAssemblySheetMarks(QPainter &painter, const AssemblyTile &tile);
// The guide page: title, the six tiles in miniature taken from `board`, and three steps.
void PaintAssemblyGuide(QPainter &painter, const QImage &board);
// A preview of `size` pixels: the board with the six tiles outlined in red and the glue strips
// shaded.
QImage AssemblyPreview(const QImage &board, QSize size);
// The texts of a sheet's map line, e.g. "Plakrand rechts gaat onder B1".
QString AssemblySheetText(const AssemblyTile &tile);

// The guide and the six sheets of the board of `state`, each tile drawn sharp where the
// board's drawing is faithful and the page has a sharp resolution.
bool PrintAssembledBoard(PrinterPage &page, const Algemeen &state);
