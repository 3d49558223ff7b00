// The clickable overview of the board and the placeholder of the square template.

#include "artwork/artwork.h"
#include "artwork/artwork_paint.h"
#include "model/boardrules.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

using namespace artwork;

namespace {

QColor StreetColour(int n)
{
    switch (n) {
    case 1: case 3: case 4: return {255, 0, 0};
    case 6: case 7: case 9: return {255, 255, 0};
    case 10: case 11: case 13: return {0, 136, 0};
    case 16: case 18: return {0, 0, 196};
    case 19: case 21: return {105, 0, 61};
    case 24: case 26: case 27: return {17, 207, 255};
    case 28: case 30: case 31: return {206, 47, 202};
    case 33: case 35: case 36: return {183, 119, 13};
    default: return {};
    }
}

const QColor OverviewBackground(22, 92, 54);
const QColor OverviewSquare(250, 249, 240);
const QColor OverviewCardSquare(255, 232, 196);

QRect OverviewPixelRect(int n)
{
    const HitRect h = OverviewHitRect(n);
    return QRect(QPoint(h.left / 15, h.top / 15), QPoint(h.right / 15 - 1, h.bottom / 15 - 1));
}

void DrawOverviewSquare(QPainter &p, int n)
{
    const QRect r = OverviewPixelRect(n);
    const SquareKind kind = KindOfSquare(n);
    p.fillRect(r, kind == SquareKind::CardSquare ? OverviewCardSquare : OverviewSquare);
    p.save();
    p.setClipRect(r);
    // The colour band lies on the side facing the centre.
    QRect content = r;
    if (kind == SquareKind::Street) {
        const int band = 9;
        QRect strip;
        switch (SideOfSquare(n)) {
        case 1: strip = QRect(r.left(), r.bottom() - band + 1, r.width(), band); content.setBottom(strip.top() - 1); break;
        case 2: strip = QRect(r.left(), r.top(), band, r.height()); content.setLeft(strip.right() + 1); break;
        case 3: strip = QRect(r.left(), r.top(), r.width(), band); content.setTop(strip.bottom() + 1); break;
        default: strip = QRect(r.right() - band + 1, r.top(), band, r.height()); content.setRight(strip.left() - 1); break;
        }
        p.fillRect(strip, StreetColour(n));
        p.fillRect(SideOfSquare(n) % 2 ? QRect(strip.left(), SideOfSquare(n) == 1 ? strip.top() : strip.bottom(), strip.width(), 1)
                                       : QRect(SideOfSquare(n) == 2 ? strip.right() : strip.left(), strip.top(), 1, strip.height()),
                   QColor(60, 60, 60));
    }

    const bool tall = content.height() > content.width();
    QRectF numberArea = content, iconArea = content;
    if (kind != SquareKind::Street) {
        if (tall) {
            numberArea.setBottom(content.top() + content.height() * 0.42);
            iconArea.setTop(numberArea.bottom());
        } else {
            numberArea.setRight(content.left() + content.width() * 0.45);
            iconArea.setLeft(numberArea.right());
        }
    }
    p.setPen(Ink);
    p.setFont(ArtFont(13, true));
    p.drawText(numberArea, Qt::AlignCenter, QString::number(n));
    const QPointF c = iconArea.center();
    switch (kind) {
    case SquareKind::CardSquare:
        if (IsKansSquare(n)) {
            OutlinedText(p, QStringLiteral("?"), ArtFont(20, true), c, QColor(236, 120, 20),
                         QColor(130, 60, 0), 1.2);
        } else {
            // Algemeen Fonds: a small blue-banded treasure chest, as on the board.
            p.setPen(QPen(QColor(80, 44, 10), 1));
            p.setBrush(QColor(176, 110, 40));
            p.drawRoundedRect(QRectF(c.x() - 9, c.y() - 7, 18, 6), 3, 3);  // the lid
            p.drawRect(QRectF(c.x() - 9, c.y() - 1, 18, 9));                 // the box
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(30, 110, 200));
            p.drawRect(QRectF(c.x() - 9.5, c.y() - 1.5, 19, 2));
            p.setBrush(Gold);
            p.drawRect(QRectF(c.x() - 2, c.y() - 2, 4, 5));
        }
        break;
    case SquareKind::Station: {
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        p.drawRect(QRectF(c.x() - 9, c.y() - 4, 14, 7));
        p.drawRect(QRectF(c.x() + 1, c.y() - 8, 7, 11));
        p.drawRect(QRectF(c.x() - 7, c.y() - 9, 3, 6));
        p.setBrush(QColor(200, 30, 30));
        p.drawEllipse(QPointF(c.x() - 5, c.y() + 5), 2.6, 2.6);
        p.drawEllipse(QPointF(c.x() + 1, c.y() + 5), 2.6, 2.6);
        p.drawEllipse(QPointF(c.x() + 6, c.y() + 5), 2.6, 2.6);
        break;
    }
    case SquareKind::Utility:
        if (n == 29) {  // the electricity company; square 8 is the water works
            p.setPen(QPen(QColor(120, 90, 10), 1));
            p.setBrush(QColor(255, 220, 60));
            p.drawEllipse(QPointF(c.x(), c.y() - 2), 6, 6);
            p.setBrush(QColor(150, 150, 150));
            p.drawRect(QRectF(c.x() - 3, c.y() + 3, 6, 5));
        } else {
            QPainterPath drop;
            drop.moveTo(c.x(), c.y() - 9);
            drop.cubicTo(c.x() + 3, c.y() - 3, c.x() + 7, c.y() + 1, c.x() + 7, c.y() + 3);
            drop.cubicTo(c.x() + 7, c.y() + 11, c.x() - 7, c.y() + 11, c.x() - 7, c.y() + 3);
            drop.cubicTo(c.x() - 7, c.y() + 1, c.x() - 3, c.y() - 3, c.x(), c.y() - 9);
            p.setPen(QPen(QColor(10, 70, 150), 1));
            p.setBrush(QColor(60, 150, 240));
            p.drawPath(drop);
        }
        break;
    case SquareKind::Tax:
        if (n == 17) {  // extra tax: the diamond ring of the board
            p.setPen(QPen(QColor(160, 116, 16), 2.2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(c.x(), c.y() + 3), 6.5, 6.5);
            p.setPen(QPen(QColor(40, 110, 170), 1));
            p.setBrush(QColor(180, 230, 255));
            QPainterPath stone;
            stone.moveTo(c.x() - 4, c.y() - 6);
            stone.lineTo(c.x() + 4, c.y() - 6);
            stone.lineTo(c.x() + 5.5, c.y() - 4);
            stone.lineTo(c.x(), c.y() + 0.5);
            stone.lineTo(c.x() - 5.5, c.y() - 4);
            stone.closeSubpath();
            p.drawPath(stone);
        } else {  // income tax: a gold coin with the euro sign
            p.setPen(QPen(QColor(150, 110, 20), 1));
            p.setBrush(Gold);
            p.drawEllipse(c, 8, 8);
            p.setPen(QColor(120, 80, 0));
            p.setFont(ArtFont(11, true));
            p.drawText(QRectF(c.x() - 8, c.y() - 8, 16, 16), Qt::AlignCenter, QStringLiteral("€"));
        }
        break;
    default:
        break;
    }
    p.restore();
}

void DrawOverviewCorners(QPainter &p)
{
    const QRect topLeft(2, 2, 53, 53), topRight(346, 2, 52, 53);
    const QRect bottomRight(346, 346, 52, 52), bottomLeft(2, 346, 53, 52);
    for (const QRect &r : {topLeft, topRight, bottomRight, bottomLeft})
        p.fillRect(r, OverviewSquare);

    // Start: a red arrow along the top row.
    p.setPen(QColor(200, 20, 30));
    p.setFont(ArtFont(13, true));
    p.drawText(QRect(2, 6, 53, 18), Qt::AlignCenter, QStringLiteral("Start"));
    QPainterPath arrow;
    arrow.moveTo(8, 32); arrow.lineTo(34, 32); arrow.lineTo(34, 26); arrow.lineTo(49, 36);
    arrow.lineTo(34, 46); arrow.lineTo(34, 40); arrow.lineTo(8, 40); arrow.closeSubpath();
    p.setPen(QPen(QColor(110, 10, 16), 1));
    p.setBrush(QColor(220, 40, 40));
    p.drawPath(arrow);

    // Jail: an orange cell with bars.
    p.fillRect(QRect(356, 7, 32, 26), QColor(240, 140, 30));
    p.fillRect(QRect(360, 10, 24, 20), QColor(50, 52, 64));
    for (int i = 0; i < 4; ++i)
        p.fillRect(QRect(362 + 6 * i, 10, 2, 20), QColor(200, 200, 206));
    p.setPen(Ink);
    p.setFont(ArtFont(9, true));
    p.drawText(QRect(346, 36, 52, 14), Qt::AlignCenter, QStringLiteral("Gevangenis"));

    // Free parking: a blue road sign.
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(QColor(20, 80, 180));
    p.drawRoundedRect(QRectF(360, 352, 24, 24), 4, 4);
    p.setPen(Qt::white);
    p.setFont(ArtFont(18, true));
    p.drawText(QRect(360, 352, 24, 24), Qt::AlignCenter, QStringLiteral("P"));
    p.setPen(Ink);
    p.setFont(ArtFont(10, true));
    p.drawText(QRect(346, 379, 52, 14), Qt::AlignCenter, QStringLiteral("Parkeren"));

    // Go to jail: the words and an arrow pointing across the board to the jail.
    p.setFont(ArtFont(9, true));
    p.drawText(QRect(2, 349, 53, 13), Qt::AlignCenter, QStringLiteral("Naar de"));
    p.drawText(QRect(2, 382, 53, 13), Qt::AlignCenter, QStringLiteral("Gevangenis"));
    p.save();
    p.translate(28.5, 372);
    p.rotate(-45);
    QPainterPath toJail;
    toJail.moveTo(-11, -3); toJail.lineTo(3, -3); toJail.lineTo(3, -8); toJail.lineTo(12, 0);
    toJail.lineTo(3, 8); toJail.lineTo(3, 3); toJail.lineTo(-11, 3); toJail.closeSubpath();
    p.setPen(QPen(QColor(10, 18, 50), 1));
    p.setBrush(QColor(30, 60, 160));
    p.drawPath(toJail);
    p.restore();
}

void DrawOverviewCentre(QPainter &p, const QString &title)
{
    const QRect r(56, 55, 289, 290);
    QRadialGradient glow(QPointF(r.center()), r.width() * 0.7);
    glow.setColorAt(0, CentreLight);
    glow.setColorAt(1, CentreDark);
    p.fillRect(r, glow);
    p.save();
    p.setClipRect(r);
    p.translate(QPointF(r.center()) + QPointF(0.5, 0.5));
    p.rotate(-45);
    QLinearGradient band(0, -26, 0, 26);
    band.setColorAt(0, QColor(236, 64, 64));
    band.setColorAt(1, QColor(150, 18, 30));
    p.setPen(QPen(BannerDarkRed, 1.5));
    p.setBrush(band);
    p.drawRect(QRectF(-150, -26, 300, 52));
    p.setPen(QPen(Gold, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(-146, -22, 292, 44));
    const QString name = title.isEmpty() ? QStringLiteral("VASTGOED ATELIER") : title;
    OutlinedText(p, name, FittedFont(name, 26, 270), QPointF(0, 0), Qt::white, QColor(60, 6, 12), 2.5);
    // The two card places, as on the board.
    QPen dashed(QColor(200, 110, 20), 1.5, Qt::DashLine);
    p.setPen(dashed);
    p.drawRoundedRect(QRectF(-40, -100, 80, 50), 5, 5);
    p.setPen(QPen(QColor(30, 100, 190), 1.5, Qt::DashLine));
    p.drawRoundedRect(QRectF(-40, 50, 80, 50), 5, 5);
    p.setFont(ArtFont(13, true));
    p.setPen(QColor(200, 110, 20));
    p.drawText(QRectF(-40, -100, 80, 50), Qt::AlignCenter, QStringLiteral("Kans"));
    p.setPen(QColor(30, 100, 190));
    p.setFont(ArtFont(12, true));
    p.drawText(QRectF(-40, 50, 80, 50), Qt::AlignCenter, QStringLiteral("Algemeen\nFonds"));
    p.restore();
}

} // namespace

QImage DrawBoardOverview() { return DrawBoardOverview(QString()); }

QImage DrawBoardOverview(const QString &title)
{
    QImage image = BlankImage(OverviewSize, OverviewSize, OverviewBackground);
    QPainter p(&image);
    SmoothPainter(p);
    DrawOverviewCentre(p, title);
    DrawOverviewCorners(p);
    for (int n = 1; n <= 36; ++n)
        DrawOverviewSquare(p, n);
    return image;
}

// ---- The placeholder of the square template ----------------------------------------------

namespace {

void DrawPointingHand(QPainter &p)
{
    // A cartoon hand whose index finger points up and to the left, at the origin.
    p.save();
    p.rotate(-30);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(-6, 0, 12, 34), 6, 6);             // index finger
    hand.addRoundedRect(QRectF(-8, 24, 34, 36), 10, 10);           // palm
    hand.addRoundedRect(QRectF(5, 22, 11, 18), 5.5, 5.5);          // folded fingers
    hand.addRoundedRect(QRectF(14, 24, 11, 17), 5.5, 5.5);
    hand.addRoundedRect(QRectF(-18, 34, 14, 10), 5, 5);            // thumb
    hand.setFillRule(Qt::WindingFill);
    const QPainterPath outline = hand.simplified();
    p.setPen(QPen(Ink, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(outline);
    p.setPen(QPen(QColor(120, 120, 120), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 30), QPointF(5, 36));
    p.drawLine(QPointF(15, 30), QPointF(15, 37));
    p.fillRect(QRectF(-7, 58, 34, 10), QColor(40, 110, 200)); // a blue cuff
    p.setPen(QPen(Ink, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(-7, 58, 34, 10));
    p.restore();
}

} // namespace

QImage DrawPlaceholder()
{
    const QColor background(225, 239, 217);
    QImage image = BlankImage(TemplateWidth, TemplateHeight, background);
    QPainter p(&image);
    SmoothPainter(p);
    p.setClipRect(QRect(2, 2, TemplateWidth - 4, TemplateHeight - 4));

    // A little board: a ring of coloured squares around a green centre.
    const QRectF board(36, 14, 108, 108);
    p.setPen(QPen(Ink, 2));
    p.setBrush(QColor(246, 248, 239));
    p.drawRect(board);
    const qreal cell = board.width() / 7;
    const QColor ring[] = {QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 136, 0),
                           QColor(0, 0, 196)};
    for (int i = 0; i < 7; ++i) {
        for (int j = 0; j < 7; ++j) {
            if (i > 0 && i < 6 && j > 0 && j < 6) continue;
            const QRectF sq(board.left() + i * cell, board.top() + j * cell, cell, cell);
            const bool corner = (i == 0 || i == 6) && (j == 0 || j == 6);
            const int side = j == 0 ? 0 : i == 6 ? 1 : j == 6 ? 2 : 3;
            p.setPen(QPen(Ink, 1));
            p.setBrush(corner ? QColor(246, 248, 239) : ring[side].lighter(120));
            p.drawRect(sq);
        }
    }
    p.setBrush(QColor(196, 226, 198));
    p.drawRect(board.adjusted(cell, cell, -cell, -cell));
    p.save();
    p.translate(board.center());
    p.rotate(-45);
    p.setPen(Qt::NoPen);
    p.setBrush(BannerRed);
    p.drawRect(QRectF(-36, -7, 72, 14));
    p.setPen(QPen(Gold, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(-34, -5, 68, 10));
    p.restore();
    // The square the hand points at glows.
    const QRectF chosen(board.left() + 3 * cell, board.top() + 6 * cell, cell, cell);
    p.setPen(QPen(QColor(255, 200, 0), 3));
    p.setBrush(QColor(255, 250, 180));
    p.drawRect(chosen.adjusted(-2, -2, 2, 2));
    p.setPen(Ink);
    p.setFont(ArtFont(10, true));
    p.drawText(chosen.adjusted(-2, -2, 2, 2), Qt::AlignCenter, QStringLiteral("21"));
    p.save();
    p.translate(chosen.center() + QPointF(3, 9));
    p.scale(0.85, 0.85);
    DrawPointingHand(p);
    p.restore();

    p.setPen(QColor(24, 78, 40));
    p.setFont(ArtFont(22, true));
    p.drawText(QRect(4, 188, 172, 84), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("Klik op een\ngenummerd\nvakje"));
    return image;
}
