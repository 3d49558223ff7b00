#pragma once
// The banknote of play money: a 400 x 200 pixel note with a dotted field, three ellipses, the
// amount centred in one of 13 colours and the corner words; or one of eight ready-made Euro
// pictures; and the sheet that prints ten copies of it.

#include "model/algemeen.h"
#include "drawing/sharppicture.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QRectF>
#include <QString>


constexpr int NoteWidth = 400;
constexpr int NoteHeight = 200;
constexpr int AmountColourCount = 13;
constexpr int EuroPictureCount = 8;
constexpr int AmountMaxLength = 15;
constexpr RgbColour DefaultNoteBackColour{255, 255, 160};
constexpr RgbColour DefaultAmountColour{255, 0, 0};
inline QString DefaultAmountText() { return QStringLiteral("€ 500,-"); }
constexpr int NoteCornerWidth = 160;  // the widest a corner title may be, in pixels

// Amount colour n, 1..13 (values outside are taken as the nearest end).
RgbColour AmountColour(int n);

// The band behind the amount, refilled before every amount: (13, 85)-(386, 116).
QRect AmountBand();

// A fresh note picture in `background`.
QImage NewNotePicture(const RgbColour &background);
// The outline (0, 0)-(399, 199) in 160, 160, 160 and the two inner outlines at 10 and 11
// pixels in, in `inner` (black when the designer opens, 80, 80, 80 after a background change).
void DrawNoteOutlines(QImage &note, const QColor &inner);
// The dots (every other pixel from 15, 15 to 383, 183) and the three ellipses.
void DrawNoteDots(QImage &note);
void DrawNoteEllipses(QImage &note);

// The left edge (pixels) of an amount whose width is `width` pixels, centred on x = 200.
int AmountLeft(int width);

// Draws the designed note over what the picture holds: the amount band in `background`, the
// dots, the amount in `amountColour` centred on x = 200, the ellipses and the corner words.
// The amount is kept inside its band, so the next amount always erases it whole.
// A `title` other than the program's own replaces "VASTGOED" and "ATELIER" in the corners.
void PlaatsBedrag(QImage &note, const QString &amount, const RgbColour &amountColour,
                  const RgbColour &background, const QString &title = QString());

// Copies Euro picture k (0..7) of the strip over the whole note and outlines it in black.
// A strip that lacks that picture leaves the note as it was, apart from the outline.
void PlaceEuroPicture(QImage &note, const QImage &strip, int k);

// The same steps on any painter, in note pixels from its origin.
void DrawNoteOutlines(QPainter &p, const QColor &inner);
void DrawNoteDots(QPainter &p);
void DrawNoteEllipses(QPainter &p);
void PlaatsBedrag(QPainter &p, const QString &amount, const RgbColour &amountColour,
                  const RgbColour &background, const QString &title = QString());
// `art`, when given, draws the picture anew instead of copying it from the strip.
void PlaceEuroPicture(QPainter &p, const QImage &strip, int k, const StripArt &art = {});

// The note as the money designer makes it, step by step: the picture, and the steps that
// made it, so that the note can be drawn again at a printer's resolution.
class NoteDrawing
{
public:
    // A fresh note in `background`; the steps before it are forgotten.
    void start(const RgbColour &background);
    void outlines(const QColor &inner);
    void dots();
    void ellipses();
    void amount(const QString &text, const RgbColour &amountColour, const RgbColour &background,
                const QString &title = QString());
    void euroPicture(const QImage &strip, int k);

    const QImage &picture() const { return m_picture; }
    int steps() const { return int(m_steps.size()); }
    // Draws the steps again on `p`, in note pixels; `euroArt` draws the ready-made picture.
    void draw(QPainter &p, const StripArt &euroArt = {}) const;
    // The picture with its drawing, kept only where it gives the picture's very pixels; with
    // `euroArt` (EuroPictureArt) the ready-made picture prints drawn anew.
    SharpPicture sharpPicture(const StripArt &euroArt = {}) const;

private:
    enum class Step { Start, Amount, Euro, Other };
    using Drawing = std::function<void(QPainter &, const StripArt &)>;
    struct Recorded {
        Step kind;
        Drawing draw;
    };
    void apply(Step kind, Drawing step);
    QImage m_picture;
    std::vector<Recorded> m_steps;
};
