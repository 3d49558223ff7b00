#include "drawing/squarerenderer.h"

#include "model/boardrules.h"
#include "drawing/fonts.h"
#include "drawing/pixeloutline.h"

#include <QFontMetrics>
#include <QPainter>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
constexpr int TemplateW = 180;
constexpr int TemplateH = 280;
constexpr int StripW = 160;
constexpr int StripH = 135;

QFont templateFont() { return ArialFont(14.25, true); }

QFont measuringFont(MeasuringLabel label)
{
    return label == MeasuringLabel::Text2Label ? ArialFont(15.75, false) : ArialFont(14, true);
}

void preparePainter(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
}

// Text with its top-left corner at (x, top), in the template font.
void drawTextAt(QPainter &p, double x, int top, const QString &text)
{
    if (text.isEmpty())
        return;
    p.setFont(templateFont());
    p.setPen(Qt::black);
    p.drawText(QPointF(x, top + QFontMetricsF(p.font()).ascent()), text);
}

// Inside the square's frame: x 2..177, above its thick bottom edge.
const QRect InsideFrame(QPoint(2, 2), QPoint(177, 275));

// One text area: cleared over x 2..177 and rows top..bottom, the text centred at `top`. A text
// wider than the square is cut at the frame, never drawn over it.
void drawCentred(QPainter &p, int top, int bottom, const QString &text, MeasuringLabel label)
{
    p.fillRect(QRect(2, top, 176, bottom - top + 1), TemplateBackgroundColour());
    p.save();
    p.setClipRect(InsideFrame, Qt::IntersectClip);
    drawTextAt(p, CentredLeft(text, label), top, text);
    p.restore();
}

void drawAmount(QPainter &p, const QString &amount)
{
    drawCentred(p, 235, 260, amount, MeasuringLabel::Text3Label);
}

void drawTexts(QPainter &p, int n, const SquareTexts &texts)
{
    if (KindOfSquare(n) == SquareKind::Station) {
        drawCentred(p, 30, 55, texts.street, MeasuringLabel::Text1Label);
    } else {
        drawCentred(p, 75, 100, texts.street, MeasuringLabel::Text1Label);
        drawCentred(p, 100, 125, texts.city, MeasuringLabel::Text2Label);
    }
    drawAmount(p, texts.amount);
}

// The fixed words and picture place of the utilities and taxes.
struct FixedWord { const char *text; int x, y; };
struct SpecialLayout { int n; FixedWord words[3]; QRect pictureRect; };
const SpecialLayout specials[] = {
    {8, {{"Waterleiding", 31, 30}, {}, {}}, QRect(12, 75, 160, 135)},
    {17, {{"Extra", 66, 17}, {"Belasting", 47, 37}, {"Betaal", 60, 210}}, QRect(23, 90, 133, 107)},
    {22, {{"Inkomsten", 42, 17}, {"Belasting", 47, 37}, {"Betaal", 60, 210}}, QRect(15, 60, 150, 150)},
    {29, {{"Electriciteits", 32, 17}, {"Bedrijf", 58, 37}, {}}, QRect(23, 65, 135, 160)},
};

void ensureTemplate(QImage &templ)
{
    if (templ.size() != QSize(TemplateW, TemplateH) || templ.format() != QImage::Format_RGB32)
        templ = QImage(TemplateW, TemplateH, QImage::Format_RGB32);
}
}

int MeasuredWidthTwips(const QString &text, MeasuringLabel label)
{
    return QFontMetrics(measuringFont(label)).horizontalAdvance(text) * 15;
}

double CentredLeft(const QString &text, MeasuringLabel label)
{
    return (1350.0 - MeasuredWidthTwips(text, label) / 2.0) / 15.0;
}

bool SquareTextIsCut(const QString &text, MeasuringLabel label)
{
    const double left = CentredLeft(text, label);
    const int w = QFontMetrics(templateFont()).horizontalAdvance(text);
    return left < InsideFrame.left() || left + w > InsideFrame.right() + 1;
}

void ComposeSquare(QPainter &p, int n, const SquareTexts &texts, const SquareArt &art)
{
    const SquareKind kind = KindOfSquare(n);
    preparePainter(p);
    p.fillRect(QRect(0, 0, TemplateW, TemplateH), TemplateBackgroundColour());

    const bool composable = kind == SquareKind::Street || kind == SquareKind::Station
                            || kind == SquareKind::Utility || kind == SquareKind::Tax;
    if (!composable) {
        // Nothing to compose: the placeholder replaces everything, framed once.
        if (!art.placeholder.isNull())
            p.drawImage(QPoint(0, 0), art.placeholder);
        FillOutline(p, 0, 0, 179, 279, Qt::black);
        return;
    }
    if (kind == SquareKind::Street) {
        p.fillRect(QRect(0, 0, TemplateW, 59), QColor(art.colour.red, art.colour.green, art.colour.blue));
        p.fillRect(QRect(0, 59, TemplateW, 3), Qt::black);
    }
    FillOutline(p, 0, 0, 179, 279, Qt::black);
    FillOutline(p, 1, 1, 178, 278, Qt::black);
    FillOutline(p, 0, 276, 179, 277, Qt::black);

    switch (kind) {
    case SquareKind::Station: {
        drawTexts(p, n, texts);
        const int index = qBound(0, art.stationImage, StationPictures - 1);
        const QRect source(0, StripH * index, StripW, StripH);
        if (art.stationArt && art.stationArt(p, index, QRectF(12, 75, StripW, StripH)))
            break;
        if (art.stationStrip.rect().contains(source))
            p.drawImage(QPoint(12, 75), art.stationStrip, source);
        break;
    }
    case SquareKind::Utility:
    case SquareKind::Tax:
        for (const SpecialLayout &s : specials) {
            if (s.n != n)
                continue;
            for (const FixedWord &w : s.words)
                if (w.text)
                    drawTextAt(p, w.x, w.y, QString::fromLatin1(w.text));
            drawAmount(p, texts.amount);
            if (!art.picture.isNull())
                p.drawImage(s.pictureRect, art.picture);
        }
        break;
    default:
        drawTexts(p, n, texts);
        break;
    }
}

void ComposeSquare(QImage &templ, int n, const SquareTexts &texts, const SquareArt &art)
{
    ensureTemplate(templ);
    QPainter p(&templ);
    ComposeSquare(p, n, texts, art);
}

void DrawSquareTexts(QImage &templ, int currentSquare, const SquareTexts &texts)
{
    ensureTemplate(templ);
    QPainter p(&templ);
    preparePainter(p);
    drawTexts(p, currentSquare, texts);
}

void DrawSquareAmount(QImage &templ, const QString &amount)
{
    ensureTemplate(templ);
    QPainter p(&templ);
    preparePainter(p);
    drawAmount(p, amount);
}

namespace {
// Where template pixel (X, Y) lands, relative to the square's position.
QPoint turned(int side, int X, int Y)
{
    switch (side) {
    case 1: return {179 - X, 279 - Y};
    case 2: return {Y, 179 - X};
    case 3: return {X, Y};
    default: return {279 - Y, X};
    }
}

// Pixel by pixel, skipping whatever falls outside the board; for positions near an edge.
void placeClipped(QImage &board, const QImage &src, int side, QPoint at)
{
    for (int Y = 0; Y < TemplateH; ++Y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(src.constScanLine(Y));
        for (int X = 0; X < TemplateW; ++X) {
            const QPoint d = at + turned(side, X, Y);
            if (board.valid(d))
                reinterpret_cast<QRgb *>(board.scanLine(d.y()))[d.x()] = row[X];
        }
    }
}
}

void PlaceSquare(QImage &board, const QImage &templ, int side, QPoint at)
{
    if (board.isNull() || templ.width() < TemplateW || templ.height() < TemplateH || side < 1 || side > 4)
        return;
    if (board.format() != QImage::Format_RGB32)
        board = board.convertToFormat(QImage::Format_RGB32);
    const QImage src = templ.format() == QImage::Format_RGB32
                           ? templ
                           : templ.convertToFormat(QImage::Format_RGB32);

    const bool upright = side == 1 || side == 3;
    const QRect area(at, upright ? QSize(TemplateW, TemplateH) : QSize(TemplateH, TemplateW));
    if (!board.rect().contains(area)) {
        placeClipped(board, src, side, at);
        return;
    }

    uchar *const boardBits = board.bits();
    const qsizetype boardStride = board.bytesPerLine();
    auto boardRow = [&](int y) { return reinterpret_cast<QRgb *>(boardBits + y * boardStride) + at.x(); };

    auto srcRow = [&](int Y) { return reinterpret_cast<const QRgb *>(src.constScanLine(Y)); };
    if (side == 3) {
        for (int Y = 0; Y < TemplateH; ++Y)
            std::memcpy(boardRow(at.y() + Y), srcRow(Y), TemplateW * sizeof(QRgb));
        return;
    }
#if defined(__SSE2__)
    // Blocks of 4 x 4 pixels: four template rows of four pixels are loaded, turned in
    // registers and stored as four board rows of four pixels. Each board row is written
    // from one end to the other before the next four are begun.
    const uchar *const srcBits = src.constBits();
    const qsizetype srcStride = src.bytesPerLine();
    auto load = [&](int X, int Y) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i *>(srcBits + Y * srcStride) + X / 4);
    };
    auto store = [](QRgb *d, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i *>(d), v); };
    auto reversed = [](__m128i v) { return _mm_shuffle_epi32(v, _MM_SHUFFLE(0, 1, 2, 3)); };
    if (side == 1) {  // each row reversed, rows in reverse order
        for (int Y = 0; Y < TemplateH; ++Y) {
            QRgb *d = boardRow(at.y() + 279 - Y) + 176;
            for (int X = TemplateW - 4; X >= 0; X -= 4)  // the board row from left to right
                store(d - X, reversed(load(X, Y)));
        }
        return;
    }
    // Quarter turns: board row y0 + 179 - X (side 2) or y0 + X (side 4) holds template column
    // X, top to bottom (side 2) or bottom to top (side 4). Feeding the four template rows to
    // the transpose in reverse order gives side 4 its reversed columns for free.
    const bool down = side == 2;
    for (int X = 0; X < TemplateW; X += 4) {
        QRgb *d[4];
        for (int k = 0; k < 4; ++k)
            d[k] = down ? boardRow(at.y() + 179 - X - k) : boardRow(at.y() + X + k);
        for (int i = 0; i < TemplateH; i += 4) {
            const int Y = down ? i : TemplateH - 4 - i;  // this block holds template rows Y..Y + 3
            const int step = down ? 1 : -1;
            const int first = down ? Y : Y + 3;
            const __m128i r0 = load(X, first), r1 = load(X, first + step),
                          r2 = load(X, first + 2 * step), r3 = load(X, first + 3 * step);
            const __m128i t0 = _mm_unpacklo_epi32(r0, r1), t1 = _mm_unpackhi_epi32(r0, r1);
            const __m128i t2 = _mm_unpacklo_epi32(r2, r3), t3 = _mm_unpackhi_epi32(r2, r3);
            store(d[0] + i, _mm_unpacklo_epi64(t0, t2));
            store(d[1] + i, _mm_unpackhi_epi64(t0, t2));
            store(d[2] + i, _mm_unpacklo_epi64(t1, t3));
            store(d[3] + i, _mm_unpackhi_epi64(t1, t3));
        }
    }
#else
    for (int Y = 0; Y < TemplateH; ++Y) {
        const QRgb *s = srcRow(Y);
        for (int X = 0; X < TemplateW; ++X) {
            switch (side) {
            case 1: boardRow(at.y() + 279 - Y)[179 - X] = s[X]; break;
            case 2: boardRow(at.y() + 179 - X)[Y] = s[X]; break;
            default: boardRow(at.y() + X)[279 - Y] = s[X]; break;
            }
        }
    }
#endif
}
