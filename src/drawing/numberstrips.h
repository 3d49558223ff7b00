#pragma once
// The four strips around the board overview that carry the square numbers. The numbers of
// the six card squares are printed in the background colour, so they do not show.

#include "model/algemeen.h"

#include <QImage>

enum class NumberStrip { Above, Right, Below, Left };

QSize NumberStripSize(NumberStrip strip);  // in pixels
QImage DrawNumberStrip(NumberStrip strip, const RgbColour &background);
