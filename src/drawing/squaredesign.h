#pragma once
// The square designer's link between the shared state and the square drawing: what a square
// is drawn with, and the default board composed square by square.

#include "drawing/squarerenderer.h"

struct Algemeen;

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
