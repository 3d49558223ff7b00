#pragma once
// The backs of the printed cards and deeds. A deck's back shows its name and its emblem (the
// "?" of "Kans", the chest of "Algemeen Fonds") in the deck's colours, so that the two piles
// lie apart face down and no text shows through thin paper. A deed's back is its mortgaged
// side: street, city and "Hypotheekwaarde" with the deed's amount. Money has no back.

#include "model/algemeen.h"
#include "drawing/sharppicture.h"

#include <QImage>
#include <QString>

class QPainter;

// The back of a card of deck `subject` (1 "Kans", 2 "Algemeen Fonds"), on a painter in card
// pixels (320 x 200), and as a picture that prints sharp at any resolution.
void DrawCardBack(QPainter &p, int subject);
SharpPicture CardBack(int subject);

// What the mortgaged side of square n's deed says.
struct DeedBackText {
    QString street;
    QString city;
    QString mortgage;  // the amount, e.g. "€ 100,-"
};
// From the deed as it was pasted onto the sheet, or as the default design draws it for a
// slot that was never pasted: a street's mortgage is its base times factor 8, a station's
// times factor 12, a utility's "€ 250,-".
DeedBackText DeedBackOf(const Algemeen &state, int n);

// The mortgaged side on a painter in deed pixels (200 x 280), and as a sharp picture.
void DrawDeedBack(QPainter &p, const DeedBackText &text);
SharpPicture DeedBack(const DeedBackText &text);
