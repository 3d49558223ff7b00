#pragma once
// The square designer's link between the shared state and the square drawing: which picture
// a utility or tax square shows, what a square is drawn with, and the default board composed
// square by square.

#include "board/squarerenderer.h"

struct Algemeen;

// The Data picture of a utility or tax square ("Data-5.vgx" water works, "Data-6.vgx" extra tax,
// "Data-7.vgx" income tax, "Data-8.vgx" electricity company); empty for every other square.
QString SquarePictureFile(int n);
// Loads that picture into `ImagePic`, read anew each time the square is composed. A picture
// that cannot be read leaves `ImagePic` as it was. False when nothing was loaded.
bool LoadSquarePicture(Algemeen &state, int n);
// The colour, station strip, station picture and `ImagePic` that square n is drawn with.
SquareArt SquareArtFor(const Algemeen &state, int n, const QImage &placeholder = QImage());

// The station strip and the four pictures of the special squares, as the Data folder holds
// them.
struct SquarePictures {
    QImage stationStrip;  // Data-4
    QImage waterWorks;    // Data-5, square 8
    QImage extraTax;      // Data-6, square 17
    QImage incomeTax;     // Data-7, square 22
    QImage electricity;   // Data-8, square 29
};

// The board template with all 30 composable squares of `design` (texts, colours, positions
// and station picture) composed and placed, as the program itself composes them.
QImage ComposeDefaultBoard(const QImage &boardTemplate, const Algemeen &design,
                           const SquarePictures &pictures);
