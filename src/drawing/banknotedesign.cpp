#include "drawing/banknotedesign.h"

NoteDrawing BankNoteDrawing(const BankNote &note, const QString &title, const QImage &strip)
{
    NoteDrawing d;
    d.start(note.background);
    d.outlines(note.greyOutlines ? QColor(80, 80, 80) : QColor(Qt::black));
    d.dots();
    d.ellipses();
    const RgbColour colour = AmountColour(note.amountColour);
    d.amount(note.amount, colour, note.background, title);
    if (note.picture >= 0) {
        d.euroPicture(strip, note.picture);
        if (note.amountOverPicture)
            d.amount(note.amount, colour, note.background, title);
    }
    return d;
}
