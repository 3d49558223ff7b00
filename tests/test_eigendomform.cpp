// The deed designer: the deed it draws, pasting it into the sheet with the sweep, and the
// default sheet of 28 deeds.
#include "app/defaultcontent.h"
#include "deeds/configform.h"
#include "deeds/deeddrawing.h"
#include "deeds/deedsheet.h"
#include "deeds/eigendomform.h"
#include "testsupport.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {
const QColor background(225, 239, 217);
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

QImage streetDeed(const Algemeen &state, int n, float base)
{
    QImage deed = NewDeedCanvas();
    DrawStreetDeed(deed, n, state.project.Board[n].Street, state.project.Board[n].City,
                   state.squareColour[n], base, state.RentFactors);
    return deed;
}

QImage slotOf(const QImage &sheet, int n) { return sheet.copy(QRect(*DeedSheetSlot(n), QSize(200, 280))); }

const QString euro = QString::fromUtf8("€");
}

class TestEigendomForm : public QObject
{
    Q_OBJECT
private slots:
    void baseFromTheMainWindowAmount_data();
    void baseFromTheMainWindowAmount();
    void baseRentBoxRedrawsTheAmounts();
    void stationAndUtilityDeeds();

    void slotCorners_data();
    void slotCorners();
    void exitDuringTheSweepClosesWholly();
    void baseChangeDuringTheSweepLeavesThePastedDeed();
    void pasteOnAMissingSheetKeepsTheDeed();
};

void TestEigendomForm::baseFromTheMainWindowAmount_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("boxText");
    QTest::addColumn<float>("base");
    QTest::newRow("€ 110,-") << euro + " 110,-" << "22" << 22.0f;
    QTest::newRow("€ 1.000,-") << euro + " 1.000,-" << "0.2" << 0.2f;
    QTest::newRow("no number") << euro + " veel,-" << "0" << 0.0f;
}

void TestEigendomForm::baseFromTheMainWindowAmount()
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

void TestEigendomForm::baseRentBoxRedrawsTheAmounts()
{
    Design d(24);
    EigendomForm form(d.state, d.square().Street, d.square().City, euro + " 100,-");
    // A base beyond a float is refused: the amounts column stays empty.
    form.Combo1->setEditText("1E+40");
    QCOMPARE(d.state.DeedBaseRent, 20.0f);  // the base in force stays
    QVERIFY(!inkIn(form.deed(), QRect(QPoint(118, 68), QPoint(197, 173)), background));
    QVERIFY(!inkIn(form.deed(), QRect(QPoint(118, 181), QPoint(197, 274)), background));
    QVERIFY(inkIn(form.deed(), QRect(10, 70, 100, 15), background));  // the fixed texts stay

    // A main-window amount beyond a float opens with an empty column and no crash.
    Design e(24);
    EigendomForm big(e.state, e.square().Street, e.square().City, euro + " 1E+45,-");
    QVERIFY(!inkIn(big.deed(), QRect(QPoint(118, 68), QPoint(197, 173)), background));

    // Exactly the deed drawn afresh with the new base, shown as drawn; the comma ends the number.
    form.Combo1->setEditText("2,4");
    QCOMPARE(d.state.DeedBaseRent, 2.0f);
    QCOMPARE(form.deed(), streetDeed(d.state, 24, 2.0f));
    QCOMPARE(form.Pic->pixmap().toImage().convertToFormat(QImage::Format_RGB32), form.deed());
}

void TestEigendomForm::stationAndUtilityDeeds()
{
    Design d(14);
    EigendomForm station(d.state, "Station Oost", "", euro + " 200,-");
    QImage expected = NewDeedCanvas();
    station.Combo1->setEditText("25");
    DrawStationDeed(expected, "Station Oost", d.state.pictures.TreinPic, 0, 25.0f, d.state.RentFactors);
    QCOMPARE(station.deed(), expected);

    // The water works deed has no rent to set: its box is hidden, the picture comes from the editor.
    Design w(8);
    QImage picture(30, 30, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    EigendomForm water(w.state, "", "", euro + " 150,-", picture);
    water.show();
    QVERIFY(!water.Combo1->isVisible());
    QVERIFY(!water.Label12->isVisible());
    expected = NewDeedCanvas();
    DrawUtilityDeed(expected, UtilityDeed::WaterWorks, picture);
    QCOMPARE(water.deed(), expected);
}

void TestEigendomForm::slotCorners_data()
{
    QTest::addColumn<int>("square");
    QTest::addColumn<QPoint>("corner");
    QTest::newRow("square 1") << 1 << QPoint(9, 9);
    QTest::newRow("square 36") << 36 << QPoint(1269, 879);
}

void TestEigendomForm::slotCorners()
{
    QFETCH(int, square);
    QFETCH(QPoint, corner);
    Design d(square);
    EigendomForm form(d.state, d.square().Street, d.square().City, d.square().Amount);
    form.show();
    QVERIFY(!d.state.UnsavedChanges);
    QTest::mouseClick(form.SaveKnop, Qt::LeftButton);
    const QImage &sheet = d.state.pictures.EigenDomsPic;
    QVERIFY(d.state.UnsavedChanges);
    QCOMPARE(sheet.pixelColor(corner), QColor(Qt::black));  // the deed's frame
    QCOMPARE(sheet.pixelColor(corner - QPoint(1, 1)), sheetColour);
    QCOMPARE(sheet.pixelColor(corner + QPoint(200, 280)), sheetColour);
    QCOMPARE(sheet.copy(QRect(corner, QSize(200, 280))), form.deed());
    QVERIFY(form.isVisible());  // the window stays open
    QVERIFY(form.SaveKnop->isEnabled());
    QVERIFY(form.Line1->isHidden());
}

void TestEigendomForm::exitDuringTheSweepClosesWholly()
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
    QVERIFY(!form.isVisible());
    QVERIFY(!form.sweeping());
    QVERIFY(form.Line1->isHidden());
    QVERIFY(form.SaveKnop->isEnabled());
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QCOMPARE(slotOf(d.state.pictures.EigenDomsPic, 21), form.deed());
    QCOMPARE(pixelsOf(d.state.pictures.EigenDomsPic, QRect(219, 589, 200, 280), QColor(255, 0, 0)), 0);
}

void TestEigendomForm::baseChangeDuringTheSweepLeavesThePastedDeed()
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

void TestEigendomForm::pasteOnAMissingSheetKeepsTheDeed()
{
    Design d(36);
    d.state.pictures.EigenDomsPic = QImage();  // Data-2 could not be loaded
    EigendomForm form(d.state, d.square().Street, d.square().City, d.square().Amount);
    form.show();
    QTest::mouseClick(form.SaveKnop, Qt::LeftButton);
    QCOMPARE(d.state.pictures.EigenDomsPic.size(), QSize(1476, 1176));
    QCOMPARE(slotOf(d.state.pictures.EigenDomsPic, 36), form.deed());
}

QTEST_MAIN(TestEigendomForm)
#include "test_eigendomform.moc"
