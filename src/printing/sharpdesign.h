#pragma once
// The board and the deed sheet of the open design, drawn again at a printer's resolution
// from the drawing record wherever the record still gives exactly the pixels they hold.

#include "model/algemeen.h"
#include "drawing/sharppicture.h"

// The board and the deed sheet with each recorded square or deed that still gives exactly
// the pixels the picture holds. The pictures of the special squares come from the Data folder.
SharpPicture SharpBoard(const Algemeen &state);
SharpPicture SharpDeedSheet(const Algemeen &state);
