#pragma once
// The print kit: the print set with card and deed backs, put on the fronts in one of two ways,
// with cut marks, and the proof sheet that checks a printer's scale and duplex alignment.
//
// "Vouwen" (fold-over): each card or deed beside its back on one sheet, a dashed fold line
// between them; folded and glued the item has its back. Our own sheets, inside 5 mm margins.
// "Dubbelzijdig" (duplex): the usual sheets of fronts, each followed by a page of backs placed
// behind their fronts once the sheet is turned over on its long (or short) edge, shifted by
// the printer's own offset.

#include "printing/pdfexport.h"

#include <QPageLayout>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <vector>

struct Algemeen;
class PrinterPage;

enum class BackWay { Fold, Duplex, None };
enum class FlipEdge { Long, Short };

struct PrintKitOptions {
    BackWay backs = BackWay::Fold;
    FlipEdge flip = FlipEdge::Long;
    bool cutMarks = true;
    QPointF backOffset;  // millimetres the printer's back side needs shifting, on back pages
    BoardLayout board = BoardLayout::GlueStrips;
};

// The fold-over sheets keep everything this far from the paper's edges. The fold line runs on
// beyond each pair, so that it shows where to score even along a dark edge.
constexpr double FoldMarginMm = 5.0;
constexpr double FoldLineBeyondMm = 3.5;

// Where the back of an item lying at `front` (millimetres of the paper) goes on the back page
// so that it lies behind the front once the sheet of `paper` is turned over on `flip`: a
// portrait sheet turned on its long edge mirrors left and right, on its short edge top and
// bottom (a landscape sheet the other way round); then shifted by `offset`.
QRectF BackPlace(const QRectF &front, QSizeF paper, FlipEdge flip, QPointF offset);

// The fold-over sheets: a deck's 16 cards four to a portrait sheet, the 28 deeds four to a
// landscape sheet. Pair `index` (from 0) of a sheet: the front's place in millimetres of the
// paper; its back lies right beside it, the fold line between them.
struct FoldSheet {
    QPageLayout::Orientation orientation;
    QSizeF item;  // millimetres of one front
    int columns;
    int rows;
    int perSheet() const { return columns * rows; }
    QRectF front(int index) const;
    QRectF back(int index) const { return front(index).translated(item.width(), 0); }
    QSizeF paper() const;
};
FoldSheet CardFoldSheet();
FoldSheet DeedFoldSheet();

// The squares that have a deed, in board order (28).
std::vector<int> DeedSquares();

// The print set with the kit's options: the proof sheet (unless without backs and marks), the
// board as PrintSetDocuments has it, the deeds and both decks with their backs, the money with
// cut marks. With BackWay::None and no cut marks it is PrintSetDocuments itself.
std::vector<ExportedDocument> PrintKitDocuments(const Algemeen &state, const PrintKitOptions &options);
