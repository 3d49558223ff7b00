#include "files/drawingfile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <limits>

namespace {
constexpr int MaxText = 1000;
QString text(const QJsonObject &o, const char *key)
{
    return o.value(QLatin1String(key)).toString().left(MaxText);
}
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
        if (n < 1 || n > 36 || !IsComposableSquare(n))
            continue;
        drawing.squares[n] = PlacedSquare{text(o, "street"), text(o, "city"), text(o, "amount"), stationOf(o)};
    }
    for (const QJsonValue &v : root.value(QLatin1String("deeds")).toArray()) {
        const QJsonObject o = v.toObject();
        const int n = squareOf(o);
        if (n < 1 || n > 36 || !HasDeed(n))
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
