#pragma once
// The whole print set of the open design as PDF files, each page exactly what the matching
// printer routine sends, painted through the same page model.

#include <QPageLayout>
#include <QString>
#include <functional>
#include <vector>

struct Algemeen;
class PrinterPage;

struct ExportedDocument {
    QString fileName;                              // e.g. "Speelbord.pdf"
    std::function<bool(PrinterPage &)> print;      // the sheet printer
};

// The five documents of the print set for `state`. With `assembly` Speelbord.pdf holds the
// board at its true size with glue strips and a guide page in front, instead of the six sheets.
std::vector<ExportedDocument> PrintSetDocuments(const Algemeen &state, bool assembly = false);

// Margins of the exported pages: home printers print this close to the edge at actual size,
// and the widest sheet (the deed pages, 16420 twips of content) still fits across A4.
constexpr double ExportMarginMillimetres = 4.0;
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
