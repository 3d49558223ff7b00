// Drawing one title deed and laying out one card.

#include "model/algemeen.h"
#include "drawing/carddrawing.h"
#include "drawing/deeddrawing.h"

#include <QtTest>

class BenchDrawing : public QObject
{
    Q_OBJECT
private slots:
    void streetDeed();
    void deedAmounts();
    void cardLayout_data();
    void cardLayout();
    void wholeCard();
};

// A whole street deed: band, names, the amount column.
void BenchDrawing::streetDeed()
{
    const auto factors = DefaultRentFactors();
    QImage canvas = NewDeedCanvas();
    QBENCHMARK {
        DrawStreetDeed(canvas, 21, QStringLiteral("Brink"), QStringLiteral("Ons Dorp"),
                       RgbColour{105, 0, 61}, 12.0f, factors);
    }
}

// What one change of the base rent redraws.
void BenchDrawing::deedAmounts()
{
    const auto factors = DefaultRentFactors();
    QImage canvas = NewDeedCanvas();
    DrawStreetDeed(canvas, 21, QStringLiteral("Brink"), QStringLiteral("Ons Dorp"),
                   RgbColour{105, 0, 61}, 12.0f, factors);
    float base = 12.0f;
    QBENCHMARK {
        DrawDeedAmounts(canvas, DeedMode::Street, base, factors);
        base = base == 12.0f ? 30.0f : 12.0f;
    }
}

void BenchDrawing::cardLayout_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("short") << QStringLiteral("Ga naar de gevangenis");
    QTest::newRow("three lines")
        << QStringLiteral("U heeft een schoonheidswedstrijd gewonnen en ontvangt daarvoor van de "
                          "bank een prijs van € 100,-/Gefeliciteerd");
    QTest::newRow("500 characters") << QString(500, QLatin1Char('W'));
}

// Wrapping the text and drawing its lines, as the card designer does for each card.
void BenchDrawing::cardLayout()
{
    QFETCH(QString, text);
    QImage card = NewCardPicture();
    DrawCardFrame(card, 1, DefaultCardBorderColour);
    QBENCHMARK {
        LayoutCardText(card, text);
    }
}

// Frame, border, title and text.
void BenchDrawing::wholeCard()
{
    const QString text = QStringLiteral("Betaal voor elk huis € 25,-/en voor elk hotel € 100,-");
    QBENCHMARK {
        const QImage card = DrawCard(1, DefaultCardBorderColour, text);
        Q_UNUSED(card);
    }
}

QTEST_MAIN(BenchDrawing)
#include "bench_drawing.moc"
