#include "app/algemeen.h"
#include "app/defaultcontent.h"
#include "deeds/deeddrawing.h"
#include "testsupport.h"

#include <QtTest>
#include <cfloat>

namespace {
const QColor background(225, 239, 217);

QStringList texts(const QList<AmountRow> &rows)
{
    QStringList list;
    for (const AmountRow &r : rows)
        list << r.text;
    return list;
}

QStringList euros(std::initializer_list<const char *> numbers)
{
    QStringList list;
    for (const char *n : numbers)
        list << QString::fromUtf8("€ ") + QLatin1String(n) + QStringLiteral(",-");
    return list;
}

QImage streetDeed(int n, float base, const QString &name = QString(), const QString &city = QString())
{
    Algemeen state;
    LoadDefaultContent(state);
    QImage deed = NewDeedCanvas();
    DrawStreetDeed(deed, n, name.isNull() ? state.project.Board[n].Street : name,
                   city.isNull() ? state.project.Board[n].City : city, state.squareColour[n], base,
                   DefaultRentFactors());
    return deed;
}

const QRect streetColumnTop(QPoint(118, 68), QPoint(197, 173));
const QRect streetColumnBottom(QPoint(118, 181), QPoint(197, 274));
}

class TestDeedDrawing : public QObject
{
    Q_OBJECT
private slots:
    void amountText_data();
    void amountText();
    void amountRows();
    void overflowingAmountShowsNoAmount();
    void streetDeedLayout();
    void nameColour();

    void stationDeeds();
    void utilityDeeds();
};

void TestDeedDrawing::amountText_data()
{
    QTest::addColumn<float>("amount");
    QTest::addColumn<QString>("text");
    QTest::newRow("22") << 22.0f << "22";
    QTest::newRow("2.4") << float(12.0 / 5.0) << "2.4";
    QTest::newRow("0.5 without leading 0") << 0.5f << ".5";
    QTest::newRow("-0.5") << -0.5f << "-.5";
    QTest::newRow("-0") << -0.0f << "0";
    QTest::newRow("9999999 still plain") << 9999999.0f << "9999999";
    QTest::newRow("1E7 in exponent form") << 1e7f << "1E+07";
    QTest::newRow("12345678") << 12345678.0f << "1.234568E+07";
    QTest::newRow("7 digits rounded") << 1234567.8f << "1234568";
    QTest::newRow("0.1f x 3") << *DeedAmount(0.1f, 3) << ".3";
    QTest::newRow("largest float") << FLT_MAX << "3.402823E+38";
}

void TestDeedDrawing::amountText()
{
    QFETCH(float, amount);
    QFETCH(QString, text);
    QCOMPARE(AmountNumber(amount), text);
    // A Dutch user's locale changes nothing: always a point, never a comma.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    const QString shown = AmountText(amount);
    QLocale::setDefault(before);
    QCOMPARE(shown, QString::fromUtf8("€ ") + text + QStringLiteral(",-"));
}

void TestDeedDrawing::amountRows()
{
    QCOMPARE(texts(DeedAmountRows(DeedMode::Street, 22.0f, DefaultRentFactors())),
             euros({"22", "110", "330", "660", "1320", "1650", "220", "220", "154"}));
    QCOMPARE(texts(DeedAmountRows(DeedMode::Station, 40.0f, DefaultRentFactors())), euros({"40", "80", "160", "320", "160"}));
    // A fractional base: 2.4 x 75 = 180, and a changed factor is used.
    const QList<AmountRow> rows = DeedAmountRows(DeedMode::Street, float(12.0 / 5.0), DefaultRentFactors());
    QCOMPARE(rows[0].text, QString::fromUtf8("€ 2.4,-"));
    QCOMPARE(rows[5].text, QString::fromUtf8("€ 180,-"));
    FactorTable five = DefaultRentFactors();
    five[1] = 5;
    QCOMPARE(DeedAmountRows(DeedMode::Street, float(12.0 / 5.0), five)[1].text, QString::fromUtf8("€ 12,-"));
}

void TestDeedDrawing::streetDeedLayout()
{
    const QImage deed = streetDeed(1, 44.0f);
    QCOMPARE(deed.size(), QSize(200, 280));
    const QColor black(Qt::black), red(255, 0, 0);  // square 1's group is red
    const QList<QPair<QPoint, QColor>> pixels = {
        {{0, 0}, black},        {{2, 2}, red},          {{100, 60}, black}, {{100, 62}, background},
        {{199, 279}, black},    {{197, 277}, background}, {{8, 177}, black}, {{7, 177}, background}};
    for (const auto &[at, colour] : pixels)
        QVERIFY2(deed.pixelColor(at) == colour, qPrintable(describe(deed, at)));

    // A short name is centred; a long one is cut at the frame.
    const QRect nameRow(QPoint(2, 8), QPoint(197, 27));
    const auto [left, right] = inkColumns(streetDeed(1, 20.0f, "Ab", ""), nameRow, red);
    QVERIFY(left > 80 && right < 120 && qAbs((left + right) - 200) <= 4);
    QCOMPARE(inkColumns(streetDeed(1, 20.0f, QString(40, QLatin1Char('W')), ""), nameRow, red), qMakePair(2, 197));

    // Every amount ends at 185..190; nothing right of 190.
    const QImage amounts = streetDeed(3, 22.0f);
    for (int y : {70, 87, 104, 121, 138, 155, 185, 219, 253}) {
        const auto [l, r] = inkColumns(amounts, QRect(118, y, 80, 15), background);
        QVERIFY2(l > 118 && r >= 185 && r <= 190, qPrintable(QString("row %1 ends at %2").arg(y).arg(r)));
    }
    QVERIFY(!inkIn(amounts, QRect(QPoint(191, 68), QPoint(197, 173)), background));
}

void TestDeedDrawing::nameColour()
{
    // Name and city white on the dark groups (square 21), black on the light ones; amounts black.
    for (const int square : {21, 1, 36}) {
        const QImage deed = streetDeed(square, 20.0f);
        const QColor text = square == 21 ? Qt::white : Qt::black;
        const QColor other = square == 21 ? Qt::black : Qt::white;
        QVERIFY(pixelsOf(deed, QRect(QPoint(2, 8), QPoint(197, 27)), text) > 20);
        QVERIFY(pixelsOf(deed, QRect(QPoint(2, 30), QPoint(197, 52)), text) > 20);
        QCOMPARE(pixelsOf(deed, QRect(QPoint(2, 8), QPoint(197, 27)), other), 0);
        int dark = 0;  // dark, whatever the smoothing of the glyph edges
        for (int y = streetColumnTop.top(); y <= streetColumnTop.bottom(); ++y)
            for (int x = streetColumnTop.left(); x <= streetColumnTop.right(); ++x)
                dark += deed.pixelColor(x, y).value() < 90;
        QVERIFY(dark > 20);
        QCOMPARE(pixelsOf(deed, streetColumnTop, Qt::white), 0);
    }
}

void TestDeedDrawing::overflowingAmountShowsNoAmount()
{
    QVERIFY(!DeedAmount(1e38f, 75).has_value());
    QVERIFY(!DeedAmount(-1e38f, 75).has_value());
    QVERIFY(DeedAmount(1e38f, 2).has_value());
    QCOMPARE(*DeedAmount(1e38f, 0), 0.0f);
    const QList<AmountRow> rows = DeedAmountRows(DeedMode::Street, 1e37f, DefaultRentFactors());
    QCOMPARE(rows[1].text, QString::fromUtf8("€ 5E+37,-"));  // x 5 still fits
    QVERIFY(rows[4].text.isEmpty());                         // x 60 does not
    QCOMPARE(rows[8].text, QString::fromUtf8("€ 7E+37,-"));

    QImage deed = streetDeed(24, 20.0f);
    DrawDeedAmounts(deed, DeedMode::Street, 1e37f, DefaultRentFactors());
    // Rows 138 and 155 (x 60, 75) overflow: nothing there, not even the old amounts.
    QVERIFY(!inkIn(deed, QRect(QPoint(118, 138), QPoint(197, 170)), background));
    QVERIFY(inkIn(deed, QRect(QPoint(118, 121), QPoint(197, 135)), background));  // x 30 fits
    QVERIFY(inkIn(deed, QRect(QPoint(118, 70), QPoint(197, 84)), background));
    QVERIFY(inkIn(deed, QRect(QPoint(118, 253), QPoint(197, 268)), background));
    // A base beyond a float leaves the whole column empty.
    DrawDeedAmounts(deed, DeedMode::Street, std::numeric_limits<float>::infinity(), DefaultRentFactors());
    QVERIFY(!inkIn(deed, streetColumnTop, background));
    QVERIFY(!inkIn(deed, streetColumnBottom, background));
}

void TestDeedDrawing::stationDeeds()
{
    // Pictures 0 and 29 of the strip, exactly in 21..180 x 35..169; no colour band on a station.
    for (int image : {0, 29}) {
        QImage deed = NewDeedCanvas();
        DrawStationDeed(deed, "Station Noord", stationStripOfColours(), image, 40.0f, DefaultRentFactors());
        QCOMPARE(pixelsOf(deed, QRect(21, 35, 160, 135), stationColour(image)), 160 * 135);
        for (const QPoint p : {QPoint(20, 35), QPoint(181, 100), QPoint(100, 170), QPoint(5, 5)})
            QCOMPARE(deed.pixelColor(p), background);
        QCOMPARE(deed.pixelColor(1, 1), QColor(Qt::black));
    }
    // Redrawing the amounts for a new base touches only the amount column.
    QImage deed = NewDeedCanvas();
    DrawStationDeed(deed, "Station Oost", stationStripOfColours(), 1, 100000.0f, DefaultRentFactors());
    QImage fresh = NewDeedCanvas();
    DrawStationDeed(fresh, "Station Oost", stationStripOfColours(), 1, 40.0f, DefaultRentFactors());
    DrawDeedAmounts(deed, DeedMode::Station, 40.0f, DefaultRentFactors());
    QCOMPARE(deed, fresh);
}

void TestDeedDrawing::utilityDeeds()
{
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(QColor(10, 20, 200));
    QImage water = NewDeedCanvas();
    DrawUtilityDeed(water, UtilityDeed::WaterWorks, picture);
    QImage power = NewDeedCanvas();
    DrawUtilityDeed(power, UtilityDeed::Electricity, picture);

    // "Huur" at y 166 is written over the bottom rows of the picture.
    QCOMPARE(pixelsOf(water, QRect(21, 35, 160, 131), QColor(10, 20, 200)), 160 * 131);
    QCOMPARE(water.pixelColor(180, 169), QColor(10, 20, 200));
    QCOMPARE(water.pixelColor(20, 100), background);
    QCOMPARE(pixelsOf(power, QRect(30, 30, 135, 136), QColor(10, 20, 200)), 135 * 136);
    QCOMPARE(power.pixelColor(164, 169), QColor(10, 20, 200));
    QCOMPARE(power.pixelColor(29, 100), background);
    QCOMPARE(power.pixelColor(165, 100), background);
    // The titles differ; below the pictures the two deeds are the same.
    QVERIFY(water.copy(0, 8, 200, 20) != power.copy(0, 8, 200, 20));
    QCOMPARE(water.copy(0, 171, 200, 109), power.copy(0, 171, 200, 109));
    // A missing picture leaves its place blank.
    QImage none = NewDeedCanvas();
    DrawUtilityDeed(none, UtilityDeed::WaterWorks, QImage());
    QCOMPARE(none.pixelColor(100, 100), background);
}

QTEST_MAIN(TestDeedDrawing)
#include "test_deeddrawing.moc"
