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
    void squareTexts();
    void onlyStreetsHaveColourOnePerCity();
    void cardTexts();
    void everyTextCanBeStored();
    void newDesignRestoresEveryText();
};

void TestDefaultContent::squareTexts()
{
    const Algemeen s = defaultDesign();
    const QString euro = QString::fromUtf8("€ ");
    const QList<QPair<int, QStringList>> expected = {
        {1, {"A-Kerkhof", "Groningen", euro + "220,-"}},    {2, {"", "", ""}},  // a card square
        {5, {"Station Noord", "", euro + "200,-"}},         {9, {"Lange Poten", "'S-Gravenhage", euro + "280,-"}},
        {36, {"Vreeburg", "Utrecht", euro + "200,-"}}};
    for (const auto &[n, texts] : expected)
        QCOMPARE((QStringList{s.project.Board[n].Street, s.project.Board[n].City, s.project.Board[n].Amount}), texts);
}

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

void TestDefaultContent::cardTexts()
{
    const Algemeen s = defaultDesign();
    QCOMPARE(s.project.KansDeck[1], QStringLiteral("Ga drie plaatsen terug"));
    QCOMPARE(s.project.FondsDeck[9], QString::fromUtf8("U erft € 1000,-"));
    QVERIFY(s.project.KansDeck[0].isEmpty() && s.project.FondsDeck[0].isEmpty());
    // Lines per card, as the decks are written; Fonds card 6 breaks at a slash without a blank.
    const int kansLines[17] = {0, 1, 1, 1, 2, 2, 3, 2, 2, 1, 2, 2, 3, 1, 3, 1, 2};
    const int fondsLines[17] = {0, 1, 1, 1, 1, 2, 2, 2, 3, 1, 2, 1, 1, 2, 1, 3, 1};
    for (int i = 1; i <= 16; ++i) {
        QCOMPARE(s.project.KansDeck[i].count(QStringLiteral(" / ")) + 1, kansLines[i]);
        QCOMPARE(s.project.FondsDeck[i].count(i == 6 ? QStringLiteral("/ ") : QStringLiteral(" / ")) + 1,
                 fondsLines[i]);
    }
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
