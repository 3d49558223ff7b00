#pragma once
// The drawing record of the open design: what each square was placed with and each deed
// pasted with, so that the board and the deed sheet can be drawn again when printed.

#include "model/algemeen.h"

// The drawing of the default design held by `state` (after its default content is loaded):
// every composable square and every deed as the default board and deed sheet were drawn,
// with the default rent factors and station picture 0.
DesignDrawing DefaultDesignDrawing(const Algemeen &state);

// Notes the placement of square n with `square`'s texts and the station picture in force.
void RecordPlacedSquare(Algemeen &state, int n, const BoardSquare &square);
