#include "printing/pdfexport.h"

#include "app/algemeen.h"
#include "app/startup.h"
#include "cards/banknote.h"
#include "cards/carddrawing.h"
#include "cards/cardsheets.h"
#include "deeds/deedprinting.h"
#include "printing/boardassembly.h"
#include "printing/bankprint.h"
#include "printing/boardsheets.h"
#include "printing/printerpage.h"
#include "printing/sharpdesign.h"

#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>
#include <memory>

namespace {
// The card printer steps through the deck as the card designer would, with the design's own
// border colour.
ExportedDocument deckDocument(const Algemeen &state, int subject, const QString &fileName)
{
    return {fileName, [&state, subject](PrinterPage &page) {
                const CardDeck &deck = subject == 1 ? state.project.KansDeck : state.project.FondsDeck;
                auto card = std::make_shared<int>(1);
                CardDesignerSteps steps;
                steps.goToCard = [card](int n) { *card = n; };
                steps.preview = [&state, &deck, card, subject] {
                    const RgbColour border = state.CardBorderColour;
                    return SharpCard(DrawCard(subject, border, deck[*card]), subject, border, deck[*card]);
                };
                steps.pauseSeconds = 0.0f;
                return PrintCardSheets(page, steps);
            }};
}

// The six sheets edge to edge, each on its own page without margins.
ExportedDocument sixSheetsDocument(const Algemeen &state)
{
    return {QStringLiteral("Speelbord.pdf"), [&state](PrinterPage &page) {
                if (!page.setOrientation(QPageLayout::Portrait))
                    return false;
                const auto sheets = TileBoard(ComposeSixSheets(state.pictures.Speelbord));
                // Drawn anew only where the board lies on the sheets at its own size.
                const SharpPicture board = page.sharpResolution() > 0 && state.pictures.Speelbord.size() == BoardArea().size()
                                               ? SharpBoard(state) : SharpPicture();
                for (int i = 0; i < 6; ++i) {
                    if (i > 0 && !page.endPage())
                        return false;
                    const SharpPicture sheet(sheets[size_t(i)],
                                             MovedParts(board.parts, BoardArea().topLeft() - SheetArea(i + 1).topLeft()));
                    if (!page.placePicture(sheet, page.paperToPage(SixSheetOnPaper(i + 1))))
                        return false;
                }
                return page.endDocument();
            }, 0.0};
}

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
        docs.push_back(sixSheetsDocument(state));
    else
        docs.push_back({QStringLiteral("Speelbord.pdf"), [&state](PrinterPage &page) { return PrintAssembledBoard(page, state); }});
    docs.push_back({QStringLiteral("Eigendomsbewijzen.pdf"), [&state](PrinterPage &page) {
                        return PrintDeedSheets(page, page.sharpResolution() > 0 ? SharpDeedSheet(state) : SharpPicture(state.pictures.EigenDomsPic));
                    }});
    docs.push_back(deckDocument(state, 1, QStringLiteral("Kans.pdf")));
    docs.push_back(deckDocument(state, 2, QStringLiteral("AlgemeenFonds.pdf")));
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
