// Composing a square in the template and placing it on the board, checked by pixels.

#include "app/algemeen.h"
#include "app/defaultcontent.h"
#include "board/geometry.h"
#include "board/squaredesign.h"
#include "board/squarerenderer.h"
#include "placementreference.h"
#include "testsupport.h"

#include <QtTest>

namespace {
const QColor Background(225, 239, 217);

QRect inkBox(const QImage &image, const QRect &rect) { return inkBounds(image, rect, Background); }

SquareArt plainArt()
{
    SquareArt art;
    art.colour = {105, 0, 61};
    QImage ph(180, 280, QImage::Format_RGB32);
    ph.fill(QColor(1, 2, 3));
    art.placeholder = ph;
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 250));
    art.picture = picture;
    return art;
}
}

class TestSquareRenderer : public QObject
{
    Q_OBJECT
private slots:
    void templateOriginLands();
    void fastPlacementEqualsReference_data();
    void fastPlacementEqualsReference();
    void defaultBoardLeavesCornersAlone();
    void streetLayout();
    void utilityAndTaxSquares();
    void nothingToComposeGivesPlaceholder();
    void awkwardTexts_data();
    void awkwardTexts();
};

void TestSquareRenderer::templateOriginLands()
{
    // Where template pixels (0, 0) and (179, 279) land for a square of each side; nothing else changes.
    QImage templ(180, 280, QImage::Format_RGB32);
    templ.fill(Qt::white);
    templ.setPixelColor(0, 0, Qt::red);
    templ.setPixelColor(179, 279, Qt::blue);
    struct Case { int square; QRect area; QPoint origin, farEnd; };
    for (const Case &c : {Case{1, QRect(280, 0, 180, 280), QPoint(459, 279), QPoint(280, 0)},
                          Case{10, QRect(1900, 280, 280, 180), QPoint(1900, 459), QPoint(2179, 280)},
                          Case{19, QRect(1720, 1900, 180, 280), QPoint(1720, 1900), QPoint(1899, 2179)},
                          Case{28, QRect(0, 1720, 280, 180), QPoint(279, 1720), QPoint(0, 1899)}}) {
        QImage board(2180, 2180, QImage::Format_RGB32);
        board.fill(Qt::black);
        QCOMPARE(DefaultSquarePosition(c.square), c.area.topLeft());
        PlaceSquare(board, templ, SideOfSquare(c.square), DefaultSquarePosition(c.square));
        QCOMPARE(board.pixelColor(c.origin), QColor(Qt::red));
        QCOMPARE(board.pixelColor(c.farEnd), QColor(Qt::blue));
        QCOMPARE(inkBounds(board, board.rect(), Qt::black), c.area);
    }
}

void TestSquareRenderer::fastPlacementEqualsReference_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<QPoint>("position");
    const QPoint inside[] = {{1000, 0}, {1900, 820}, {1180, 1900}, {0, 1000}};
    for (int side = 1; side <= 4; ++side) {
        QTest::addRow("side %d", side) << side << inside[side - 1];
        // Partly outside the board: only the part inside is written.
        QTest::addRow("side %d past the far edge", side) << side << QPoint(2100, 2050);
        QTest::addRow("side %d before the near edge", side) << side << QPoint(-40, -100);
    }
}

void TestSquareRenderer::fastPlacementEqualsReference()
{
    QFETCH(int, side);
    QFETCH(QPoint, position);
    const QImage templ = noiseImage(180, 280, 7);
    QImage fast = noiseImage(2180, 2180, 11);
    QImage reference = fast.copy();
    PlaceSquare(fast, templ, side, position);
    PlaceSquarePixelByPixel(reference, templ, side, position);
    QVERIFY(fast == reference);
    QVERIFY(fast != noiseImage(2180, 2180, 11));
    QImage empty;  // a null board is left alone
    PlaceSquare(empty, templ, side, position);
    QVERIFY(empty.isNull());
}

void TestSquareRenderer::defaultBoardLeavesCornersAlone()
{
    Algemeen design;
    LoadDefaultContent(design);
    QImage boardTemplate(2180, 2180, QImage::Format_RGB32);
    boardTemplate.fill(QColor(9, 200, 77));
    SquarePictures pictures;
    pictures.stationStrip = stationStripOfColours();
    const QImage board = ComposeDefaultBoard(boardTemplate, design, pictures);
    QCOMPARE(board.size(), QSize(2180, 2180));

    // Corners and middle stay; every composable square is written, card squares are not.
    for (const QRect &c : {QRect(0, 0, 280, 280), QRect(1900, 0, 280, 280), QRect(1900, 1900, 280, 280),
                           QRect(0, 1900, 280, 280), QRect(280, 280, 1620, 1620)})
        QVERIFY(!inkBounds(board, c, QColor(9, 200, 77)).isValid());
    for (int n = 1; n <= 36; ++n) {
        const QPoint p = design.squarePosition[n] + QPoint(90, 90);
        QVERIFY2((board.pixelColor(p) != QColor(9, 200, 77)) == !IsCardSquare(n), qPrintable(QString::number(n)));
    }
    // Square 21 shows its purple band at the edge that faces the centre.
    QCOMPARE(board.pixelColor(1360 + 90, 1900 + 20), QColor(105, 0, 61));
    // Square 1 is turned over: its band lies at the bottom of its area.
    QCOMPARE(board.pixelColor(280 + 90, 279 - 20), QColor(255, 0, 0));
}

void TestSquareRenderer::streetLayout()
{
    QImage templ;
    ComposeSquare(templ, 21, {"Brink", "Ons Dorp", "€ 60,-"}, plainArt());
    QCOMPARE(templ.size(), QSize(180, 280));
    // Band 2..58, rule 59..61, a frame two pixels wide at the sides and four at the bottom.
    const QColor band(105, 0, 61), black(Qt::black);
    const QList<QPair<QPoint, QColor>> pixels = {
        {{90, 2}, band},     {{90, 58}, band},    {{90, 59}, black},   {{90, 61}, black},  {{90, 62}, Background},
        {{0, 150}, black},   {{1, 150}, black},   {{178, 150}, black}, {{179, 150}, black}, {{2, 150}, Background},
        {{90, 276}, black},  {{90, 279}, black},  {{90, 275}, Background}};
    for (const auto &[at, colour] : pixels)
        QVERIFY2(templ.pixelColor(at) == colour, qPrintable(describe(templ, at)));

    // Each text sits in its own rows, centred near pixel 90.
    for (const QRect &box : {inkBox(templ, QRect(2, 75, 176, 25)), inkBox(templ, QRect(2, 100, 176, 26)),
                             inkBox(templ, QRect(2, 235, 176, 26))}) {
        QVERIFY(box.isValid());
        QVERIFY2(qAbs(box.center().x() - 90) <= 6, qPrintable(QString::number(box.center().x())));
    }
    // Nothing else between the rule and the amount.
    QVERIFY(!inkBox(templ, QRect(2, 62, 176, 13)).isValid());
    QVERIFY(!inkBox(templ, QRect(2, 127, 176, 107)).isValid());
}

void TestSquareRenderer::utilityAndTaxSquares()
{
    // Water works (8) and extra tax (17): picture rectangle, and a point in the first fixed word's row.
    struct Case { int square; QRect pictureRect; QPoint firstWord; };
    for (const auto &[square, pictureRect, firstWord] :
         {Case{8, QRect(12, 75, 160, 135), QPoint(31, 30)}, Case{17, QRect(23, 90, 133, 107), QPoint(66, 17)}}) {
        const SquareArt art = plainArt();
        QImage templ;
        ComposeSquare(templ, square, {"ignored", "ignored", "abc"}, art);
        // The picture is scaled to fill its rectangle exactly.
        const QColor pictureColour(0, 0, 250);
        QCOMPARE(pixelsOf(templ, pictureRect, pictureColour), pictureRect.width() * pictureRect.height());
        QVERIFY(templ.pixelColor(pictureRect.topLeft() - QPoint(1, 1)) != pictureColour);
        QVERIFY(templ.pixelColor(pictureRect.bottomRight() + QPoint(1, 1)) != pictureColour);
        // The first fixed word starts at its point, not centred; the amount is drawn as typed.
        const QRect word = inkBox(templ, QRect(2, firstWord.y(), 176, 18));
        QVERIFY(word.isValid());
        QVERIFY2(qAbs(word.left() - firstWord.x()) <= 3, qPrintable(QString::number(word.left())));
        QVERIFY(inkBox(templ, QRect(2, 235, 176, 26)).isValid());

        // Without a picture the rectangle stays empty.
        SquareArt none = art;
        none.picture = QImage();
        ComposeSquare(templ, square, {"", "", ""}, none);
        QCOMPARE(templ.pixelColor(pictureRect.center()), Background);
    }
}

void TestSquareRenderer::nothingToComposeGivesPlaceholder()
{
    for (const int square : {0, 2}) {  // no square, a card square
        QImage templ;
        ComposeSquare(templ, square, {"Brink", "Ons Dorp", "€ 60,-"}, plainArt());
        // The placeholder in a frame one pixel wide; no texts drawn.
        QCOMPARE(templ.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(templ.pixelColor(179, 279), QColor(Qt::black));
        QCOMPARE(pixelsOf(templ, QRect(1, 1, 178, 278), QColor(1, 2, 3)), 178 * 278);
    }
}

void TestSquareRenderer::awkwardTexts_data()
{
    QTest::addColumn<QString>("street");
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("amount");
    QTest::newRow("empty name") << "" << "Ons Dorp" << "€ 60,-";
    QTest::newRow("500 characters") << QString(500, QLatin1Char('W')) << "Ons Dorp" << "€ 60,-";
    QTest::newRow("amount not a number") << "Brink" << "Ons Dorp" << "abc";
    QTest::newRow("beyond Windows-1252")
        << QString::fromUtf8("Stra\u00dfe \u2603 \U0001F600") << QString::fromUtf8("\u0141\u00f3d\u017a") << QString::fromUtf8("\u20ac \u221e");
}

void TestSquareRenderer::awkwardTexts()
{
    QFETCH(QString, street);
    QFETCH(QString, city);
    QFETCH(QString, amount);
    QImage templ;
    ComposeSquare(templ, 21, {street, city, amount}, plainArt());
    const QRect streetInk = inkBox(templ, QRect(2, 75, 176, 25));
    QCOMPARE(streetInk.isValid(), !street.isEmpty());
    QVERIFY(inkBox(templ, QRect(2, 100, 176, 26)).isValid());
    QVERIFY(inkBox(templ, QRect(2, 235, 176, 26)).isValid());

    // A text wider than the square runs off both edges, under the frame.
    if (MeasuredWidthTwips(street, MeasuringLabel::Text1Label) > 176 * 15)
        QVERIFY(streetInk.left() <= 4 && streetInk.right() >= 175);
    QCOMPARE(templ.pixelColor(0, 110), QColor(Qt::black));
    QCOMPARE(templ.pixelColor(179, 110), QColor(Qt::black));
}

QTEST_MAIN(TestSquareRenderer)
#include "test_squarerenderer.moc"
