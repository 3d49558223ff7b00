#include "app/algemeen.h"
#include "app/defaultcontent.h"
#include "app/recordfile.h"
#include "board/geometry.h"

#include <QtTest>

class TestDefaultContent : public QObject
{
    Q_OBJECT
private slots:
    void squareTexts_data();
    void squareTexts();
    void positionsFollowTheSideRule();
    void onlyStreetsHaveColour();
    void citiesShareOneColour();
    void kindsAndSides();
    void quotedCardTexts();
    void cardLineCounts();
    void everyTextCanBeStored();
    void newDesignRestoresEveryText();
};

void TestDefaultContent::squareTexts_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("street");
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("amount");
    QTest::newRow("first street") << 1 << "A-Kerkhof" << "Groningen" << QString::fromUtf8("€ 220,-");
    QTest::newRow("card square") << 2 << "" << "" << "";
    QTest::newRow("station") << 5 << "Station Noord" << "" << QString::fromUtf8("€ 200,-");
    QTest::newRow("apostrophe") << 9 << "Lange Poten" << "'S-Gravenhage" << QString::fromUtf8("€ 280,-");
    QTest::newRow("last") << 36 << "Vreeburg" << "Utrecht" << QString::fromUtf8("€ 200,-");
}

void TestDefaultContent::squareTexts()
{
    QFETCH(int, n);
    QFETCH(QString, street);
    QFETCH(QString, city);
    QFETCH(QString, amount);
    Algemeen s;
    LoadDefaultContent(s);
    QCOMPARE(s.project.Board[n].Street, street);
    QCOMPARE(s.project.Board[n].City, city);
    QCOMPARE(s.project.Board[n].Amount, amount);
    if (!amount.isEmpty())
        QCOMPARE(s.project.Board[n].Amount.at(0), QChar(0x20AC));
}





void TestDefaultContent::positionsFollowTheSideRule()
{
    Algemeen s;
    LoadDefaultContent(s);
    QCOMPARE(s.squarePosition[0], QPoint(0, 0));
    QCOMPARE(s.squarePosition[1], QPoint(280, 0));
    QCOMPARE(s.squarePosition[9], QPoint(1720, 0));
    QCOMPARE(s.squarePosition[10], QPoint(1900, 280));
    QCOMPARE(s.squarePosition[18], QPoint(1900, 1720));
    QCOMPARE(s.squarePosition[19], QPoint(1720, 1900));
    QCOMPARE(s.squarePosition[27], QPoint(280, 1900));
    QCOMPARE(s.squarePosition[28], QPoint(0, 1720));
    QCOMPARE(s.squarePosition[36], QPoint(0, 280));
    for (int n = 10; n <= 18; ++n)
        QCOMPARE(s.squarePosition[n].x(), 1900);
    for (int n = 28; n <= 36; ++n)
        QCOMPARE(s.squarePosition[n].x(), 0);
    // Neighbours on one side are 180 pixels apart and never overlap a corner.
    for (int n = 1; n <= 36; ++n) {
        const QPoint p = s.squarePosition[n];
        const bool horizontal = SideOfSquare(n) == 1 || SideOfSquare(n) == 3;
        const QRect area(p, horizontal ? QSize(180, 280) : QSize(280, 180));
        QVERIFY(QRect(0, 0, 2180, 2180).contains(area));
        for (const QRect &corner : {QRect(0, 0, 280, 280), QRect(1900, 0, 280, 280),
                                    QRect(1900, 1900, 280, 280), QRect(0, 1900, 280, 280)})
            QVERIFY2(!corner.intersects(area), qPrintable(QString::number(n)));
    }
}

void TestDefaultContent::onlyStreetsHaveColour()
{
    Algemeen s;
    LoadDefaultContent(s);
    for (int n = 0; n <= 36; ++n) {
        if (IsStreet(n))
            QVERIFY(s.squareColour[n] != (RgbColour{0, 0, 0}));
        else
            QCOMPARE(s.squareColour[n], (RgbColour{0, 0, 0}));
    }
    QCOMPARE(s.squareColour[1], (RgbColour{255, 0, 0}));
    QCOMPARE(s.squareColour[19], (RgbColour{105, 0, 61}));
    QCOMPARE(s.squareColour[36], (RgbColour{183, 119, 13}));
}

void TestDefaultContent::citiesShareOneColour()
{
    Algemeen s;
    LoadDefaultContent(s);
    QHash<QString, int> firstOfCity;
    for (int n = 1; n <= 36; ++n) {
        if (!IsStreet(n))
            continue;
        const QString city = s.project.Board[n].City;
        if (!firstOfCity.contains(city))
            firstOfCity[city] = n;
        QCOMPARE(s.squareColour[n], s.squareColour[firstOfCity[city]]);
    }
    QCOMPARE(firstOfCity.size(), 8);
}

void TestDefaultContent::kindsAndSides()
{
    int streets = 0;
    for (int n = 1; n <= 36; ++n)
        streets += IsStreet(n);
    QCOMPARE(streets, 22);
    QCOMPARE(KindOfSquare(0), SquareKind::None);
    QCOMPARE(KindOfSquare(14), SquareKind::Station);
    QCOMPARE(KindOfSquare(29), SquareKind::Utility);
    QCOMPARE(KindOfSquare(17), SquareKind::Tax);
    QCOMPARE(KindOfSquare(34), SquareKind::CardSquare);
    QCOMPARE(SideOfSquare(0), 1);
    QCOMPARE(SideOfSquare(9), 1);
    QCOMPARE(SideOfSquare(10), 2);
    QCOMPARE(SideOfSquare(18), 2);
    QCOMPARE(SideOfSquare(19), 3);
    QCOMPARE(SideOfSquare(27), 3);
    QCOMPARE(SideOfSquare(28), 4);
}

void TestDefaultContent::cardLineCounts()
{
    const int kansLines[17] = {0, 1, 1, 1, 2, 2, 3, 2, 2, 1, 2, 2, 3, 1, 3, 1, 2};
    const int fondsLines[17] = {0, 1, 1, 1, 1, 2, 2, 2, 3, 1, 2, 1, 1, 2, 1, 3, 1};
    Algemeen s;
    LoadDefaultContent(s);
    for (int i = 1; i <= 16; ++i) {
        QCOMPARE(s.project.KansDeck[i].count(QStringLiteral(" / ")) + 1, kansLines[i]);
        if (i != 6)
            QCOMPARE(s.project.FondsDeck[i].count(QStringLiteral(" / ")) + 1, fondsLines[i]);
    }
    // The one card whose lines are split by a slash with no blank before it.
    QCOMPARE(s.project.FondsDeck[6].count(QStringLiteral(" / ")), 0);
    QCOMPARE(s.project.FondsDeck[6].count(QStringLiteral("/ ")), 1);
}


void TestDefaultContent::quotedCardTexts()
{
    Algemeen s;
    LoadDefaultContent(s);
    QCOMPARE(s.project.KansDeck[1], QStringLiteral("Ga drie plaatsen terug"));
    QCOMPARE(s.project.KansDeck[13], QStringLiteral("Ga verder naar Start"));
    QCOMPARE(s.project.FondsDeck[9], QString::fromUtf8("U erft € 1000,-"));
    QVERIFY(s.project.KansDeck[0].isEmpty());
    QVERIFY(s.project.FondsDeck[0].isEmpty());
}


void TestDefaultContent::everyTextCanBeStored()
{
    Algemeen s;
    LoadDefaultContent(s);
    for (int i = 0; i <= 36; ++i)
        for (const QString &t : {s.project.Board[i].Street, s.project.Board[i].City,
                                 s.project.Board[i].Amount})
            QVERIFY2(FirstUnstorableCharacter(t).isNull(), qPrintable(t));
    for (int i = 0; i <= 16; ++i) {
        QVERIFY(FirstUnstorableCharacter(s.project.KansDeck[i]).isNull());
        QVERIFY(FirstUnstorableCharacter(s.project.FondsDeck[i]).isNull());
    }
}

void TestDefaultContent::newDesignRestoresEveryText()
{
    Algemeen s;
    LoadDefaultContent(s);
    const Project fresh = s.project;
    for (int n = 0; n <= 36; ++n)
        s.project.Board[n] = {QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")};
    s.project.KansDeck[3] = QStringLiteral("anders");
    s.project.KansDeck[0] = QStringLiteral("blijft");
    LoadDefaultContent(s);
    for (int n = 0; n <= 36; ++n) {
        QCOMPARE(s.project.Board[n].Street, fresh.Board[n].Street);
        QCOMPARE(s.project.Board[n].City, fresh.Board[n].City);
        QCOMPARE(s.project.Board[n].Amount, fresh.Board[n].Amount);
    }
    QCOMPARE(s.project.KansDeck[3], fresh.KansDeck[3]);
    QCOMPARE(s.project.KansDeck[0], QStringLiteral("blijft"));  // slot 0 is not touched
}

QTEST_GUILESS_MAIN(TestDefaultContent)
#include "test_defaultcontent.moc"
