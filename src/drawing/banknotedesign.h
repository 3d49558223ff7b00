#pragma once
// One denomination of the bank drawn as the money designer draws it.

#include "drawing/banknote.h"
#include "model/owngame.h"

// The note of `note`: the designed note (outlines, dots, ellipses, amount and corner words with
// `title`), or the ready-made picture of `strip` it shows, with its amount over it when typed
// there. Gives the very pixels the designer shows for that note.
NoteDrawing BankNoteDrawing(const BankNote &note, const QString &title, const QImage &strip);
