#pragma once
// The 16 cards of a deck on two portrait sheets, eight to a sheet in four rows of two, each
// card printed 5100 x 3310 twips (about 90 x 58 mm), ready to be cut out.

#include "model/algemeen.h"
#include "drawing/sharppicture.h"

#include <QImage>
#include <QRectF>
#include <functional>

class PrinterPage;

constexpr int CardsPerSheet = 8;
constexpr double PrintedCardWidth = 5100;   // twips
constexpr double PrintedCardHeight = 3310;  // twips

// Sheet (1 or 2) of card 1..16.
int CardSheet(int card);
// Where card 1..16 lies on its sheet, in twips of the printable area.
QRectF CardSheetSlot(int card);

// What the sheet printer needs from the card designer: stepping it to a card (the designer
// redraws its preview when the card changes) and its finished preview.
struct CardDesignerSteps {
    std::function<void(int card)> goToCard;
    std::function<SharpPicture()> preview;
    float pauseSeconds = 0.2f;  // after each card, with window events processed
};

// The card picture `shown` with the drawing of card `text` of deck `subject` in `border`,
// kept where it gives the shown pixels.
SharpPicture SharpCard(const QImage &shown, int subject, const RgbColour &border, const QString &text);

// Prints cards 1 to 16 as the designer shows them. False as soon as a printer operation fails;
// the designer then stays on the card it had reached.
bool PrintCardSheets(PrinterPage &page, const CardDesignerSteps &designer);
