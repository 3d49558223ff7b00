#pragma once
// The whole print set of the open design as PDF files, each page exactly what the matching
// printer routine sends, painted through the same page model.

#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

struct Algemeen;
class PrinterPage;

// Margins of the exported pages: home printers print this close to the edge at actual size,
// and the widest sheet (the deed pages, 16420 twips of content) still fits across A4.
constexpr double ExportMarginMillimetres = 4.0;

struct ExportedDocument {
    QString fileName;                              // e.g. "Speelbord.pdf"
    std::function<bool(PrinterPage &)> print;      // the sheet printer
    double marginMillimetres = ExportMarginMillimetres;  // of every page
};

// How Speelbord.pdf holds the board.
enum class BoardLayout {
    // At its true size on six sheets with glue strips, after a guide page: every printer
    // that reaches within 5 mm of the edge prints it whole.
    GlueStrips,
    // The six sheets edge to edge on pages without margins: laid side by side they make the
    // board 508.7 mm square. For borderless printers and copy shops.
    SixSheets,
};

// The five documents of the print set for `state`.
std::vector<ExportedDocument> PrintSetDocuments(const Algemeen &state, BoardLayout board = BoardLayout::GlueStrips);

// The paper, in millimetres of portrait A4, that sheet 1..6 takes on a page of
// Speelbord.pdf with BoardLayout::SixSheets: 900 sheet pixels make 210 mm across, at the same
// scale down; the top row lies on the bottom of its page, the bottom row on the top, so that
// the rows meet.
QRectF SixSheetOnPaper(int sheet);
constexpr int ExportResolution = 600;  // dots per inch of the PDF pages
// The resolution the designed pictures are drawn at in the PDF files: 300 by default, any
// from 150 to 1200 on request; 0 puts the screen pictures in as they are.
constexpr int ExportSharpDpi = 300;
constexpr int ExportSharpDpiMin = 150;
constexpr int ExportSharpDpiMax = 1200;

// Writes `documents` into `folder` (created when missing). Each file is written whole or not at
// all; an existing file of the same name is replaced only when the new one is complete.
// `progress` is told each file name when it is written. On failure returns false with a
// message in `error` that names what could not be written.
bool ExportDocuments(const std::vector<ExportedDocument> &documents, const QString &folder,
                     QString *error, const std::function<void(const QString &)> &progress = {},
                     int sharpDpi = ExportSharpDpi);
