#pragma once
// Composing one board square upright in the 180 x 280 square template, and copying the
// template, turned by the square's side, into the 2180 x 2180 board picture.

#include "model/algemeen.h"
#include "drawing/sharppicture.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>

// The template's own background, also the colour the text areas are cleared to.
inline QColor TemplateBackgroundColour() { return QColor(225, 239, 217); }

// The texts of a square as they stand in the editor fields.
struct SquareTexts {
    QString street;  // street or station name
    QString city;
    QString amount;  // free text, drawn unchanged
};

// Everything a square's drawing takes besides its texts.
struct SquareArt {
    RgbColour colour;      // the colour band of a street
    QImage stationStrip;   // 30 station pictures of 160 x 135, one below the other
    int stationImage = 0;  // which of them the stations show
    QImage picture;        // the picture of a utility or tax square, scaled into its place
    QImage placeholder;    // what the template shows while no square is chosen
    StripArt stationArt;   // draws the station picture anew (a print); null: copied from the strip
};

// The hidden labels that measure a text's width before it is centred. The street name and the
// amount are measured in Arial 14 pt bold, the city in Arial 15.75 pt regular; the texts
// themselves are drawn in Arial 14.25 pt bold, so the centring is close, not exact.
enum class MeasuringLabel { Text1Label, Text2Label, Text3Label };
int MeasuredWidthTwips(const QString &text, MeasuringLabel label);
// Left edge in template pixels that centres the text on pixel 90.
double CentredLeft(const QString &text, MeasuringLabel label);
// Whether the text, centred so, runs past the inside of the square's frame (x 2..177) and so
// shows cut at its ends.
bool SquareTextIsCut(const QString &text, MeasuringLabel label);

// Redraws the whole template for square n; a number that is no composable square (0, a card
// square, out of range) gives the placeholder with its frame.
void ComposeSquare(QImage &templ, int n, const SquareTexts &texts, const SquareArt &art);
// The same on any painter, in template pixels from its origin (a larger painter scaled to the
// template draws the square at a printer's resolution).
class QPainter;
void ComposeSquare(QPainter &p, int n, const SquareTexts &texts, const SquareArt &art);
// Clears and redraws the text areas: the station layout for squares 5, 14, 23 and 32, the
// street layout for every other number.
void DrawSquareTexts(QImage &templ, int currentSquare, const SquareTexts &texts);
// Clears and redraws the amount area alone.
void DrawSquareAmount(QImage &templ, const QString &amount);

// Copies the template into the board, turned so that the colour band faces the board's
// centre; `position` is the top-left pixel of the square's area on the board. Template pixel
// (X, Y) lands on board pixel
//   side 1: (x0 + 179 - X, y0 + 279 - Y)    side 2: (x0 + Y, y0 + 179 - X)
//   side 3: (x0 + X, y0 + Y)                side 4: (x0 + 279 - Y, y0 + X)
// Pixels that would fall outside the board are left out. Runs in one go: no events are
// processed, so nothing can reach the template halfway through.
void PlaceSquare(QImage &board, const QImage &templ, int side, QPoint position);
