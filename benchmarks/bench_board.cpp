// How fast a square reaches the board, and how fast one keystroke redraws the preview.

#include "drawing/squarerenderer.h"
#include "placementreference.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {
QImage noise(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    QRandomGenerator random(42);
    for (int y = 0; y < h; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] = 0xff000000u | (random.generate() & 0xffffffu);
    }
    return image;
}

QPoint positionOnSide(int side)
{
    switch (side) {
    case 1: return {1000, 0};
    case 2: return {1900, 820};
    case 3: return {1180, 1900};
    default: return {0, 1000};
    }
}
}

class BenchBoard : public QObject
{
    Q_OBJECT
private slots:
    void placeSquare_data();
    void placeSquare();
    void placeSquarePixelByPixel_data() { placeSquare_data(); }
    void placeSquarePixelByPixel();
    void keystrokeRedraw_data();
    void keystrokeRedraw();
};

void BenchBoard::placeSquare_data()
{
    QTest::addColumn<int>("side");
    for (int side = 1; side <= 4; ++side)
        QTest::addRow("side %d", side) << side;
}

void BenchBoard::placeSquare()
{
    QFETCH(int, side);
    const QImage templ = noise(180, 280);
    QImage board(2180, 2180, QImage::Format_RGB32);
    board.fill(Qt::white);
    QBENCHMARK {
        PlaceSquare(board, templ, side, positionOnSide(side));
    }
}

void BenchBoard::placeSquarePixelByPixel()
{
    QFETCH(int, side);
    const QImage templ = noise(180, 280);
    QImage board(2180, 2180, QImage::Format_RGB32);
    board.fill(Qt::white);
    QBENCHMARK {
        PlaceSquarePixelByPixel(board, templ, side, positionOnSide(side));
    }
}

void BenchBoard::keystrokeRedraw_data()
{
    QTest::addColumn<int>("square");
    QTest::addColumn<QString>("street");
    QTest::newRow("street") << 21 << "Brinkstraat";
    QTest::newRow("station") << 5 << "Station Noord";
    QTest::newRow("500 characters") << 21 << QString(500, QLatin1Char('W'));
}

void BenchBoard::keystrokeRedraw()
{
    QFETCH(int, square);
    QFETCH(QString, street);
    QImage templ;
    SquareArt art;
    ComposeSquare(templ, square, {street, "Ons Dorp", "€ 60,-"}, art);
    QBENCHMARK {
        DrawSquareTexts(templ, square, {street, "Ons Dorp", "€ 60,-"});
    }
}

QTEST_MAIN(BenchBoard)
#include "bench_board.moc"
