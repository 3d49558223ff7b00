// The artwork pictures: their sizes and the places the rest of the program relies on —
// the overview's squares lie on the click rectangles, the deed slots and the board's
// squares sit where the later drawing puts its work, and the stations all differ.

#include "board/artwork.h"
#include "app/algemeen.h"
#include "app/defaultcontent.h"
#include "board/geometry.h"
#include "board/squaredesign.h"

#include <QSet>
#include <QtTest>

namespace {

QRect PixelRect(int n)
{
    const HitRect h = OverviewHitRect(n);
    return QRect(QPoint(h.left / 15, h.top / 15), QPoint(h.right / 15 - 1, h.bottom / 15 - 1));
}

int DistinctColours(const QImage &image, const QRect &area)
{
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

int DarkPixels(const QImage &image, const QRect &area)
{
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y).lightness() < 90) ++dark;
    return dark;
}

} // namespace

class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    void sizesAndFormat_data();
    void sizesAndFormat();

    void overviewSquaresLieOnTheirClickRectangles();

    void deedSlotsStandOutFromTheSheet();
    void boardSquaresAreOutlinedEmptyPlaces();
    void cardSquaresFillTheirPlacesOnTheBoard();

    void placeholderKeepsItsMarginAndShowsText();
};

void TestArtwork::sizesAndFormat_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QSize>("size");
    QTest::newRow("board") << DrawBoardTemplate() << QSize(2180, 2180);
    QTest::newRow("deed sheet") << DrawBlankDeedSheet() << QSize(1476, 1176);
    QTest::newRow("overview") << DrawBoardOverview() << QSize(400, 400);
    QTest::newRow("stations") << DrawStationStrip() << QSize(160, 4050);
    QTest::newRow("placeholder") << DrawPlaceholder() << QSize(180, 280);
    QTest::newRow("water works") << DrawWaterWorks() << QSize(160, 135);
}

void TestArtwork::sizesAndFormat()
{
    QFETCH(QImage, image);
    QFETCH(QSize, size);
    QCOMPARE(image.size(), size);
    QCOMPARE(image.format(), QImage::Format_RGB32);
    // A real picture, not an empty canvas.
    QVERIFY(DistinctColours(image, image.rect()) > 20);
}

void TestArtwork::overviewSquaresLieOnTheirClickRectangles()
{
    const QImage overview = DrawBoardOverview();
    const QRgb background = overview.pixel(0, 0);
    QCOMPARE(overview.pixel(399, 399), background);
    for (int n = 1; n <= 36; ++n) {
        const QRect r = PixelRect(n);
        // Every pixel of the square, up to its very edge, belongs to the square...
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                QVERIFY2(overview.pixel(x, y) != background,
                         qPrintable(QStringLiteral("square %1 has a hole at %2,%3").arg(n).arg(x).arg(y)));
        // ...and the ring of pixels around it is the background showing through the gaps.
        const QRect ring = r.adjusted(-1, -1, 1, 1);
        for (int x = ring.left(); x <= ring.right(); ++x) {
            QCOMPARE(overview.pixel(x, ring.top()), background);
            QCOMPARE(overview.pixel(x, ring.bottom()), background);
        }
        for (int y = ring.top(); y <= ring.bottom(); ++y) {
            QCOMPARE(overview.pixel(ring.left(), y), background);
            QCOMPARE(overview.pixel(ring.right(), y), background);
        }
    }
    // The documented example: square 1 covers x 56..86, and 87 is the gap before square 2.
    QVERIFY(overview.pixel(56, 30) != background);
    QVERIFY(overview.pixel(86, 30) != background);
    QCOMPARE(overview.pixel(87, 30), background);
    QVERIFY(overview.pixel(88, 30) != background);

    // A press in the middle of any drawn pixel of a clickable square hits that square.
    for (int n = 1; n <= 36; ++n) {
        if (IsCardSquare(n)) continue;
        const QRect r = PixelRect(n);
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                QCOMPARE(HitSquare(15 * x + 7, 15 * y + 7), n);
    }
}




void TestArtwork::deedSlotsStandOutFromTheSheet()
{
    const QImage sheet = DrawBlankDeedSheet();
    const QRgb paper = sheet.pixel(1, 1);
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 7; ++c) {
            const QRect slot(9 + 210 * c, 9 + 290 * r, 200, 280);
            const QPoint corners[] = {slot.topLeft(), slot.topRight(), slot.bottomLeft(), slot.bottomRight()};
            const QPoint outward[] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
            for (int k = 0; k < 4; ++k) {
                QVERIFY(sheet.pixel(corners[k]) != paper);
                QCOMPARE(sheet.pixel(corners[k] + outward[k]), paper);
                QCOMPARE(sheet.pixel(corners[k] + QPoint(outward[k].x(), 0)), paper);
                QCOMPARE(sheet.pixel(corners[k] + QPoint(0, outward[k].y())), paper);
                // Just inside the outline the card is light.
                QVERIFY(sheet.pixelColor(corners[k] - outward[k] * 2).lightness() > 240);
            }
        }
    }
}

void TestArtwork::boardSquaresAreOutlinedEmptyPlaces()
{
    const QImage board = DrawBoardTemplate();
    for (int n = 1; n <= 36; ++n) {
        const int side = SideOfSquare(n);
        const QRect r(DefaultSquarePosition(n), (side == 1 || side == 3) ? QSize(180, 280) : QSize(280, 180));
        const QColor inside = board.pixelColor(r.center());
        QVERIFY(inside.lightness() > 220);
        // A thin black outline, and nothing drawn inside it.
        QCOMPARE(board.pixelColor(r.center().x(), r.top() + 10), inside);
        QCOMPARE(board.pixelColor(r.left() + 10, r.center().y()), inside);
        QCOMPARE(board.pixelColor(r.right() - 10, r.center().y()), inside);
        QCOMPARE(board.pixelColor(r.center().x(), r.bottom() - 10), inside);
        QCOMPARE(board.pixelColor(r.left() + 10, r.top() + 10), inside);
        QCOMPARE(board.pixelColor(r.right() - 10, r.bottom() - 10), inside);
        QVERIFY(board.pixelColor(r.left(), r.center().y()).lightness() < 40);
        QVERIFY(board.pixelColor(r.center().x(), r.top()).lightness() < 40);
        QVERIFY(board.pixelColor(r.center().x(), r.bottom()).lightness() < 40);
        QVERIFY(board.pixelColor(r.right(), r.center().y()).lightness() < 40);
    }
}




void TestArtwork::cardSquaresFillTheirPlacesOnTheBoard()
{
    // The board as the Data picture is made: the default design, then the card squares.
    const QImage empty = DrawBoardTemplate();
    Algemeen design;
    LoadDefaultContent(design);
    const SquarePictures pictures{DrawStationStrip(), DrawWaterWorks(), DrawExtraTax(),
                                  DrawIncomeTax(), DrawElectricity()};
    QImage board = ComposeDefaultBoard(empty, design, pictures);
    const QImage withoutCards = board;
    PlaceCardSquares(board);

    const QImage kans = DrawCardSquare(true), fonds = DrawCardSquare(false);
    const QRgb plain = empty.pixel(DefaultSquarePosition(2) + QPoint(90, 140));
    for (int n : {2, 12, 15, 20, 25, 34}) {
        const int side = SideOfSquare(n);
        const QRect r(DefaultSquarePosition(n), (side == 1 || side == 3) ? QSize(180, 280) : QSize(280, 180));
        // Left blank by the composed board, drawn now.
        QCOMPARE(withoutCards.pixel(r.center()), plain);
        int changed = 0;
        for (int y = r.top() + 4; y <= r.bottom() - 4; y += 2)
            for (int x = r.left() + 4; x <= r.right() - 4; x += 2)
                changed += board.pixel(x, y) != plain;
        QVERIFY2(changed > 2000, qPrintable(QStringLiteral("square %1 is blank").arg(n)));
        // The right kind, turned like the other squares: the title faces the board's centre.
        // Template pixel (X, Y) lands on board pixel r.topLeft() + turned(X, Y).
        const QImage &templ = IsKansSquare(n) ? kans : fonds;
        auto turned = [&](int X, int Y) {
            switch (side) {
            case 1: return QPoint(179 - X, 279 - Y);
            case 2: return QPoint(Y, 179 - X);
            case 3: return QPoint(X, Y);
            default: return QPoint(279 - Y, X);
            }
        };
        for (int Y = 0; Y < 280; Y += 3)
            for (int X = 0; X < 180; X += 3)
                QCOMPARE(board.pixel(r.topLeft() + turned(X, Y)), templ.pixel(X, Y));
    }
    QVERIFY(IsKansSquare(12) && IsKansSquare(20) && IsKansSquare(34));
    QVERIFY(!IsKansSquare(2) && !IsKansSquare(15) && !IsKansSquare(25));

    // Only the card squares changed: the corners, the centre and the other squares are as
    // they were.
    for (const QPoint &corner : {QPoint(0, 0), QPoint(1900, 0), QPoint(1900, 1900), QPoint(0, 1900)})
        QCOMPARE(board.copy(QRect(corner, QSize(280, 280))), empty.copy(QRect(corner, QSize(280, 280))));
    QCOMPARE(board.copy(280, 280, 1620, 1620), empty.copy(280, 280, 1620, 1620));
    for (int n = 1; n <= 36; ++n) {
        if (IsCardSquare(n)) continue;
        const int side = SideOfSquare(n);
        const QRect r(DefaultSquarePosition(n), (side == 1 || side == 3) ? QSize(180, 280) : QSize(280, 180));
        QCOMPARE(board.copy(r), withoutCards.copy(r));
    }
}


void TestArtwork::placeholderKeepsItsMarginAndShowsText()
{
    const QImage placeholder = DrawPlaceholder();
    const QColor background(225, 239, 217);
    for (int x = 0; x < 180; ++x)
        for (int y : {0, 1, 278, 279}) QCOMPARE(placeholder.pixelColor(x, y), background);
    for (int y = 0; y < 280; ++y)
        for (int x : {0, 1, 178, 179}) QCOMPARE(placeholder.pixelColor(x, y), background);
    // The invitation is written in the lower part, the picture sits above it.
    QVERIFY(DarkPixels(placeholder, QRect(2, 170, 176, 100)) > 300);
    QVERIFY(DistinctColours(placeholder, QRect(2, 2, 176, 160)) > 40);
}

QTEST_MAIN(TestArtwork)
#include "test_artwork.moc"
