#include "artwork/backs.h"

#include "artwork/artwork.h"
#include "drawing/carddrawing.h"
#include "drawing/deeddrawing.h"
#include "drawing/deedsheet.h"
#include "drawing/fonts.h"

#include <QPainter>
#include <QPainterPath>

namespace {
SharpPicture sharpDrawing(QSize size, std::function<void(QPainter &)> draw)
{
    SharpPicture sharp(RenderScaled(size, size, draw));
    sharp.parts.push_back({QRect(QPoint(0, 0), size),
                           [size, draw](QSize at) { return RenderScaled(size, at, draw); }});
    return sharp;
}

// Text centred on x, its top at y, shrunk to `room` pixels when wider.
void centred(QPainter &p, double x, double y, const QString &text, const QFont &font, double room)
{
    QFont f = font;
    while (QFontMetricsF(f).horizontalAdvance(text) > room && f.pixelSize() > 7)
        f.setPixelSize(f.pixelSize() - 1);
    p.setFont(f);
    const QFontMetricsF m(f);
    p.drawText(QPointF(x - m.horizontalAdvance(text) / 2, y + m.ascent()), text);
}
}

void DrawCardBack(QPainter &p, int subject)
{
    const bool kans = subject != 2;
    const QColor colour = DeckColour(kans);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRect(0, 0, CardPictureWidth, CardPictureHeight), colour.lighter(175));
    // A wide band in the deck's colour, a light line inside it.
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    QPainterPath band;
    band.addRect(QRectF(4, 4, CardPictureWidth - 8, CardPictureHeight - 8));
    band.addRoundedRect(QRectF(14, 14, CardPictureWidth - 28, CardPictureHeight - 28), 10, 10);
    p.drawPath(band);
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(18.5, 18.5, CardPictureWidth - 37, CardPictureHeight - 37), 8, 8);
    DrawDeckEmblem(p, kans, QRectF(70, 26, 180, 112));
    p.setPen(colour.darker(170));
    centred(p, CardPictureWidth / 2.0, 140, CardTitle(kans ? 1 : 2), ArialFont(18, true), 250);
    p.restore();
}

SharpPicture CardBack(int subject)
{
    // A deck's sixteen backs are one picture: drawn once a size, and stored once in a PDF.
    SharpPicture back = sharpDrawing(QSize(CardPictureWidth, CardPictureHeight),
                                     [subject](QPainter &p) { DrawCardBack(p, subject); });
    RememberRenders(back);
    return back;
}

DeedBackText DeedBackOf(const Algemeen &state, int n)
{
    const int slot = qBound(0, n, SquareSlots - 1);
    const PastedDeed deed = state.drawing.deeds[size_t(slot)] ? *state.drawing.deeds[size_t(slot)]
                                                              : DefaultDeedRecord(state, slot);
    DeedBackText text{deed.street, deed.city, QString()};
    if (deed.kind == DeedKind::Utility) {
        text.mortgage = AmountText(250.0f);
    } else {
        const auto amount = DeedAmount(deed.base, deed.factors[deed.kind == DeedKind::Station ? 12 : 8]);
        text.mortgage = amount ? AmountText(*amount) : QString();
    }
    return text;
}

void DrawDeedBack(QPainter &p, const DeedBackText &text)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRect(0, 0, DeedWidth, DeedHeight), QColor(246, 242, 226));  // a cream card
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, DeedWidth - 1, DeedHeight - 1);
    p.drawRect(1, 1, DeedWidth - 3, DeedHeight - 3);
    p.drawRect(8, 8, DeedWidth - 17, DeedHeight - 17);
    p.setPen(Qt::black);
    centred(p, 100, 58, text.street, ArialFont(14, true), 176);
    centred(p, 100, 86, text.city, ArialFont(10), 176);
    p.drawLine(40, 128, 160, 128);
    centred(p, 100, 150, QStringLiteral("Hypotheekwaarde"), ArialFont(11, true), 176);
    centred(p, 100, 176, text.mortgage, ArialFont(16, true), 176);
    p.restore();
}

SharpPicture DeedBack(const DeedBackText &text)
{
    return sharpDrawing(QSize(DeedWidth, DeedHeight), [text](QPainter &p) { DrawDeedBack(p, text); });
}
