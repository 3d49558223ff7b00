#pragma once
// The drawing of one card of a deck: the frame with its coloured border band, the title, and the
// card text wrapped into lines and centred. The card picture is 320 x 200 pixels (4800 x 3000
// twips); the positions below are given in twips and drawn at 15 twips to a pixel.

#include "model/algemeen.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

constexpr int CardPictureWidth = 320;   // 4800 twips
constexpr int CardPictureHeight = 200;  // 3000 twips
const QColor CardBackground(225, 239, 217);
const QColor CardOutlineGrey(160, 160, 160);
const QColor CardInnerOutline(80, 80, 80);
constexpr RgbColour DefaultCardBorderColour{200, 250, 200};

// The card text is wrapped in the font it is drawn in (Arial 10 pt, as the 9.75 pt of a
// measuring label) to the width inside the dark inner outline (x 16..303, y 16..183), less a
// margin of 4 pixels on each side, so that no line touches the outline: 280 pixels, x 20..299.
// Five lines fit above the outline's bottom (the sixth would reach row 185).
constexpr int CardInnerLeft = 16, CardInnerTop = 16, CardInnerRight = 303, CardInnerBottom = 183;
constexpr int CardTextLeft = 20;
constexpr int CardTextWidth = 280;
constexpr int CardTextLines = 5;
QFont CardTextFont();
QFont CardTitleFont();  // Arial 18 pt bold

// The title of deck 1 ("Kans") or 2 ("Algemeen Fonds") and where its top-left corner lies.
QString CardTitle(int subject);
QPoint CardTitlePosition(int subject);  // pixels

// A blank card picture in the card background colour.
QImage NewCardPicture();

// Clears the picture and draws the grey outline, the border band, the two dark inner outlines
// and the title of deck `subject`.
void DrawCardFrame(QImage &card, int subject, const RgbColour &border);
// Only the border band: eleven outlines one pixel apart, from 2 to 12 pixels in from the edge.
void DrawCardBorder(QImage &card, const RgbColour &border);

// Splits a card text, in which "/" marks a line break, into the lines the card shows.
// Breaks are kept out of the lines; blanks stay where they are (a line broken at a blank keeps
// that blank at its end). A "€" stays on the line of the amount that follows it. An empty
// text has no lines.
QStringList WrapLines(const QString &text, const QFont &font = CardTextFont(),
                      int usableWidth = CardTextWidth);

// The left edge (pixels) of a line whose width with its end blanks is `width` pixels, centred
// on x = 2400 twips, but never left of CardTextLeft (a line whose hanging blanks make it wider
// than the card starts there).
int CardLineLeft(int width);
constexpr int CardFirstLineTop = 80;  // 1200 twips
constexpr int CardLinePitch = 18;     // 270 twips

// Draws the text, wrapped, centred line by line from y = 1200 twips down, in black; lines
// beyond CardTextLines are left out, and nothing is drawn over the inner outline.
void LayoutCardText(QImage &card, const QString &text);

// The whole card as the designer shows it after ShowCard.
QImage DrawCard(int subject, const RgbColour &border, const QString &text);
// The same card on any painter, in card pixels from its origin.
class QPainter;
void DrawCard(QPainter &p, int subject, const RgbColour &border, const QString &text);
