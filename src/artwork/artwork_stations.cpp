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

using namespace artwork;

namespace {

enum class TimeOfDay { Dawn, Day, Golden, Sunset, Night, Winter };
enum class TrainKind { Steam, Diesel, Electric, HighSpeed, DoubleDecker };
enum class Landscape { Hills, City, Coast, Polder, Forest, Mountains };
enum class StationKind { Brick, Canopy, Halt, Glass };

struct Livery {
    QColor body, accent, trim;
};

struct Scene {
    int index = 0;
    TimeOfDay time = TimeOfDay::Day;
    TrainKind train = TrainKind::Steam;
    Landscape landscape = Landscape::Hills;
    StationKind station = StationKind::Brick;
    bool facingLeft = false;
    bool stationLeft = true;
    Livery livery;
    QString name;
    QPointF signAt;  // the centre of the station's name board
    // Windows and lamps in picture coordinates; they light up after dark.
    std::vector<QRectF> windows;
    std::vector<QPointF> lamps;
};

constexpr qreal Width = StationWidth;
constexpr qreal Height = StationHeight;
constexpr qreal Horizon = 84;
constexpr qreal RailY = 121;  // the top of the rail; the trains stand on it
constexpr qreal WireY = 56;   // the overhead wire of the electric trains

// A small, repeatable source of variety: the same picture always comes out the same.
class Dice {
public:
    explicit Dice(int seed) : state_(0x9E3779B9u * quint32(seed + 1)) {}
    qreal Next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / qreal(1 << 24);
    }
    qreal Between(qreal low, qreal high) { return low + (high - low) * Next(); }

private:
    quint32 state_;
};

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

// ---- Landscape -----------------------------------------------------------------------------

QColor GroundColour(const Scene &s)
{
    if (s.time == TimeOfDay::Winter) return {238, 243, 250};
    switch (s.landscape) {
    case Landscape::Coast: return {226, 206, 150};
    case Landscape::City: return {150, 176, 110};
    case Landscape::Mountains: return {112, 160, 86};
    default: return {118, 178, 78};
    }
}

void DrawPine(QPainter &p, QPointF base, qreal height, const QColor &green, bool snowy)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 60, 36));
    p.drawRect(QRectF(base.x() - 1.2, base.y() - height * 0.2, 2.4, height * 0.2));
    for (int tier = 0; tier < 3; ++tier) {
        const qreal y = base.y() - height * (0.15 + 0.28 * tier);
        const qreal w = height * (0.34 - 0.08 * tier);
        QPainterPath t;
        t.moveTo(base.x() - w, y);
        t.lineTo(base.x(), y - height * 0.42);
        t.lineTo(base.x() + w, y);
        t.closeSubpath();
        p.setBrush(green);
        p.drawPath(t);
        if (snowy) {
            p.setBrush(QColor(250, 252, 255));
            QPainterPath cap;
            cap.moveTo(base.x() - w * 0.35, y - height * 0.27);
            cap.lineTo(base.x(), y - height * 0.42);
            cap.lineTo(base.x() + w * 0.35, y - height * 0.27);
            cap.closeSubpath();
            p.drawPath(cap);
        }
    }
}

void DrawWindmill(QPainter &p, QPointF base, qreal height, qreal angle)
{
    QPainterPath tower;
    tower.moveTo(base.x() - height * 0.22, base.y());
    tower.lineTo(base.x() - height * 0.12, base.y() - height * 0.75);
    tower.lineTo(base.x() + height * 0.12, base.y() - height * 0.75);
    tower.lineTo(base.x() + height * 0.22, base.y());
    tower.closeSubpath();
    p.setPen(QPen(QColor(60, 40, 30), 0.8));
    p.setBrush(QColor(120, 80, 56));
    p.drawPath(tower);
    p.setBrush(QColor(60, 60, 66));
    p.drawChord(QRectF(base.x() - height * 0.15, base.y() - height * 0.86, height * 0.3, height * 0.24), 0, 180 * 16);
    const QPointF hub(base.x(), base.y() - height * 0.74);
    p.save();
    p.translate(hub);
    p.rotate(angle);
    for (int sail = 0; sail < 4; ++sail) {
        p.setPen(QPen(QColor(60, 40, 30), 1));
        p.drawLine(QPointF(0, 0), QPointF(0, -height * 0.62));
        p.setPen(QPen(QColor(90, 70, 50), 0.6));
        p.setBrush(QColor(245, 240, 225));
        p.drawRect(QRectF(1, -height * 0.6, height * 0.13, height * 0.46));
        p.rotate(90);
    }
    p.restore();
    p.setBrush(QColor(40, 30, 20));
    p.drawEllipse(hub, 1.6, 1.6);
}

void DrawLandscape(QPainter &p, const Scene &s)
{
    Dice dice(s.index * 13 + 5);
    const bool snowy = s.time == TimeOfDay::Winter;
    p.setPen(Qt::NoPen);
    switch (s.landscape) {
    case Landscape::Hills: {
        const QColor far = snowy ? QColor(222, 230, 242) : QColor(134, 178, 110);
        const QColor near = snowy ? QColor(236, 242, 250) : QColor(104, 164, 74);
        p.setBrush(far);
        p.drawEllipse(QPointF(dice.Between(20, 50), Horizon + 12), 70, 34);
        p.drawEllipse(QPointF(dice.Between(120, 150), Horizon + 14), 60, 30);
        p.setBrush(near);
        p.drawEllipse(QPointF(80, Horizon + 20), 90, 24);
        for (int t = 0; t < 5; ++t) {
            const QPointF at(dice.Between(6, 154), Horizon - dice.Between(-2, 6));
            p.setBrush(QColor(90, 60, 36));
            p.drawRect(QRectF(at.x() - 0.8, at.y() - 2, 1.6, 5));
            p.setBrush(snowy ? QColor(200, 214, 226) : QColor(60, 120, 50));
            p.drawEllipse(at + QPointF(0, -5), 4, 4.5);
        }
        break;
    }
    case Landscape::City: {
        qreal x = -4;
        while (x < Width) {
            const qreal w = dice.Between(12, 22), h = dice.Between(18, 46);
            const int grey = int(dice.Between(110, 170));
            const QColor wall(grey, grey - 6, grey - 14);
            p.setBrush(wall);
            p.drawRect(QRectF(x, Horizon - h, w, h + 4));
            if (snowy) {
                p.setBrush(QColor(245, 248, 255));
                p.drawRect(QRectF(x, Horizon - h - 1.5, w, 2.5));
            }
            p.setBrush(wall.lighter(135));
            for (qreal wy = Horizon - h + 4; wy < Horizon - 4; wy += 6)
                for (qreal wx = x + 3; wx < x + w - 3; wx += 5)
                    p.drawRect(QRectF(wx, wy, 2, 3));
            x += w + dice.Between(0, 3);
        }
        // A church spire above the roofs.
        const qreal cx = dice.Between(30, 130);
        p.setBrush(QColor(120, 110, 100));
        p.drawRect(QRectF(cx - 5, Horizon - 44, 10, 48));
        QPainterPath spire;
        spire.moveTo(cx - 6, Horizon - 44);
        spire.lineTo(cx, Horizon - 66);
        spire.lineTo(cx + 6, Horizon - 44);
        spire.closeSubpath();
        p.setBrush(QColor(60, 110, 100));
        p.drawPath(spire);
        break;
    }
    case Landscape::Coast: {
        QLinearGradient sea(0, Horizon - 8, 0, Horizon + 6);
        sea.setColorAt(0, QColor(40, 110, 170));
        sea.setColorAt(1, QColor(90, 160, 200));
        p.fillRect(QRectF(0, Horizon - 8, Width, 16), sea);
        p.setPen(QPen(QColor(230, 240, 250, 180), 0.8));
        for (int w = 0; w < 8; ++w) {
            const qreal wx = dice.Between(0, 150), wy = dice.Between(Horizon - 6, Horizon + 4);
            p.drawLine(QPointF(wx, wy), QPointF(wx + 6, wy));
        }
        p.setPen(Qt::NoPen);
        // A sailing boat and a lighthouse.
        const qreal bx = dice.Between(20, 60);
        p.setBrush(QColor(90, 50, 30));
        p.drawRect(QRectF(bx - 7, Horizon - 9, 14, 3));
        p.setBrush(Qt::white);
        QPainterPath sail;
        sail.moveTo(bx, Horizon - 10);
        sail.lineTo(bx, Horizon - 24);
        sail.lineTo(bx + 8, Horizon - 10);
        sail.closeSubpath();
        p.drawPath(sail);
        const qreal lx = dice.Between(110, 148);
        for (int band = 0; band < 5; ++band) {
            p.setBrush(band % 2 ? QColor(250, 250, 250) : QColor(210, 30, 40));
            const qreal top = Horizon - 10 - 8 * (band + 1);
            const qreal half = 4 + 0.4 * (5 - band);
            p.drawRect(QRectF(lx - half, top, half * 2, 8));
        }
        p.setBrush(QColor(255, 236, 140));
        p.drawRect(QRectF(lx - 3, Horizon - 56, 6, 6));
        p.setBrush(QColor(40, 40, 40));
        p.drawChord(QRectF(lx - 4, Horizon - 60, 8, 8), 0, 180 * 16);
        // Dunes in front of the sea.
        p.setBrush(snowy ? QColor(236, 240, 248) : QColor(234, 214, 160));
        p.drawEllipse(QPointF(30, Horizon + 8), 50, 10);
        p.drawEllipse(QPointF(130, Horizon + 9), 50, 9);
        break;
    }
    case Landscape::Polder: {
        // Rows of tulips stretch to the horizon, with a windmill by the ditch.
        const QColor tulips[] = {{230, 40, 60}, {250, 210, 40}, {240, 120, 170}, {250, 130, 30}};
        for (int row = 0; row < 4; ++row) {
            const qreal y = Horizon + 1 + row * 4.5;
            p.setBrush(snowy ? QColor(224, 232, 244) : tulips[(row + s.index) % 4]);
            p.drawRect(QRectF(0, y, Width, 2.6));
            p.setBrush(snowy ? QColor(236, 242, 250) : QColor(94, 150, 64));
            p.drawRect(QRectF(0, y + 2.6, Width, 1.9));
        }
        DrawWindmill(p, QPointF(s.stationLeft ? dice.Between(110, 140) : dice.Between(24, 50), Horizon + 2),
                     38, dice.Between(0, 90));
        DrawWindmill(p, QPointF(s.stationLeft ? 92 : 72, Horizon), 16, dice.Between(0, 90));
        break;
    }
    case Landscape::Forest: {
        for (int layer = 0; layer < 2; ++layer) {
            const QColor green = layer ? QColor(36, 96, 52) : QColor(70, 124, 80);
            for (qreal x = dice.Between(-6, 0); x < Width + 8; x += dice.Between(7, 12))
                DrawPine(p, QPointF(x, Horizon + 2 + layer * 3), dice.Between(20, 34) - layer * 2, green,
                         snowy);
        }
        break;
    }
    case Landscape::Mountains: {
        for (int m = 0; m < 4; ++m) {
            const qreal peak = dice.Between(-10, 170), h = dice.Between(34, 60), w = dice.Between(34, 54);
            QPainterPath mountain;
            mountain.moveTo(peak - w, Horizon + 2);
            mountain.lineTo(peak, Horizon - h);
            mountain.lineTo(peak + w, Horizon + 2);
            mountain.closeSubpath();
            p.setBrush(m % 2 ? QColor(112, 120, 150) : QColor(90, 100, 130));
            p.drawPath(mountain);
            QPainterPath snow;
            const qreal f = snowy ? 0.55 : 0.3;
            snow.moveTo(peak - w * f, Horizon - h + h * f);
            snow.lineTo(peak, Horizon - h);
            snow.lineTo(peak + w * f, Horizon - h + h * f);
            snow.lineTo(peak + w * f * 0.3, Horizon - h + h * f * 0.8);
            snow.lineTo(peak - w * f * 0.2, Horizon - h + h * f);
            snow.closeSubpath();
            p.setBrush(QColor(248, 250, 255));
            p.drawPath(snow);
        }
        break;
    }
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

// ---- Trains (drawn facing right, the nose at x = 0, the rail top at y = 0) -----------------

void Wheel(QPainter &p, QPointF centre, qreal r, const QColor &colour, bool spokes)
{
    p.setPen(QPen(QColor(20, 20, 20), 0.8));
    p.setBrush(colour);
    p.drawEllipse(centre, r, r);
    if (spokes) {
        p.setPen(QPen(colour.darker(170), 0.7));
        for (int k = 0; k < 4; ++k) {
            const qreal a = k * Pi / 4;
            p.drawLine(centre + QPointF(r * std::cos(a), r * std::sin(a)) * 0.85,
                       centre - QPointF(r * std::cos(a), r * std::sin(a)) * 0.85);
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 200, 200));
    p.drawEllipse(centre, r * 0.25, r * 0.25);
}

void Bogie(QPainter &p, qreal x)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 44));
    p.drawRect(QRectF(x - 10, -9, 20, 4));
    Wheel(p, QPointF(x - 6, -4), 4, QColor(50, 50, 54), false);
    Wheel(p, QPointF(x + 6, -4), 4, QColor(50, 50, 54), false);
}

void Window(QPainter &p, Scene &s, const QRectF &r, qreal radius = 1.2)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(44, 54, 72));
    p.drawRoundedRect(r, radius, radius);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.3));
    s.windows.push_back(p.transform().mapRect(r));
}

void Carriage(QPainter &p, Scene &s, qreal right, qreal length, qreal top, const Livery &l)
{
    const QRectF body(right - length, top, length, -8 - top);
    QLinearGradient shade(0, top, 0, -8);
    shade.setColorAt(0, l.body.lighter(115));
    shade.setColorAt(1, l.body.darker(120));
    p.setPen(QPen(l.body.darker(180), 0.8));
    p.setBrush(shade);
    p.drawRoundedRect(body, 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(l.accent);
    p.drawRect(QRectF(body.left(), -17, length, 3));
    for (qreal wx = body.left() + 5; wx + 8 < right - 3; wx += 11)
        Window(p, s, QRectF(wx, top + 5, 8, 8));
    Bogie(p, body.left() + 14);
    Bogie(p, right - 14);
}

void SmokePuffs(QPainter &p, QPointF from, const Scene &s)
{
    Dice dice(s.index + 40);
    const QColor smoke = s.time == TimeOfDay::Night ? QColor(150, 150, 170) : QColor(236, 236, 240);
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 7; ++k) {
        QColor c = smoke;
        c.setAlpha(220 - 24 * k);
        p.setBrush(c);
        const qreal r = 4 + 1.6 * k;
        p.drawEllipse(from + QPointF(-9 * k - dice.Between(0, 3), -5 - 3.2 * k + dice.Between(-2, 2)), r, r * 0.85);
    }
}

void SteamTrain(QPainter &p, Scene &s)
{
    const Livery &l = s.livery;
    const Livery coach{{120, 72, 40}, {232, 200, 120}, {50, 40, 30}};
    Carriage(p, s, -104, 70, -42, coach);
    Carriage(p, s, -178, 70, -42, coach);
    // Tender with coal.
    p.setPen(QPen(l.body.darker(180), 0.8));
    p.setBrush(l.body);
    p.drawRoundedRect(QRectF(-100, -36, 28, 26), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(QRectF(-98, -40, 24, 7));
    p.setBrush(l.trim);
    p.drawRect(QRectF(-98, -30, 24, 1.2));
    // Frame and cab.
    p.setBrush(QColor(30, 30, 30));
    p.drawRect(QRectF(-100, -14, 104, 4));
    p.setPen(QPen(l.body.darker(180), 0.8));
    p.setBrush(l.body);
    p.drawRect(QRectF(-70, -50, 22, 40));
    p.setBrush(QColor(30, 30, 30));
    p.drawRect(QRectF(-73, -53, 28, 4));
    Window(p, s, QRectF(-66, -46, 12, 11), 2);
    // Boiler with brass bands.
    QLinearGradient round(0, -42, 0, -14);
    round.setColorAt(0, l.body.lighter(150));
    round.setColorAt(0.35, l.body);
    round.setColorAt(1, l.body.darker(160));
    p.setPen(QPen(l.body.darker(200), 0.8));
    p.setBrush(round);
    p.drawRect(QRectF(-48, -40, 38, 26));
    p.setPen(QPen(l.trim, 1.4));
    for (qreal bx : {-40.0, -28.0, -16.0})
        p.drawLine(QPointF(bx, -40), QPointF(bx, -14));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(36, 36, 40));
    p.drawRect(QRectF(-11, -41, 9, 28));
    p.drawEllipse(QRectF(-6, -41, 6, 28));
    p.drawRect(QRectF(-24, -54, 7, 14));
    p.drawRect(QRectF(-26, -57, 11, 3));
    p.setBrush(l.trim);
    p.drawChord(QRectF(-40, -47, 12, 14), 0, 180 * 16);
    s.lamps.push_back(p.transform().map(QPointF(0, -38)));
    p.setBrush(QColor(250, 240, 200));
    p.drawEllipse(QPointF(-1, -38), 2.2, 2.2);
    // Cylinder, cowcatcher and the wheels with their rod.
    p.setBrush(QColor(50, 50, 56));
    p.drawRect(QRectF(-18, -18, 12, 8));
    QPainterPath catcher;
    catcher.moveTo(-4, -12);
    catcher.lineTo(7, -1);
    catcher.lineTo(-4, -1);
    catcher.closeSubpath();
    p.setBrush(l.accent.darker(110));
    p.drawPath(catcher);
    Wheel(p, QPointF(-92, -5), 5, QColor(40, 40, 40), true);
    Wheel(p, QPointF(-79, -5), 5, QColor(40, 40, 40), true);
    Wheel(p, QPointF(-58, -9), 9, l.accent, true);
    Wheel(p, QPointF(-38, -9), 9, l.accent, true);
    Wheel(p, QPointF(-12, -5), 5, l.accent, true);
    p.setPen(QPen(QColor(210, 210, 216), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-58, -6), QPointF(-38, -6));
    p.drawLine(QPointF(-38, -6), QPointF(-14, -14));
    SmokePuffs(p, QPointF(-20, -60), s);
}

// A locomotive's body in its livery, lit from above: from `top` down to the frame at y = -10.
void ShadedBody(QPainter &p, const QPainterPath &body, const Livery &l, qreal top)
{
    QLinearGradient shade(0, top, 0, -10);
    shade.setColorAt(0, l.body.lighter(118));
    shade.setColorAt(1, l.body.darker(125));
    p.setPen(QPen(l.body.darker(190), 0.8));
    p.setBrush(shade);
    p.drawPath(body);
    p.setPen(Qt::NoPen);
}

void DieselTrain(QPainter &p, Scene &s)
{
    const Livery &l = s.livery;
    Carriage(p, s, -82, 74, -42, l);
    Carriage(p, s, -160, 74, -42, l);
    QPainterPath body;
    body.moveTo(-80, -10);
    body.lineTo(-80, -44);
    body.lineTo(-14, -44);
    body.quadTo(-6, -44, -4, -36);
    body.lineTo(0, -20);
    body.lineTo(0, -10);
    body.closeSubpath();
    ShadedBody(p, body, l, -44);
    p.setBrush(l.accent);
    p.drawRect(QRectF(-80, -22, 80, 4));
    // Cab windows, engine grilles, fuel tank, bogies.
    QPainterPath screen;
    screen.moveTo(-12, -40);
    screen.lineTo(-6, -40);
    screen.lineTo(-3, -30);
    screen.lineTo(-12, -30);
    screen.closeSubpath();
    p.setBrush(QColor(44, 54, 72));
    p.drawPath(screen);
    Window(p, s, QRectF(-24, -40, 8, 8));
    Window(p, s, QRectF(-76, -40, 8, 8));
    p.setPen(QPen(l.body.darker(170), 0.8));
    for (qreal gx = -62; gx < -30; gx += 3)
        p.drawLine(QPointF(gx, -40), QPointF(gx, -28));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 44));
    p.drawRoundedRect(QRectF(-58, -12, 30, 6), 2, 2);
    Bogie(p, -66);
    Bogie(p, -14);
    p.setBrush(QColor(250, 246, 210));
    p.drawEllipse(QPointF(-1, -15), 1.8, 1.8);
    s.lamps.push_back(p.transform().map(QPointF(0, -15)));
    p.setBrush(l.trim);
    p.drawRect(QRectF(-6, -48, 4, 4));  // a horn on the roof
}

void Pantograph(QPainter &p, qreal x, qreal roof)
{
    const qreal wire = WireY - RailY;
    p.setPen(QPen(QColor(50, 50, 56), 1.1));
    p.setBrush(Qt::NoBrush);
    QPainterPath arm;
    arm.moveTo(x - 8, roof);
    arm.lineTo(x + 3, (roof + wire) / 2);
    arm.lineTo(x - 4, wire + 1.5);
    p.drawPath(arm);
    p.drawLine(QPointF(x - 10, wire + 1), QPointF(x + 2, wire + 1));
    p.setBrush(QColor(60, 60, 66));
    p.drawRect(QRectF(x - 11, roof - 1.5, 10, 2));
}

void ElectricTrain(QPainter &p, Scene &s)
{
    const Livery &l = s.livery;
    Carriage(p, s, -88, 74, -44, l);
    Carriage(p, s, -166, 74, -44, l);
    QPainterPath body;
    body.moveTo(-86, -10);
    body.lineTo(-86, -46);
    body.lineTo(-6, -46);
    body.lineTo(0, -38);
    body.lineTo(1, -10);
    body.closeSubpath();
    ShadedBody(p, body, l, -46);
    // A bold stripe that sweeps up at the cab.
    QPainterPath stripe;
    stripe.moveTo(-86, -24);
    stripe.lineTo(-22, -24);
    stripe.lineTo(-12, -34);
    stripe.lineTo(0, -34);
    stripe.lineTo(0.6, -28);
    stripe.lineTo(-10, -28);
    stripe.lineTo(-20, -18);
    stripe.lineTo(-86, -18);
    stripe.closeSubpath();
    p.setBrush(l.accent);
    p.drawPath(stripe);
    p.setBrush(QColor(44, 54, 72));
    const QRectF screen(-9, -44, 8, 8);
    p.drawRect(screen);
    for (qreal wx = -78; wx < -20; wx += 14)
        Window(p, s, QRectF(wx, -42, 9, 7));
    Pantograph(p, -60, -46);
    Bogie(p, -70);
    Bogie(p, -16);
    p.setBrush(QColor(250, 246, 210));
    p.drawEllipse(QPointF(-1, -14), 1.8, 1.8);
    p.drawEllipse(QPointF(-1, -43), 1.2, 1.2);
    s.lamps.push_back(p.transform().map(QPointF(0, -14)));
}

void HighSpeedTrain(QPainter &p, Scene &s)
{
    const Livery &l = s.livery;
    // Long, smooth coaches without a gap.
    QLinearGradient shade(0, -42, 0, -8);
    shade.setColorAt(0, l.body.lighter(115));
    shade.setColorAt(1, l.body.darker(118));
    QPainterPath nose;
    nose.moveTo(-260, -9);
    nose.lineTo(-260, -42);
    nose.lineTo(-62, -42);
    nose.cubicTo(-34, -42, -10, -30, 0, -15);
    nose.quadTo(3, -9, -4, -9);
    nose.closeSubpath();
    p.setPen(QPen(l.body.darker(180), 0.8));
    p.setBrush(shade);
    p.drawPath(nose);
    p.setPen(Qt::NoPen);
    QPainterPath swoosh;
    swoosh.moveTo(-260, -20);
    swoosh.lineTo(-40, -20);
    swoosh.cubicTo(-24, -20, -10, -16, -3, -11);
    swoosh.lineTo(-8, -10);
    swoosh.cubicTo(-16, -13, -28, -15, -40, -15);
    swoosh.lineTo(-260, -15);
    swoosh.closeSubpath();
    p.setBrush(l.accent);
    p.drawPath(swoosh);
    QPainterPath screen;
    screen.moveTo(-56, -39);
    screen.cubicTo(-40, -39, -28, -34, -20, -28);
    screen.lineTo(-34, -28);
    screen.cubicTo(-42, -32, -50, -34, -56, -34);
    screen.closeSubpath();
    p.setBrush(QColor(30, 40, 58));
    p.drawPath(screen);
    p.setPen(QPen(l.body.darker(150), 0.8));
    p.drawLine(QPointF(-112, -42), QPointF(-112, -9));
    p.drawLine(QPointF(-190, -42), QPointF(-190, -9));
    p.setPen(Qt::NoPen);
    for (qreal wx = -250; wx < -70; wx += 9)
        if (std::fmod(wx + 400, 78) > 8)
            Window(p, s, QRectF(wx, -34, 6, 7), 1.5);
    p.setBrush(QColor(46, 48, 54));
    p.drawRect(QRectF(-260, -9, 256, 2));
    for (qreal bx : {-40.0, -96.0, -130.0, -176.0, -206.0})
        for (qreal dx : {-5.0, 5.0})
            Wheel(p, QPointF(bx + dx, -3.5), 3.5, QColor(50, 50, 54), false);
    Pantograph(p, -150, -42);
    p.setBrush(QColor(250, 246, 210));
    p.drawEllipse(QPointF(-6, -13), 2.2, 1.5);
    s.lamps.push_back(p.transform().map(QPointF(-2, -13)));
}

void DoubleDeckTrain(QPainter &p, Scene &s)
{
    const Livery &l = s.livery;
    QLinearGradient shade(0, -56, 0, -8);
    shade.setColorAt(0, l.body.lighter(115));
    shade.setColorAt(1, l.body.darker(118));
    for (int car = 0; car < 3; ++car) {
        const qreal right = -car * 80.0;
        QPainterPath body;
        body.moveTo(right - 78, -9);
        body.lineTo(right - 78, -56);
        if (car == 0) {
            body.lineTo(-16, -56);
            body.quadTo(-6, -56, -3, -44);
            body.lineTo(0, -30);
            body.lineTo(0, -9);
        } else {
            body.lineTo(right, -56);
            body.lineTo(right, -9);
        }
        body.closeSubpath();
        p.setPen(QPen(l.body.darker(180), 0.8));
        p.setBrush(shade);
        p.drawPath(body);
        p.setPen(Qt::NoPen);
        p.setBrush(l.accent);
        p.drawRect(QRectF(right - 78, -16, car == 0 ? 78 : 78, 5));
        for (qreal wx = right - 72; wx < right - 14; wx += 11) {
            Window(p, s, QRectF(wx, -50, 8, 8));
            Window(p, s, QRectF(wx, -34, 8, 8));
        }
        p.setBrush(l.accent.darker(110));
        p.drawRect(QRectF(right - 12, -40, 7, 27));  // the door
        Bogie(p, right - 64);
        Bogie(p, right - 16);
    }
    QPainterPath screen;
    screen.moveTo(-14, -52);
    screen.lineTo(-6, -52);
    screen.lineTo(-2, -38);
    screen.lineTo(-14, -38);
    screen.closeSubpath();
    p.setBrush(QColor(24, 24, 30));
    p.drawPath(screen);
    Pantograph(p, -40, -56);
    p.setBrush(QColor(250, 246, 210));
    p.drawEllipse(QPointF(-1.5, -22), 1.8, 1.8);
    s.lamps.push_back(p.transform().map(QPointF(0, -22)));
}

void DrawTrain(QPainter &p, Scene &s)
{
    p.save();
    const qreal nose = 144 - (s.index % 4) * 6;
    if (s.facingLeft) {
        p.translate(Width - nose, RailY);
        p.scale(-1, 1);
    } else {
        p.translate(nose, RailY);
    }
    switch (s.train) {
    case TrainKind::Steam: SteamTrain(p, s); break;
    case TrainKind::Diesel: DieselTrain(p, s); break;
    case TrainKind::Electric: ElectricTrain(p, s); break;
    case TrainKind::HighSpeed: HighSpeedTrain(p, s); break;
    case TrainKind::DoubleDecker: DoubleDeckTrain(p, s); break;
    }
    p.restore();
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
template <typename Draw>
void AddLayer(QImage &picture, Scene &s, Draw draw)
{
    s.windows.clear();
    s.lamps.clear();
    QImage layer(picture.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        SmoothPainter(p);
        draw(p);
    }
    TintLayer(layer, Mood(s.time));
    QPainter p(&picture);
    SmoothPainter(p);
    p.drawImage(0, 0, layer);
    DrawLights(p, s);
}

QImage DrawStationPicture(int i, const QString &town)
{
    Scene s = MakeScene(i, town);
    QImage picture = BlankImage(StationWidth, StationHeight, Qt::white);
    {
        QPainter p(&picture);
        SmoothPainter(p);
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
        SmoothPainter(p);
        DrawNameSign(p, s.signAt, s.name);
    }
    if (s.time == TimeOfDay::Winter) {
        QPainter p(&picture);
        SmoothPainter(p);
        DrawSnowfall(p, s);
    }
    return picture;
}

} // namespace

QImage DrawStationStrip(const QString &town)
{
    QImage strip = BlankImage(StationWidth, StationHeight * 30, Qt::white);
    QPainter p(&strip);
    for (int i = 0; i < 30; ++i)
        p.drawImage(0, StationHeight * i, DrawStationPicture(i, town));
    return strip;
}
