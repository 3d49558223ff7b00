// The title deeds: the amounts and the deed as drawn, the rent factors and the deed designer
// with its sweep into the sheet.
#include "model/algemeen.h"
#include "model/defaultcontent.h"
#include "files/settingsfile.h"
#include "design/startup.h"
#include "windows/configform.h"
#include "drawing/deeddrawing.h"
#include "drawing/deedsheet.h"
#include "windows/eigendomform.h"
#include "model/rentfactors.h"
#include "scripteddialogs.h"
#include "testsupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <cfloat>
#include <cmath>
#include <limits>

namespace {
const QColor background(225, 239, 217);

// The amounts of a column as one line of numbers: "22 110 330".
QString numbers(const QList<AmountRow> &rows)
{
    QStringList list;
    for (const AmountRow &r : rows)
        list << QString(r.text).remove(QString::fromUtf8("€ ")).remove(QStringLiteral(",-"));
    return list.join(QLatin1Char(' '));
}

const QRect streetColumnTop(QPoint(118, 68), QPoint(197, 173));
const QRect streetColumnBottom(QPoint(118, 181), QPoint(197, 274));
const QColor sheetColour(250, 250, 240);

// The default design with a blank sheet of a colour of its own.
struct Design {
    Algemeen state;
    explicit Design(int square)
    {
        LoadDefaultContent(state);
        state.RentFactors = DefaultRentFactors();
        state.CurrentSquare = square;
        state.pictures.EigenDomsPic = QImage(1476, 1176, QImage::Format_RGB32);
        state.pictures.EigenDomsPic.fill(sheetColour);
        state.pictures.TreinPic = QImage(160, 30 * 135, QImage::Format_RGB32);
        state.pictures.TreinPic.fill(QColor(90, 60, 30));
    }
    const BoardSquare &square() const { return state.project.Board[state.CurrentSquare]; }
};

// Street deed n as drawn for `state` (the default design when none is given).
QImage streetDeed(const Algemeen &state, int n, float base, const QString &name = QString())
{
    QImage deed = NewDeedCanvas();
    DrawStreetDeed(deed, n, name.isNull() ? state.project.Board[n].Street : name,
                   name.isNull() ? state.project.Board[n].City : QString(), state.squareColour[n], base,
                   state.RentFactors);
    return deed;
}
QImage streetDeed(int n, float base, const QString &name = QString())
{
    static const Design defaults(0);
    return streetDeed(defaults.state, n, base, name);
}

QImage slotOf(const QImage &sheet, int n) { return sheet.copy(QRect(*DeedSheetSlot(n), QSize(200, 280))); }

const QString euro = QString::fromUtf8("€");

// A station strip of 30 pictures of 160 x 135, each one colour of its own.
QColor stationColour(int i) { return QColor(i * 8, 255 - i * 8, 100); }
QImage stationStripOfColours()
{
    QImage strip(160, 30 * 135, QImage::Format_RGB32);
    for (int i = 0; i < 30; ++i)
        for (int y = 0; y < 135; ++y)
            std::fill_n(reinterpret_cast<QRgb *>(strip.scanLine(i * 135 + y)), 160, stationColour(i).rgb());
    return strip;
}
}

class TestDeeds : public QObject
{
    Q_OBJECT
private slots:
    void amountText_data()
    {
        QTest::addColumn<float>("amount");
        QTest::addColumn<QString>("text");
        QTest::newRow("2.4") << float(12.0 / 5.0) << "2.4";
        QTest::newRow("0.5 without leading 0") << 0.5f << ".5";
        QTest::newRow("-0") << -0.0f << "0";
        QTest::newRow("9999999 still plain") << 9999999.0f << "9999999";
        QTest::newRow("1E7 in exponent form") << 1e7f << "1E+07";
        QTest::newRow("12345678") << 12345678.0f << "1.234568E+07";
        QTest::newRow("0.1f x 3") << *DeedAmount(0.1f, 3) << ".3";
        QTest::newRow("largest float") << FLT_MAX << "3.402823E+38";
    }

    void amountText()
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

    void amountRows()
    {
        QCOMPARE(numbers(DeedAmountRows(DeedMode::Street, 22.0f, DefaultRentFactors())), "22 110 330 660 1320 1650 220 220 154");
        QCOMPARE(numbers(DeedAmountRows(DeedMode::Station, 40.0f, DefaultRentFactors())), "40 80 160 320 160");
        // A fractional base (2.4 x 75 = 180, not 179.99) with a changed factor.
        FactorTable changed = DefaultRentFactors();
        changed[1] = 6;
        QCOMPARE(numbers(DeedAmountRows(DeedMode::Street, float(12.0 / 5.0), changed)), "2.4 14.4 36 72 144 180 24 24 16.8");
    }

    void streetDeedLayout()
    {
        const QImage deed = streetDeed(1, 44.0f);
        const QColor black(Qt::black), red(255, 0, 0);  // square 1's group is red
        const QList<QPair<QPoint, QColor>> pixels = {
            {{0, 0}, black},        {{2, 2}, red},          {{100, 60}, black}, {{100, 62}, background},
            {{199, 279}, black},    {{197, 277}, background}, {{8, 177}, black}, {{7, 177}, background}};
        for (const auto &[at, colour] : pixels)
            QVERIFY2(deed.pixelColor(at) == colour, qPrintable(describe(deed, at)));

        // A short name is centred; a long one is cut at the frame.
        const QRect nameRow(QPoint(2, 8), QPoint(197, 27));
        const QRect name = inkBounds(streetDeed(1, 20.0f, "Ab"), nameRow, red);
        QVERIFY(name.left() > 80 && name.right() < 120 && qAbs((name.left() + name.right()) - 200) <= 4);
        const QRect longName = inkBounds(streetDeed(1, 20.0f, QString(40, QLatin1Char('W'))), nameRow, red);
        QCOMPARE(qMakePair(longName.left(), longName.right()), qMakePair(2, 197));

        // Every amount ends at 185..190; nothing right of 190.
        const QImage amounts = streetDeed(3, 22.0f);
        for (int y : {70, 87, 104, 121, 138, 155, 185, 219, 253}) {
            const QRect ink = inkBounds(amounts, QRect(118, y, 80, 15), background);
            QVERIFY2(ink.left() > 118 && ink.right() >= 185 && ink.right() <= 190, qPrintable(QString("row %1 ends at %2").arg(y).arg(ink.right())));
        }
        QVERIFY(!inkIn(amounts, QRect(QPoint(191, 68), QPoint(197, 173)), background));
    }

    void nameColour()
    {
        // Name and city white on the dark groups (square 21), black on the light ones; amounts black.
        for (const int square : {21, 1, 36}) {
            const QImage deed = streetDeed(square, 20.0f);
            const QColor text = square == 21 ? Qt::white : Qt::black;
            const QColor other = square == 21 ? Qt::black : Qt::white;
            QVERIFY(pixelsOf(deed, QRect(QPoint(2, 8), QPoint(197, 27)), text) > 20);
            QVERIFY(pixelsOf(deed, QRect(QPoint(2, 30), QPoint(197, 52)), text) > 20);
            QCOMPARE(pixelsOf(deed, QRect(QPoint(2, 8), QPoint(197, 27)), other), 0);
            // Dark, whatever the smoothing of the glyph edges.
            QVERIFY(countWhere(deed, streetColumnTop, [](QRgb c) { return QColor(c).value() < 90; }) > 20);
            QCOMPARE(pixelsOf(deed, streetColumnTop, Qt::white), 0);
        }
    }

    void overflowingAmountShowsNoAmount()
    {
        QVERIFY(!DeedAmount(1e38f, 75).has_value());
        QVERIFY(!DeedAmount(-1e38f, 75).has_value());
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

    void baseFromTheMainWindowAmount_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("boxText");
        QTest::addColumn<float>("base");
        QTest::newRow("€ 110,-") << euro + " 110,-" << "22" << 22.0f;
        QTest::newRow("€ 1.000,-") << euro + " 1.000,-" << "0.2" << 0.2f;
        QTest::newRow("no number") << euro + " veel,-" << "0" << 0.0f;
    }

    void baseFromTheMainWindowAmount()
    {
        QFETCH(QString, amount);
        QFETCH(QString, boxText);
        QFETCH(float, base);
        Design d(3);
        EigendomForm form(d.state, d.square().Street, d.square().City, amount);
        QCOMPARE(form.Combo1->currentText(), boxText);
        QCOMPARE(d.state.DeedBaseRent, base);
        QCOMPARE(form.deed(), streetDeed(d.state, 3, base));
    }

    void baseRentBoxRedrawsTheAmounts()
    {
        Design d(24);
        EigendomForm form(d.state, d.square().Street, d.square().City, euro + " 100,-");
        // A base beyond a float is refused: the amounts column stays empty.
        form.Combo1->setEditText("1E+40");
        QCOMPARE(d.state.DeedBaseRent, 20.0f);  // the base in force stays
        QVERIFY(!inkIn(form.deed(), streetColumnTop, background) && !inkIn(form.deed(), streetColumnBottom, background));
        QVERIFY(inkIn(form.deed(), QRect(10, 70, 100, 15), background));  // the fixed texts stay

        // A main-window amount beyond a float opens with an empty column and no crash.
        Design e(24);
        EigendomForm big(e.state, e.square().Street, e.square().City, euro + " 1E+45,-");
        QVERIFY(!inkIn(big.deed(), streetColumnTop, background));

        // Exactly the deed drawn afresh with the new base, shown as drawn; the comma ends the number.
        form.Combo1->setEditText("2,4");
        QCOMPARE(d.state.DeedBaseRent, 2.0f);
        QCOMPARE(form.deed(), streetDeed(d.state, 24, 2.0f));
        QCOMPARE(form.Pic->pixmap().toImage().convertToFormat(QImage::Format_RGB32), form.deed());
    }

    void typedBaseIsTakenAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        for (const char *typed : {"1", "2", "3", "4", "25", "2.5"})
            QTest::newRow(typed) << typed;
    }

    void typedBaseIsTakenAsTyped()
    {
        QFETCH(QString, typed);
        Design d(24);
        EigendomForm form(d.state, d.square().Street, d.square().City, euro + " 100,-");
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.Combo1->setFocus();  // the box completes only what is typed into it with focus
        form.Combo1->lineEdit()->selectAll();
        QTest::keyClicks(form.Combo1->lineEdit(), typed);
        QCOMPARE(form.Combo1->currentText(), typed);
        QCOMPARE(d.state.DeedBaseRent, typed.toFloat());
        QCOMPARE(form.deed(), streetDeed(d.state, 24, typed.toFloat()));
    }

    void longNamesStayInsideTheFrame_data()
    {
        QTest::addColumn<int>("square");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("city");
        QTest::addColumn<bool>("cut");
        const QString longName = "Burgemeester van Walsumweg";
        for (int n : {16, 18, 19, 21})  // names in white
            QTest::addRow("white name on %d", n) << n << longName << "Ons Dorp" << true;
        QTest::newRow("long city") << 21 << "Brink" << "Nieuwerkerk aan den IJssel" << true;
        QTest::newRow("black name on 1") << 1 << longName << "Groningen" << true;
        QTest::newRow("station") << 14 << "Station Amsterdam Centraal" << "" << true;
        QTest::newRow("names that fit") << 21 << "Brink" << "Ons Dorp" << false;
    }

    void longNamesStayInsideTheFrame()
    {
        // The frame (two pixels all round, and on a street the rule under the band) stays black,
        // and the designer says that the name will be cut.
        QFETCH(int, square);
        QFETCH(QString, name);
        QFETCH(QString, city);
        QFETCH(bool, cut);
        Design d(square);
        EigendomForm form(d.state, name, city, euro + " 100,-");
        const QImage &deed = form.deed();
        QList<QRect> frame = {QRect(0, 0, 200, 2), QRect(0, 278, 200, 2), QRect(0, 0, 2, 280), QRect(198, 0, 2, 280)};
        if (!IsStationSquare(square))
            frame << QRect(0, 60, 199, 2);
        for (const QRect &r : frame)
            QCOMPARE(countWhere(deed, r, [](QRgb c) { return c != qRgb(0, 0, 0); }), 0);
        QCOMPARE(!form.TeLangLabel->isHidden(), cut);
        QCOMPARE(form.TeLangLabel->text(), QStringLiteral("Te lang: wordt afgekapt"));
    }

    void largeAmountsLeaveNoRemnants_data()
    {
        QTest::addColumn<int>("square");
        QTest::addColumn<float>("large");
        QTest::newRow("8 digits") << 24 << 1e7f;
        QTest::newRow("12345678") << 24 << 12345678.0f;
        QTest::newRow("negative 7 digits") << 24 << -1234567.0f;
        QTest::newRow("fraction") << 24 << -1234.567f;
        QTest::newRow("station, 9 digits") << 14 << 123456789.0f;
    }

    void largeAmountsLeaveNoRemnants()
    {
        // After a large base, a small one gives exactly the deed drawn with the small one.
        QFETCH(int, square);
        QFETCH(float, large);
        Design d(square);
        EigendomForm form(d.state, d.square().Street, d.square().City, euro + " 100,-");
        const QImage small = form.deed();
        form.Combo1->setEditText(QString::number(double(large), 'g', 9));
        QVERIFY(form.deed() != small);
        form.Combo1->setEditText("20");
        QCOMPARE(form.deed(), small);
    }

    void stationAndUtilityDeeds()
    {
        // A station deed: its picture of the strip exactly in 21..180 x 35..169, no colour band,
        // and the base box redraws it.
        Design d(14);
        d.state.pictures.TreinPic = stationStripOfColours();
        d.state.project.StationImage = 29;
        EigendomForm station(d.state, "Station Oost", "", euro + " 200,-");
        station.Combo1->setEditText("25");
        QImage expected = NewDeedCanvas();
        DrawStationDeed(expected, "Station Oost", d.state.pictures.TreinPic, 29, 25.0f, d.state.RentFactors);
        QCOMPARE(station.deed(), expected);
        QCOMPARE(pixelsOf(expected, QRect(21, 35, 160, 135), stationColour(29)), 160 * 135);
        for (const QPoint p : {QPoint(20, 35), QPoint(181, 100), QPoint(100, 170), QPoint(5, 5)})
            QCOMPARE(expected.pixelColor(p), background);
        QCOMPARE(expected.pixelColor(1, 1), QColor(Qt::black));

        // The water works deed has no rent to set: its box is hidden, the picture comes from the
        // editor, and "Huur" at y 166 is written over the bottom rows of the picture.
        Design w(8);
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(QColor(10, 20, 200));
        EigendomForm water(w.state, "", "", euro + " 150,-", picture);
        water.show();
        QVERIFY(!water.Combo1->isVisible() && !water.Label12->isVisible());
        const QImage waterDeed = water.deed();
        QCOMPARE(pixelsOf(waterDeed, QRect(21, 35, 160, 131), QColor(10, 20, 200)), 160 * 131);
        QCOMPARE(waterDeed.pixelColor(180, 169), QColor(10, 20, 200));
        QCOMPARE(waterDeed.pixelColor(20, 100), background);
        QImage power = NewDeedCanvas();
        DrawUtilityDeed(power, UtilityDeed::Electricity, picture);
        QCOMPARE(pixelsOf(power, QRect(30, 30, 135, 136), QColor(10, 20, 200)), 135 * 136);
        QCOMPARE(power.pixelColor(164, 169), QColor(10, 20, 200));
        QCOMPARE(power.pixelColor(29, 100), background);
        QCOMPARE(power.pixelColor(165, 100), background);
        // The titles differ; below the pictures the two deeds are the same.
        QVERIFY(waterDeed.copy(0, 8, 200, 20) != power.copy(0, 8, 200, 20));
        QCOMPARE(waterDeed.copy(0, 171, 200, 109), power.copy(0, 171, 200, 109));
        // A missing picture leaves its place blank.
        QImage none = NewDeedCanvas();
        DrawUtilityDeed(none, UtilityDeed::WaterWorks, QImage());
        QCOMPARE(none.pixelColor(100, 100), background);
    }

    void slotCorners_data()
    {
        QTest::addColumn<int>("square");
        QTest::addColumn<QPoint>("corner");
        QTest::addColumn<bool>("sheetMissing");  // Data-2 could not be loaded
        QTest::newRow("square 1") << 1 << QPoint(9, 9) << false;
        QTest::newRow("square 36") << 36 << QPoint(1269, 879) << false;
        QTest::newRow("square 36 on a missing sheet") << 36 << QPoint(1269, 879) << true;
    }

    void slotCorners()
    {
        QFETCH(int, square);
        QFETCH(QPoint, corner);
        QFETCH(bool, sheetMissing);
        Design d(square);
        if (sheetMissing)
            d.state.pictures.EigenDomsPic = QImage();
        EigendomForm form(d.state, d.square().Street, d.square().City, d.square().Amount);
        form.show();
        QVERIFY(!d.state.UnsavedChanges);
        QTest::mouseClick(form.SaveKnop, Qt::LeftButton);
        const QImage &sheet = d.state.pictures.EigenDomsPic;
        QVERIFY(d.state.UnsavedChanges);
        QCOMPARE(sheet.size(), QSize(1476, 1176));
        QCOMPARE(sheet.copy(QRect(corner, QSize(200, 280))), form.deed());
        if (!sheetMissing) {
            QCOMPARE(sheet.pixelColor(corner - QPoint(1, 1)), sheetColour);
            QCOMPARE(sheet.pixelColor(corner + QPoint(200, 280)), sheetColour);
        }
        QVERIFY(form.isVisible() && form.SaveKnop->isEnabled() && form.Line1->isHidden());  // the window stays open
    }

    void exitDuringTheSweepClosesWholly()
    {
        Design d(21);
        EigendomForm form(d.state, d.square().Street, d.square().City, d.square().Amount);
        form.show();
        bool sweepingWhenExit = false;
        int lineRowAtExit = -1;
        QTimer::singleShot(200, &form, [&] {
            sweepingWhenExit = form.sweeping();
            lineRowAtExit = form.Line1->y();
            QTest::mouseClick(form.ExitKnop, Qt::LeftButton);
        });
        QTest::mouseClick(form.SaveKnop, Qt::LeftButton);  // returns when the sweep ends
        QVERIFY(sweepingWhenExit);
        QVERIFY(lineRowAtExit > 0 && lineRowAtExit < 278);
        QVERIFY(!form.isVisible() && !form.sweeping() && form.Line1->isHidden() && form.SaveKnop->isEnabled());
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(slotOf(d.state.pictures.EigenDomsPic, 21), form.deed());
        QCOMPARE(pixelsOf(d.state.pictures.EigenDomsPic, QRect(219, 589, 200, 280), QColor(255, 0, 0)), 0);
    }

    void baseChangeDuringTheSweepLeavesThePastedDeed()
    {
        Design d(21);
        EigendomForm form(d.state, d.square().Street, d.square().City, euro + " 100,-");
        form.show();
        const QImage pasted = form.deed();
        bool okDisabled = false;
        QTimer::singleShot(200, &form, [&] {
            okDisabled = !form.SaveKnop->isEnabled();
            form.Combo1->setEditText("77");
        });
        QTest::mouseClick(form.SaveKnop, Qt::LeftButton);
        QVERIFY(okDisabled);
        QCOMPARE(slotOf(d.state.pictures.EigenDomsPic, 21), pasted);
        QCOMPARE(form.deed(), streetDeed(d.state, 21, 77.0f));
        QVERIFY(form.isVisible());
        QVERIFY(form.SaveKnop->isEnabled());
    }

    // Plain cases (letters after digits, a comma, a blank inside) are typed into the factor window below.
    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("tabs and line feeds") << " \t1\n000 " << 1000.0;
        QTest::newRow("exponent D") << "1D2" << 100.0;
        QTest::newRow("exponent letter without digits") << "3E+" << 3.0;
        QTest::newRow("hexadecimal lower case") << "&hff" << 255.0;
        QTest::newRow("octal stops at 8") << "&O178" << 15.0;
        QTest::newRow("sign without digits") << "-" << 0.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("beyond a double") << "1E999" << inf;
        QTest::newRow("long digits beyond a double") << QString(400, QLatin1Char('9')) << inf;
        QTest::newRow("below a double") << "1E-999" << 0.0;
        QTest::newRow("many leading zeros below a double") << "0." + QString(400, QLatin1Char('0')) + "1" << 0.0;
    }

    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(LeadingNumber(text), value);
    }

    void factorFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint32>("stored");
        QTest::addColumn<bool>("clamped");
        QTest::newRow("-2.5 to even") << "-2.5" << -2 << false;
        QTest::newRow("largest") << "2147483647" << 2147483647 << false;
        QTest::newRow("smallest") << "-2147483648" << qint32(-2147483647 - 1) << false;
        QTest::newRow("one beyond") << "2147483648" << 2147483647 << true;
        QTest::newRow("half beyond rounds out") << "2147483647.5" << 2147483647 << true;
        QTest::newRow("&HFFFFFFFFF") << "&HFFFFFFFFF" << 2147483647 << true;
        QTest::newRow("beyond a double") << "1E999" << 2147483647 << true;
    }

    void factorFromText()
    {
        QFETCH(QString, text);
        QFETCH(qint32, stored);
        QFETCH(bool, clamped);
        bool wasClamped = !clamped;
        QCOMPARE(FactorFromText(text, &wasClamped), stored);
        QCOMPARE(wasClamped, clamped);
    }

    void okStoresWhatTheBoxesHold()
    {
        Algemeen state;
        state.RentFactors = {0, 1, -2, 3, 100, 250, 0, 7, 8, 9, 10, 2147483647, -2147483647 - 1};
        ScriptedDialogs dialogs;
        ConfigForm form(state, dialogs);
        QTest::mouseClick(form.ExitKnop, Qt::LeftButton);  // untouched boxes give back what they showed
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(state.RentFactors, (std::array<qint32, FactorSlots>{0, 1, -2, 3, 100, 250, 0, 7, 8, 9, 10, 2147483647, -2147483647 - 1}));
        QVERIFY(dialogs.asked.isEmpty());

        ConfigForm again(state, dialogs);
        const QStringList typed = {"12abc", "99999999999", "7,9", "7.9", "2.5", "6.5", "-1E40", "1E1", "&HFF", "&O17", "-3", ""};
        for (int i = 1; i <= 12; ++i)
            again.Combo1[i]->setEditText(typed[i - 1]);
        QTest::mouseClick(again.ExitKnop, Qt::LeftButton);
        QCOMPARE(again.result(), int(QDialog::Accepted));
        // Beyond 32 bits is clamped, and the message names the boxes.
        QCOMPARE(state.RentFactors, (std::array<qint32, FactorSlots>{0, 12, 2147483647, 7, 8, 2, 6, qint32(-2147483647 - 1), 10, 255, 15, -3, 0}));
        QCOMPARE(dialogs.asked.size(), 1);
        QVERIFY(dialogs.asked.first().contains("2, 7"));
    }

    void resetThenCancelKeepsTheDefaults()
    {
        Algemeen state;
        state.RentFactors = {0, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9};
        ScriptedDialogs dialogs;
        ConfigForm form(state, dialogs);
        form.Combo1[3]->setEditText("77");
        QTest::mouseClick(form.ResetKnop, Qt::LeftButton);
        QCOMPARE(form.Combo1[3]->currentText(), QStringLiteral("30"));
        QTest::mouseClick(form.CancelKnop, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(state.RentFactors, DefaultRentFactors());
    }

    void factorsSurviveARestart()
    {
        QTemporaryDir folder;
        Algemeen first;
        first.Paths = folder.path();
        LoadStartState(first);
        ScriptedDialogs dialogs;
        {
            ConfigForm form(first, dialogs);
            form.Combo1[1]->setEditText("6");
            form.Combo1[12]->setEditText("-11");
            QTest::mouseClick(form.ExitKnop, Qt::LeftButton);
        }
        QVERIFY(WriteSettingsFile(first.settingsPath(), first));  // what closing the program does

        Algemeen second;
        second.Paths = folder.path();
        QVERIFY(LoadStartState(second));
        QCOMPARE(second.RentFactors[1], 6);
        QCOMPARE(second.RentFactors[12], -11);
        QCOMPARE(second.RentFactors, first.RentFactors);
    }
};

QTEST_MAIN(TestDeeds)
#include "test_deeds.moc"
