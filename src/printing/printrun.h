#pragma once
// A print set run sheet by sheet: how many sheets it makes, and a document that tells each
// sheet before it starts and stops between sheets when told to. Safe to run off the window's
// thread: it only reads the design.

#include "printing/pdfexport.h"

#include <functional>
#include <vector>

// The sheets `documents` print, found by going through them without drawing.
int CountSheets(const std::vector<ExportedDocument> &documents);

// `doc` that calls `starting` before each of its sheets; when that answers false the
// document stops there, before the sheet, and fails.
ExportedDocument StoppableDocument(ExportedDocument doc, std::function<bool()> starting);

// Prints `documents` one after the other as one job on `page` (for a preview).
bool PrintChained(PrinterPage &page, const std::vector<ExportedDocument> &documents);
