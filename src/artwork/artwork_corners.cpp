// The board's four corners: start, jail, free parking and go to jail.

#include "artwork/artwork_paint.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace artwork {

void DrawStartCorner(QPainter &p, const QRect &r)
{
    OutlinedTile(p, r, SquareFill);
    p.save();
    p.translate(r.topLeft());
    p.setPen(Ink);
    p.setFont(ArtFont(22, false));
    ArtText(p, QRect(10, 16, 260, 60), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("Ontvang je salaris\nals je hier langs komt"));
    OutlinedText(p, QStringLiteral("START"), ArtFont(78, true), QPointF(140, 128),
                 QColor(214, 30, 40), QColor(110, 10, 16), 4);

    // The big arrow points along the top row: play goes clockwise.
    QPainterPath arrow;
    arrow.moveTo(24, 196);
    arrow.lineTo(176, 196);
    arrow.lineTo(176, 170);
    arrow.lineTo(260, 215);
    arrow.lineTo(176, 260);
    arrow.lineTo(176, 234);
    arrow.lineTo(24, 234);
    arrow.closeSubpath();
    QLinearGradient red(0, 170, 0, 260);
    red.setColorAt(0, QColor(250, 80, 70));
    red.setColorAt(1, QColor(176, 16, 26));
    p.setPen(QPen(QColor(100, 8, 14), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(red);
    p.drawPath(arrow);
    p.restore();
}

void DrawPrisonerBehindBars(QPainter &p, const QRectF &window)
{
    QLinearGradient dusk(window.topLeft(), window.bottomLeft());
    dusk.setColorAt(0, QColor(70, 72, 88));
    dusk.setColorAt(1, QColor(36, 38, 48));
    p.fillRect(window, dusk);

    const qreal cx = window.center().x();
    const qreal top = window.top();
    // Striped shirt, then the head with a sorry face.
    p.save();
    p.setClipRect(window);
    QPainterPath body;
    body.addRoundedRect(QRectF(cx - 38, top + 72, 76, 80), 26, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(body);
    p.setClipPath(body, Qt::IntersectClip);
    for (int i = 0; i < 6; ++i)
        p.fillRect(QRectF(cx - 40, top + 76 + 14 * i, 80, 7), QColor(30, 30, 30));
    p.restore();
    p.setPen(QPen(QColor(90, 60, 40), 2));
    p.setBrush(QColor(247, 208, 170));
    p.drawEllipse(QPointF(cx, top + 50), 24, 26);
    p.setBrush(Ink);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(cx - 9, top + 46), 3, 4);
    p.drawEllipse(QPointF(cx + 9, top + 46), 3, 4);
    p.setPen(QPen(Ink, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(cx - 9, top + 58, 18, 12), 20 * 16, 140 * 16);

    // The bars, with a little shine.
    for (int i = 0; i < 6; ++i) {
        const qreal x = window.left() + 12 + i * (window.width() - 24) / 5.0;
        QLinearGradient steel(x - 4, 0, x + 4, 0);
        steel.setColorAt(0, QColor(40, 40, 44));
        steel.setColorAt(0.4, QColor(190, 190, 200));
        steel.setColorAt(1, QColor(30, 30, 34));
        p.fillRect(QRectF(x - 4, window.top(), 8, window.height()), steel);
    }
    p.fillRect(QRectF(window.left(), window.top() + 24, window.width(), 7), QColor(60, 60, 66));
    p.setPen(QPen(Ink, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(window);
}

void DrawJailCorner(QPainter &p, const QRect &r)
{
    OutlinedTile(p, r, SquareFill);
    p.save();
    p.translate(r.topLeft());
    // "Op Bezoek" runs along the outer edges: the top and the right.
    p.setPen(Ink);
    p.setFont(ArtFont(31, true));
    ArtText(p, QRect(0, 6, 280, 70), Qt::AlignCenter, QStringLiteral("OP BEZOEK"));
    p.save();
    p.translate(240, 180);
    p.rotate(-90);
    ArtText(p, QRect(-100, -36, 200, 72), Qt::AlignCenter, QStringLiteral("OP BEZOEK"));
    p.restore();

    // The cell sits in the corner nearest the board's centre.
    const QRect cell(1, 80, 199, 199);
    QLinearGradient orange(0, 80, 0, 280);
    orange.setColorAt(0, QColor(255, 170, 60));
    orange.setColorAt(1, QColor(232, 116, 20));
    p.fillRect(cell, orange);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(1, 79, 200, 79);
    p.drawLine(200, 79, 200, 279);
    DrawPrisonerBehindBars(p, QRectF(26, 96, 148, 132));
    p.setPen(Ink);
    p.setFont(ArtFont(27, true));
    ArtText(p, QRect(0, 230, 200, 44), Qt::AlignCenter, QStringLiteral("GEVANGENIS"));
    p.restore();
}

void DrawCar(QPainter &p, const QColor &colour)
{
    QPainterPath body;
    body.moveTo(-86, 22);
    body.lineTo(-86, -2);
    body.quadTo(-84, -12, -66, -14);
    body.lineTo(-44, -16);
    body.lineTo(-24, -44);
    body.quadTo(-20, -48, -10, -48);
    body.lineTo(30, -48);
    body.quadTo(38, -48, 44, -40);
    body.lineTo(60, -16);
    body.lineTo(78, -12);
    body.quadTo(88, -8, 88, 4);
    body.lineTo(88, 22);
    body.closeSubpath();
    QLinearGradient shine(0, -48, 0, 22);
    shine.setColorAt(0, colour.lighter(140));
    shine.setColorAt(0.5, colour);
    shine.setColorAt(1, colour.darker(150));
    p.setPen(QPen(colour.darker(250), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(shine);
    p.drawPath(body);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 228, 250));
    QPainterPath rear;
    rear.moveTo(-36, -18);
    rear.lineTo(-19, -40);
    rear.lineTo(4, -40);
    rear.lineTo(4, -18);
    p.drawPath(rear);
    QPainterPath front;
    front.moveTo(10, -18);
    front.lineTo(10, -40);
    front.lineTo(30, -40);
    front.quadTo(35, -40, 38, -36);
    front.lineTo(50, -18);
    p.drawPath(front);
    p.setBrush(QColor(255, 236, 120));
    p.drawEllipse(QPointF(82, 0), 5, 6);
    p.setBrush(QColor(200, 30, 30));
    p.drawRect(QRectF(-86, -4, 6, 10));
    for (qreal x : {-52.0, 52.0}) {
        p.setBrush(QColor(24, 24, 24));
        p.drawEllipse(QPointF(x, 22), 18, 18);
        p.setBrush(QColor(200, 200, 206));
        p.drawEllipse(QPointF(x, 22), 8, 8);
    }
}

void DrawParkingCorner(QPainter &p, const QRect &r)
{
    OutlinedTile(p, r, SquareFill);
    p.save();
    p.setClipRect(r.adjusted(1, 1, -1, -1));
    p.translate(r.center() + QPointF(0.5, 0.5));
    p.rotate(-45); // the tops of the letters face the board's centre
    OutlinedText(p, QStringLiteral("VRIJ"), ArtFont(44, true), QPointF(0, -80),
                 QColor(214, 30, 40), QColor(110, 10, 16), 2.5);
    p.save();
    p.translate(0, 6);
    p.scale(0.8, 0.8);
    DrawCar(p, QColor(220, 40, 40));
    p.restore();
    OutlinedText(p, QStringLiteral("PARKEREN"), ArtFont(30, true), QPointF(0, 72),
                 QColor(214, 30, 40), QColor(110, 10, 16), 2);
    p.restore();
}

void DrawPoliceOfficer(QPainter &p)
{
    // Collar and shoulders.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(24, 40, 96));
    p.drawRoundedRect(QRectF(-56, 44, 112, 40), 18, 18);
    p.setBrush(QColor(250, 250, 250));
    QPainterPath collar;
    collar.moveTo(-16, 44);
    collar.lineTo(0, 62);
    collar.lineTo(16, 44);
    p.drawPath(collar);
    // Face.
    p.setPen(QPen(QColor(120, 80, 50), 2));
    p.setBrush(QColor(248, 212, 174));
    p.drawEllipse(QPointF(0, 14), 38, 40);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(QPointF(-14, 10), 4, 5);
    p.drawEllipse(QPointF(14, 10), 4, 5);
    p.setPen(QPen(Ink, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-24, -2), QPointF(-6, 3)); // stern eyebrows
    p.drawLine(QPointF(24, -2), QPointF(6, 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 64, 30));
    QPainterPath moustache;
    moustache.moveTo(0, 26);
    moustache.cubicTo(-10, 20, -26, 24, -24, 34);
    moustache.cubicTo(-14, 30, -6, 32, 0, 30);
    moustache.cubicTo(6, 32, 14, 30, 24, 34);
    moustache.cubicTo(26, 24, 10, 20, 0, 26);
    p.drawPath(moustache);
    p.setPen(QPen(QColor(150, 50, 40), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-8, 41), QPointF(8, 41));
    // Cap with a gold badge.
    QPainterPath cap;
    cap.moveTo(-42, -14);
    cap.lineTo(-52, -40);
    cap.quadTo(0, -62, 52, -40);
    cap.lineTo(42, -14);
    cap.closeSubpath();
    p.setPen(QPen(QColor(10, 18, 50), 2));
    p.setBrush(QColor(30, 48, 116));
    p.drawPath(cap);
    p.setBrush(QColor(20, 20, 24));
    p.drawRect(QRectF(-42, -20, 84, 8));
    p.drawChord(QRectF(-44, -22, 88, 22), 180 * 16, 180 * 16);
    p.setPen(QPen(QColor(150, 110, 20), 1.5));
    p.setBrush(Gold);
    p.drawEllipse(QPointF(0, -36), 9, 10);
}

void DrawGoToJailCorner(QPainter &p, const QRect &r)
{
    OutlinedTile(p, r, SquareFill);
    p.save();
    p.setClipRect(r.adjusted(1, 1, -1, -1));
    p.translate(r.center() + QPointF(0.5, 0.5));
    p.rotate(45); // the tops of the letters face the board's centre
    p.setPen(Ink);
    p.setFont(ArtFont(32, true));
    ArtText(p, QRectF(-140, -106, 280, 40), Qt::AlignCenter, QStringLiteral("NAAR DE"));
    p.save();
    p.translate(0, -6);
    p.scale(0.78, 0.78);
    DrawPoliceOfficer(p);
    p.restore();
    p.setFont(ArtFont(27, true));
    ArtText(p, QRectF(-140, 62, 280, 36), Qt::AlignCenter, QStringLiteral("GEVANGENIS"));
    p.restore();
}

}  // namespace artwork
