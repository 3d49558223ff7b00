#pragma once
// The money sheet: ten notes on one portrait A4 sheet.

#include "drawing/sharppicture.h"

#include <QRectF>

class PrinterPage;

// The ten notes of the money sheet: row 1..5, column 1..2, in twips of the printable area.
QRectF MoneySheetSlot(int row, int column);

// Prints the note ten times on one portrait sheet; false as soon as a printer operation fails.
bool PrintMoneySheet(PrinterPage &page, const SharpPicture &note);
