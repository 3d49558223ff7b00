#include "drawing/banknoteart.h"

#include "drawing/fonts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {
struct NoteLook {
    int value;
    QColor main;   // the note's own colour
    QColor light;  // its pale ground
};

const NoteLook looks[8] = {
    {5, QColor(95, 110, 115), QColor(222, 228, 226)},
    {10, QColor(190, 45, 50), QColor(248, 222, 214)},
    {20, QColor(40, 85, 170), QColor(214, 226, 246)},
    {50, QColor(215, 115, 20), QColor(252, 230, 200)},
    {100, QColor(40, 135, 70), QColor(214, 238, 214)},
    {200, QColor(170, 125, 30), QColor(246, 234, 196)},
    {500, QColor(125, 60, 140), QColor(234, 218, 240)},
    {1000, QColor(20, 120, 130), QColor(206, 236, 236)},
};

constexpr double Pi = 3.14159265358979;

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor(int(a.red() + (b.red() - a.red()) * t), int(a.green() + (b.green() - a.green()) * t),
                  int(a.blue() + (b.blue() - a.blue()) * t));
}

// Fine wavy lines across the whole note, the engraved ground of a banknote.
void drawGuilloche(QPainter &p, const NoteLook &look)
{
    p.setPen(QPen(mix(look.light, look.main, 0.35), 0.6));
    for (int k = 0; k < 26; ++k) {
        QPainterPath path;
        const double base = 8 + k * 7.4;
        for (int x = 0; x <= 400; x += 2) {
            const double y = base + 5 * std::sin(x / 23.0 + k * 0.45) + 2.5 * std::sin(x / 9.0 - k * 0.3);
            if (x == 0)
                path.moveTo(x, y);
            else
                path.lineTo(x, y);
        }
        p.drawPath(path);
    }
}

// A rosette of turned ellipses, as printed over the value on real notes.
void drawRosette(QPainter &p, QPointF centre, double radius, const QColor &colour)
{
    p.save();
    p.translate(centre);
    p.setPen(QPen(colour, 0.7));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 18; ++i) {
        p.rotate(10);
        p.drawEllipse(QPointF(0, 0), radius, radius * 0.42);
    }
    p.restore();
}

// The circle of twelve stars.
void drawStars(QPainter &p, QPointF centre, double radius)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 205, 40));
    for (int i = 0; i < 12; ++i) {
        const double a = i * 2 * Pi / 12;
        const QPointF c = centre + QPointF(radius * std::cos(a), radius * std::sin(a));
        QPolygonF star;
        for (int j = 0; j < 10; ++j) {
            const double r = (j % 2 == 0) ? 4.2 : 1.7;
            const double b = -Pi / 2 + j * Pi / 5;
            star << c + QPointF(r * std::cos(b), r * std::sin(b));
        }
        p.drawPolygon(star);
    }
}

// A gateway of columns under a round arch, the building on the front of the note.
void drawGateway(QPainter &p, const QRectF &area, const NoteLook &look)
{
    const QColor stone = mix(look.light, look.main, 0.55);
    const QColor shade = look.main.darker(130);
    p.setPen(QPen(shade, 1));
    p.setBrush(stone);
    const double x = area.left(), y = area.top(), w = area.width(), h = area.height();
    // Steps and base.
    p.drawRect(QRectF(x, y + h - 8, w, 8));
    p.drawRect(QRectF(x + 6, y + h - 14, w - 12, 6));
    // The arch with its opening.
    QPainterPath arch;
    arch.moveTo(x + 10, y + h - 14);
    arch.lineTo(x + 10, y + h * 0.35);
    arch.arcTo(QRectF(x + 10, y + h * 0.05, w - 20, h * 0.6), 180, -180);
    arch.lineTo(x + w - 10, y + h - 14);
    arch.closeSubpath();
    p.drawPath(arch);
    QPainterPath opening;
    const double ox = x + w * 0.3, ow = w * 0.4;
    opening.moveTo(ox, y + h - 14);
    opening.lineTo(ox, y + h * 0.5);
    opening.arcTo(QRectF(ox, y + h * 0.32, ow, h * 0.36), 180, -180);
    opening.lineTo(ox + ow, y + h - 14);
    opening.closeSubpath();
    QLinearGradient depth(ox, y, ox + ow, y);
    depth.setColorAt(0, look.main.darker(160));
    depth.setColorAt(1, look.main.darker(115));
    p.setBrush(depth);
    p.drawPath(opening);
    // Columns on both sides of the opening.
    p.setBrush(mix(look.light, Qt::white, 0.4));
    for (double cx : {x + w * 0.14, x + w * 0.78}) {
        p.drawRect(QRectF(cx, y + h * 0.42, w * 0.08, h * 0.58 - 14));
        p.drawRect(QRectF(cx - 2, y + h * 0.40, w * 0.08 + 4, 4));
    }
    // Keystone.
    p.setBrush(shade);
    p.drawRect(QRectF(x + w / 2 - 4, y + h * 0.30, 8, 7));
}

void drawValue(QPainter &p, const QString &text, const QRectF &box, int pixelSize, const QColor &fill,
               const QColor &edge, Qt::Alignment align)
{
    QFont font = ArialFont(10, true);
    font.setPixelSize(pixelSize);
    // A long value is set smaller so that it stays inside its box.
    const double natural = QFontMetricsF(font).horizontalAdvance(text);
    if (natural > box.width())
        font.setPixelSize(int(pixelSize * box.width() / natural));
    QPainterPath path;
    const QFontMetricsF metrics(font);
    const double w = metrics.horizontalAdvance(text);
    double x = box.left();
    if (align & Qt::AlignRight)
        x = box.right() - w;
    else if (align & Qt::AlignHCenter)
        x = box.center().x() - w / 2;
    path.addText(QPointF(x, box.top() + metrics.ascent()), font, text);
    p.setPen(QPen(edge, 1.2));
    p.setBrush(fill);
    p.drawPath(path);
}

void drawNote(QPainter &p, const NoteLook &look, int serial)
{
    const QRectF whole(0, 0, 400, 200);
    // The pale ground, deeper towards the right.
    QLinearGradient ground(0, 0, 400, 200);
    ground.setColorAt(0, mix(look.light, Qt::white, 0.5));
    ground.setColorAt(0.6, look.light);
    ground.setColorAt(1, mix(look.light, look.main, 0.25));
    p.fillRect(whole, ground);
    drawGuilloche(p, look);

    // The watermark field on the left.
    QRadialGradient mark(QPointF(62, 100), 52);
    mark.setColorAt(0, QColor(255, 255, 255, 235));
    mark.setColorAt(0.8, QColor(255, 255, 255, 150));
    mark.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(mark);
    p.drawEllipse(QPointF(62, 100), 52, 70);
    p.setPen(QPen(mix(look.light, look.main, 0.2), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(62, 100), 26, 34);

    // The coloured band with the building.
    QLinearGradient band(120, 0, 300, 0);
    band.setColorAt(0, mix(look.light, look.main, 0.15));
    band.setColorAt(0.5, mix(look.light, look.main, 0.4));
    band.setColorAt(1, mix(look.light, look.main, 0.15));
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawRect(QRectF(118, 14, 170, 172));
    drawRosette(p, QPointF(203, 96), 62, mix(look.light, look.main, 0.5));
    drawGateway(p, QRectF(150, 58, 108, 112), look);

    // The security thread.
    p.setPen(Qt::NoPen);
    p.setBrush(mix(look.main, Qt::black, 0.25));
    p.drawRect(QRectF(110, 0, 3, 200));
    for (int y = 6; y < 200; y += 14)
        p.fillRect(QRectF(110, y, 3, 5), QColor(230, 230, 230));

    // The stars, the name and the values.
    drawStars(p, QPointF(352, 44), 22);
    QFont name = ArialFont(10, true);
    name.setPixelSize(18);
    name.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(name);
    p.setPen(look.main.darker(140));
    p.drawText(QRectF(118, 18, 170, 24), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("EURO"));
    const QString value = QString::number(look.value);
    drawValue(p, value, QRectF(16, 10, 90, 40), 34, look.main, look.main.darker(160), Qt::AlignLeft);
    drawValue(p, value, QRectF(294, 118, 92, 70), 58, mix(look.main, Qt::white, 0.1), look.main.darker(170),
              Qt::AlignRight);
    drawValue(p, value, QRectF(30, 150, 70, 30), 20, mix(look.light, look.main, 0.3), look.main, Qt::AlignHCenter);

    // Serial number and a signature.
    QFont small = ArialFont(7);
    p.setFont(small);
    p.setPen(look.main.darker(170));
    p.drawText(QRectF(308, 78, 86, 14), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("VA%1").arg(serial, 8, 10, QLatin1Char('0')));
    QPainterPath signature;
    signature.moveTo(312, 106);
    signature.cubicTo(322, 92, 326, 118, 338, 102);
    signature.cubicTo(346, 92, 350, 112, 362, 100);
    signature.cubicTo(368, 95, 374, 104, 384, 98);
    p.setPen(QPen(QColor(30, 30, 60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(signature);

    // The printed frame.
    p.setPen(QPen(look.main, 2));
    p.drawRoundedRect(QRectF(4, 4, 392, 192), 8, 8);
    p.setPen(QPen(mix(look.main, Qt::white, 0.4), 1));
    p.drawRoundedRect(QRectF(8, 8, 384, 184), 6, 6);
}
}

int BanknoteStripValue(int k) { return looks[qBound(0, k, 7)].value; }

QImage DrawBanknoteStrip()
{
    QImage strip(400, 1600, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    for (int k = 0; k < 8; ++k) {
        p.save();
        p.translate(0, 200 * k);
        p.setClipRect(QRect(0, 0, 400, 200));
        drawNote(p, looks[k], 1402 + 7919 * (k + 1));
        p.restore();
    }
    return strip;
}
