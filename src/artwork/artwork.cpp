// The board and the deed sheet. The corners are drawn in artwork_corners.cpp, the overview and the placeholder are drawn in
// artwork_overview.cpp, the station pictures in artwork_stations.cpp and the small pictures
// of the special squares in artwork_icons.cpp.

#include "artwork/artwork.h"
#include "artwork/artwork_paint.h"
#include "model/boardrules.h"
#include "drawing/squarerenderer.h"
#include "model/owngame.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

using namespace artwork;

namespace {

// The colours of the two piles of cards, in the centre and on the card squares.
const QColor KansOrange(240, 130, 20);
const QColor BoardGround(206, 230, 208);
const QColor FondsBlue(30, 110, 200);


// ---- The board's centre ------------------------------------------------------------------

void DrawTinyHouse(QPainter &p, QPointF base, qreal size, const QColor &colour, const QColor &outline)
{
    QPainterPath house;
    house.moveTo(base + QPointF(-size / 2, 0));
    house.lineTo(base + QPointF(-size / 2, -size * 0.6));
    house.lineTo(base + QPointF(0, -size));
    house.lineTo(base + QPointF(size / 2, -size * 0.6));
    house.lineTo(base + QPointF(size / 2, 0));
    house.closeSubpath();
    p.setPen(QPen(outline, size / 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawPath(house);
}

// A hotel: a wide red building under a flat roof, with rows of windows.
void DrawHotel(QPainter &p, QPointF base, const QColor &colour)
{
    const QRectF body(base.x() - 80, base.y() - 86, 160, 86);
    p.setPen(QPen(colour.darker(220), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawRect(body);
    p.setBrush(colour.darker(160));
    p.drawRect(QRectF(body.left() - 8, body.top() - 14, body.width() + 16, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 170));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 4; ++col)
            p.drawRect(QRectF(body.left() + 14 + 38 * col, body.top() + 12 + 28 * row, 18, 16));
    p.setBrush(colour.darker(220));
    p.drawRect(QRectF(base.x() - 6, base.y() - 22, 12, 22));
}

// The big "?" of the chance cards, centred on `centre`.
void DrawQuestionMark(QPainter &p, QPointF centre, int pixelSize, const QColor &colour, qreal outline)
{
    OutlinedText(p, QStringLiteral("?"), ArtFont(pixelSize, true), centre, colour,
                 colour.darker(200), outline);
}

// A treasure chest with a few coins beside it, its lid's hinge line on y = -44 and its
// middle near (0, -30); it spans x -80..146 and y -104..38.
void DrawTreasureChest(QPainter &p)
{
    p.setPen(QPen(QColor(70, 40, 14), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(160, 96, 40));
    p.drawRoundedRect(QRectF(-80, -46, 160, 80), 8, 8);
    p.drawChord(QRectF(-80, -104, 160, 116), 0, 180 * 16);
    p.setBrush(Gold);
    p.drawRect(QRectF(-80, -50, 160, 12));
    p.drawRect(QRectF(-14, -56, 28, 34));
    p.setBrush(QColor(70, 40, 14));
    p.drawEllipse(QPointF(0, -36), 4, 5);
    p.setPen(QPen(QColor(150, 110, 20), 3));
    p.setBrush(QColor(250, 210, 70));
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(100 + 14 * i, 20 - 16 * i), 18, 18);
}

// The dashed, lightly washed place where a pile of cards lies.
void DrawCardOutline(QPainter &p, const QRectF &place, qreal radius, const QColor &colour, qreal width)
{
    QColor wash = colour;
    wash.setAlpha(40);
    QPainterPath shape;
    shape.addRoundedRect(place, radius, radius);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(wash);
    p.drawPath(shape);
    // The dashes as an outline of their own: a dashed pen skips dashes outside the painter's
    // clip and so would dash differently in each piece of the board.
    QPainterPathStroker dashes;
    dashes.setWidth(width);
    dashes.setCapStyle(Qt::RoundCap);
    dashes.setJoinStyle(Qt::RoundJoin);
    dashes.setDashPattern(QVector<qreal>{3, 2.2});
    p.setBrush(colour.darker(130));
    p.drawPath(dashes.createStroke(shape));
    p.restore();
}

void DrawCardPlace(QPainter &p, QPointF centre, const QString &label, const QColor &colour,
                   bool questionMark)
{
    p.save();
    p.translate(centre);
    p.rotate(-45);
    if (!Reaches(p, QRectF(-260, -180, 520, 360))) {  // the outline, its dashes and the label
        p.restore();
        return;
    }
    DrawCardOutline(p, QRectF(-230, -150, 460, 300), 28, colour, 7);
    if (questionMark)
        DrawQuestionMark(p, QPointF(0, -26), 170, colour, 5);
    else
        DrawTreasureChest(p);
    OutlinedText(p, label, FittedFont(label, 64, 420), QPointF(0, 100), colour,
                 colour.darker(200), 3);
    p.restore();
}

void DrawTitleRibbon(QPainter &p, const QString &title, const QString &subtitle)
{
    // The ribbon's folded tails lie behind its main band.
    for (int side : {-1, 1}) {
        QPainterPath tail;
        const qreal x0 = side * 700, x1 = side * 880;
        tail.moveTo(x0, -110);
        tail.lineTo(x1, -110);
        tail.lineTo(x1 - side * 70, 10);
        tail.lineTo(x1, 130);
        tail.lineTo(x0, 130);
        tail.closeSubpath();
        p.setPen(QPen(BannerDarkRed.darker(140), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(BannerDarkRed);
        p.drawPath(tail);
    }
    QLinearGradient band(0, -150, 0, 150);
    band.setColorAt(0, QColor(236, 64, 64));
    band.setColorAt(0.5, BannerRed);
    band.setColorAt(1, QColor(150, 18, 30));
    p.setPen(QPen(BannerDarkRed, 6));
    p.setBrush(band);
    p.drawRect(QRectF(-760, -150, 1520, 300));
    p.setPen(QPen(Gold, 5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(-740, -130, 1480, 260));
    p.setPen(QPen(Gold, 2));
    p.drawRect(QRectF(-728, -118, 1456, 236));

    const QString name = title.isEmpty() ? DefaultGameTitle() : title;
    // The title, its outline and its shadow keep inside the band's own frame.
    if (!Reaches(p, QRectF(-760, -150, 1520, 300)))
        return;
    const QFont font = FittedFont(name, 150, 1320);
    p.save();
    p.translate(7, 8);
    OutlinedText(p, name, font, QPointF(0, -14), QColor(0, 0, 0, 110), QColor(0, 0, 0, 110), 8);
    p.restore();
    OutlinedText(p, name, font, QPointF(0, -14), Qt::white, QColor(60, 6, 12), 8);
    p.setPen(QColor(255, 232, 170));
    p.setFont(ArtFont(36, true));
    const QString line = subtitle.isEmpty() ? DefaultGameSubtitle() : subtitle;
    p.setFont(FittedFont(line, 36, 1400));
    ArtText(p, QRectF(-700, 62, 1400, 50), Qt::AlignCenter, line);
}

void DrawBoardCentre(QPainter &p, const QRect &r, const QString &title, const QString &subtitle)
{
    QRadialGradient glow(r.center(), r.width() * 0.72);
    glow.setColorAt(0, CentreLight);
    glow.setColorAt(1, CentreDark);
    p.fillRect(r, glow);
    // A quiet ring of rays gives the centre some life without stealing the show.
    p.save();
    p.setClipRect(r);
    p.translate(QPointF(r.center()) + QPointF(0.5, 0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 36));
    for (int i = 0; i < 24; ++i) {
        QPainterPath ray;
        ray.moveTo(0, 0);
        ray.lineTo(1300 * std::cos((i * 15 - 3) * Pi / 180), 1300 * std::sin((i * 15 - 3) * Pi / 180));
        ray.lineTo(1300 * std::cos((i * 15 + 3) * Pi / 180), 1300 * std::sin((i * 15 + 3) * Pi / 180));
        ray.closeSubpath();
        p.drawPath(ray);
    }
    p.restore();
    p.setPen(QPen(QColor(120, 170, 130), 4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(r).adjusted(40, 40, -40, -40));

    const QPointF mid = QPointF(r.center()) + QPointF(0.5, 0.5);
    DrawCardPlace(p, mid + QPointF(-330, -330), QStringLiteral("KANS"), KansOrange, true);
    DrawCardPlace(p, mid + QPointF(330, 330), QStringLiteral("ALGEMEEN FONDS"), FondsBlue, false);

    p.save();
    p.translate(mid);
    p.rotate(-45);
    // The ribbon with its tails, its shadowed title and the houses and hotels above and below.
    if (!Reaches(p, QRectF(-910, -320, 1820, 640))) {
        p.restore();
        return;
    }
    DrawTitleRibbon(p, title, subtitle);
    // A little street of houses and a hotel on either side of the ribbon.
    const QColor houseGreen(40, 160, 60), hotelRed(210, 30, 40);
    for (int i = 0; i < 4; ++i) {
        DrawTinyHouse(p, QPointF(-150 + 100 * i, -190), 70, houseGreen, houseGreen.darker(220));
        DrawTinyHouse(p, QPointF(-150 + 100 * i, 290), 70, houseGreen, houseGreen.darker(220));
    }
    DrawHotel(p, QPointF(330, -190), hotelRed);
    DrawHotel(p, QPointF(-330, 290), hotelRed);
    p.restore();
}

} // namespace

QImage DrawBoardTemplate()
{
    QImage image = BlankImage(BoardSize, BoardSize, BoardGround);
    QPainter p(&image);
    DrawBoardTemplate(p, QString(), QString());
    // The artwork piece by piece over it, so that every piece drawn again matches to the pixel.
    for (const QRect &piece : BoardArtworkPieces())
        p.drawImage(piece.topLeft(), DrawBoardPiece(piece, piece.size(), QString(), QString()));
    return image;
}

void DrawBoardTemplate(QPainter &p, const QString &title, const QString &subtitle)
{
    SmoothPainter(p);
    p.fillRect(QRect(0, 0, BoardSize, BoardSize), BoardGround);
    const QRect centre = BoardCentreArea();
    DrawBoardCentre(p, centre, title, subtitle);
    // The side squares stay empty: each finished square is painted over its own place.
    // Each square and corner reaches a few pixels beyond its place with its outline at most.
    const auto near = [&p](const QRect &place) { return Reaches(p, QRectF(place).adjusted(-8, -8, 8, 8)); };
    for (int n = 1; n <= 36; ++n) {
        const int side = SideOfSquare(n);
        const QSize size = (side == 1 || side == 3) ? QSize(180, 280) : QSize(280, 180);
        const QRect place(DefaultSquarePosition(n), size);
        if (near(place))
            OutlinedTile(p, place, SquareFill);
    }
    const QRect start(0, 0, 280, 280), jail(1900, 0, 280, 280), parking(1900, 1900, 280, 280),
        goToJail(0, 1900, 280, 280);
    if (near(start))
        DrawStartCorner(p, start);
    if (near(jail))
        DrawJailCorner(p, jail);
    if (near(parking))
        DrawParkingCorner(p, parking);
    if (near(goToJail))
        DrawGoToJailCorner(p, goToJail);
    p.setPen(QPen(Qt::black, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(centre).adjusted(-1, -1, 1, 1));
    p.setPen(QPen(Qt::black, 6));
    p.drawRect(QRectF(3, 3, BoardSize - 6, BoardSize - 6));
}

std::vector<QRect> BoardArtworkPieces(bool centreOnly)
{
    std::vector<QRect> pieces;
    if (!centreOnly)
        for (const QPoint corner : {QPoint(0, 0), QPoint(1900, 0), QPoint(1900, 1900), QPoint(0, 1900)})
            pieces.emplace_back(corner, QSize(280, 280));
    const QRect centre = BoardCentreArea();
    const int tile = centre.width() / 4;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            pieces.emplace_back(centre.left() + tile * column, centre.top() + tile * row, tile, tile);
    return pieces;
}

QImage DrawBoardPiece(const QRect &area, QSize size, const QString &title, const QString &subtitle)
{
    QImage image = BlankImage(qMax(1, size.width()), qMax(1, size.height()), BoardGround);
    QPainter p(&image);
    if (size != area.size())
        p.scale(double(size.width()) / area.width(), double(size.height()) / area.height());
    p.translate(-area.topLeft());
    DrawBoardTemplate(p, title, subtitle);
    return image;
}

// ---- The card squares --------------------------------------------------------------------

QImage DrawCardSquare(bool kans)
{
    QImage image = BlankImage(TemplateWidth, TemplateHeight, TemplateBackgroundColour());
    QPainter p(&image);
    DrawCardSquare(p, kans);
    return image;
}

void DrawCardSquare(QPainter &p, bool kans)
{
    const QColor colour = kans ? KansOrange : FondsBlue;
    p.save();
    p.fillRect(QRect(0, 0, TemplateWidth, TemplateHeight), TemplateBackgroundColour());
    SmoothPainter(p);
    // The picture keeps inside the frame: x 2..177, y 2..275.
    p.save();
    p.setClipRect(QRect(2, 2, TemplateWidth - 4, TemplateHeight - 6), Qt::IntersectClip);
    if (kans) {
        OutlinedText(p, QStringLiteral("Kans"), ArtFont(42, true), QPointF(90, 40), colour,
                     colour.darker(200), 2);
        DrawCardOutline(p, QRectF(20, 76, 140, 178), 12, colour, 3);
        DrawQuestionMark(p, QPointF(90, 165), 140, colour, 3);
    } else {
        const QFont font = FittedFont(QStringLiteral("Algemeen"), 32, 164);
        OutlinedText(p, QStringLiteral("Algemeen"), font, QPointF(90, 30), colour, colour.darker(200), 1.5);
        OutlinedText(p, QStringLiteral("Fonds"), font, QPointF(90, 66), colour, colour.darker(200), 1.5);
        DrawCardOutline(p, QRectF(20, 94, 140, 160), 12, colour, 3);
        // The chest with its coins is 226 x 142 at full size: scaled into the card place.
        const qreal scale = 0.58;
        p.translate(90 - 33 * scale, 174 + 33 * scale);
        p.scale(scale, scale);
        DrawTreasureChest(p);
    }
    p.restore();

    // The frame exactly as a composed square has it: two black outlines and the thick foot.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 179, 279);
    p.drawRect(1, 1, 177, 277);
    p.drawRect(0, 276, 179, 1);
    p.restore();
}

QColor DeckColour(bool kans) { return kans ? KansOrange : FondsBlue; }

void DrawDeckEmblem(QPainter &p, bool kans, const QRectF &place)
{
    // Both emblems drawn in a box of 240 x 170 around (0, 0), scaled to fit the place.
    const QSizeF box(240, 170);
    const qreal scale = qMin(place.width() / box.width(), place.height() / box.height());
    p.save();
    SmoothPainter(p);
    p.translate(place.center());
    p.scale(scale, scale);
    if (kans) {
        DrawQuestionMark(p, QPointF(0, 0), 190, KansOrange, 5);
    } else {
        // The chest spans x -80..146 and y -104..38: its middle to the box's.
        p.translate(-33, 33);
        DrawTreasureChest(p);
    }
    p.restore();
}


void PlaceCardSquares(QImage &board)
{
    const QImage kans = DrawCardSquare(true);
    const QImage fonds = DrawCardSquare(false);
    for (int n = 1; n <= 36; ++n)
        if (IsCardSquare(n))
            PlaceSquare(board, IsKansSquare(n) ? kans : fonds, SideOfSquare(n), DefaultSquarePosition(n));
}

// ---- The deed sheet ----------------------------------------------------------------------

QImage DrawBlankDeedSheet()
{
    QImage image = BlankImage(DeedSheetWidth, DeedSheetHeight, Qt::white);
    QPainter p(&image);
    DrawBlankDeedSheet(p);
    return image;
}

void DrawBlankDeedSheet(QPainter &p)
{
    const QColor paper(226, 232, 238);
    p.fillRect(QRect(0, 0, DeedSheetWidth, DeedSheetHeight), paper);
    SmoothPainter(p);
    // Cut guides run through the middle of the gaps between the slots, dashed 4 on, 2 off.
    // Each dash is a line of its own: a dashed line cut off by the edge of a picture starts
    // its dashes again there, and a piece of the sheet drawn on its own must dash alike.
    p.setPen(QPen(QColor(150, 160, 172), 1, Qt::SolidLine, Qt::FlatCap));
    for (int c = 1; c < 7; ++c)
        for (int y = 0; y < DeedSheetHeight; y += 6)
            p.drawLine(QPointF(4 + 210 * c + 0.5, y), QPointF(4 + 210 * c + 0.5, qMin(y + 4, DeedSheetHeight)));
    for (int r = 1; r < 4; ++r)
        for (int x = 0; x < DeedSheetWidth; x += 6)
            p.drawLine(QPointF(x, 4 + 290 * r + 0.5), QPointF(qMin(x + 4, DeedSheetWidth), 4 + 290 * r + 0.5));

    const QString placeholder = QStringLiteral("Eigendomsbewijs");
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 7; ++c) {
            const QRect slot(9 + 210 * c, 9 + 290 * r, 200, 280);
            if (!Reaches(p, QRectF(slot).adjusted(-2, -2, 2, 2)))
                continue;
            p.fillRect(slot, QColor(200, 206, 214));
            p.fillRect(slot.adjusted(1, 1, -1, -1), QColor(253, 253, 250));
            p.save();
            p.translate(slot.topLeft());
            p.setPen(QPen(QColor(228, 230, 232), 2));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(14, 14, 172, 64), 6, 6);
            p.setPen(QColor(204, 208, 212));
            p.setFont(ArtFont(18, true));
            ArtText(p, QRect(14, 14, 172, 64), Qt::AlignCenter, placeholder);
            p.setPen(QPen(QColor(236, 238, 240), 2, Qt::DotLine));
            for (int line = 0; line < 6; ++line)
                p.drawLine(QPointF(26, 112 + 26 * line), QPointF(174, 112 + 26 * line));
            DrawTinyHouse(p, QPointF(100, 268), 22, QColor(244, 245, 244), QColor(222, 224, 226));
            p.restore();
        }
    }
}
