// Composing a square in the template and placing it on the board, checked by pixels.

#include "app/algemeen.h"
#include "app/defaultcontent.h"
#include "board/geometry.h"
#include "board/squaredesign.h"
#include "board/squarerenderer.h"
#include "placementreference.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

namespace {
const QColor Background(225, 239, 217);

QImage noise(int w, int h, quint32 seed)
{
    QImage image(w, h, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < h; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] = 0xff000000u | (random.generate() & 0xffffffu);
    }
    return image;
}

// The smallest rectangle holding every pixel that differs between a and b.
QRect changedArea(const QImage &a, const QImage &b)
{
    QRect area;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                area |= QRect(x, y, 1, 1);
    return area;
}

// The bounding box of every pixel in `rect` that is not `background`.
QRect inkBox(const QImage &image, const QRect &rect, const QColor &background = Background)
{
    QRect box;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixelColor(x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

// A station strip whose 30 pictures each have their own colour, with a dark corner pixel.
QImage stationStrip()
{
    QImage strip(160, 4050, QImage::Format_RGB32);
    QPainter p(&strip);
    for (int i = 0; i < 30; ++i) {
        p.fillRect(0, 135 * i, 160, 135, QColor(8 * i, 255 - 8 * i, 100));
        p.fillRect(0, 135 * i, 1, 1, QColor(i, 0, 0));
        p.fillRect(159, 135 * i + 134, 1, 1, QColor(0, i, 0));
    }
    return strip;
}

SquareArt plainArt()
{
    SquareArt art;
    art.colour = {105, 0, 61};
    art.stationStrip = stationStrip();
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
    void templateOriginLands_data();
    void templateOriginLands();
    void fastPlacementEqualsReference_data();
    void fastPlacementEqualsReference();
    void placementNearTheEdgeIsCut();
    void defaultBoardLeavesCornersAlone();
    void streetLayout();
    void stationTakesItsStripPicture_data();
    void stationTakesItsStripPicture();
    void specialSquares_data();
    void specialSquares();
    void nothingToComposeGivesPlaceholder_data();
    void nothingToComposeGivesPlaceholder();
    void awkwardTexts_data();
    void awkwardTexts();
    void redrawTouchesOnlyItsAreas_data();
    void redrawTouchesOnlyItsAreas();
};

void TestSquareRenderer::templateOriginLands_data()
{
    QTest::addColumn<int>("square");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QPoint>("origin");  // where template pixel (0, 0) lands
    QTest::addColumn<QPoint>("farEnd");  // where template pixel (179, 279) lands
    QTest::newRow("1 top row") << 1 << QRect(280, 0, 180, 280) << QPoint(459, 279) << QPoint(280, 0);
    QTest::newRow("10 right") << 10 << QRect(1900, 280, 280, 180) << QPoint(1900, 459) << QPoint(2179, 280);
    QTest::newRow("19 bottom") << 19 << QRect(1720, 1900, 180, 280) << QPoint(1720, 1900) << QPoint(1899, 2179);
    QTest::newRow("28 left") << 28 << QRect(0, 1720, 280, 180) << QPoint(279, 1720) << QPoint(0, 1899);
}

void TestSquareRenderer::templateOriginLands()
{
    QFETCH(int, square);
    QFETCH(QRect, area);
    QFETCH(QPoint, origin);
    QFETCH(QPoint, farEnd);
    QImage templ(180, 280, QImage::Format_RGB32);
    templ.fill(Qt::white);
    templ.setPixelColor(0, 0, Qt::red);
    templ.setPixelColor(179, 279, Qt::blue);
    QImage board(2180, 2180, QImage::Format_RGB32);
    board.fill(Qt::black);
    const QImage before = board.copy();

    QCOMPARE(DefaultSquarePosition(square), area.topLeft());
    PlaceSquare(board, templ, SideOfSquare(square), DefaultSquarePosition(square));
    QCOMPARE(board.pixelColor(origin), QColor(Qt::red));
    QCOMPARE(board.pixelColor(farEnd), QColor(Qt::blue));
    QCOMPARE(changedArea(before, board), area);
}

void TestSquareRenderer::fastPlacementEqualsReference_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("side 1") << 1 << QPoint(1000, 0);
    QTest::newRow("side 2") << 2 << QPoint(1900, 820);
    QTest::newRow("side 3") << 3 << QPoint(1180, 1900);
    QTest::newRow("side 4") << 4 << QPoint(0, 1000);
}

void TestSquareRenderer::fastPlacementEqualsReference()
{
    QFETCH(int, side);
    QFETCH(QPoint, position);
    const QImage templ = noise(180, 280, 7);
    QImage fast = noise(2180, 2180, 11);
    QImage reference = fast.copy();
    PlaceSquare(fast, templ, side, position);
    PlaceSquarePixelByPixel(reference, templ, side, position);
    QVERIFY(fast == reference);
    QVERIFY(fast != noise(2180, 2180, 11));
}

void TestSquareRenderer::placementNearTheEdgeIsCut()
{
    // A position that puts part of the square outside the board writes the part inside.
    const QImage templ = noise(180, 280, 3);
    for (int side = 1; side <= 4; ++side) {
        for (const QPoint at : {QPoint(2100, 2050), QPoint(-40, -100)}) {
            QImage fast = noise(2180, 2180, 5);
            QImage reference = fast.copy();
            PlaceSquare(fast, templ, side, at);
            PlaceSquarePixelByPixel(reference, templ, side, at);
            QVERIFY2(fast == reference, qPrintable(QString("side %1").arg(side)));
        }
    }
    QImage empty;
    PlaceSquare(empty, templ, 1, QPoint(0, 0));
    QVERIFY(empty.isNull());
}

void TestSquareRenderer::defaultBoardLeavesCornersAlone()
{
    Algemeen design;
    LoadDefaultContent(design);
    QImage boardTemplate(2180, 2180, QImage::Format_RGB32);
    boardTemplate.fill(QColor(9, 200, 77));
    SquarePictures pictures;
    pictures.stationStrip = stationStrip();
    const QImage board = ComposeDefaultBoard(boardTemplate, design, pictures);
    QCOMPARE(board.size(), QSize(2180, 2180));

    const QRect corners[4] = {{0, 0, 280, 280}, {1900, 0, 280, 280}, {1900, 1900, 280, 280},
                              {0, 1900, 280, 280}};
    for (const QRect &c : corners)
        QVERIFY(!inkBox(board, c, QColor(9, 200, 77)).isValid());
    // The middle stays too, and every composable square was written, card squares not.
    QVERIFY(!inkBox(board, QRect(280, 280, 1620, 1620), QColor(9, 200, 77)).isValid());
    for (int n = 1; n <= 36; ++n) {
        const QPoint p = design.squarePosition[n] + QPoint(90, 90);
        QVERIFY2((board.pixelColor(p) != QColor(9, 200, 77)) == !IsCardSquare(n), qPrintable(QString("%1 %2").arg(n).arg(board.pixelColor(p).name())));
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
    QCOMPARE(templ.pixelColor(90, 2), QColor(105, 0, 61));    // band
    QCOMPARE(templ.pixelColor(90, 58), QColor(105, 0, 61));
    for (int y : {59, 60, 61})
        QCOMPARE(templ.pixelColor(90, y), QColor(Qt::black));  // rule under the band
    QCOMPARE(templ.pixelColor(90, 62), Background);
    for (QPoint frame : {QPoint(0, 150), QPoint(1, 150), QPoint(178, 150), QPoint(179, 150),
                         QPoint(90, 276), QPoint(90, 277), QPoint(90, 278), QPoint(90, 279)})
        QCOMPARE(templ.pixelColor(frame), QColor(Qt::black));
    QCOMPARE(templ.pixelColor(2, 150), Background);
    QCOMPARE(templ.pixelColor(90, 275), Background);

    // Each text sits in its own rows, centred near pixel 90.
    const QRect street = inkBox(templ, QRect(2, 75, 176, 25));
    const QRect city = inkBox(templ, QRect(2, 100, 176, 26));
    const QRect amount = inkBox(templ, QRect(2, 235, 176, 26));
    for (const QRect &box : {street, city, amount}) {
        QVERIFY(box.isValid());
        QVERIFY2(qAbs(box.center().x() - 90) <= 6, qPrintable(QString::number(box.center().x())));
    }
    // Nothing else between the rule and the amount.
    QVERIFY(!inkBox(templ, QRect(2, 62, 176, 13)).isValid());
    QVERIFY(!inkBox(templ, QRect(2, 127, 176, 107)).isValid());
}

void TestSquareRenderer::stationTakesItsStripPicture_data()
{
    QTest::addColumn<int>("stationImage");
    QTest::newRow("first") << 0;
    QTest::newRow("last, strip rows 3915..4049") << 29;
}

void TestSquareRenderer::stationTakesItsStripPicture()
{
    QFETCH(int, stationImage);
    SquareArt art = plainArt();
    art.stationImage = stationImage;
    QImage templ;
    ComposeSquare(templ, 14, {"Station Oost", "Amsterdam", "€ 200,-"}, art);
    const QImage expected = art.stationStrip.copy(0, 135 * stationImage, 160, 135);
    QCOMPARE(templ.copy(12, 75, 160, 135), expected);
    QCOMPARE(templ.pixelColor(12, 75), QColor(stationImage, 0, 0));
    QCOMPARE(templ.pixelColor(171, 209), QColor(0, stationImage, 0));
    QCOMPARE(templ.pixelColor(11, 75), Background);
    QCOMPARE(templ.pixelColor(12, 210), Background);
    // A station has no band; its name sits in rows 30..55 and no city is drawn.
    QCOMPARE(templ.pixelColor(90, 10), Background);
    QVERIFY(inkBox(templ, QRect(2, 30, 176, 26)).isValid());
    QVERIFY(inkBox(templ, QRect(2, 235, 176, 26)).isValid());
}

void TestSquareRenderer::specialSquares_data()
{
    QTest::addColumn<int>("square");
    QTest::addColumn<QRect>("pictureRect");
    QTest::addColumn<QPoint>("firstWord");  // a point inside the first fixed word's row
    QTest::newRow("8 water works") << 8 << QRect(12, 75, 160, 135) << QPoint(31, 30);
    QTest::newRow("17 extra tax") << 17 << QRect(23, 90, 133, 107) << QPoint(66, 17);
}

void TestSquareRenderer::specialSquares()
{
    QFETCH(int, square);
    QFETCH(QRect, pictureRect);
    QFETCH(QPoint, firstWord);
    const SquareArt art = plainArt();
    QImage templ;
    ComposeSquare(templ, square, {"ignored", "ignored", "abc"}, art);
    // The picture is scaled to fill its rectangle exactly.
    const QColor pictureColour(0, 0, 250);
    QCOMPARE(inkBox(templ, templ.rect().adjusted(2, 2, -2, -4), Background)
                 .intersected(pictureRect), pictureRect);
    for (QPoint p : {pictureRect.topLeft(), pictureRect.bottomRight()})
        QCOMPARE(templ.pixelColor(p), pictureColour);
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

void TestSquareRenderer::nothingToComposeGivesPlaceholder_data()
{
    QTest::addColumn<int>("square");
    QTest::newRow("no square") << 0;
    QTest::newRow("card square") << 2;
}

void TestSquareRenderer::nothingToComposeGivesPlaceholder()
{
    QFETCH(int, square);
    QImage templ;
    ComposeSquare(templ, square, {"Brink", "Ons Dorp", "€ 60,-"}, plainArt());
    QCOMPARE(templ.pixelColor(0, 0), QColor(Qt::black));
    QCOMPARE(templ.pixelColor(179, 279), QColor(Qt::black));
    QCOMPARE(templ.pixelColor(1, 1), QColor(1, 2, 3));
    QCOMPARE(templ.pixelColor(90, 277), QColor(1, 2, 3));  // one frame only
    QCOMPARE(templ.pixelColor(90, 240), QColor(1, 2, 3));
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
    const QRect cityInk = inkBox(templ, QRect(2, 100, 176, 26));
    QCOMPARE(streetInk.isValid(), !street.isEmpty());
    QVERIFY(cityInk.isValid());
    QVERIFY(inkBox(templ, QRect(2, 235, 176, 26)).isValid());

    // Texts wider than the square run off both edges; the frame is drawn over nothing.
    auto checkCut = [&](const QString &text, MeasuringLabel label, const QRect &ink) {
        if (MeasuredWidthTwips(text, label) <= 176 * 15)
            return;
        QVERIFY(CentredLeft(text, label) < 0);
        QVERIFY(ink.left() <= 4 && ink.right() >= 175);
    };
    checkCut(street, MeasuringLabel::Text1Label, streetInk);
    checkCut(city, MeasuringLabel::Text2Label, cityInk);
    QCOMPARE(templ.pixelColor(0, 110), QColor(Qt::black));
    QCOMPARE(templ.pixelColor(179, 110), QColor(Qt::black));
}

void TestSquareRenderer::redrawTouchesOnlyItsAreas_data()
{
    QTest::addColumn<int>("square");
    QTest::addColumn<bool>("amountOnly");
    QTest::addColumn<QList<int>>("rows");  // pairs of first and last cleared rows
    QTest::newRow("street texts") << 21 << false << QList<int>{75, 125, 235, 260};
    QTest::newRow("station texts") << 5 << false << QList<int>{30, 55, 235, 260};
    QTest::newRow("amount") << 21 << true << QList<int>{235, 260};
}

void TestSquareRenderer::redrawTouchesOnlyItsAreas()
{
    QFETCH(int, square);
    QFETCH(bool, amountOnly);
    QFETCH(QList<int>, rows);
    const QColor marker(3, 200, 3);
    QImage templ(180, 280, QImage::Format_RGB32);
    templ.fill(marker);
    if (amountOnly)
        DrawSquareAmount(templ, "");
    else
        DrawSquareTexts(templ, square, {"", "", ""});
    // With empty texts every cleared pixel shows the background, every other keeps the marker.
    for (int y = 0; y < 280; ++y) {
        bool inArea = false;
        for (int i = 0; i < rows.size(); i += 2)
            inArea |= y >= rows[i] && y <= rows[i + 1];
        for (int x = 0; x < 180; ++x) {
            const bool cleared = inArea && x >= 2 && x <= 177;
            if (templ.pixelColor(x, y) != (cleared ? Background : marker))
                QFAIL(qPrintable(QString("pixel %1, %2").arg(x).arg(y)));
        }
    }
}

QTEST_MAIN(TestSquareRenderer)
#include "test_squarerenderer.moc"
