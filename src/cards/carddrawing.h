#pragma once
// The drawing of one card of a deck: the frame with its coloured border band, the title, and the
// card text wrapped into lines and centred. The card picture is 320 x 200 pixels (4800 x 3000
// twips); the positions below are given in twips and drawn at 15 twips to a pixel.

#include "app/algemeen.h"

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

// The word-wrapping text box that decides where a card text breaks: 4065 twips (271 pixels)
// wide in Arial 8.25 pt. Its 3-D border takes 2 pixels on each side and its inner margins 1 pixel
// on each side, which leaves 265 pixels for the text.
constexpr int CardWrapBoxWidth = 271;
constexpr int CardWrapUsableWidth = 265;
QFont CardWrapFont();
// The font the lines are drawn in: Arial 10 pt, as the 9.75 pt of a measuring label.
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

// Splits a card text, in which "/" marks a line break, into the lines the wrapping box shows.
// Breaks are kept out of the lines; blanks stay where they are (a line broken at a blank keeps
// that blank at its end). An empty text has no lines.
QStringList WrapLines(const QString &text, const QFont &font = CardWrapFont(),
                      int usableWidth = CardWrapUsableWidth);

// The left edge (pixels) of a line whose width with its end blanks is `width` pixels, centred
// on x = 2400 twips.
int CardLineLeft(int width);
constexpr int CardFirstLineTop = 80;  // 1200 twips
constexpr int CardLinePitch = 18;     // 270 twips

// Draws the text, wrapped, centred line by line from y = 1200 twips down, in black.
void LayoutCardText(QImage &card, const QString &text);

// The whole card as the designer shows it after ShowCard.
QImage DrawCard(int subject, const RgbColour &border, const QString &text);
// The same card on any painter, in card pixels from its origin.
class QPainter;
void DrawCard(QPainter &p, int subject, const RgbColour &border, const QString &text);
