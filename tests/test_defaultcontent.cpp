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
    void quotedCardTexts();
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
