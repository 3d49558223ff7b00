#include "drawing/deeddrawing.h"

#include "drawing/fonts.h"
#include "drawing/pixeloutline.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegion>
#include <cfloat>
#include <cmath>

namespace {
// A painter on the canvas with the deed's drawing habits: no smoothing of lines or copies.
void preparePainter(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.setPen(QPen(Qt::black, 1));
}

// Text with its top-left corner at (x, y).
void textAt(QPainter &p, int x, int y, const QString &text)
{
    p.drawText(x, y + p.fontMetrics().ascent(), text);
}

// Text centred on x = 100, its top at y. It is kept inside `inside`: a name wider than the
// deed is cut there, never drawn over the frame.
void centredText(QPainter &p, int y, const QString &text, const QRect &inside)
{
    const int w = p.fontMetrics().horizontalAdvance(text);
    p.save();
    p.setClipRect(inside, Qt::IntersectClip);
    textAt(p, 100 - w / 2, y, text);
    p.restore();
}

// Inside the two-pixel frame; on a street deed also above the rule under the band.
const QRect InsideFrame(QPoint(2, 2), QPoint(197, 277));
const QRect InsideBand(QPoint(2, 2), QPoint(197, 59));

// The amount column is erased from here to x = 197 and drawn with its right edge at x = 190.
constexpr int AmountRight = 190;
int amountColumnLeft(DeedMode mode) { return mode == DeedMode::Street ? 118 : 115; }

// An amount right-aligned at x = 190. One too wide for the column is narrowed to fit it, so
// that it never reaches the labels beside it (where the next erase would not take it away).
void amountAt(QPainter &p, DeedMode mode, int y, const QString &text)
{
    const int room = AmountRight - amountColumnLeft(mode);
    const int w = p.fontMetrics().horizontalAdvance(text);
    if (w <= room) {
        textAt(p, AmountRight - w, y, text);
        return;
    }
    p.save();
    p.translate(amountColumnLeft(mode), 0);
    p.scale(double(room) / w, 1.0);
    textAt(p, 0, y, text);
    p.restore();
}

void clearCanvas(QImage &canvas)
{
    if (canvas.size() != QSize(DeedWidth, DeedHeight) || canvas.format() != QImage::Format_RGB32)
        canvas = QImage(DeedWidth, DeedHeight, QImage::Format_RGB32);
    canvas.fill(DeedBackground());
}

// The two-pixel black frame round the canvas.
void drawFrame(QPainter &p)
{
    FillOutline(p, 0, 0, 199, 279, Qt::black);
    FillOutline(p, 1, 1, 198, 278, Qt::black);
}

struct FixedText {
    int x, y;
    const char16_t *text;
};

const FixedText streetTexts[] = {
    {10, 70, u"Huur onbebouwd"},
    {22, 87, u"''    met 1 huis"},
    {22, 104, u"''    met 2 huizen"},
    {22, 121, u"''    met 3 huizen"},
    {22, 138, u"''    met 4 huizen"},
    {22, 155, u"''    met hotel"},
    {10, 185, u"Prijs van een huis"},
    {10, 202, u"Prijs van een hotel"},
    {10, 219, u"plus 4 huizen"},
    {10, 236, u"Hypotheekwaarde"},
    {10, 253, u"grond"},
};

const FixedText stationTexts[] = {
    {10, 180, u"Huur"},
    {10, 196, u"2 Stations in bezit"},
    {10, 212, u"3 Stations in bezit"},
    {10, 228, u"4 Stations in bezit"},
    {10, 250, u"Hypotheekwaarde"},
};

const FixedText utilityTexts[] = {
    {22, 185, u"Wanneer u èèn Nutsbedrijf"},
    {38, 200, u"bezit: 10 x het aantal"},
    {47, 215, u"ogen van de worp."},
    {37, 230, u"Voor beide is dit 50 x"},
    {25, 250, u"Hypotheekwaarde: € 250,-"},
};

template <std::size_t N>
void drawTexts(QPainter &p, const FixedText (&texts)[N])
{
    for (const FixedText &t : texts)
        textAt(p, t.x, t.y, QString::fromUtf16(t.text));
}

// Which factor feeds each row of the amount column (0: the base itself).
struct RowFactor {
    int y;
    int factor;
};
const RowFactor streetRows[] = {{70, 0},  {87, 1},  {104, 2}, {121, 3}, {138, 4},
                                {155, 5}, {185, 6}, {219, 7}, {253, 8}};
const RowFactor stationRows[] = {{180, 0}, {196, 9}, {212, 10}, {228, 11}, {250, 12}};
}


bool DeedNameIsCut(const QString &text)
{
    const int w = QFontMetrics(ArialFont(14, true)).horizontalAdvance(text);
    const int left = 100 - w / 2;
    return left < InsideFrame.left() || left + w > InsideFrame.right() + 1;
}

std::optional<float> DeedAmount(float base, qint32 factor)
{
    const double product = double(base) * double(factor);
    if (!std::isfinite(product) || std::fabs(product) > double(FLT_MAX))
        return std::nullopt;
    return float(product);
}

QString AmountNumber(float amount)
{
    if (amount == 0.0f)
        return QStringLiteral("0");  // also for -0
    // 'G' with 7 digits drops trailing zeros and switches to the exponent from 1E+07 on;
    // QString::number always writes the C locale's "." whatever the user's settings.
    QString s = QString::number(double(amount), 'G', 7);
    if (s.startsWith(QLatin1String("0.")))
        s.remove(0, 1);
    else if (s.startsWith(QLatin1String("-0.")))
        s.remove(1, 1);
    return s;
}

QString AmountText(float amount)
{
    return QString(QChar(0x20AC)) + QLatin1Char(' ') + AmountNumber(amount) + QStringLiteral(",-");
}

QList<AmountRow> DeedAmountRows(DeedMode mode, float base, const FactorTable &factors)
{
    QList<AmountRow> rows;
    const auto add = [&](const RowFactor &r) {
        const std::optional<float> amount =
            r.factor == 0 ? DeedAmount(base, 1) : DeedAmount(base, factors[r.factor]);
        rows.append({r.y, amount ? AmountText(*amount) : QString()});
    };
    if (mode == DeedMode::Street)
        for (const RowFactor &r : streetRows)
            add(r);
    else
        for (const RowFactor &r : stationRows)
            add(r);
    return rows;
}

QImage NewDeedCanvas()
{
    QImage canvas;
    clearCanvas(canvas);
    return canvas;
}

void DrawDeedAmounts(QPainter &p, DeedMode mode, float base, const FactorTable &factors)
{
    preparePainter(p);
    QList<QRect> column;
    if (mode == DeedMode::Street)
        column = {QRect(QPoint(118, 68), QPoint(197, 173)), QRect(QPoint(118, 181), QPoint(197, 274))};
    else
        column = {QRect(QPoint(115, 175), QPoint(197, 270))};
    for (const QRect &r : column)
        p.fillRect(r, DeedBackground());
    p.save();
    // Whatever the number, nothing of it lands outside what the next redraw erases.
    QRegion erased;
    for (const QRect &r : column)
        erased += r;
    p.setClipRegion(erased, Qt::IntersectClip);
    p.setFont(ArialFont(10));
    p.setPen(Qt::black);
    for (const AmountRow &row : DeedAmountRows(mode, base, factors)) {
        if (row.text.isEmpty())
            continue;  // an amount too large for the deed is left out
        amountAt(p, mode, row.y, row.text);
    }
    p.restore();
}

void DrawDeedAmounts(QImage &canvas, DeedMode mode, float base, const FactorTable &factors)
{
    if (canvas.size() != QSize(DeedWidth, DeedHeight))
        clearCanvas(canvas);
    QPainter p(&canvas);
    DrawDeedAmounts(p, mode, base, factors);
}

void DrawStreetDeed(QPainter &p, int n, const QString &street, const QString &city,
                    RgbColour groupColour, float base, const FactorTable &factors)
{
    preparePainter(p);
    p.fillRect(QRect(0, 0, DeedWidth, DeedHeight), DeedBackground());
    p.fillRect(QRect(0, 0, 200, 60), QColor(groupColour.red, groupColour.green, groupColour.blue));
    drawFrame(p);
    FillOutline(p, 0, 60, 198, 61, Qt::black);  // rows 60 and 61, x 0..198

    const bool white = n == 16 || n == 18 || n == 19 || n == 21;
    p.setPen(white ? Qt::white : Qt::black);
    p.setFont(ArialFont(14, true));
    centredText(p, 8, street, InsideBand);
    centredText(p, 30, city, InsideBand);

    p.setPen(Qt::black);
    p.setFont(ArialFont(10));
    drawTexts(p, streetTexts);
    p.fillRect(8, 177, 184, 1, Qt::black);
    DrawDeedAmounts(p, DeedMode::Street, base, factors);
}

void DrawStreetDeed(QImage &canvas, int n, const QString &street, const QString &city,
                    RgbColour groupColour, float base, const FactorTable &factors)
{
    clearCanvas(canvas);
    QPainter p(&canvas);
    DrawStreetDeed(p, n, street, city, groupColour, base, factors);
}

void DrawStationDeed(QPainter &p, const QString &name, const QImage &stationStrip,
                     int stationImage, float base, const FactorTable &factors,
                     const StripArt &stationArt)
{
    preparePainter(p);
    p.fillRect(QRect(0, 0, DeedWidth, DeedHeight), DeedBackground());
    drawFrame(p);
    // The strip holds the pictures one below the other; what the strip lacks stays blank.
    const QRect source(0, stationImage * 135, 160, 135);
    const QRect inStrip = source.intersected(stationStrip.rect());
    const bool drawnAnew = stationArt && stationArt(p, stationImage, QRectF(21, 35, 160, 135));
    if (!drawnAnew && !inStrip.isEmpty())
        p.drawImage(QPoint(21, 35) + (inStrip.topLeft() - source.topLeft()), stationStrip, inStrip);
    p.setFont(ArialFont(14, true));
    centredText(p, 10, name, InsideFrame);
    p.setFont(ArialFont(10));
    drawTexts(p, stationTexts);
    DrawDeedAmounts(p, DeedMode::Station, base, factors);
}

void DrawStationDeed(QImage &canvas, const QString &name, const QImage &stationStrip,
                     int stationImage, float base, const FactorTable &factors)
{
    clearCanvas(canvas);
    QPainter p(&canvas);
    DrawStationDeed(p, name, stationStrip, stationImage, base, factors);
}

void DrawUtilityDeed(QPainter &p, UtilityDeed which, const QImage &picture)
{
    preparePainter(p);
    p.fillRect(QRect(0, 0, DeedWidth, DeedHeight), DeedBackground());
    drawFrame(p);
    const bool water = which == UtilityDeed::WaterWorks;
    const QRect place = water ? QRect(21, 35, 160, 135) : QRect(30, 30, 135, 140);
    if (!picture.isNull())
        p.drawImage(place, picture);
    p.setFont(ArialFont(14, true));
    if (water)
        textAt(p, 38, 10, QStringLiteral("Waterleiding"));
    else
        textAt(p, 12, 10, QStringLiteral("Electriciteitsbedrijf"));
    p.setFont(ArialFont(10, true));
    textAt(p, 83, 166, QStringLiteral("Huur"));
    p.setFont(ArialFont(10));
    drawTexts(p, utilityTexts);
}

void DrawUtilityDeed(QImage &canvas, UtilityDeed which, const QImage &picture)
{
    clearCanvas(canvas);
    QPainter p(&canvas);
    DrawUtilityDeed(p, which, picture);
}
