// The main window: selecting squares on the overview, the live preview, placing on the board,
// the settings window, the information bar and number strips, start and close.

#include "app/algemeen.h"
#include "app/dateline.h"
#include "app/mainwindow.h"
#include "app/numberstrips.h"
#include "board/artwork.h"
#include "board/geometry.h"
#include "board/kleurform.h"
#include "board/squaredesign.h"
#include "placementreference.h"
#include "testwindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {
// A main window on a fresh state and program folder.
struct Window : TestWindow {
    Window() { main->show(); }
    // A left click in the middle of square n's hit rectangle.
    void select(int n) { click(SquareCentre(n)); }
    void click(QPoint pixel, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(main->Pic, button, {}, pixel);
    }
    bool editorClosed() const
    {
        return state.CurrentSquare == 0 && !main->Text1->isEnabled() && !main->Text2->isEnabled()
               && !main->Combo1->isEnabled() && !main->SaveKnop->isEnabled()
               && !main->KaartKnop->isEnabled() && main->Text1->text().isEmpty()
               && main->Text2->text().isEmpty() && main->Label4->text() == "Kaart : 0";
    }
};

QImage framedPlaceholder()
{
    QImage templ;
    SquareArt art;
    art.placeholder = DrawPlaceholder();
    ComposeSquare(templ, 0, {}, art);
    return templ;
}
}

class TestBoardEditor : public QObject
{
    Q_OBJECT
private slots:
    void selectingLoadsTheEditor_data();
    void selectingLoadsTheEditor();
    void pressesThatSelectNothing();
    void previewFollowsTypingUntilPlaced();
    void placingWritesBoardAndPicture_data();
    void placingWritesBoardAndPicture();
    void placingWithoutBoardPicture();
    void missingSquarePictureKeepsTheLastOne();
    void settingsWindow();
    void dateLineAndClock();
    void cardSquareNumbersDoNotShow();
    void startsWithoutDataPictures();
    void closeQuestion();
};

void TestBoardEditor::selectingLoadsTheEditor_data()
{
    QTest::addColumn<int>("square");
    QTest::addColumn<QStringList>("texts");        // street, city, amount
    QTest::addColumn<QList<bool>>("enabled");      // street, city, Kaart
    QTest::newRow("street 21") << 21 << QStringList{"Brink", "Ons Dorp", "€ 60,-"} << QList<bool>{true, true, true};
    QTest::newRow("station 5") << 5 << QStringList{"Station Noord", "", "€ 200,-"} << QList<bool>{true, false, true};
    QTest::newRow("water works 8") << 8 << QStringList{"", "", "€ 150,-"} << QList<bool>{false, false, true};
    QTest::newRow("extra tax 17") << 17 << QStringList{"", "", "€ 100,-"} << QList<bool>{false, false, false};
}

void TestBoardEditor::selectingLoadsTheEditor()
{
    QFETCH(int, square);
    QFETCH(QStringList, texts);
    QFETCH(QList<bool>, enabled);
    Window w;
    w.select(square == 21 ? 3 : 21);  // something else was selected before
    w.select(square);
    Main &m = *w.main;
    QCOMPARE(w.state.CurrentSquare, square);
    QCOMPARE(w.state.CurrentIsStreet, square == 21);
    QCOMPARE(int(w.state.CurrentSide), SideOfSquare(square));
    QCOMPARE(m.Label4->text(), QStringLiteral("Kaart : %1").arg(square));
    QCOMPARE((QStringList{m.Text1->text(), m.Text2->text(), m.Combo1->currentText()}), texts);
    QCOMPARE((QList<bool>{m.Text1->isEnabled(), m.Text2->isEnabled(), m.KaartKnop->isEnabled()}), enabled);
    QVERIFY(m.Combo1->isEnabled() && m.SaveKnop->isEnabled());

    // The preview is the square as composed from what the editor holds.
    QImage expected;
    LoadSquarePicture(w.state, square);
    ComposeSquare(expected, square, {texts[0], texts[1], texts[2]}, SquareArtFor(w.state, square));
    QCOMPARE(m.templateImage, expected);
    QCOMPARE(m.Orgineel->pixmap().toImage().convertToFormat(QImage::Format_RGB32), expected);
}

void TestBoardEditor::pressesThatSelectNothing()
{
    Window w;
    // Presses at pixel x 15 = twips: the left edge of square 1 (x = 840), the gap before square 2
    // (x = 1305), the top edge (y = 30), a right button on square 21, and the card squares 2 and 25.
    QList<QPair<QPoint, Qt::MouseButton>> presses = {
        {{56, 20}, Qt::LeftButton}, {{87, 20}, Qt::LeftButton}, {{70, 2}, Qt::LeftButton}, {{263, 372}, Qt::RightButton}};
    for (int card : {2, 25}) {
        const HitRect r = OverviewHitRect(card);
        presses.append({QPoint((r.left + r.right) / 30, (r.top + r.bottom) / 30), Qt::LeftButton});
    }
    for (const auto &[pixel, button] : presses) {
        w.select(21);
        QCOMPARE(w.state.CurrentSquare, 21);
        w.click(pixel, button);
        QVERIFY2(w.editorClosed() && !w.state.CurrentIsStreet, qPrintable(QStringLiteral("%1,%2").arg(pixel.x()).arg(pixel.y())));
        QCOMPARE(w.main->templateImage, framedPlaceholder());
    }
}

void TestBoardEditor::previewFollowsTypingUntilPlaced()
{
    Window w;
    Main &m = *w.main;
    const QImage board = w.state.pictures.Speelbord;
    const Project design = w.state.project;
    struct Case { int square; QWidget *field; int firstRow, lastRow; };
    for (const Case &c : {Case{21, m.Text2, 75, 125}, Case{22, m.Combo1->lineEdit(), 235, 260}}) {
        w.select(c.square);
        const QImage before = m.templateImage;
        QTest::keyClicks(c.field, "WWW");
        // The preview changes, but only in the rows of that field.
        QVERIFY(m.templateImage != before);
        QCOMPARE(m.templateImage.copy(0, 0, 180, c.firstRow), before.copy(0, 0, 180, c.firstRow));
        QCOMPARE(m.templateImage.copy(0, c.lastRow + 1, 180, 279 - c.lastRow), before.copy(0, c.lastRow + 1, 180, 279 - c.lastRow));
        QCOMPARE(m.Orgineel->pixmap().toImage().convertToFormat(QImage::Format_RGB32), m.templateImage);
    }
    // Nothing reaches the board or the design until it is placed; selecting another square drops the edits.
    w.select(21);
    QCOMPARE(m.Text2->text(), QStringLiteral("Ons Dorp"));
    QCOMPARE(w.state.project.Board[21].City, design.Board[21].City);
    QCOMPARE(w.state.project.Board[22].Amount, design.Board[22].Amount);
    QVERIFY(w.state.pictures.Speelbord == board);
    QVERIFY(!w.state.UnsavedChanges);
}

void TestBoardEditor::placingWritesBoardAndPicture_data()
{
    QTest::addColumn<int>("square");
    QTest::addColumn<QString>("street");
    QTest::addColumn<QString>("city");
    QTest::newRow("station 14, no city") << 14 << "Station Oost" << "";
    QTest::newRow("street 3 at the top") << 3 << "Groote Markt" << "Groningen";
}

void TestBoardEditor::placingWritesBoardAndPicture()
{
    QFETCH(int, square);
    QFETCH(QString, street);
    QFETCH(QString, city);
    Window w;
    Main &m = *w.main;
    if (!IsStreet(square))
        w.state.project.Board[square].City = "stale";  // becomes empty: the field is empty
    w.select(square);
    m.Combo1->lineEdit()->selectAll();
    QTest::keyClicks(m.Combo1->lineEdit(), "abc");

    QImage expectedBoard = w.state.pictures.Speelbord.copy();
    PlaceSquarePixelByPixel(expectedBoard, m.templateImage, SideOfSquare(square),
                            w.state.squarePosition[square]);
    const QImage smallBefore = m.Image1->pixmap().toImage();
    QTest::mouseClick(m.SaveKnop, Qt::LeftButton);

    QVERIFY(w.state.pictures.Speelbord == expectedBoard);
    const BoardSquare &stored = w.state.project.Board[square];
    QCOMPARE((QStringList{stored.Street, stored.City, stored.Amount}), (QStringList{street, city, "abc"}));
    QVERIFY(w.state.UnsavedChanges);
    QVERIFY(m.Image1->pixmap().toImage() != smallBefore);
    // The editor stays as it was.
    QCOMPARE(w.state.CurrentSquare, square);
    QVERIFY(m.SaveKnop->isEnabled());
}

void TestBoardEditor::placingWithoutBoardPicture()
{
    // Without the Data pictures the editor still works; the texts are kept.
    Window w;
    w.state.pictures.Speelbord = QImage();
    w.state.pictures.TreinPic = QImage();
    w.select(23);
    QTest::keyClicks(w.main->Text1, " 2");
    QTest::mouseClick(w.main->SaveKnop, Qt::LeftButton);
    QCOMPARE(w.state.project.Board[23].Street, QStringLiteral("Station Zuid 2"));
    QVERIFY(w.state.pictures.Speelbord.isNull());
}

void TestBoardEditor::missingSquarePictureKeepsTheLastOne()
{
    Window w;
    QImage waterWorks(50, 40, QImage::Format_RGB32);
    waterWorks.fill(QColor(0, 90, 255));
    QFile::remove(w.state.dataPath("Data-5.vgx"));
    QFile::remove(w.state.dataPath("Data-6.vgx"));
    QVERIFY(waterWorks.save(w.state.dataPath("Data-5.vgx"), "PNG"));
    w.select(8);
    QVERIFY(w.state.pictures.ImagePic == waterWorks);
    QCOMPARE(w.main->templateImage.pixelColor(12, 75), QColor(0, 90, 255));
    w.select(17);  // its picture is missing: square 17 shows what was loaded last
    QVERIFY(w.state.pictures.ImagePic == waterWorks);
    QCOMPARE(w.main->templateImage.copy(23, 90, 133, 107),
             waterWorks.scaled(133, 107).convertToFormat(QImage::Format_RGB32));
}

void TestBoardEditor::settingsWindow()
{
    Window w;
    Main &m = *w.main;
    w.state.project.StationImage = 3;
    const QImage board = w.state.pictures.Speelbord;
    KleurForm form(w.state, [&m](int r, int g, int b) { m.ApplyWindowColour(r, g, b); }, &m);

    // A colour bar goes straight to the state, the window and its number strips.
    form.HScroll1[2]->setValue(0);
    const QColor yellow(220, 220, 0);
    QCOMPARE(w.state.WindowColour, (RgbColour{220, 220, 0}));
    QCOMPARE(form.KleurLabel[2]->text(), QStringLiteral("B: 0"));
    QCOMPARE(m.centralWidget()->palette().color(QPalette::Window), yellow);
    for (QLabel *strip : m.numberStrips)
        QCOMPARE(strip->pixmap().toImage().pixelColor(0, 0), yellow);
    // Enter (with the focus on Reset, even) never throws the chosen colours away; Reset does.
    form.show();
    form.ResetKnop->setFocus();
    QTest::keyClick(&form, Qt::Key_Return);
    QCOMPARE(w.state.WindowColour, (RgbColour{220, 220, 0}));
    QTest::mouseClick(form.ResetKnop, Qt::LeftButton);
    QCOMPARE(w.state.WindowColour, DefaultWindowColour);
    QCOMPARE(m.numberStrips[1]->pixmap().toImage().pixelColor(0, 0), QColor(220, 220, 190));

    // Station picture 29 is strip rows 3915..4049; the board keeps its stations until one is placed.
    QCOMPARE(form.Label7->text(), QStringLiteral("4 / 30"));
    form.VScroll->setValue(29);
    QCOMPARE(int(w.state.project.StationImage), 29);
    QCOMPARE(form.Label7->text(), QStringLiteral("30 / 30"));
    const QImage last = w.state.pictures.TreinPic.copy(0, 3915, 160, 135);
    QCOMPARE(form.Pic->pixmap().toImage().convertToFormat(QImage::Format_RGB32), last);
    QVERIFY(w.state.pictures.Speelbord == board);
    w.select(23);
    QCOMPARE(m.templateImage.copy(12, 75, 160, 135), last);
}

void TestBoardEditor::dateLineAndClock()
{
    QCOMPARE(DateLine(QDate(2026, 12, 5)), QStringLiteral("Zaterdag 5 December 2026"));
    QCOMPARE(DateLine(QDate(2027, 5, 31)), QStringLiteral("Maandag 31 Mei 2027"));
    QCOMPARE(ClockText(QTime(9, 5, 7)), QStringLiteral(" 9:05:07"));
    QCOMPARE(ClockText(QTime(23, 59, 0)), QStringLiteral(" 23:59:00"));
}

void TestBoardEditor::cardSquareNumbersDoNotShow()
{
    // A card square's number and its neighbour's, by the top-left of the number in twips: 2 and 3
    // above, 15 and 16 right, 25 and 24 below, 34 and 33 left.
    const QList<std::tuple<NumberStrip, QPoint, QPoint>> numbers{
        {NumberStrip::Above, {1530, 15}, {2010, 15}},   {NumberStrip::Right, {-15, 3465}, {-15, 3945}},
        {NumberStrip::Below, {1980, 15}, {2460, 15}},   {NumberStrip::Left, {-15, 2025}, {-15, 2505}}};
    for (const RgbColour colour : {RgbColour{220, 220, 190}, RgbColour{10, 80, 200}}) {
        const QColor bg(colour.red, colour.green, colour.blue);
        for (const auto &[strip, hiddenAt, shownAt] : numbers) {
            const QImage image = DrawNumberStrip(strip, colour);
            auto box = [&](QPoint twips) { return QRect(qMax(0, twips.x() / 15), twips.y() / 15, 20, 14) & image.rect(); };
            QVERIFY(!inkIn(image, box(hiddenAt), bg));
            QVERIFY(inkIn(image, box(shownAt), bg));
        }
    }
}

void TestBoardEditor::startsWithoutDataPictures()
{
    TestWindow t(false);
    QVERIFY(t.state.pictures.Speelbord.isNull());
    QVERIFY(t.state.pictures.Overview.isNull());
    QVERIFY(t.dialogs.asked.isEmpty());  // no message
    QVERIFY(QFile::exists(t.state.settingsPath()));
}

void TestBoardEditor::closeQuestion()
{
    TestWindow t;
    Main &w = *t.main;
    Algemeen &state = t.state;
    ScriptedDialogs &dialogs = t.dialogs;
    w.show();
    // The settings file is written at every close, and only at a close that goes ahead.
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
    QVERIFY(readAll(state.settingsPath()).contains("\r\n1,2,3\r\n"));
}

QTEST_MAIN(TestBoardEditor)
#include "test_boardeditor.moc"
