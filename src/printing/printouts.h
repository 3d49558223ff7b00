#pragma once
// One function for each printout, used by the printers and the PDF export alike. The choice
// between drawing the design again at the printer's resolution and printing its pixels is made
// here once: a page with a sharp resolution (PrinterPage::sharpResolution) gets the drawing.

#include "drawing/sharppicture.h"
#include "model/algemeen.h"

#include <array>

class PrinterPage;

// With `sharp`, the board (only at its own size: a board of another size prints its pixels)
// and the deed sheet with the drawing behind them wherever the drawing still gives their
// pixels; otherwise their pixels alone.
bool BoardPrintsSharp(const Algemeen &state, bool sharp);
SharpPicture BoardToPrint(const Algemeen &state, bool sharp);
SharpPicture DeedSheetToPrint(const Algemeen &state, bool sharp);

// The six sheets A1..C2 of the board edge to edge, each with the board's drawing moved onto it.
std::array<SharpPicture, 6> SixSheetsToPrint(const Algemeen &state, bool sharp);

// The board's six sheets edge to edge, each on its own page without margins, as a printer
// that reaches the paper's edge prints them.
bool PrintSixSheetPages(PrinterPage &page, const Algemeen &state);
// The 28 deeds on three landscape sheets.
bool PrintDeedPages(PrinterPage &page, const Algemeen &state);
// Deck `subject` (1 Kans, 2 Algemeen Fonds) on two portrait sheets, stepped through as the
// card designer would, with the border colour the designer starts with.
bool PrintDeckPages(PrinterPage &page, const Algemeen &state, int subject);
