#pragma once
// The drawing record of a design (which squares were placed and which deeds pasted, with
// what), kept beside a saved project in a file of its own so that a reopened project prints
// as sharp as the design in memory.

#include "model/algemeen.h"

#include <QByteArray>
#include <QString>

// The name of the drawing file inside a project's folder.
inline QString DrawingFileName() { return QStringLiteral("Tekening.json"); }

// The drawing file: UTF-8 JSON. Reading never trusts it: an entry that does not make sense is
// left out, a damaged file gives an empty drawing (everything prints from the pixels).
QByteArray DrawingFileBytes(const DesignDrawing &drawing);
DesignDrawing ReadDrawingFile(const QByteArray &bytes);
