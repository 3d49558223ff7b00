#pragma once

#include "drawing/sharppicture.h"

#include <QImage>

// The strip of the eight ready-made play-money pictures of the money designer: notes of 5, 10, 20,
// 50, 100, 200, 500 and 1000 euro, each 400 x 200 pixels, one below the other (400 x 1600).
QImage DrawBanknoteStrip();

// The value of Euro picture k (0..7) of the strip.
int BanknoteStripValue(int k);

// Picture k drawn into `size` pixels, scaled from its own 400 x 200; at that size it is the
// strip's piece.
QImage DrawBanknotePicture(int k, QSize size);

// The pictures of `strip` drawn anew at a printer's resolution wherever they are the program's
// own; one for a whole print.
StripArt EuroPictureArt(const QImage &strip);
