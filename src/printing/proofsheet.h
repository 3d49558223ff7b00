#pragma once
// "Proefvel": the sheet that tells whether a printer prints at 100 % and how far its back side
// lies from its front. A 100 mm ruler across and one down, a 50 mm square, and for duplex a
// grid of 5 x 5 numbered squares whose backs are shifted -2..+2 mm in steps of 1 mm: held
// against the light, the number whose back lines up with its front is the printer's offset.

#include "printing/printkit.h"

#include <QPoint>
#include <QPointF>
#include <QRectF>

class PrinterPage;

constexpr int ProofGridSize = 5;
constexpr double ProofStepMm = 1.0;

// The ruler across: from (ProofRulerLeft, ProofRulerTop), 100 mm long; the one down starts at
// the same point. The 50 mm square and the grid's squares, in millimetres of portrait A4.
constexpr double ProofRulerLeft = 20, ProofRulerTop = 40;
QRectF ProofSquare();
QRectF ProofGridSquare(int number);  // number 1..25

// The shift the back of square `number` (1..25) gets: number 13, the middle, none.
QPointF ProofOffset(int number);
// The number whose shift is nearest `offset`.
int ProofNumber(QPointF offset);

// Prints the proof sheet: one page, or with `duplex` that page and its back (the grid's
// backs) for a sheet turned over on `flip`. The grid's backs ignore the printer's offset.
bool PrintProofSheet(PrinterPage &page, bool duplex, FlipEdge flip);
