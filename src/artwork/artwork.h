#pragma once
// The artwork delivered in Data/ and the placeholder picture of the square template.
// tools/datagen writes these pictures; the program itself only draws the placeholder.

#include "model/boardrules.h"

#include <QColor>
#include <QImage>
#include <QRectF>


QImage DrawBoardTemplate();    // Data-1: the board with its four corners and centre
QImage DrawBlankDeedSheet();   // Data-2: the sheet with 28 empty deed slots
QImage DrawBoardOverview();    // Data-3: the numbered overview the user clicks
QImage DrawStationStrip();     // Data-4: 30 station pictures, 160 x 4050
QImage DrawPlaceholder();      // Image2: 180 x 280, invites the user to click a square

// A card square upright in the 180 x 280 template, framed like a composed square: "Kans"
// with a big "?" (kans) or "Algemeen Fonds" with a treasure chest.
QImage DrawCardSquare(bool kans);
// The colour of the "Kans" (orange) or "Algemeen Fonds" (blue) deck.
QColor DeckColour(bool kans);
// The deck's emblem, the big "?" of "Kans" or the treasure chest of "Algemeen Fonds", in the
// deck's colours, as large as fits `place` (any painter, any unit).
class QPainter;
void DrawDeckEmblem(QPainter &p, bool kans, const QRectF &place);
// Places the six card squares on the board at their default places, turned like the
// other squares so that their texts read from the board's centre.
void PlaceCardSquares(QImage &board);

// The small pictures of the special squares, on a white background.
QImage DrawWaterWorks();       // Data-5: 160 x 135, a water tap
QImage DrawExtraTax();         // Data-6: 133 x 107, a diamond ring
QImage DrawIncomeTax();        // Data-7: 150 x 150, a money bag with coins
QImage DrawElectricity();      // Data-8: 135 x 160, a glowing light bulb
