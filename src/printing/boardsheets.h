#pragma once
// The board printed on six portrait A4 sheets, three across and two down: the board sits in
// the middle of a picture of the six sheets laid side by side, which is cut into the sheets.

#include "model/boardrules.h"

#include <QImage>
#include <QRect>
#include <QSizeF>
#include <array>

constexpr int SheetWidth = 900;    // pixels of one sheet picture, about 4.29 to the millimetre
constexpr int SheetHeight = 1270;
constexpr int SixSheetWidth = 3 * SheetWidth;    // 2700
constexpr int SixSheetHeight = 2 * SheetHeight;  // 2540
// The board's place in the six-sheet picture: centred.
inline QRect BoardArea()
{
    return QRect((SixSheetWidth - BoardSize) / 2, (SixSheetHeight - BoardSize) / 2, BoardSize, BoardSize);
}

// The six-sheet picture: white, with the whole board picture scaled into BoardArea().
QImage ComposeSixSheets(const QImage &speelbord);

// The area of sheet `sheet` (1..6, top left to bottom right) in the six-sheet picture.
QRect SheetArea(int sheet);

// The side of the board in millimetres when each sheet is printed as large as a printable
// area of `printable` millimetres allows at one scale across and down: 508.7 mm on a printer
// that reaches the paper's edges, less on one with margins.
double SixSheetBoardSide(QSizeF printable);

// The alignment (of the print-picture control) that puts sheet 1..6 against its neighbours:
// the top row to the bottom of its printable area, the bottom row to the top, the left column
// to the right and the right column to the left.
int SixSheetAlign(int sheet);

// Cuts the six-sheet picture into its sheets, in printing order: top left, top middle, top
// right, bottom left, bottom middle, bottom right.
std::array<QImage, 6> TileBoard(const QImage &sixSheets);
