// The artwork pictures: the places the rest of the program relies on — the overview's squares
// lie on the click rectangles, the deed slots and card squares sit where the drawing puts its work.

#include "board/artwork.h"
#include "app/algemeen.h"
#include "app/defaultcontent.h"
#include "board/geometry.h"
#include "board/squaredesign.h"
#include "placementreference.h"

#include <QtTest>

class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    void overviewSquaresLieOnTheirClickRectangles();
    void deedSlotsStandOutFromTheSheet();
    void cardSquaresFillTheirPlacesOnTheBoard();
};

void TestArtwork::overviewSquaresLieOnTheirClickRectangles()
{
    const QImage overview = DrawBoardOverview();
    const QRgb background = overview.pixel(0, 0);
    for (int n = 1; n <= 36; ++n) {
        const HitRect h = OverviewHitRect(n);
        const QRect r(QPoint(h.left / 15, h.top / 15), QPoint(h.right / 15 - 1, h.bottom / 15 - 1));
        // Every pixel of the square belongs to it and a press there hits it (card squares hit
        // nothing); the ring of pixels around it is the background showing through the gaps.
        for (int y = r.top() - 1; y <= r.bottom() + 1; ++y)
            for (int x = r.left() - 1; x <= r.right() + 1; ++x) {
                if (!r.contains(x, y)) {
                    QCOMPARE(overview.pixel(x, y), background);
                    continue;
                }
                QVERIFY2(overview.pixel(x, y) != background,
                         qPrintable(QStringLiteral("square %1 has a hole at %2,%3").arg(n).arg(x).arg(y)));
                if (!IsCardSquare(n))
                    QCOMPARE(HitSquare(15 * x + 7, 15 * y + 7), n);
            }
    }
    // Square 1 covers x 56..86, and 87 is the gap before square 2.
    QVERIFY(overview.pixel(56, 30) != background && overview.pixel(86, 30) != background);
    QCOMPARE(overview.pixel(87, 30), background);
}

void TestArtwork::deedSlotsStandOutFromTheSheet()
{
    const QImage sheet = DrawBlankDeedSheet();
    const QRgb paper = sheet.pixel(1, 1);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 7; ++c) {
            const QRect slot(9 + 210 * c, 9 + 290 * r, 200, 280);
            const QPoint corners[] = {slot.topLeft(), slot.topRight(), slot.bottomLeft(), slot.bottomRight()};
            const QPoint outward[] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
            for (int k = 0; k < 4; ++k) {
                QVERIFY(sheet.pixel(corners[k]) != paper);
                QCOMPARE(sheet.pixel(corners[k] + QPoint(outward[k].x(), 0)), paper);
                QCOMPARE(sheet.pixel(corners[k] + QPoint(0, outward[k].y())), paper);
                QVERIFY(sheet.pixelColor(corners[k] - outward[k] * 2).lightness() > 240);  // light card inside
            }
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
    QImage expected = board;
    PlaceCardSquares(board);

    const QImage kans = DrawCardSquare(true), fonds = DrawCardSquare(false);
    QVERIFY(kans != fonds);
    // Kans on 12, 20 and 34, Algemeen Fonds on 2, 15 and 25, each turned to face the centre;
    // nothing else on the board changes.
    for (int n : {12, 20, 34})
        PlaceSquarePixelByPixel(expected, kans, SideOfSquare(n), DefaultSquarePosition(n));
    for (int n : {2, 15, 25})
        PlaceSquarePixelByPixel(expected, fonds, SideOfSquare(n), DefaultSquarePosition(n));
    QVERIFY(board == expected);
}

QTEST_MAIN(TestArtwork)
#include "test_artwork.moc"
