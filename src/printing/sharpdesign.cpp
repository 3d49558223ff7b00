#include "printing/sharpdesign.h"

#include "app/startup.h"
#include "board/artwork.h"
#include "board/geometry.h"
#include "board/squaredesign.h"
#include "deeds/deeddrawing.h"
#include "deeds/deedsheet.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTransform>
#include <cmath>

namespace {
bool composable(int n)
{
    const SquareKind kind = KindOfSquare(n);
    return kind == SquareKind::Street || kind == SquareKind::Station || kind == SquareKind::Utility
           || kind == SquareKind::Tax;
}

bool hasDeed(int n) { return DeedSheetSlot(n).has_value(); }

// The Data picture a utility or tax square or deed shows; null for every other square.
QImage specialPicture(const Algemeen &state, int n)
{
    const QString file = SquarePictureFile(n);
    return file.isEmpty() ? QImage() : LoadPicture(state.dataPath(file));
}

// The template turned as it lies on the board on `side` (see PlaceSquare).
QImage turned(const QImage &upright, int side)
{
    switch (side) {
    case 1: return upright.mirrored(true, true);
    case 2: return upright.transformed(QTransform().rotate(270));
    case 4: return upright.transformed(QTransform().rotate(90));
    default: return upright;
    }
}

constexpr int MaxText = 1000;
QString text(const QJsonObject &o, const char *key)
{
    return o.value(QLatin1String(key)).toString().left(MaxText);
}
}

DesignDrawing DefaultDesignDrawing(const Algemeen &state)
{
    Algemeen design = state;
    design.RentFactors = DefaultRentFactors();
    design.project.StationImage = 0;
    DesignDrawing drawing;
    for (int n = 1; n <= 36; ++n) {
        const BoardSquare &square = design.project.Board[n];
        if (composable(n))
            drawing.squares[n] = PlacedSquare{square.Street, square.City, square.Amount, 0};
        if (hasDeed(n))
            drawing.deeds[n] = DefaultDeedRecord(design, n);
    }
    return drawing;
}

void RecordPlacedSquare(Algemeen &state, int n, const BoardSquare &square)
{
    if (n < 1 || n > 36 || !composable(n))
        return;
    state.drawing.squares[n] = PlacedSquare{square.Street, square.City, square.Amount,
                                            int(state.project.StationImage)};
}

SharpPicture SharpBoard(const Algemeen &state)
{
    SharpPicture sharp(state.pictures.Speelbord);
    // The artwork of the board: corners and centre drawn by the template's own code, in
    // pieces small enough to draw on both cores and to keep where another tool left the rest.
    const QString title = state.game.title, subtitle = state.game.subtitle;
    for (const QRect &area : BoardArtworkPieces())
        sharp.parts.push_back({area, [area, title, subtitle](QSize size) {
                                   return DrawBoardPiece(area, size, title, subtitle);
                               }});
    for (int n = 1; n <= 36; ++n) {
        if (!IsCardSquare(n))
            continue;
        const int side = SideOfSquare(n);
        const bool across = side == 2 || side == 4;
        const bool kans = IsKansSquare(n);
        const QRect area(DefaultSquarePosition(n), across ? QSize(TemplateHeight, TemplateWidth)
                                                          : QSize(TemplateWidth, TemplateHeight));
        sharp.parts.push_back({area, [side, across, kans](QSize size) {
                                   const QSize upright = across ? size.transposed() : size;
                                   return turned(RenderScaled(QSize(TemplateWidth, TemplateHeight), upright,
                                                              [&](QPainter &p) { DrawCardSquare(p, kans); }),
                                                 side);
                               }});
    }
    for (int n = 1; n <= 36; ++n) {
        const auto &placed = state.drawing.squares[n];
        if (!placed || !composable(n))
            continue;
        const int side = SideOfSquare(n);
        const bool across = side == 2 || side == 4;
        const QRect area(state.squarePosition[n], across ? QSize(TemplateHeight, TemplateWidth)
                                                         : QSize(TemplateWidth, TemplateHeight));
        SquareArt art;
        art.colour = state.squareColour[n];
        art.stationStrip = state.pictures.TreinPic;
        art.stationImage = placed->stationImage;
        art.picture = specialPicture(state, n);
        const SquareTexts texts{placed->street, placed->city, placed->amount};
        sharp.parts.push_back({area, [n, side, across, art, texts](QSize size) {
                                   const QSize upright = across ? size.transposed() : size;
                                   return turned(RenderScaled(QSize(TemplateWidth, TemplateHeight), upright,
                                                              [&](QPainter &p) { ComposeSquare(p, n, texts, art); }),
                                                 side);
                               }});
    }
    return KeepFaithfulParts(std::move(sharp));
}

SharpPicture SharpDeedSheet(const Algemeen &state)
{
    SharpPicture sharp(state.pictures.EigenDomsPic);
    for (int n = 1; n <= 36; ++n) {
        const auto &deed = state.drawing.deeds[n];
        const auto slot = DeedSheetSlot(n);
        if (!deed || !slot)
            continue;
        const RgbColour colour = state.squareColour[n];
        const QImage strip = state.pictures.TreinPic;
        const QImage picture = deed->kind == DeedKind::Utility ? specialPicture(state, n) : QImage();
        const PastedDeed record = *deed;
        sharp.parts.push_back({QRect(*slot, QSize(DeedWidth, DeedHeight)),
                               [n, record, colour, strip, picture](QSize size) {
                                   return RenderScaled(QSize(DeedWidth, DeedHeight), size, [&](QPainter &p) {
                                       DrawPastedDeed(p, n, record, colour, strip, picture);
                                   });
                               }});
    }
    return KeepFaithfulParts(std::move(sharp));
}

QByteArray DrawingFileBytes(const DesignDrawing &drawing)
{
    QJsonArray squares;
    for (int n = 1; n <= 36; ++n) {
        const auto &s = drawing.squares[n];
        if (!s)
            continue;
        squares.append(QJsonObject{{"square", n}, {"street", s->street}, {"city", s->city},
                                   {"amount", s->amount}, {"station", s->stationImage}});
    }
    QJsonArray deeds;
    for (int n = 1; n <= 36; ++n) {
        const auto &d = drawing.deeds[n];
        if (!d)
            continue;
        QJsonArray factors;
        for (qint32 f : d->factors)
            factors.append(f);
        const char *kind = d->kind == DeedKind::Station ? "station" : d->kind == DeedKind::Utility ? "utility" : "street";
        // A base beyond a 32-bit float (an amount column left empty) has no JSON number.
        const QJsonValue base = std::isfinite(d->base) ? QJsonValue(double(d->base)) : QJsonValue(QStringLiteral("none"));
        deeds.append(QJsonObject{{"square", n}, {"kind", kind}, {"street", d->street}, {"city", d->city},
                                 {"base", base}, {"factors", factors}, {"station", d->stationImage}});
    }
    const QJsonObject root{{"format", "vastgoed-tekening"}, {"version", 1}, {"squares", squares}, {"deeds", deeds}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

DesignDrawing ReadDrawingFile(const QByteArray &bytes)
{
    DesignDrawing drawing;
    if (bytes.size() > 1024 * 1024)
        return drawing;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes);
    const QJsonObject root = doc.object();
    if (root.value(QLatin1String("format")).toString() != QLatin1String("vastgoed-tekening")
        || root.value(QLatin1String("version")).toInt() != 1)
        return drawing;
    auto squareOf = [](const QJsonObject &o) {
        const QJsonValue v = o.value(QLatin1String("square"));
        return v.isDouble() ? v.toInt(-1) : -1;
    };
    auto stationOf = [](const QJsonObject &o) {
        return qBound(0, o.value(QLatin1String("station")).toInt(0), StationPictures - 1);
    };
    for (const QJsonValue &v : root.value(QLatin1String("squares")).toArray()) {
        const QJsonObject o = v.toObject();
        const int n = squareOf(o);
        if (n < 1 || n > 36 || !composable(n))
            continue;
        drawing.squares[n] = PlacedSquare{text(o, "street"), text(o, "city"), text(o, "amount"), stationOf(o)};
    }
    for (const QJsonValue &v : root.value(QLatin1String("deeds")).toArray()) {
        const QJsonObject o = v.toObject();
        const int n = squareOf(o);
        if (n < 1 || n > 36 || !hasDeed(n))
            continue;
        PastedDeed d;
        const QString kind = o.value(QLatin1String("kind")).toString();
        if (kind == QLatin1String("street"))
            d.kind = DeedKind::Street;
        else if (kind == QLatin1String("station"))
            d.kind = DeedKind::Station;
        else if (kind == QLatin1String("utility"))
            d.kind = DeedKind::Utility;
        else
            continue;
        d.street = text(o, "street");
        d.city = text(o, "city");
        const QJsonValue base = o.value(QLatin1String("base"));
        if (base.isDouble())
            d.base = float(base.toDouble());
        else if (base.toString() == QLatin1String("none"))
            d.base = std::numeric_limits<float>::infinity();
        else
            continue;
        const QJsonArray factors = o.value(QLatin1String("factors")).toArray();
        if (factors.size() != int(d.factors.size()))
            continue;
        for (int i = 0; i < factors.size(); ++i)
            d.factors[i] = qint32(qBound(-2147483648.0, factors[i].toDouble(), 2147483647.0));
        d.stationImage = stationOf(o);
        drawing.deeds[n] = d;
    }
    return drawing;
}
