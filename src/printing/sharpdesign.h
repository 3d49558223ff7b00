#pragma once
// The board and the deed sheet of the open design with the drawing behind them: which squares
// were placed and which deeds pasted, with what. Kept beside a saved project in a file of its
// own, so that a reopened project prints as sharp as the design in memory.

#include "app/algemeen.h"
#include "printing/sharppicture.h"

#include <QByteArray>

// The name of the drawing file inside a project's folder.
inline QString DrawingFileName() { return QStringLiteral("Tekening.json"); }

// The drawing of the default design held by `state` (after its default content is loaded):
// every composable square and every deed as the default board and deed sheet were drawn,
// with the default rent factors and station picture 0.
DesignDrawing DefaultDesignDrawing(const Algemeen &state);

// Notes the placement of square n with `square`'s texts and the station picture in force.
void RecordPlacedSquare(Algemeen &state, int n, const BoardSquare &square);

// The board and the deed sheet with each recorded square or deed that still gives exactly
// the pixels the picture holds. The pictures of the special squares come from the Data folder.
SharpPicture SharpBoard(const Algemeen &state);
SharpPicture SharpDeedSheet(const Algemeen &state);

// The drawing file: UTF-8 JSON. Reading never trusts it: an entry that does not make sense is
// left out, a damaged file gives an empty drawing (everything prints from the pixels).
QByteArray DrawingFileBytes(const DesignDrawing &drawing);
DesignDrawing ReadDrawingFile(const QByteArray &bytes);
