#include "drawing/banknoteart.h"

#include "drawing/fonts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

// Play money that looks like play money: a cheerful frame of little squares like the board's
// ring, a picture of the town in a rounded window, the value as large numerals in all four
// corners and the word "SPEELGELD" across the note.

namespace {
enum class Motif { Houses, Canal, Windmill, Station, Tulips, Bridge, Lighthouse, Castle };

struct NoteLook {
    int value;
    QColor main;   // frame and numerals
    QColor light;  // the note's pale ground
    Motif motif;
};

const NoteLook looks[8] = {
    {5, QColor(0, 140, 120), QColor(214, 244, 232), Motif::Houses},
    {10, QColor(70, 120, 200), QColor(222, 236, 252), Motif::Canal},
    {20, QColor(210, 80, 150), QColor(252, 226, 240), Motif::Windmill},
    {50, QColor(110, 150, 20), QColor(236, 246, 206), Motif::Station},
    {100, QColor(220, 60, 40), QColor(255, 232, 214), Motif::Tulips},
    {200, QColor(60, 60, 160), QColor(228, 228, 250), Motif::Bridge},
    {500, QColor(200, 140, 0), QColor(255, 246, 200), Motif::Lighthouse},
    {1000, QColor(40, 40, 40), QColor(236, 236, 228), Motif::Castle},
};

QFont noteFont(int pixelSize)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

// Text with its top-left corner of the capital letters at `at`, filled and outlined.
void boldText(QPainter &p, const QString &text, const QFont &font, QPointF baseline, const QColor &fill,
              const QColor &outline, qreal width)
{
    QPainterPath path;
    path.addText(baseline, font, text);
    p.setPen(QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

void house(QPainter &p, qreal x, qreal base, qreal w, qreal h, const QColor &wall)
{
    QPainterPath body;
    body.moveTo(x, base);
    body.lineTo(x, base - h);
    body.lineTo(x + w / 2, base - h - w * 0.6);
    body.lineTo(x + w, base - h);
    body.lineTo(x + w, base);
    body.closeSubpath();
    p.setPen(QPen(QColor(40, 30, 30), 1));
    p.setBrush(wall);
    p.drawPath(body);
    p.setBrush(QColor(255, 240, 170));
    p.drawRect(QRectF(x + w * 0.3, base - h * 0.75, w * 0.4, h * 0.3));
    p.setBrush(QColor(90, 60, 40));
    p.drawRect(QRectF(x + w * 0.38, base - h * 0.32, w * 0.24, h * 0.32));
}

void water(QPainter &p, const QRectF &r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 160, 220));
    p.drawRect(r);
    p.setPen(QPen(QColor(220, 240, 255), 1.2));
    for (qreal y = r.top() + 5; y < r.bottom(); y += 7)
        for (qreal x = r.left() + 4 + std::fmod(y, 11.0); x < r.right() - 8; x += 22)
            p.drawLine(QPointF(x, y), QPointF(x + 8, y));
}

// The motif in the window (0, 0)-(150, 110).
void drawMotif(QPainter &p, Motif motif, const QColor &main)
{
    QLinearGradient sky(0, 0, 0, 110);
    sky.setColorAt(0, QColor(170, 215, 250));
    sky.setColorAt(1, QColor(235, 248, 255));
    p.fillRect(QRectF(0, 0, 150, 110), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 80));
    p.drawEllipse(QPointF(128, 20), 10, 10);  // the sun
    const QColor grass(110, 185, 90);
    switch (motif) {
    case Motif::Houses:
        p.fillRect(QRectF(0, 88, 150, 22), grass);
        house(p, 8, 92, 30, 30, QColor(230, 120, 90));
        house(p, 42, 92, 26, 38, QColor(250, 220, 120));
        house(p, 72, 92, 34, 26, main.lighter(150));
        house(p, 110, 92, 30, 34, QColor(200, 200, 230));
        break;
    case Motif::Canal:
        house(p, 6, 62, 24, 30, QColor(200, 90, 70));
        house(p, 32, 62, 22, 40, QColor(160, 110, 80));
        house(p, 56, 62, 26, 34, QColor(230, 200, 140));
        house(p, 84, 62, 22, 44, QColor(180, 80, 60));
        house(p, 108, 62, 30, 30, QColor(220, 170, 110));
        p.fillRect(QRectF(0, 62, 150, 6), QColor(150, 150, 150));
        water(p, QRectF(0, 68, 150, 42));
        p.setPen(QPen(QColor(60, 40, 20), 1));
        p.setBrush(QColor(200, 60, 50));
        p.drawRoundedRect(QRectF(48, 84, 50, 8), 4, 4);  // a little boat
        break;
    case Motif::Windmill: {
        p.fillRect(QRectF(0, 90, 150, 20), grass);
        QPainterPath tower;
        tower.moveTo(58, 95);
        tower.lineTo(66, 40);
        tower.lineTo(84, 40);
        tower.lineTo(92, 95);
        tower.closeSubpath();
        p.setPen(QPen(QColor(60, 40, 30), 1));
        p.setBrush(QColor(150, 100, 70));
        p.drawPath(tower);
        p.setBrush(QColor(240, 240, 230));
        p.save();
        p.translate(75, 42);
        for (int k = 0; k < 4; ++k) {
            p.rotate(90);
            p.drawRect(QRectF(3, -4, 34, 8));
        }
        p.restore();
        break;
    }
    case Motif::Station:
        p.fillRect(QRectF(0, 92, 150, 18), QColor(160, 160, 160));
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(QColor(200, 150, 100));
        p.drawRect(QRectF(14, 50, 70, 40));
        p.setBrush(QColor(120, 60, 40));
        p.drawRect(QRectF(10, 44, 78, 8));
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(QPointF(49, 62), 7, 7);  // the clock
        p.setBrush(main);
        p.drawRoundedRect(QRectF(90, 64, 56, 26), 6, 6);  // a train
        p.setBrush(QColor(230, 240, 255));
        p.drawRect(QRectF(96, 69, 12, 9));
        p.drawRect(QRectF(112, 69, 12, 9));
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(QPointF(0, 96), QPointF(150, 96));
        break;
    case Motif::Tulips:
        p.fillRect(QRectF(0, 60, 150, 50), grass);
        for (int row = 0; row < 4; ++row)
            for (int k = 0; k < 9; ++k) {
                const QPointF at(8 + 17 * k + (row % 2) * 8, 68 + 12 * row);
                p.setPen(QPen(QColor(40, 120, 40), 1.5));
                p.drawLine(at, at + QPointF(0, 8));
                p.setPen(Qt::NoPen);
                p.setBrush(row % 2 ? QColor(250, 200, 40) : QColor(230, 50, 60));
                p.drawEllipse(at, 4, 5);
            }
        break;
    case Motif::Bridge:
        water(p, QRectF(0, 76, 150, 34));
        p.setPen(QPen(QColor(70, 50, 40), 1));
        p.setBrush(QColor(230, 230, 230));
        p.drawRect(QRectF(0, 60, 150, 8));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(70, 50, 40), 3));
        p.drawArc(QRectF(20, 64, 50, 40), 0, 180 * 16);
        p.drawArc(QRectF(80, 64, 50, 40), 0, 180 * 16);
        p.setPen(QPen(main, 3));
        p.drawLine(QPointF(40, 60), QPointF(40, 30));
        p.drawLine(QPointF(110, 60), QPointF(110, 30));
        p.drawLine(QPointF(40, 32), QPointF(110, 32));
        break;
    case Motif::Lighthouse: {
        water(p, QRectF(0, 80, 150, 30));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 210, 150));
        p.drawEllipse(QRectF(30, 74, 90, 24));  // the dune
        QPainterPath tower;
        tower.moveTo(64, 82);
        tower.lineTo(68, 26);
        tower.lineTo(82, 26);
        tower.lineTo(86, 82);
        tower.closeSubpath();
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(QColor(250, 250, 250));
        p.drawPath(tower);
        p.setBrush(QColor(220, 40, 40));
        p.drawRect(QRectF(66, 40, 18, 8));
        p.drawRect(QRectF(65, 58, 20, 8));
        p.setBrush(QColor(255, 230, 90));
        p.drawRect(QRectF(68, 16, 14, 10));
        break;
    }
    case Motif::Castle:
        p.fillRect(QRectF(0, 92, 150, 18), grass);
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(QColor(190, 185, 170));
        p.drawRect(QRectF(30, 50, 90, 44));
        for (int k = 0; k < 6; ++k)
            p.drawRect(QRectF(30 + 16 * k, 44, 10, 6));
        p.drawRect(QRectF(20, 36, 20, 58));
        p.drawRect(QRectF(110, 36, 20, 58));
        p.setBrush(main.lighter(140));
        p.drawRect(QRectF(16, 30, 28, 8));
        p.drawRect(QRectF(106, 30, 28, 8));
        p.setBrush(QColor(90, 60, 40));
        p.drawRoundedRect(QRectF(64, 70, 22, 24), 10, 10);
        break;
    }
}

void drawNote(QPainter &p, const NoteLook &look)
{
    p.fillRect(QRect(0, 0, 400, 200), look.light);
    // The frame: little squares like the board's ring, two colours taking turns.
    const QColor second = look.main.lighter(160);
    for (int x = 0; x < 400; x += 16) {
        p.fillRect(QRect(x, 0, 16, 10), (x / 16) % 2 ? second : look.main);
        p.fillRect(QRect(x, 190, 16, 10), (x / 16) % 2 ? look.main : second);
    }
    for (int y = 10; y < 190; y += 15) {
        p.fillRect(QRect(0, y, 10, 15), (y / 15) % 2 ? second : look.main);
        p.fillRect(QRect(390, y, 10, 15), (y / 15) % 2 ? look.main : second);
    }
    // Soft diagonal stripes over the ground.
    p.setPen(QPen(look.light.darker(106), 5));
    for (int x = -200; x < 400; x += 18)
        p.drawLine(QPointF(x, 190), QPointF(x + 180, 10));

    // The town in its window.
    p.save();
    p.translate(32, 46);
    QPainterPath window;
    window.addRoundedRect(QRectF(0, 0, 150, 110), 14, 14);
    p.setClipPath(window);
    drawMotif(p, look.motif, look.main);
    p.restore();
    p.setPen(QPen(look.main, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(32, 46, 150, 110), 14, 14);

    // "SPEELGELD" and the value in words of digits, large; the numerals in the corners.
    const QString value = QString::number(look.value);
    boldText(p, QStringLiteral("SPEELGELD"), noteFont(30), QPointF(198, 86), Qt::white, look.main, 4);
    const QFont big = noteFont(56);
    const qreal w = QFontMetricsF(big).horizontalAdvance(value);
    boldText(p, value, big, QPointF(290 - w / 2, 150), look.main, Qt::white, 4);
    const QFont corner = noteFont(30);
    const qreal cw = QFontMetricsF(corner).horizontalAdvance(value);
    for (const QPointF at : {QPointF(16, 40), QPointF(384 - cw, 40), QPointF(16, 184), QPointF(384 - cw, 184)})
        boldText(p, value, corner, at, look.main, Qt::white, 3);
}
}

int BanknoteStripValue(int k) { return looks[qBound(0, k, 7)].value; }

QImage DrawBanknotePicture(int k, QSize size)
{
    // Smoothed edges and gradients come out a level or two apart at another place on the
    // page: at its own size the picture is the one drawn in its place in the strip.
    // The strip is drawn once, however many of its pictures are asked for.
    if (size == QSize(400, 200)) {
        static const QImage strip = DrawBanknoteStrip();
        return strip.copy(0, 200 * qBound(0, k, 7), 400, 200);
    }
    QImage note(size, QImage::Format_RGB32);
    note.fill(Qt::white);
    QPainter p(&note);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.scale(size.width() / 400.0, size.height() / 200.0);
    p.setClipRect(QRect(0, 0, 400, 200));
    drawNote(p, looks[qBound(0, k, 7)]);
    return note;
}

StripArt EuroPictureArt(const QImage &strip)
{
    return FaithfulStripArt(strip, QSize(400, 200), 8, DrawBanknotePicture);
}

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
        drawNote(p, looks[k]);
        p.restore();
    }
    return strip;
}
