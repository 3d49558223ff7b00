#include "app/algemeen.h"
#include "app/defaultcontent.h"
#include "app/recordfile.h"
#include "board/geometry.h"

#include <QtTest>

namespace {
Algemeen defaultDesign()
{
    Algemeen s;
    LoadDefaultContent(s);
    return s;
}
}

class TestDefaultContent : public QObject
{
    Q_OBJECT
private slots:
    void onlyStreetsHaveColourOnePerCity();
    void everyTextCanBeStored();
    void newDesignRestoresEveryText();
};

void TestDefaultContent::onlyStreetsHaveColourOnePerCity()
{
    const Algemeen s = defaultDesign();
    QHash<QString, RgbColour> colourOfCity;
    int streets = 0;
    for (int n = 0; n <= 36; ++n) {
        if (!IsStreet(n)) {
            QCOMPARE(s.squareColour[n], (RgbColour{0, 0, 0}));
            continue;
        }
        ++streets;
        QVERIFY(s.squareColour[n] != (RgbColour{0, 0, 0}));
        const QString city = s.project.Board[n].City;
        if (colourOfCity.contains(city))
            QCOMPARE(s.squareColour[n], colourOfCity[city]);
        colourOfCity[city] = s.squareColour[n];
    }
    QCOMPARE(streets, 22);
    QCOMPARE(colourOfCity.size(), 8);
    QCOMPARE(s.squareColour[19], (RgbColour{105, 0, 61}));
}

void TestDefaultContent::everyTextCanBeStored()
{
    const Algemeen s = defaultDesign();
    QStringList all;
    for (const BoardSquare &b : s.project.Board)
        all << b.Street << b.City << b.Amount;
    for (int i = 0; i <= 16; ++i)
        all << s.project.KansDeck[i] << s.project.FondsDeck[i];
    for (const QString &t : all)
        QVERIFY2(FirstUnstorableCharacter(t).isNull(), qPrintable(t));
}

void TestDefaultContent::newDesignRestoresEveryText()
{
    Algemeen s = defaultDesign();
    const Project fresh = s.project;
    for (BoardSquare &b : s.project.Board)
        b = {QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")};
    s.project.KansDeck[3] = QStringLiteral("anders");
    s.project.KansDeck[0] = QStringLiteral("blijft");
    LoadDefaultContent(s);
    for (int n = 0; n <= 36; ++n)
        QCOMPARE((QStringList{s.project.Board[n].Street, s.project.Board[n].City, s.project.Board[n].Amount}),
                 (QStringList{fresh.Board[n].Street, fresh.Board[n].City, fresh.Board[n].Amount}));
    QCOMPARE(s.project.KansDeck[3], fresh.KansDeck[3]);
    QCOMPARE(s.project.KansDeck[0], QStringLiteral("blijft"));  // slot 0 is not touched
}

QTEST_GUILESS_MAIN(TestDefaultContent)
#include "test_defaultcontent.moc"
