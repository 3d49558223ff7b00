#include "cards/banknote.h"

#include "fonts.h"
#include "printing/printerpage.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace {
QColor toColor(const RgbColour &c) { return QColor(qBound(0, c.red, 255), qBound(0, c.green, 255), qBound(0, c.blue, 255)); }

void prepare(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
}

// The note's texts are drawn without smoothing: PlaatsBedrag draws the corner words again over
// themselves at every change, and smoothed edges would darken a little every time.
QFont noteFont(double points)
{
    QFont font = ArialFont(points, true);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// Top-left corner of the text at (x, y).
void textAt(QPainter &p, int x, int y, const QString &text, const QColor &colour)
{
    p.setPen(colour);
    p.drawText(QPointF(x, y + p.fontMetrics().ascent()), text);
}
}

RgbColour AmountColour(int n)
{
    static const RgbColour colours[AmountColourCount] = {
        {255, 0, 0},   {0, 255, 0},   {0, 0, 255},     {255, 255, 0},   {0, 255, 255},
        {255, 255, 255}, {120, 0, 0}, {0, 120, 0},     {0, 0, 120},     {120, 120, 0},
        {0, 120, 120}, {120, 120, 120}, {0, 0, 0},
    };
    return colours[qBound(1, n, AmountColourCount) - 1];
}

QRect AmountBand() { return QRect(QPoint(13, 85), QPoint(386, 116)); }

QImage NewNotePicture(const RgbColour &background)
{
    QImage note(NoteWidth, NoteHeight, QImage::Format_RGB32);
    note.fill(toColor(background));
    return note;
}

void DrawNoteOutlines(QImage &note, const QColor &inner)
{
    QPainter p(&note);
    prepare(p);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(0, 0, 399, 199);
    p.setPen(inner);
    p.drawRect(10, 10, 379, 179);
    p.drawRect(11, 11, 377, 177);
}

void DrawNoteDots(QImage &note)
{
    const QRgb black = qRgb(0, 0, 0);
    for (int y = 15; y <= 183 && y < note.height(); y += 2)
        for (int x = 15; x <= 383 && x < note.width(); x += 2)
            note.setPixel(x, y, black);
}

void DrawNoteEllipses(QImage &note)
{
    QPainter p(&note);
    prepare(p);
    p.setPen(QPen(Qt::black, 1));
    for (double r : {100.0, 99.0, 98.0})
        p.drawEllipse(QPointF(200, 100), r, r / 2);
}

int AmountLeft(int width)
{
    // (3000 - w / 2) / 15 with w in twips, rounded to the nearest pixel.
    return int(std::lround((3000.0 - width * 15 / 2.0) / 15.0));
}

void PlaatsBedrag(QImage &note, const QString &amount, const RgbColour &amountColour,
                  const RgbColour &background)
{
    {
        QPainter p(&note);
        prepare(p);
        p.fillRect(AmountBand(), toColor(background));
    }
    DrawNoteDots(note);
    {
        QPainter p(&note);
        prepare(p);
        p.setFont(noteFont(20));
        p.setClipRect(AmountBand());
        const int width = p.fontMetrics().horizontalAdvance(amount);
        textAt(p, AmountLeft(width), 85, amount, toColor(amountColour));
    }
    DrawNoteEllipses(note);
    QPainter p(&note);
    prepare(p);
    p.setFont(noteFont(12));
    struct Corner { const char *word; int x, y; };
    const Corner corners[] = {{"VASTGOED", 19, 19}, {"ATELIER", 302, 19}, {"ATELIER", 19, 163}, {"VASTGOED", 286, 163}};
    for (const Corner &c : corners) {
        textAt(p, c.x, c.y, QLatin1String(c.word), Qt::white);
        textAt(p, c.x + 1, c.y + 1, QLatin1String(c.word), QColor(120, 0, 0));
    }
}

void PlaceEuroPicture(QImage &note, const QImage &strip, int k)
{
    const QRect source(0, NoteHeight * k, NoteWidth, NoteHeight);
    QPainter p(&note);
    prepare(p);
    if (k >= 0 && k < EuroPictureCount && !strip.isNull() && strip.rect().contains(source))
        p.drawImage(QPoint(0, 0), strip, source);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(0, 0, 399, 199);
}

QRectF MoneySheetSlot(int row, int column)
{
    return QRectF(180 + 5670 * (column - 1), 180 + 3120 * (row - 1), 5430, 2850);
}

bool PrintMoneySheet(PrinterPage &page, const QImage &note)
{
    if (!page.setOrientation(QPageLayout::Portrait))
        return false;
    for (int row = 1; row <= 5; ++row)
        for (int column = 1; column <= 2; ++column)
            if (!page.placePicture(note, MoneySheetSlot(row, column)))
                return false;
    return page.endDocument();
}
