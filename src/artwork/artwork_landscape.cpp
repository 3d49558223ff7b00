// The landscapes behind the station pictures: hills, city, coast, polder, forest, mountains.

#include "artwork/artwork_paint.h"
#include "artwork/artwork_scene.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

using namespace artwork;

namespace stationart {
namespace {
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
}  // namespace

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

}  // namespace stationart
