// The thirty station pictures. Each one combines a time of day, a kind of train, a landscape
// and a station building, so no two pictures look alike.

#include "artwork/artwork.h"
#include "artwork/artwork_paint.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <vector>

#include "artwork/artwork_scene.h"

using namespace artwork;
using namespace stationart;

namespace {



const std::array<QString, 30> StationNames = {
    QStringLiteral("Molendorp"), QStringLiteral("Zeehaven"), QStringLiteral("Bergveld"),
    QStringLiteral("Lindenhout"), QStringLiteral("Tulpendam"), QStringLiteral("Kaasmarkt"),
    QStringLiteral("Duinwijk"), QStringLiteral("Eikenrode"), QStringLiteral("Polderzicht"),
    QStringLiteral("Brugstad"), QStringLiteral("Vlietland"), QStringLiteral("Heidemeer"),
    QStringLiteral("Oosterpoort"), QStringLiteral("Rozendaal"), QStringLiteral("Klaverveen"),
    QStringLiteral("Sterrenberg"), QStringLiteral("Wilgenoord"), QStringLiteral("Maanzicht"),
    QStringLiteral("Havenkade"), QStringLiteral("Dijkhuizen"), QStringLiteral("Kerkbrink"),
    QStringLiteral("Beekvliet"), QStringLiteral("Zonnehoek"), QStringLiteral("Appelgaarde"),
    QStringLiteral("Vossenhol"), QStringLiteral("Meeuwenstrand"), QStringLiteral("Sluisdorp"),
    QStringLiteral("Paardenwei"), QStringLiteral("Klokkenhof"), QStringLiteral("Kasteelhof")};

Livery PickLivery(TrainKind kind, int variant)
{
    static const std::vector<Livery> steam = {
        {{28, 92, 52}, {200, 30, 30}, {230, 186, 70}},   // green with red wheels
        {{24, 24, 28}, {196, 32, 36}, {210, 210, 210}},  // black
        {{118, 22, 32}, {30, 30, 30}, {232, 190, 80}},   // maroon
        {{30, 64, 140}, {200, 30, 30}, {240, 240, 240}}, // blue
        {{70, 110, 60}, {30, 30, 30}, {220, 170, 60}},   // olive
        {{40, 40, 44}, {30, 110, 60}, {230, 186, 70}}};  // black with green wheels
    static const std::vector<Livery> modern = {
        {{250, 200, 20}, {24, 52, 140}, {30, 30, 30}},   // yellow and blue
        {{214, 32, 40}, {250, 250, 250}, {40, 40, 40}},  // red and white
        {{245, 245, 245}, {0, 120, 200}, {60, 60, 60}},  // white and blue
        {{40, 140, 70}, {250, 220, 40}, {30, 30, 30}},   // green and yellow
        {{240, 120, 20}, {90, 90, 96}, {30, 30, 30}},    // orange and grey
        {{190, 196, 204}, {200, 20, 40}, {60, 60, 70}},  // silver and red
        {{110, 50, 150}, {250, 250, 250}, {40, 40, 40}}, // purple and white
        {{20, 90, 170}, {250, 200, 20}, {30, 30, 30}}};  // blue and yellow
    const auto &list = kind == TrainKind::Steam ? steam : modern;
    return list[variant % list.size()];
}

Scene MakeScene(int i, const QString &town)
{
    Scene s;
    s.index = i;
    s.time = TimeOfDay(i % 6);
    s.train = TrainKind(i % 5);
    s.landscape = Landscape((i / 5) % 6);
    s.station = StationKind((i + i / 6) % 4);
    s.facingLeft = (i / 3) % 2 == 1;
    s.stationLeft = (i / 2) % 2 == 0;
    s.livery = PickLivery(s.train, i / 5 + 3 * (i % 2));
    s.name = town.isEmpty() ? StationNames[i % StationNames.size()] : town;
    return s;
}

QColor Mood(TimeOfDay t)
{
    switch (t) {
    case TimeOfDay::Dawn: return {246, 218, 222};
    case TimeOfDay::Day: return {255, 255, 255};
    case TimeOfDay::Golden: return {255, 232, 190};
    case TimeOfDay::Sunset: return {236, 176, 160};
    case TimeOfDay::Night: return {86, 96, 150};
    case TimeOfDay::Winter: return {232, 238, 252};
    }
    return Qt::white;
}

// ---- Sky -----------------------------------------------------------------------------------

void DrawCloud(QPainter &p, QPointF at, qreal size, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(at, size, size * 0.55);
    p.drawEllipse(at + QPointF(-size * 0.8, size * 0.15), size * 0.7, size * 0.4);
    p.drawEllipse(at + QPointF(size * 0.8, size * 0.18), size * 0.75, size * 0.38);
}

void DrawSky(QPainter &p, const Scene &s)
{
    QColor top, bottom;
    switch (s.time) {
    case TimeOfDay::Dawn: top = {110, 130, 200}; bottom = {255, 196, 170}; break;
    case TimeOfDay::Day: top = {60, 140, 226}; bottom = {190, 226, 252}; break;
    case TimeOfDay::Golden: top = {90, 150, 214}; bottom = {255, 222, 150}; break;
    case TimeOfDay::Sunset: top = {58, 44, 116}; bottom = {255, 118, 56}; break;
    case TimeOfDay::Night: top = {6, 10, 36}; bottom = {36, 48, 100}; break;
    case TimeOfDay::Winter: top = {150, 170, 198}; bottom = {226, 232, 242}; break;
    }
    QLinearGradient sky(0, 0, 0, Horizon);
    sky.setColorAt(0, top);
    sky.setColorAt(1, bottom);
    p.fillRect(QRectF(0, 0, Width, Horizon + 2), sky);

    Dice dice(s.index * 7 + 3);
    const qreal sunX = s.stationLeft ? dice.Between(100, 140) : dice.Between(20, 60);
    auto sun = [&](QPointF at, qreal r, const QColor &core, const QColor &halo) {
        QRadialGradient glow(at, r * 3);
        glow.setColorAt(0, halo);
        QColor clear = halo;
        clear.setAlpha(0);
        glow.setColorAt(1, clear);
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(at, r * 3, r * 3);
        p.setBrush(core);
        p.drawEllipse(at, r, r);
    };
    switch (s.time) {
    case TimeOfDay::Dawn:
        sun(QPointF(sunX, Horizon - 8), 11, QColor(255, 226, 170), QColor(255, 200, 150, 170));
        DrawCloud(p, QPointF(dice.Between(30, 130), 22), 9, QColor(255, 210, 220, 200));
        break;
    case TimeOfDay::Day:
        sun(QPointF(sunX, 20), 9, QColor(255, 250, 200), QColor(255, 255, 220, 150));
        for (int c = 0; c < 3; ++c)
            DrawCloud(p, QPointF(dice.Between(10, 150), dice.Between(14, 50)), dice.Between(7, 11),
                      QColor(255, 255, 255, 235));
        break;
    case TimeOfDay::Golden:
        sun(QPointF(sunX, 38), 10, QColor(255, 236, 150), QColor(255, 210, 120, 160));
        DrawCloud(p, QPointF(dice.Between(20, 140), 18), 10, QColor(255, 240, 215, 220));
        break;
    case TimeOfDay::Sunset:
        sun(QPointF(sunX, Horizon - 4), 17, QColor(255, 150, 60), QColor(255, 110, 60, 170));
        for (int c = 0; c < 4; ++c) {
            p.setBrush(QColor(160, 70, 120, 150));
            p.drawRoundedRect(QRectF(dice.Between(-20, 130), dice.Between(24, 60), dice.Between(30, 60), 3), 1.5, 1.5);
        }
        break;
    case TimeOfDay::Night: {
        p.setPen(Qt::NoPen);
        for (int star = 0; star < 40; ++star) {
            const qreal r = dice.Next() < 0.15 ? 1.1 : 0.6;
            p.setBrush(QColor(255, 255, 230, int(dice.Between(140, 255))));
            p.drawEllipse(QPointF(dice.Between(0, Width), dice.Between(0, Horizon - 10)), r, r);
        }
        const QPointF moon(sunX, 24);
        sun(moon, 9, QColor(250, 246, 220), QColor(200, 210, 255, 70));
        p.setBrush(top);
        p.drawEllipse(moon + QPointF(5, -3), 8, 8);
        break;
    }
    case TimeOfDay::Winter:
        for (int c = 0; c < 3; ++c)
            DrawCloud(p, QPointF(dice.Between(10, 150), dice.Between(12, 40)), dice.Between(10, 14),
                      QColor(205, 212, 226, 230));
        break;
    }
}

// ---- Station buildings -------------------------------------------------------------------

void DrawNameSign(QPainter &p, QPointF centre, const QString &name)
{
    const QFont font = FittedFont(name, 9, 52);
    const qreal w = QFontMetricsF(font).horizontalAdvance(name) + 8;
    // The whole sign stays at least 3 pixels inside the picture.
    const qreal left = qBound(3.0, centre.x() - w / 2, StationWidth - 3.0 - w);
    const QRectF sign(left, centre.y() - 6, w, 12);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(QColor(0, 60, 150));
    p.drawRect(sign);
    p.setPen(Qt::white);
    p.setFont(font);
    p.drawText(sign, Qt::AlignCenter, name);
}

void DrawStation(QPainter &p, Scene &s)
{
    const bool snowy = s.time == TimeOfDay::Winter;
    const qreal x = s.stationLeft ? 6 : 96;  // left edge of the building
    const qreal base = 101;                   // where the building meets the platform
    p.setPen(Qt::NoPen);
    switch (s.station) {
    case StationKind::Brick: {
        const QColor brick(172, 84, 56);
        p.setBrush(brick);
        p.drawRect(QRectF(x, base - 34, 58, 34));
        p.setPen(QPen(brick.darker(125), 0.5));
        for (qreal y = base - 31; y < base; y += 4)
            p.drawLine(QPointF(x, y), QPointF(x + 58, y));
        p.setPen(Qt::NoPen);
        QPainterPath roof;
        roof.moveTo(x - 3, base - 34);
        roof.lineTo(x + 10, base - 46);
        roof.lineTo(x + 48, base - 46);
        roof.lineTo(x + 61, base - 34);
        roof.closeSubpath();
        p.setBrush(snowy ? QColor(244, 247, 252) : QColor(70, 74, 86));
        p.drawPath(roof);
        // The clock tower.
        p.setBrush(brick.darker(108));
        p.drawRect(QRectF(x + 22, base - 64, 14, 22));
        QPainterPath cap;
        cap.moveTo(x + 20, base - 64);
        cap.lineTo(x + 29, base - 76);
        cap.lineTo(x + 38, base - 64);
        cap.closeSubpath();
        p.setBrush(snowy ? QColor(244, 247, 252) : QColor(60, 110, 100));
        p.drawPath(cap);
        p.setBrush(Qt::white);
        p.setPen(QPen(QColor(40, 40, 40), 0.8));
        p.drawEllipse(QPointF(x + 29, base - 55), 5, 5);
        p.drawLine(QPointF(x + 29, base - 55), QPointF(x + 29, base - 58.5));
        p.drawLine(QPointF(x + 29, base - 55), QPointF(x + 31.5, base - 55));
        p.setPen(Qt::NoPen);
        for (int w = 0; w < 4; ++w) {
            QPainterPath arch;
            const QRectF win(x + 5 + 14 * w, base - 28, 7, 12);
            arch.addRoundedRect(win, 3.5, 3.5);
            p.setBrush(QColor(60, 70, 90));
            p.drawPath(arch);
            s.windows.push_back(p.transform().mapRect(win));
        }
        s.signAt = QPointF(x + 29, base - 38);
        break;
    }
    case StationKind::Canopy: {
        // A long platform roof on slender columns, a small office behind.
        p.setBrush(QColor(226, 214, 190));
        p.drawRect(QRectF(x + 8, base - 26, 40, 26));
        p.setBrush(QColor(60, 70, 90));
        for (int w = 0; w < 3; ++w) {
            const QRectF win(x + 12 + 12 * w, base - 20, 7, 9);
            p.drawRect(win);
            s.windows.push_back(p.transform().mapRect(win));
        }
        const QColor iron(40, 90, 70);
        p.setBrush(iron);
        for (int c = 0; c < 4; ++c)
            p.drawRect(QRectF(x - 2 + 20 * c, base - 34, 2, 34));
        QPainterPath roof;
        roof.moveTo(x - 8, base - 32);
        roof.lineTo(x + 2, base - 40);
        roof.lineTo(x + 60, base - 40);
        roof.lineTo(x + 70, base - 32);
        roof.closeSubpath();
        p.setBrush(snowy ? QColor(244, 247, 252) : QColor(200, 60, 50));
        p.drawPath(roof);
        p.setBrush(iron);
        p.drawRect(QRectF(x - 8, base - 33, 78, 2));
        s.signAt = QPointF(x + 30, base - 47);
        // A hanging clock.
        p.setPen(QPen(QColor(30, 30, 30), 0.8));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x + 52, base - 27), 3.5, 3.5);
        p.setPen(Qt::NoPen);
        break;
    }
    case StationKind::Halt: {
        // A little wooden halt with a bench and a lamp post.
        const QColor wood(214, 168, 96);
        p.setBrush(wood);
        p.drawRect(QRectF(x + 6, base - 26, 36, 26));
        p.setPen(QPen(wood.darker(130), 0.6));
        for (qreal px = x + 9; px < x + 42; px += 4)
            p.drawLine(QPointF(px, base - 26), QPointF(px, base));
        p.setPen(Qt::NoPen);
        QPainterPath roof;
        roof.moveTo(x + 1, base - 25);
        roof.lineTo(x + 24, base - 42);
        roof.lineTo(x + 47, base - 25);
        roof.closeSubpath();
        p.setBrush(snowy ? QColor(244, 247, 252) : QColor(170, 40, 36));
        p.drawPath(roof);
        p.setBrush(QColor(110, 70, 40));
        p.drawRect(QRectF(x + 28, base - 18, 8, 18));
        const QRectF win(x + 11, base - 19, 10, 8);
        p.setBrush(QColor(60, 70, 90));
        p.drawRect(win);
        s.windows.push_back(p.transform().mapRect(win));
        p.setBrush(QColor(90, 60, 40));
        p.drawRect(QRectF(x + 46, base - 6, 14, 2));
        p.drawRect(QRectF(x + 47, base - 4, 1.5, 4));
        p.drawRect(QRectF(x + 57, base - 4, 1.5, 4));
        p.setBrush(QColor(40, 40, 44));
        p.drawRect(QRectF(x + 63, base - 30, 1.6, 30));
        p.drawRect(QRectF(x + 61, base - 33, 6, 4));
        s.lamps.push_back(p.transform().map(QPointF(x + 64, base - 30.5)));
        s.signAt = QPointF(x + 24, base - 48);
        break;
    }
    case StationKind::Glass: {
        // A modern hall: a glass barrel vault on steel ribs.
        const QRectF hall(x - 6, base - 40, 70, 40);
        QLinearGradient glass(0, hall.top(), 0, hall.bottom());
        glass.setColorAt(0, QColor(190, 226, 240));
        glass.setColorAt(1, QColor(110, 160, 190));
        p.setBrush(glass);
        QPainterPath vault;
        vault.moveTo(hall.left(), hall.bottom());
        vault.lineTo(hall.left(), hall.top() + 14);
        vault.quadTo(hall.center().x(), hall.top() - 12, hall.right(), hall.top() + 14);
        vault.lineTo(hall.right(), hall.bottom());
        vault.closeSubpath();
        p.drawPath(vault);
        for (qreal wx = hall.left() + 12; wx < hall.right() - 8; wx += 20)
            s.windows.push_back(p.transform().mapRect(QRectF(wx, base - 16, 6, 8)));
        p.setPen(QPen(QColor(230, 236, 240), 1.1));
        p.setBrush(Qt::NoBrush);
        for (qreal rx = hall.left() + 10; rx < hall.right(); rx += 10)
            p.drawLine(QPointF(rx, hall.bottom()), QPointF(rx, hall.top() + 2));
        p.drawPath(vault);
        if (snowy) {
            p.setPen(QPen(QColor(250, 252, 255), 2.4));
            QPainterPath top;
            top.moveTo(hall.left() + 6, hall.top() + 8);
            top.quadTo(hall.center().x(), hall.top() - 10, hall.right() - 6, hall.top() + 8);
            p.drawPath(top);
        }
        p.setPen(Qt::NoPen);
        s.signAt = QPointF(hall.center().x(), base - 28);
        break;
    }
    }
}

void DrawPlatformAndTrack(QPainter &p, const Scene &s)
{
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(0, 100, Width, 6), s.time == TimeOfDay::Winter ? QColor(236, 238, 244) : QColor(196, 194, 186));
    p.fillRect(QRectF(0, 105, Width, 1.5), QColor(250, 214, 40));
    p.fillRect(QRectF(0, 106.5, Width, 6), QColor(140, 136, 128));
    p.fillRect(QRectF(0, 112.5, Width, 3), GroundColour(s).darker(112));
    QLinearGradient ballast(0, 115, 0, 130);
    ballast.setColorAt(0, QColor(150, 138, 120));
    ballast.setColorAt(1, QColor(110, 100, 88));
    p.fillRect(QRectF(0, 115, Width, 15), ballast);
    Dice dice(s.index * 3 + 11);
    p.setBrush(QColor(90, 82, 72));
    for (int stone = 0; stone < 60; ++stone)
        p.drawEllipse(QPointF(dice.Between(0, Width), dice.Between(117, 129)), 0.9, 0.7);
    for (qreal x = 2; x < Width; x += 9)
        p.fillRect(QRectF(x, RailY + 1, 6, 3.5), QColor(104, 70, 44));
    p.fillRect(QRectF(0, RailY - 1, Width, 2.5), QColor(196, 198, 204));
    p.fillRect(QRectF(0, RailY + 1, Width, 1), QColor(90, 90, 96));
    p.fillRect(QRectF(0, 130, Width, Height - 130), GroundColour(s));
}

void DrawOverheadLine(QPainter &p)
{
    p.setPen(QPen(QColor(60, 62, 70), 2));
    for (qreal x : {14.0, 118.0}) {
        p.drawLine(QPointF(x, WireY - 6), QPointF(x, 110));
        p.drawLine(QPointF(x, WireY - 4), QPointF(x + 26, WireY - 4));
    }
    p.setPen(QPen(QColor(40, 40, 46), 0.9));
    p.drawLine(QPointF(0, WireY), QPointF(Width, WireY));
    p.setPen(QPen(QColor(40, 40, 46), 0.5));
    p.drawLine(QPointF(0, WireY - 5), QPointF(Width, WireY - 5));
}


// ---- Light ---------------------------------------------------------------------------------

// Everything but the sky is drawn on a layer that takes on the colour of the hour.
void TintLayer(QImage &layer, const QColor &mood)
{
    if (mood == QColor(Qt::white)) return;
    const QImage shape = layer.copy();
    QPainter p(&layer);
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    p.fillRect(layer.rect(), mood);
    p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    p.drawImage(0, 0, shape);
}

void DrawLights(QPainter &p, const Scene &s)
{
    const bool dark = s.time == TimeOfDay::Night;
    const bool dim = dark || s.time == TimeOfDay::Sunset || s.time == TimeOfDay::Dawn;
    if (!dim) return;
    p.setPen(Qt::NoPen);
    p.setBrush(dark ? QColor(255, 214, 110, 235) : QColor(255, 214, 130, 120));
    for (const QRectF &w : s.windows)
        p.drawRect(w.adjusted(0.5, 0.5, -0.5, -0.5));
    for (const QPointF &lamp : s.lamps) {
        QRadialGradient glow(lamp, dark ? 12 : 7);
        glow.setColorAt(0, QColor(255, 248, 200, 240));
        glow.setColorAt(1, QColor(255, 240, 160, 0));
        p.setBrush(glow);
        p.drawEllipse(lamp, 12, 12);
    }
}

void DrawSnowfall(QPainter &p, const Scene &s)
{
    Dice dice(s.index + 99);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    for (int flake = 0; flake < 70; ++flake) {
        const qreal r = dice.Between(0.5, 1.4);
        p.drawEllipse(QPointF(dice.Between(0, Width), dice.Between(0, Height)), r, r);
    }
}

// Draws one part of the scene on its own layer, gives it the colour of the hour and lays it
// on the picture; its windows and lamps light up on top of it, hidden by later parts.
// A painter that draws in the picture's own 160 x 135 units on an image of any size.
void SceneUnits(QPainter &p, const QImage &image)
{
    SmoothPainter(p);
    if (image.size() != QSize(StationWidth, StationHeight))
        p.scale(image.width() / Width, image.height() / Height);
}

template <typename Draw>
void AddLayer(QImage &picture, Scene &s, Draw draw)
{
    s.windows.clear();
    s.lamps.clear();
    QImage layer(picture.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        SceneUnits(p, layer);
        const QTransform units = p.transform();
        draw(p);
        // The windows and lamps were noted on the layer's pixels: back to picture units.
        if (!units.isIdentity()) {
            const QTransform back = units.inverted();
            for (QRectF &w : s.windows)
                w = back.mapRect(w);
            for (QPointF &lamp : s.lamps)
                lamp = back.map(lamp);
        }
    }
    TintLayer(layer, Mood(s.time));
    QPainter p(&picture);
    SmoothPainter(p);
    p.drawImage(0, 0, layer);
    SceneUnits(p, picture);
    DrawLights(p, s);
}

} // namespace

QImage DrawStationPicture(int i, const QString &town, QSize size)
{
    Scene s = MakeScene(i, town);
    QImage picture = BlankImage(size.width(), size.height(), Qt::white);
    {
        QPainter p(&picture);
        SceneUnits(p, picture);
        DrawSky(p, s);
    }
    AddLayer(picture, s, [&s](QPainter &p) {
        p.fillRect(QRectF(0, Horizon, Width, Height - Horizon), GroundColour(s));
        DrawLandscape(p, s);
        DrawStation(p, s);
        DrawPlatformAndTrack(p, s);
    });
    AddLayer(picture, s, [&s](QPainter &p) {
        if (s.train != TrainKind::Steam && s.train != TrainKind::Diesel)
            DrawOverheadLine(p);
        DrawTrain(p, s);
    });
    {
        // The name sign is lit: it reads at night as by day, above the tinted scene.
        QPainter p(&picture);
        SceneUnits(p, picture);
        DrawNameSign(p, s.signAt, s.name);
    }
    if (s.time == TimeOfDay::Winter) {
        QPainter p(&picture);
        SceneUnits(p, picture);
        DrawSnowfall(p, s);
    }
    return picture;
}

QImage DrawStationStrip(const QString &town)
{
    QImage strip = BlankImage(StationWidth, StationHeight * 30, Qt::white);
    QPainter p(&strip);
    for (int i = 0; i < 30; ++i)
        p.drawImage(0, StationHeight * i, DrawStationPicture(i, town));
    return strip;
}
