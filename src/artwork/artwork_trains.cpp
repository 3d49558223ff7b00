// The trains of the station pictures: steam, diesel, electric, high-speed and double-deck,
// each drawn facing right with its nose at x = 0 and the top of the rail at y = 0.

#include "artwork/artwork_paint.h"
#include "artwork/artwork_scene.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

using namespace artwork;

namespace stationart {
namespace {
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
}  // namespace

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

}  // namespace stationart
