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

// ExportDocuments with the documents shared out over `threads` threads (the machine's cores
// when 0): each file is still written whole or not at all; `progress` is told the file names
// in the documents' order once all are done. On failure the message of the first document
// that failed.
bool ExportDocumentsAtOnce(const std::vector<ExportedDocument> &documents, const QString &folder, QString *error,
                           const std::function<void(const QString &)> &progress = {},
                           int sharpDpi = ExportSharpDpi, int threads = 0);
