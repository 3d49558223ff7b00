#include "printing/cardsheets.h"

#include "platform/pause.h"
#include "drawing/carddrawing.h"
#include "printing/printerpage.h"

namespace {
constexpr double FirstTop = 600, RowPitch = 3900;
constexpr double FirstLeft = 300, ColumnPitch = 5400;
}

int CardSheet(int card) { return (qBound(1, card, 16) - 1) / CardsPerSheet + 1; }

QRectF CardSheetSlot(int card)
{
    const int onSheet = (qBound(1, card, 16) - 1) % CardsPerSheet;  // 0..7
    const int row = onSheet / 2, column = onSheet % 2;
    return QRectF(FirstLeft + ColumnPitch * column, FirstTop + RowPitch * row, PrintedCardWidth,
                  PrintedCardHeight);
}

bool PrintCardSheets(PrinterPage &page, const CardDesignerSteps &designer)
{
    if (!page.setOrientation(QPageLayout::Portrait))
        return false;
    page.setPlanSize(QSizeF(CardSheetSlot(8).right(), CardSheetSlot(8).bottom()));
    designer.goToCard(1);
    int card = 1;
    for (int sheet = 1; sheet <= 2; ++sheet) {
        for (int onSheet = 0; onSheet < CardsPerSheet; ++onSheet) {
            if (!page.placePicture(designer.preview(), CardSheetSlot(card)))
                return false;
            card = qMin(card + 1, 16);
            designer.goToCard(card);
            if (designer.pauseSeconds > 0)
                Pause(designer.pauseSeconds);
        }
        if (!page.endPage())
            return false;
    }
    return page.endDocument();
}

SharpPicture SharpCard(const QImage &shown, int subject, const RgbColour &border, const QString &text)
{
    SharpPicture sharp(shown);
    sharp.parts.push_back({QRect(0, 0, CardPictureWidth, CardPictureHeight), [=](QSize size) {
                               return RenderScaled(QSize(CardPictureWidth, CardPictureHeight), size,
                                                   [&](QPainter &p) { DrawCard(p, subject, border, text); });
                           }});
    return KeepFaithfulParts(std::move(sharp));
}
