#include "app/algemeen.h"
#include "app/defaultcontent.h"
#include "deeds/deeddrawing.h"
#include "testsupport.h"

#include <QtTest>
#include <cfloat>

namespace {
const QColor background(225, 239, 217);

FactorTable defaults() { return DefaultRentFactors(); }

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

// A strip of 30 station pictures, each filled with a colour of its own.
QColor stationColour(int i) { return QColor(i * 8, 255 - i * 8, 100); }
QImage stripOfColours()
{
    QImage strip(160, 30 * 135, QImage::Format_RGB32);
    for (int i = 0; i < 30; ++i)
        for (int y = 0; y < 135; ++y)
            for (int x = 0; x < 160; ++x)
                strip.setPixelColor(x, i * 135 + y, stationColour(i));
    return strip;
}

QImage streetDeed(int n, float base, const QString &name = QString(), const QString &city = QString())
{
    Algemeen state;
    LoadDefaultContent(state);
    QImage deed = NewDeedCanvas();
    DrawStreetDeed(deed, n, name.isNull() ? state.project.Board[n].Street : name,
                   city.isNull() ? state.project.Board[n].City : city, state.squareColour[n], base,
                   defaults());
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
    void amountTextIgnoresTheUsersLocale();
    void amountsOfAStreet();
    void amountsOfAStation();
    void fractionalBase();
    void overflowingAmountShowsNoAmount();

    void streetDeedPixels_data();
    void streetDeedPixels();
    void nameColour_data();
    void nameColour();
    void namesAreCentredAndLongOnesCut();
    void amountsAreRightAlignedAt190();
    void overflowRowIsLeftBlank();

    void stationPicture_data();
    void stationPicture();
    void stationAmountColumnOnly();
    void utilityDeeds();
};

void TestDeedDrawing::amountText_data()
{
    QTest::addColumn<float>("amount");
    QTest::addColumn<QString>("text");
    QTest::newRow("22") << 22.0f << "22";
    QTest::newRow("1320") << 1320.0f << "1320";
    QTest::newRow("2.4") << float(12.0 / 5.0) << "2.4";
    QTest::newRow("0.5 without leading 0") << 0.5f << ".5";
    QTest::newRow("-0.5") << -0.5f << "-.5";
    QTest::newRow("0") << 0.0f << "0";
    QTest::newRow("-0") << -0.0f << "0";
    QTest::newRow("-1320") << -1320.0f << "-1320";
    QTest::newRow("9999999 still plain") << 9999999.0f << "9999999";
    QTest::newRow("1E7 in exponent form") << 1e7f << "1E+07";
    QTest::newRow("12345678") << 12345678.0f << "1.234568E+07";
    QTest::newRow("7 digits rounded") << 1234567.8f << "1234568";
    QTest::newRow("0.1f x 3") << *DeedAmount(0.1f, 3) << ".3";
    QTest::newRow("0.2f x 7") << *DeedAmount(0.2f, 7) << "1.4";
    QTest::newRow("small") << 0.001f << ".001";
    QTest::newRow("largest float") << FLT_MAX << "3.402823E+38";
}

void TestDeedDrawing::amountText()
{
    QFETCH(float, amount);
    QFETCH(QString, text);
    QCOMPARE(AmountNumber(amount), text);
    QCOMPARE(AmountText(amount), QString::fromUtf8("€ ") + text + QStringLiteral(",-"));
}

void TestDeedDrawing::amountTextIgnoresTheUsersLocale()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    const QString text = AmountText(float(12.0 / 5.0));
    const QString big = AmountText(12345678.0f);
    QLocale::setDefault(before);
    QCOMPARE(text, QString::fromUtf8("€ 2.4,-"));
    QCOMPARE(big, QString::fromUtf8("€ 1.234568E+07,-"));
}

void TestDeedDrawing::amountsOfAStreet()
{
    const QList<AmountRow> rows = DeedAmountRows(DeedMode::Street, 22.0f, defaults());
    QCOMPARE(texts(rows), euros({"22", "110", "330", "660", "1320", "1650", "220", "220", "154"}));
}

void TestDeedDrawing::amountsOfAStation()
{
    const QList<AmountRow> rows = DeedAmountRows(DeedMode::Station, 40.0f, defaults());
    QCOMPARE(texts(rows), euros({"40", "80", "160", "320", "160"}));
}

void TestDeedDrawing::fractionalBase()
{
    const QList<AmountRow> rows = DeedAmountRows(DeedMode::Street, float(12.0 / 5.0), defaults());
    QCOMPARE(rows[0].text, QString::fromUtf8("€ 2.4,-"));
    QCOMPARE(rows[5].text, QString::fromUtf8("€ 180,-"));  // factor 5 is 75
    FactorTable five = defaults();
    five[1] = 5;
    QCOMPARE(DeedAmountRows(DeedMode::Street, float(12.0 / 5.0), five)[1].text,
             QString::fromUtf8("€ 12,-"));
}

void TestDeedDrawing::overflowingAmountShowsNoAmount()
{
    QVERIFY(!DeedAmount(1e38f, 75).has_value());
    QVERIFY(!DeedAmount(-1e38f, 75).has_value());
    QVERIFY(DeedAmount(1e38f, 2).has_value());
    QCOMPARE(*DeedAmount(1e38f, 0), 0.0f);
    const QList<AmountRow> rows = DeedAmountRows(DeedMode::Street, 1e37f, defaults());
    QCOMPARE(rows[0].text, QString::fromUtf8("€ 1E+37,-"));
    QCOMPARE(rows[1].text, QString::fromUtf8("€ 5E+37,-"));  // x 5 still fits
    QVERIFY(rows[4].text.isEmpty());                         // x 60 does not
    QCOMPARE(rows[8].text, QString::fromUtf8("€ 7E+37,-"));
}

void TestDeedDrawing::streetDeedPixels_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("colour");
    const QColor red(255, 0, 0);  // square 1's group
    QTest::newRow("outer frame top left") << QPoint(0, 0) << QColor(Qt::black);
    QTest::newRow("band inside the frame") << QPoint(2, 2) << red;
    QTest::newRow("rule row 60") << QPoint(100, 60) << QColor(Qt::black);
    QTest::newRow("below the rule") << QPoint(100, 62) << background;
    QTest::newRow("outer frame bottom right") << QPoint(199, 279) << QColor(Qt::black);
    QTest::newRow("inside bottom right") << QPoint(197, 277) << background;
    QTest::newRow("line 177 starts at 8") << QPoint(8, 177) << QColor(Qt::black);
    QTest::newRow("before line 177") << QPoint(7, 177) << background;
}

void TestDeedDrawing::streetDeedPixels()
{
    QFETCH(QPoint, point);
    QFETCH(QColor, colour);
    const QImage deed = streetDeed(1, 44.0f);
    QCOMPARE(deed.size(), QSize(200, 280));
    QCOMPARE(deed.pixelColor(point), colour);
}

void TestDeedDrawing::nameColour_data()
{
    QTest::addColumn<int>("square");
    QTest::addColumn<bool>("white");
    for (int n : {16, 21})
        QTest::addRow("square %d white", n) << n << true;
    for (int n : {1, 24, 36})
        QTest::addRow("square %d black", n) << n << false;
}

void TestDeedDrawing::nameColour()
{
    QFETCH(int, square);
    QFETCH(bool, white);
    const QImage deed = streetDeed(square, 20.0f);
    const QRect name(QPoint(2, 8), QPoint(197, 27));
    const QRect city(QPoint(2, 30), QPoint(197, 52));
    const QColor textColour = white ? QColor(Qt::white) : QColor(Qt::black);
    const QColor otherColour = white ? QColor(Qt::black) : QColor(Qt::white);
    QVERIFY(pixelsOf(deed, name, textColour) > 20);
    QVERIFY(pixelsOf(deed, city, textColour) > 20);
    QCOMPARE(pixelsOf(deed, name, otherColour), 0);
    // The amounts are black on every street (dark, whatever the smoothing of the glyph edges).
    int dark = 0;
    for (int y = streetColumnTop.top(); y <= streetColumnTop.bottom(); ++y)
        for (int x = streetColumnTop.left(); x <= streetColumnTop.right(); ++x)
            if (qMax(qMax(deed.pixelColor(x, y).red(), deed.pixelColor(x, y).green()),
                     deed.pixelColor(x, y).blue()) < 90)
                ++dark;
    QVERIFY(dark > 20);
    QCOMPARE(pixelsOf(deed, streetColumnTop, Qt::white), 0);
}

void TestDeedDrawing::namesAreCentredAndLongOnesCut()
{
    const QColor band(255, 0, 0);
    const QImage shortName = streetDeed(1, 20.0f, "Ab", "");
    const auto [left, right] = inkColumns(shortName, QRect(QPoint(2, 8), QPoint(197, 27)), band);
    QVERIFY(left > 80 && right < 120);
    QVERIFY(qAbs((left + right) - 200) <= 4);

    const QImage longName = streetDeed(1, 20.0f, QString(40, QLatin1Char('W')), "");
    const auto [l2, r2] = inkColumns(longName, QRect(QPoint(2, 8), QPoint(197, 27)), band);
    QCOMPARE(l2, 2);
    QCOMPARE(r2, 197);
}

void TestDeedDrawing::amountsAreRightAlignedAt190()
{
    const QImage deed = streetDeed(3, 22.0f);
    for (int y : {70, 87, 104, 121, 138, 155, 185, 219, 253}) {
        const auto [left, right] = inkColumns(deed, QRect(118, y, 80, 15), background);
        QVERIFY2(right >= 185 && right <= 190, qPrintable(QString("row %1 ends at %2").arg(y).arg(right)));
        QVERIFY(left > 118);
    }
    // Nothing in the column right of 190.
    QVERIFY(!inkIn(deed, QRect(QPoint(191, 68), QPoint(197, 173)), background));
}


void TestDeedDrawing::overflowRowIsLeftBlank()
{
    QImage deed = streetDeed(24, 20.0f);
    DrawDeedAmounts(deed, DeedMode::Street, 1e37f, defaults());
    // Rows 138 and 155 (x 60, 75) overflow: nothing there, not even the old amounts.
    QVERIFY(!inkIn(deed, QRect(QPoint(118, 138), QPoint(197, 170)), background));
    QVERIFY(inkIn(deed, QRect(QPoint(118, 121), QPoint(197, 135)), background));  // x 30 fits
    QVERIFY(inkIn(deed, QRect(QPoint(118, 70), QPoint(197, 84)), background));
    QVERIFY(inkIn(deed, QRect(QPoint(118, 253), QPoint(197, 268)), background));
    // A base beyond a float leaves the whole column empty.
    DrawDeedAmounts(deed, DeedMode::Street, std::numeric_limits<float>::infinity(), defaults());
    QVERIFY(!inkIn(deed, streetColumnTop, background));
    QVERIFY(!inkIn(deed, streetColumnBottom, background));
}

void TestDeedDrawing::stationPicture_data()
{
    QTest::addColumn<int>("image");
    QTest::newRow("picture 0") << 0;
    QTest::newRow("last picture") << 29;
}

void TestDeedDrawing::stationPicture()
{
    QFETCH(int, image);
    QImage deed = NewDeedCanvas();
    DrawStationDeed(deed, "Station Noord", stripOfColours(), image, 40.0f, defaults());
    const QColor c = stationColour(image);
    QCOMPARE(deed.pixelColor(21, 35), c);
    QCOMPARE(deed.pixelColor(180, 169), c);
    QCOMPARE(pixelsOf(deed, QRect(21, 35, 160, 135), c), 160 * 135);
    QCOMPARE(deed.pixelColor(20, 35), background);
    QCOMPARE(deed.pixelColor(181, 100), background);
    QCOMPARE(deed.pixelColor(100, 170), background);
    QCOMPARE(deed.pixelColor(1, 1), QColor(Qt::black));
    QCOMPARE(deed.pixelColor(5, 5), background);  // no colour band on a station
}

void TestDeedDrawing::stationAmountColumnOnly()
{
    QImage deed = NewDeedCanvas();
    DrawStationDeed(deed, "Station Oost", stripOfColours(), 1, 100000.0f, defaults());
    QImage fresh = NewDeedCanvas();
    DrawStationDeed(fresh, "Station Oost", stripOfColours(), 1, 40.0f, defaults());
    DrawDeedAmounts(deed, DeedMode::Station, 40.0f, defaults());
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
    // Below the pictures the two deeds are the same.
    QCOMPARE(water.copy(0, 171, 200, 109), power.copy(0, 171, 200, 109));
    // The titles differ.
    QVERIFY(water.copy(0, 8, 200, 20) != power.copy(0, 8, 200, 20));
    // A missing picture leaves its place blank.
    QImage none = NewDeedCanvas();
    DrawUtilityDeed(none, UtilityDeed::WaterWorks, QImage());
    QCOMPARE(none.pixelColor(100, 100), background);
}

QTEST_MAIN(TestDeedDrawing)
#include "test_deeddrawing.moc"
