// The small pictures of the special squares: the water works, the two taxes and the
// electricity company. Each stands on the squares' own pale green ground.

#include "artwork/artwork.h"
#include "artwork/artwork_paint.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

using namespace artwork;

namespace {


// A four-pointed sparkle.
void Sparkle(QPainter &p, QPointF at, qreal size, const QColor &colour)
{
    QPainterPath star;
    star.moveTo(at + QPointF(0, -size));
    star.quadTo(at, at + QPointF(size, 0));
    star.quadTo(at, at + QPointF(0, size));
    star.quadTo(at, at + QPointF(-size, 0));
    star.quadTo(at, at + QPointF(0, -size));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(star);
}

QLinearGradient Chrome(QPointF from, QPointF to)
{
    QLinearGradient g(from, to);
    g.setColorAt(0, QColor(120, 126, 136));
    g.setColorAt(0.3, QColor(245, 247, 250));
    g.setColorAt(0.6, QColor(170, 176, 186));
    g.setColorAt(1, QColor(90, 96, 106));
    return g;
}

QLinearGradient GoldShine(QPointF from, QPointF to)
{
    QLinearGradient g(from, to);
    g.setColorAt(0, QColor(255, 236, 140));
    g.setColorAt(0.45, QColor(232, 180, 40));
    g.setColorAt(1, QColor(160, 108, 10));
    return g;
}

void Coin(QPainter &p, QPointF centre, qreal r, qreal thickness)
{
    p.setPen(QPen(QColor(130, 88, 8), 1.2));
    p.setBrush(QColor(200, 140, 20));
    p.drawEllipse(centre + QPointF(0, thickness), r, r * 0.38);
    p.drawRect(QRectF(centre.x() - r, centre.y(), r * 2, thickness));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(centre.x() - r + 0.6, centre.y(), r * 2 - 1.2, thickness));
    p.setPen(QPen(QColor(130, 88, 8), 1.2));
    p.setBrush(GoldShine(centre - QPointF(r, r * 0.4), centre + QPointF(r, r * 0.4)));
    p.drawEllipse(centre, r, r * 0.38);
}

} // namespace

QImage DrawWaterWorks()
{
    QImage image = BlankImage(160, 135, SquareGround);
    QPainter p(&image);
    SmoothPainter(p);

    // A soft pool of light behind the tap.
    QRadialGradient halo(QPointF(88, 70), 70);
    halo.setColorAt(0, QColor(214, 238, 252));
    halo.setColorAt(1, SquareGround);
    p.fillRect(image.rect(), halo);

    // The pipe from the wall, the tap body and its curved spout.
    p.setPen(QPen(QColor(70, 76, 86), 1.2));
    p.setBrush(Chrome(QPointF(0, 34), QPointF(0, 52)));
    p.drawRect(QRectF(-2, 34, 60, 18));
    p.setBrush(Chrome(QPointF(0, 28), QPointF(0, 58)));
    p.drawRoundedRect(QRectF(4, 28, 10, 30), 3, 3);
    QPainterPath tap;
    tap.moveTo(54, 28);
    tap.lineTo(96, 28);
    tap.cubicTo(116, 28, 124, 40, 124, 60);
    tap.lineTo(124, 68);
    tap.lineTo(108, 68);
    tap.lineTo(108, 60);
    tap.cubicTo(108, 50, 104, 46, 96, 46);
    tap.lineTo(70, 46);
    tap.lineTo(70, 58);
    tap.lineTo(54, 58);
    tap.closeSubpath();
    p.setBrush(Chrome(QPointF(0, 26), QPointF(0, 60)));
    p.drawPath(tap);
    p.setBrush(Chrome(QPointF(104, 0), QPointF(128, 0)));
    p.drawRoundedRect(QRectF(105, 66, 22, 7), 2, 2);
    // The handle: a little wheel with a blue cap.
    p.setBrush(Chrome(QPointF(0, 14), QPointF(0, 28)));
    p.drawRect(QRectF(70, 16, 8, 13));
    p.setPen(QPen(QColor(70, 76, 86), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(56, 14), QPointF(92, 14));
    p.setPen(QPen(QColor(220, 226, 234), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(57, 13), QPointF(91, 13));
    p.setPen(QPen(QColor(10, 60, 140), 1));
    p.setBrush(QColor(30, 110, 220));
    p.drawEllipse(QPointF(74, 14), 6, 6);

    // The stream of water and its splash.
    QLinearGradient water(108, 0, 126, 0);
    water.setColorAt(0, QColor(40, 130, 230, 220));
    water.setColorAt(0.4, QColor(170, 220, 255, 230));
    water.setColorAt(1, QColor(30, 110, 210, 220));
    QPainterPath stream;
    stream.moveTo(110, 73);
    stream.cubicTo(111, 95, 112, 108, 112, 118);
    stream.lineTo(120, 118);
    stream.cubicTo(120, 108, 121, 95, 122, 73);
    stream.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(water);
    p.drawPath(stream);
    QRadialGradient pool(QPointF(116, 122), 34);
    pool.setColorAt(0, QColor(120, 190, 250));
    pool.setColorAt(1, QColor(40, 120, 220));
    p.setBrush(pool);
    p.drawEllipse(QPointF(116, 122), 34, 7);
    p.setBrush(QColor(200, 232, 255));
    p.drawEllipse(QPointF(116, 120), 14, 3);
    for (const QPointF &d : {QPointF(94, 108), QPointF(140, 106), QPointF(100, 98), QPointF(134, 96)}) {
        QPainterPath drop;
        drop.moveTo(d + QPointF(0, -6));
        drop.cubicTo(d + QPointF(2, -2), d + QPointF(4, 0), d + QPointF(4, 2));
        drop.cubicTo(d + QPointF(4, 6), d + QPointF(-4, 6), d + QPointF(-4, 2));
        drop.cubicTo(d + QPointF(-4, 0), d + QPointF(-2, -2), d + QPointF(0, -6));
        p.setBrush(QColor(60, 150, 240));
        p.drawPath(drop);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(d + QPointF(-1.5, 1.5), 1, 1.5);
    }
    return image;
}

QImage DrawExtraTax()
{
    QImage image = BlankImage(133, 107, SquareGround);
    QPainter p(&image);
    SmoothPainter(p);

    // A gold ring seen slightly from above.
    const QPointF centre(66, 70);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 100, 10), 12));
    p.drawEllipse(centre, 34, 24);
    p.setPen(QPen(GoldShine(QPointF(30, 46), QPointF(100, 96)), 9));
    p.drawEllipse(centre, 34, 24);
    p.setPen(QPen(QColor(255, 246, 200, 200), 2));
    p.drawArc(QRectF(centre.x() - 34, centre.y() - 24, 68, 48), 200 * 16, 110 * 16);

    // The setting and the faceted diamond.
    p.setPen(QPen(QColor(140, 96, 10), 1));
    p.setBrush(GoldShine(QPointF(56, 36), QPointF(76, 50)));
    p.drawRect(QRectF(56, 38, 20, 10));
    const QPointF table[] = {{50, 14}, {82, 14}, {94, 26}, {66, 52}, {38, 26}};
    QPainterPath gem;
    gem.moveTo(table[0]);
    for (int k = 1; k < 5; ++k)
        gem.lineTo(table[k]);
    gem.closeSubpath();
    QLinearGradient ice(38, 14, 94, 52);
    ice.setColorAt(0, QColor(240, 252, 255));
    ice.setColorAt(0.5, QColor(150, 210, 240));
    ice.setColorAt(1, QColor(90, 160, 210));
    p.setPen(QPen(QColor(60, 110, 160), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ice);
    p.drawPath(gem);
    p.setPen(QPen(QColor(80, 140, 190), 0.9));
    p.drawLine(QPointF(38, 26), QPointF(94, 26));
    for (const QPointF &a : {QPointF(50, 14), QPointF(66, 14), QPointF(82, 14)})
        p.drawLine(a, QPointF(a.x() + (a.x() < 66 ? -6 : a.x() > 66 ? 6 : 0), 26));
    p.drawLine(QPointF(58, 14), QPointF(52, 26));
    p.drawLine(QPointF(74, 14), QPointF(80, 26));
    for (qreal x : {46.0, 58.0, 74.0, 86.0})
        p.drawLine(QPointF(x, 26), QPointF(66, 52));
    Sparkle(p, QPointF(52, 19), 6, Qt::white);
    Sparkle(p, QPointF(102, 12), 7, QColor(120, 190, 240));
    Sparkle(p, QPointF(26, 38), 5, QColor(120, 190, 240));
    Sparkle(p, QPointF(108, 84), 4, QColor(230, 180, 40));
    return image;
}

QImage DrawIncomeTax()
{
    QImage image = BlankImage(150, 150, SquareGround);
    QPainter p(&image);
    SmoothPainter(p);

    // A fat money bag tied with a cord.
    QPainterPath bag;
    bag.moveTo(58, 44);
    bag.cubicTo(26, 62, 16, 98, 24, 118);
    bag.cubicTo(32, 138, 104, 140, 112, 118);
    bag.cubicTo(120, 98, 110, 62, 80, 44);
    bag.closeSubpath();
    QRadialGradient cloth(QPointF(56, 86), 70);
    cloth.setColorAt(0, QColor(236, 210, 160));
    cloth.setColorAt(1, QColor(170, 124, 66));
    p.setPen(QPen(QColor(100, 66, 30), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(cloth);
    p.drawPath(bag);
    QPainterPath neck;
    neck.moveTo(58, 44);
    neck.cubicTo(46, 30, 46, 16, 54, 14);
    neck.cubicTo(60, 20, 64, 12, 69, 18);
    neck.cubicTo(74, 12, 80, 20, 86, 14);
    neck.cubicTo(92, 18, 90, 32, 80, 44);
    neck.closeSubpath();
    p.drawPath(neck);
    p.setPen(QPen(QColor(180, 30, 40), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(54, 42), QPointF(84, 42));
    p.setPen(QPen(QColor(180, 30, 40), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(82, 38, 12, 14), 90 * 16, 270 * 16);
    // The euro sign on a gold disc.
    p.setPen(QPen(QColor(130, 88, 8), 2));
    p.setBrush(GoldShine(QPointF(50, 74), QPointF(86, 110)));
    p.drawEllipse(QPointF(68, 94), 20, 20);
    OutlinedText(p, QStringLiteral("€"), ArtFont(28, true), QPointF(68, 94), QColor(120, 70, 0),
                 QColor(255, 236, 160), 0.8);
    // A stack of coins beside it.
    for (int k = 0; k < 5; ++k)
        Coin(p, QPointF(122, 132 - 6 * k), 17, 5);
    Coin(p, QPointF(24, 138), 13, 4);
    Sparkle(p, QPointF(126, 92), 6, QColor(240, 190, 40));
    Sparkle(p, QPointF(20, 60), 5, QColor(240, 190, 40));
    return image;
}

QImage DrawElectricity()
{
    QImage image = BlankImage(135, 160, SquareGround);
    QPainter p(&image);
    SmoothPainter(p);
    const QPointF centre(67.5, 60);

    // Glow and rays.
    QRadialGradient glow(centre, 66);
    glow.setColorAt(0, QColor(255, 244, 150));
    glow.setColorAt(0.55, QColor(255, 250, 210));
    glow.setColorAt(1, SquareGround);
    p.fillRect(image.rect(), glow);
    p.setPen(QPen(QColor(250, 190, 30), 4, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 9; ++k) {
        const qreal a = (-200 + 27.5 * k) * Pi / 180;
        const QPointF dir(std::cos(a), std::sin(a));
        p.drawLine(centre + dir * 48, centre + dir * 58);
    }

    // The glass globe narrowing to the neck.
    QPainterPath bulb;
    bulb.moveTo(51, 104);
    bulb.cubicTo(51, 90, 30, 80, 30, 58);
    bulb.cubicTo(30, 36, 47, 22, 67.5, 22);
    bulb.cubicTo(88, 22, 105, 36, 105, 58);
    bulb.cubicTo(105, 80, 84, 90, 84, 104);
    bulb.closeSubpath();
    QRadialGradient lit(QPointF(60, 50), 50);
    lit.setColorAt(0, QColor(255, 255, 235));
    lit.setColorAt(0.6, QColor(255, 236, 120));
    lit.setColorAt(1, QColor(245, 196, 50));
    p.setPen(QPen(QColor(170, 120, 10), 2));
    p.setBrush(lit);
    p.drawPath(bulb);
    // The filament on its two wires.
    p.setPen(QPen(QColor(150, 110, 60), 1.4));
    p.drawLine(QPointF(60, 100), QPointF(58, 66));
    p.drawLine(QPointF(75, 100), QPointF(77, 66));
    QPainterPath filament;
    filament.moveTo(58, 66);
    for (int k = 0; k < 6; ++k)
        filament.lineTo(61 + 3.2 * k, k % 2 ? 66 : 58);
    filament.lineTo(77, 66);
    p.setPen(QPen(QColor(255, 120, 20), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(filament);
    p.setPen(QPen(QColor(255, 255, 255, 220), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(40, 32, 40, 40), 110 * 16, 60 * 16);

    // The screw base with its threads and the contact.
    p.setPen(QPen(QColor(70, 76, 86), 1.2));
    p.setBrush(Chrome(QPointF(50, 0), QPointF(86, 0)));
    p.drawRoundedRect(QRectF(50, 103, 35, 30), 4, 4);
    p.setPen(QPen(QColor(90, 96, 106), 1.6));
    for (int k = 0; k < 4; ++k)
        p.drawLine(QPointF(51, 109 + 6.5 * k), QPointF(84, 106 + 6.5 * k));
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    QPainterPath tip;
    tip.moveTo(56, 133);
    tip.lineTo(79, 133);
    tip.quadTo(74, 146, 67.5, 146);
    tip.quadTo(61, 146, 56, 133);
    p.drawPath(tip);
    p.setBrush(QColor(200, 160, 60));
    p.drawEllipse(QPointF(67.5, 146), 4, 2.5);
    return image;
}
