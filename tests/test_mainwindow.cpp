#include "app/algemeen.h"
#include "app/dateline.h"
#include "app/mainwindow.h"
#include "app/numberstrips.h"
#include "scripteddialogs.h"
#include "testwindow.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {
QRect pixelsOfTwips(int l, int t, int w, int h) { return QRect(l / 15, t / 15, w / 15, h / 15); }
}

Q_DECLARE_METATYPE(NumberStrip)

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void controlsStandAtTheirPlaces_data();
    void controlsStandAtTheirPlaces();
    void fixedTextsAndAmountList();
    void menuHasEveryEntry();
    void dateLineAndClock_data();
    void dateLineAndClock();
    void cardSquareNumbersDoNotShow_data();
    void cardSquareNumbersDoNotShow();
    void startsWithoutDataPictures();
    void smallBoardToggles();
    void closeQuestion();
};

void TestMainWindow::controlsStandAtTheirPlaces_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("place");
    QTest::newRow("Pic") << "Pic" << pixelsOfTwips(585, 1080, 6000, 6000);
    QTest::newRow("Orgineel") << "Orgineel" << pixelsOfTwips(7290, 1080, 2700, 4200);
    QTest::newRow("Text1") << "Text1" << pixelsOfTwips(10350, 2190, 2400, 300);
    QTest::newRow("KaartKnop") << "KaartKnop" << pixelsOfTwips(10350, 4500, 750, 300);
    QTest::newRow("PicL") << "PicL" << pixelsOfTwips(150, 990, 315, 6180);
}

void TestMainWindow::controlsStandAtTheirPlaces()
{
    QFETCH(QString, control);
    QFETCH(QRect, place);
    TestWindow t;
    Main &w = *t.main;
    Algemeen &state = t.state;
    ScriptedDialogs &dialogs = t.dialogs;
    const QHash<QString, QWidget *> controls{{"Pic", w.Pic}, {"Orgineel", w.Orgineel}, {"Text1", w.Text1},
                                             {"KaartKnop", w.KaartKnop}, {"PicL", w.numberStrips[3]}};
    QCOMPARE(controls[control]->geometry(), place);
}

void TestMainWindow::fixedTextsAndAmountList()
{
    TestWindow t;
    Main &w = *t.main;
    Algemeen &state = t.state;
    ScriptedDialogs &dialogs = t.dialogs;
    QCOMPARE(w.InfoRegel->text(), DateLine(QDate::currentDate()));
    QCOMPARE(w.Combo1->count(), 99);
    QCOMPARE(w.Combo1->itemText(0), QString::fromUtf8("€ 10,-"));
    QCOMPARE(w.Combo1->itemText(98), QString::fromUtf8("€ 990,-"));
    QCOMPARE(w.Combo1->currentIndex(), 10);
    QCOMPARE(w.Combo1->currentText(), QString::fromUtf8("€ 110,-"));

    // The editor waits for a square to be chosen.
    for (QWidget *c : {(QWidget *)w.SaveKnop, (QWidget *)w.KaartKnop, (QWidget *)w.Text1,
                       (QWidget *)w.Text2, (QWidget *)w.Combo1})
        QVERIFY(!c->isEnabled());

    // The placeholder is framed in black.
    QCOMPARE(w.templateImage.size(), QSize(180, 280));
    QCOMPARE(w.templateImage.pixelColor(0, 0), QColor(Qt::black));
    QCOMPARE(w.templateImage.pixelColor(179, 279), QColor(Qt::black));
    QCOMPARE(w.templateImage.pixelColor(90, 0), QColor(Qt::black));
    QVERIFY(w.templateImage.pixelColor(1, 1) != QColor(Qt::black));

    // The pictures of the design were loaded.
    QCOMPARE(state.pictures.Speelbord.size(), QSize(2180, 2180));
    QCOMPARE(state.pictures.Overview.size(), QSize(400, 400));
    QCOMPARE(state.pictures.TreinPic.size(), QSize(160, 4050));
    QVERIFY(state.pictures.EigenDomsPic.width() >= 1476);
    QVERIFY(state.pictures.EigenDomsPic.height() >= 1176);
}


void TestMainWindow::menuHasEveryEntry()
{
    TestWindow t;
    Main &w = *t.main;
    for (const char *path : {"Bestand/Nieuw Project", "Bestand/Open Project", "Bestand/Project Opslaan",
                             "Bestand/Afdrukken/Speelbord", "Bestand/Afdrukken/Eigendomsbewijzen",
                             "Bestand/Afdrukken/Setup Printer", "Bestand/Exit",
                             "Kaarten/Kans Kaarten", "Kaarten/Algemeen Fonds", "Kaarten/Speelgeld",
                             "Tools/Instellingen", "Tools/Vermenigvuldigingsfactor",
                             "Show/Speelbord Groot", "Show/Speelbord Klein", "Show/Eigendomsbewijzen",
                             "Help/Help (Pdf)", "Help/Spelregels/Orgineel", "Help/Spelregels/Junior",
                             "Help/Spelregels/Thema", "Help/Meer Software"})
        QVERIFY2(w.menuAction(QString::fromUtf8(path)), path);
}

void TestMainWindow::dateLineAndClock_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("line");
    QTest::newRow("saturday") << QDate(2026, 12, 5) << "Zaterdag 5 December 2026";
    QTest::newRow("monday in may") << QDate(2027, 5, 31) << "Maandag 31 Mei 2027";
}

void TestMainWindow::dateLineAndClock()
{
    QFETCH(QDate, date);
    QFETCH(QString, line);
    QCOMPARE(DateLine(date), line);
    QCOMPARE(ClockText(QTime(9, 5, 7)), QStringLiteral(" 9:05:07"));
    QCOMPARE(ClockText(QTime(23, 59, 0)), QStringLiteral(" 23:59:00"));
}

void TestMainWindow::cardSquareNumbersDoNotShow_data()
{
    QTest::addColumn<NumberStrip>("strip");
    QTest::addColumn<int>("hidden");    // a card square's number
    QTest::addColumn<int>("shown");     // its neighbour's number
    QTest::addColumn<QPoint>("hiddenAt");  // top-left of the number in twips
    QTest::addColumn<QPoint>("shownAt");
    QTest::newRow("2 above") << NumberStrip::Above << 2 << 3 << QPoint(1530, 15) << QPoint(2010, 15);
    QTest::newRow("15 right") << NumberStrip::Right << 15 << 16 << QPoint(-15, 3465) << QPoint(-15, 3945);
    QTest::newRow("25 below") << NumberStrip::Below << 25 << 24 << QPoint(1980, 15) << QPoint(2460, 15);
    QTest::newRow("34 left") << NumberStrip::Left << 34 << 33 << QPoint(-15, 2025) << QPoint(-15, 2505);
}

void TestMainWindow::cardSquareNumbersDoNotShow()
{
    QFETCH(NumberStrip, strip);
    QFETCH(QPoint, hiddenAt);
    QFETCH(QPoint, shownAt);
    for (const RgbColour colour : {RgbColour{220, 220, 190}, RgbColour{10, 80, 200}}) {
        const QImage image = DrawNumberStrip(strip, colour);
        const QColor bg(colour.red, colour.green, colour.blue);
        auto box = [&](QPoint twips) {
            return QRect(qMax(0, twips.x() / 15), twips.y() / 15, 20, 14) & image.rect();
        };
        QVERIFY(!inkIn(image, box(hiddenAt), bg));
        QVERIFY(inkIn(image, box(shownAt), bg));
    }
}

void TestMainWindow::startsWithoutDataPictures()
{
    TestWindow t(false);
    Algemeen &state = t.state;
    ScriptedDialogs &dialogs = t.dialogs;
    QVERIFY(state.pictures.Speelbord.isNull());
    QVERIFY(state.pictures.Overview.isNull());
    QVERIFY(dialogs.asked.isEmpty());  // no message
    QVERIFY(QFile::exists(state.settingsPath()));
}

void TestMainWindow::smallBoardToggles()
{
    TestWindow t;
    Main &w = *t.main;
    Algemeen &state = t.state;
    ScriptedDialogs &dialogs = t.dialogs;
    w.show();
    QVERIFY(w.Pic->isVisible());
    QVERIFY(!w.Image1->isVisible());
    QAction *klein = w.menuAction("Show/Speelbord Klein");
    klein->trigger();
    QVERIFY(!w.Pic->isVisible());
    QVERIFY(w.Image1->isVisible());
    QVERIFY(klein->isChecked());
    // A click on the small board goes back to the overview.
    QTest::mouseClick(w.Image1, Qt::LeftButton, {}, QPoint(100, 100));
    QVERIFY(w.Pic->isVisible());
    QVERIFY(!klein->isChecked());
}

void TestMainWindow::closeQuestion()
{
    TestWindow t;
    Main &w = *t.main;
    Algemeen &state = t.state;
    ScriptedDialogs &dialogs = t.dialogs;
    w.show();
    QFile::remove(state.settingsPath());

    // Nothing unsaved: no question, the settings are written.
    QVERIFY(w.close());
    QVERIFY(dialogs.asked.isEmpty());
    QVERIFY(QFile::exists(state.settingsPath()));

    QFile::remove(state.settingsPath());
    w.show();
    state.UnsavedChanges = true;
    state.WindowColour = {1, 2, 3};
    dialogs.yesNoAnswers = {false};
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QCOMPARE(dialogs.asked.value(0), QStringLiteral(" Sluiten|Wijzigingen zijn nog niet opgeslagen...\n"
                                                    "wilt u het programma toch sluiten?"));
    QVERIFY(!QFile::exists(state.settingsPath()));

    dialogs.yesNoAnswers = {true};
    QVERIFY(w.close());
    QFile f(state.settingsPath());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().contains("\r\n1,2,3\r\n"));
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
