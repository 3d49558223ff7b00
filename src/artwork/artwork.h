#pragma once
// The artwork delivered in Data/ and the placeholder picture of the square template.
// tools/datagen writes these pictures; the program itself only draws the placeholder.

#include "model/boardrules.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QRect>
#include <QString>
#include <vector>

class QPainter;

QImage DrawBoardTemplate();    // Data-1: the board with its four corners and centre
// The same on any painter in board pixels, with the game's own title and subtitle (empty: the
// program's own); a scaled painter draws it at a printer's resolution.
void DrawBoardTemplate(QPainter &p, const QString &title, const QString &subtitle);
QImage DrawBlankDeedSheet();   // Data-2: the sheet with 28 empty deed slots
void DrawBlankDeedSheet(QPainter &p);  // the same on any painter, in sheet pixels
QImage DrawBoardOverview();    // Data-3: the numbered overview the user clicks
QImage DrawBoardOverview(const QString &title);  // the same with the game's own title
// Data-4: 30 station pictures, 160 x 4050; with a `town`, every sign names that town.
QImage DrawStationStrip(const QString &town = QString());
// Station picture k of that strip drawn into `size` pixels, scaled from its own 160 x 135 (at
// that size it gives the strip's very pixels); a printer's resolution draws it anew.
QImage DrawStationPicture(int k, const QString &town, QSize size = QSize(StationWidth, StationHeight));
QImage DrawPlaceholder();

// The board's artwork in pieces: the four corners and the centre (280, 280)-(1899, 1899) in
// 4 x 4 tiles (`centreOnly`: the tiles alone). The board template is made of these pieces, so
// that a piece drawn again gives the template's very pixels; with a title or subtitle of the
// game's own (empty: the program's) the centre tiles carry that banner.
inline QRect BoardCentreArea() { return QRect(280, 280, 1620, 1620); }
std::vector<QRect> BoardArtworkPieces(bool centreOnly = false);
// Piece `area` of the board drawn into a picture of `size` pixels (a printer's resolution).
QImage DrawBoardPiece(const QRect &area, QSize size, const QString &title, const QString &subtitle);      // Image2: 180 x 280, invites the user to click a square

// A card square upright in the 180 x 280 template, framed like a composed square: "Kans"
// with a big "?" (kans) or "Algemeen Fonds" with a treasure chest.
QImage DrawCardSquare(bool kans);
void DrawCardSquare(QPainter &p, bool kans);  // the same on any painter, in template pixels
// The colour of the "Kans" (orange) or "Algemeen Fonds" (blue) deck.
QColor DeckColour(bool kans);
// The deck's emblem, the big "?" of "Kans" or the treasure chest of "Algemeen Fonds", in the
// deck's colours, as large as fits `place` (any painter, any unit).
void DrawDeckEmblem(QPainter &p, bool kans, const QRectF &place);
// Places the six card squares on the board at their default places, turned like the
// other squares so that their texts read from the board's centre.
void PlaceCardSquares(QImage &board);

// The small pictures of the special squares, on the squares' own pale green ground.
QImage DrawWaterWorks();       // Data-5: 160 x 135, a water tap
QImage DrawExtraTax();         // Data-6: 133 x 107, a diamond ring
QImage DrawIncomeTax();        // Data-7: 150 x 150, a money bag with coins
QImage DrawElectricity();      // Data-8: 135 x 160, a glowing light bulb
