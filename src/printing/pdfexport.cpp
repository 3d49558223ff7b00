#include "files/picturefile.h"
#include "printing/pdfexport.h"

#include "model/algemeen.h"
#include "drawing/banknote.h"
#include "printing/moneysheet.h"
#include "drawing/carddrawing.h"
#include "printing/cardsheets.h"
#include "printing/deedprinting.h"
#include "printing/boardassembly.h"
#include "printing/bankprint.h"
#include "printing/boardsheets.h"
#include "printing/printerpage.h"
#include "printing/printouts.h"

#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>

namespace {
}

QRectF SixSheetOnPaper(int sheet)
{
    const double mmPerPixel = 210.0 / SheetWidth;
    const QSizeF size(SheetWidth * mmPerPixel, SheetHeight * mmPerPixel);
    const double top = (sheet - 1) / 3 == 0 ? 297.0 - size.height() : 0.0;
    return QRectF(QPointF(0, top), size);
}

std::vector<ExportedDocument> PrintSetDocuments(const Algemeen &state, BoardLayout board)
{
    std::vector<ExportedDocument> docs;
    if (board == BoardLayout::SixSheets)
        docs.push_back({QStringLiteral("Speelbord.pdf"), [&state](PrinterPage &page) { return PrintSixSheetPages(page, state); }, 0.0});
    else
        docs.push_back({QStringLiteral("Speelbord.pdf"), [&state](PrinterPage &page) { return PrintAssembledBoard(page, state); }});
    docs.push_back({QStringLiteral("Eigendomsbewijzen.pdf"), [&state](PrinterPage &page) {
                        return PrintDeedPages(page, state);
                    }});
    docs.push_back({QStringLiteral("Kans.pdf"), [&state](PrinterPage &page) { return PrintDeckPages(page, state, 1); }});
    docs.push_back({QStringLiteral("AlgemeenFonds.pdf"), [&state](PrinterPage &page) { return PrintDeckPages(page, state, 2); }});
    docs.push_back({QStringLiteral("Speelgeld.pdf"), [&state](PrinterPage &page) {
                        return PrintBank(page, state.game.bank, DefaultPlayers, state.game.title,
                                         LoadPicture(state.dataPath(QStringLiteral("Data-9.vgx"))));
                    }});
    return docs;
}

bool ExportDocuments(const std::vector<ExportedDocument> &documents, const QString &folder,
                     QString *error, const std::function<void(const QString &)> &progress, int sharpDpi)
{
    auto failWith = [error](const QString &message) {
        if (error)
            *error = message;
        return false;
    };
    QDir dir(folder);
    if (!dir.exists() && !QDir().mkpath(folder))
        return failWith(QStringLiteral("De map %1 kan niet worden aangemaakt.").arg(QDir::toNativeSeparators(folder)));

    for (const ExportedDocument &doc : documents) {
        const QString path = dir.filePath(doc.fileName);
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return failWith(QStringLiteral("%1 kan niet worden geschreven: %2")
                                .arg(QDir::toNativeSeparators(path), file.errorString()));
        bool printed = false;
        {
            QPdfWriter writer(&file);
            writer.setCreator(QStringLiteral("Vastgoed Atelier"));
            writer.setTitle(doc.fileName.chopped(4));
            writer.setResolution(ExportResolution);
            writer.setPageSize(QPageSize(QPageSize::A4));
            const double m = doc.marginMillimetres;
            writer.setPageMargins(QMarginsF(m, m, m, m), QPageLayout::Millimeter);
            PrinterPage page(&writer);
            page.setSharpResolution(sharpDpi);
            printed = doc.print(page);
        }
        if (!printed) {
            file.cancelWriting();
            return failWith(QStringLiteral("%1 kon niet worden opgemaakt.").arg(QDir::toNativeSeparators(path)));
        }
        if (!file.commit())
            return failWith(QStringLiteral("%1 kan niet worden geschreven: %2")
                                .arg(QDir::toNativeSeparators(path), file.errorString()));
        if (progress)
            progress(doc.fileName);
    }
    return true;
}
