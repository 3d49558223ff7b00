#include "drawing/banknote.h"

#include "drawing/fonts.h"
#include "drawing/pixeloutline.h"
#include "model/owngame.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>
#include <vector>

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

void DrawNoteOutlines(QPainter &p, const QColor &inner)
{
    prepare(p);
    FillOutline(p, 0, 0, 399, 199, QColor(160, 160, 160));
    FillOutline(p, 10, 10, 389, 189, inner);
    FillOutline(p, 11, 11, 388, 188, inner);
}

void DrawNoteDots(QPainter &p)
{
    for (int y = 15; y <= 183; y += 2)
        for (int x = 15; x <= 383; x += 2)
            p.fillRect(x, y, 1, 1, Qt::black);
}

void DrawNoteEllipses(QPainter &p)
{
    prepare(p);
    p.setPen(QPen(Qt::black, 1));
    for (double r : {100.0, 99.0, 98.0})
        p.drawEllipse(QPointF(200, 100), r, r / 2);
}

void DrawNoteOutlines(QImage &note, const QColor &inner)
{
    QPainter p(&note);
    DrawNoteOutlines(p, inner);
}

void DrawNoteDots(QImage &note)
{
    QPainter p(&note);
    DrawNoteDots(p);
}

void DrawNoteEllipses(QImage &note)
{
    QPainter p(&note);
    DrawNoteEllipses(p);
}

int AmountLeft(int width)
{
    // (3000 - w / 2) / 15 with w in twips, rounded to the nearest pixel.
    return int(std::lround((3000.0 - width * 15 / 2.0) / 15.0));
}

void PlaatsBedrag(QPainter &p, const QString &amount, const RgbColour &amountColour,
                  const RgbColour &background, const QString &title)
{
    prepare(p);
    p.fillRect(AmountBand(), toColor(background));
    DrawNoteDots(p);
    p.save();
    p.setFont(noteFont(20));
    p.setClipRect(AmountBand());
    const int width = p.fontMetrics().horizontalAdvance(amount);
    textAt(p, AmountLeft(width), 85, amount, toColor(amountColour));
    p.restore();
    DrawNoteEllipses(p);
    p.setFont(noteFont(12));
    struct Corner { QString word; int x, y; };
    std::vector<Corner> corners;
    if (title.isEmpty() || title == DefaultGameTitle()) {
        const QString v = QStringLiteral("VASTGOED"), a = QStringLiteral("ATELIER");
        corners = {{v, 19, 19}, {a, 302, 19}, {a, 19, 163}, {v, 286, 163}};
    } else {
        // The game's own title in all four corners, the right ones ending where "ATELIER" ends.
        QFont font = noteFont(12);
        while (font.pixelSize() > 8 && QFontMetrics(font).horizontalAdvance(title) > NoteCornerWidth)
            font.setPixelSize(font.pixelSize() - 1);
        p.setFont(font);
        const int right = 386 - p.fontMetrics().horizontalAdvance(title);
        corners = {{title, 19, 19}, {title, right, 19}, {title, 19, 163}, {title, right, 163}};
    }
    for (const Corner &c : corners) {
        textAt(p, c.x, c.y, c.word, Qt::white);
        textAt(p, c.x + 1, c.y + 1, c.word, QColor(120, 0, 0));
    }
}

void PlaatsBedrag(QImage &note, const QString &amount, const RgbColour &amountColour,
                  const RgbColour &background, const QString &title)
{
    QPainter p(&note);
    PlaatsBedrag(p, amount, amountColour, background, title);
}

void PlaceEuroPicture(QPainter &p, const QImage &strip, int k, const StripArt &art)
{
    const QRect source(0, NoteHeight * k, NoteWidth, NoteHeight);
    prepare(p);
    const bool drawnAnew = art && art(p, k, QRectF(0, 0, NoteWidth, NoteHeight));
    if (!drawnAnew && k >= 0 && k < EuroPictureCount && !strip.isNull() && strip.rect().contains(source))
        p.drawImage(QPoint(0, 0), strip, source);
    FillOutline(p, 0, 0, 399, 199, Qt::black);
}

void PlaceEuroPicture(QImage &note, const QImage &strip, int k)
{
    QPainter p(&note);
    PlaceEuroPicture(p, strip, k);
}

void NoteDrawing::start(const RgbColour &background)
{
    m_steps.clear();
    m_picture = NewNotePicture(background);
    m_steps.push_back({Step::Start, [background](QPainter &p, const StripArt &) {
                           p.fillRect(QRect(0, 0, NoteWidth, NoteHeight), toColor(background));
                       }});
}

void NoteDrawing::apply(Step kind, Drawing step)
{
    if (m_picture.isNull())
        start(DefaultNoteBackColour);
    {
        QPainter p(&m_picture);
        step(p, {});
    }
    // An amount erases the amount before it and draws everything else over itself: the last
    // one alone makes the same note. A Euro picture covers the whole note.
    if (kind == Step::Amount && !m_steps.empty() && m_steps.back().kind == Step::Amount)
        m_steps.pop_back();
    if (kind == Step::Euro)
        m_steps.clear();
    m_steps.push_back({kind, std::move(step)});
}

void NoteDrawing::outlines(const QColor &inner)
{
    apply(Step::Other, [inner](QPainter &p, const StripArt &) { DrawNoteOutlines(p, inner); });
}

void NoteDrawing::dots()
{
    apply(Step::Other, [](QPainter &p, const StripArt &) { DrawNoteDots(p); });
}

void NoteDrawing::ellipses()
{
    apply(Step::Other, [](QPainter &p, const StripArt &) { DrawNoteEllipses(p); });
}

void NoteDrawing::amount(const QString &text, const RgbColour &amountColour, const RgbColour &background,
                         const QString &title)
{
    apply(Step::Amount, [=](QPainter &p, const StripArt &) { PlaatsBedrag(p, text, amountColour, background, title); });
}

void NoteDrawing::euroPicture(const QImage &strip, int k)
{
    apply(Step::Euro, [strip, k](QPainter &p, const StripArt &art) { PlaceEuroPicture(p, strip, k, art); });
}

void NoteDrawing::draw(QPainter &p, const StripArt &euroArt) const
{
    for (const auto &s : m_steps)
        s.draw(p, euroArt);
}

SharpPicture NoteDrawing::sharpPicture(const StripArt &euroArt) const
{
    SharpPicture sharp{m_picture, {}};
    const NoteDrawing copy = *this;
    sharp.parts.push_back({QRect(0, 0, NoteWidth, NoteHeight), [copy, euroArt](QSize size) {
                               return RenderScaled(QSize(NoteWidth, NoteHeight), size,
                                                   [&](QPainter &p) { copy.draw(p, euroArt); });
                           }});
    return KeepFaithfulParts(std::move(sharp));
}
