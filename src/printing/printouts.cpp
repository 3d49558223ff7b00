#include "printing/printouts.h"

#include "drawing/carddrawing.h"
#include "printing/boardsheets.h"
#include "printing/cardsheets.h"
#include "printing/deedprinting.h"
#include "printing/pdfexport.h"
#include "printing/printerpage.h"
#include "printing/sharpdesign.h"

#include <memory>

bool BoardPrintsSharp(const Algemeen &state, bool sharp)
{
    return sharp && state.pictures.Speelbord.size() == QSize(BoardSize, BoardSize);
}

SharpPicture BoardToPrint(const Algemeen &state, bool sharp)
{
    return BoardPrintsSharp(state, sharp) ? SharpBoard(state) : SharpPicture(state.pictures.Speelbord);
}

SharpPicture DeedSheetToPrint(const Algemeen &state, bool sharp)
{
    return sharp ? SharpDeedSheet(state) : SharpPicture(state.pictures.EigenDomsPic);
}

std::array<SharpPicture, 6> SixSheetsToPrint(const Algemeen &state, bool sharp)
{
    const auto pixels = TileBoard(ComposeSixSheets(state.pictures.Speelbord));
    const SharpPicture board = BoardToPrint(state, sharp);
    std::array<SharpPicture, 6> sheets;
    for (int i = 0; i < 6; ++i)
        sheets[size_t(i)] = SharpPicture(pixels[size_t(i)],
                                         MovedParts(board.parts, BoardArea().topLeft() - SheetArea(i + 1).topLeft()));
    return sheets;
}

bool PrintSixSheetPages(PrinterPage &page, const Algemeen &state)
{
    if (!page.setOrientation(QPageLayout::Portrait))
        return false;
    const auto sheets = SixSheetsToPrint(state, page.sharpResolution() > 0);
    for (int i = 0; i < 6; ++i) {
        if (i > 0 && !page.endPage())
            return false;
        if (!page.placePicture(sheets[size_t(i)], page.paperToPage(SixSheetOnPaper(i + 1))))
            return false;
    }
    return page.endDocument();
}

bool PrintDeedPages(PrinterPage &page, const Algemeen &state)
{
    return PrintDeedSheets(page, DeedSheetToPrint(state, page.sharpResolution() > 0));
}

bool PrintDeckPages(PrinterPage &page, const Algemeen &state, int subject)
{
    const CardDeck &deck = subject == 1 ? state.project.KansDeck : state.project.FondsDeck;
    auto card = std::make_shared<int>(1);
    CardDesignerSteps steps;
    steps.goToCard = [card](int n) { *card = n; };
    steps.preview = [&state, &deck, card, subject] {
        const RgbColour border = state.CardBorderColour;  // the design's own, kept with it
        return SharpCard(DrawCard(subject, border, deck[*card]), subject, border, deck[*card]);
    };
    steps.pauseSeconds = 0.0f;
    return PrintCardSheets(page, steps);
}
