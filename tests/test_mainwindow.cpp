// The main window on the default design: layout, texts, number strips, start and close.
#include "app/dateline.h"
#include "app/numberstrips.h"
#include "testwindow.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void dateLineAndClock();
    void cardSquareNumbersDoNotShow();
    void startsWithoutDataPictures();
    void closeQuestion();
};


void TestMainWindow::dateLineAndClock()
{
    QCOMPARE(DateLine(QDate(2026, 12, 5)), QStringLiteral("Zaterdag 5 December 2026"));
    QCOMPARE(DateLine(QDate(2027, 5, 31)), QStringLiteral("Maandag 31 Mei 2027"));
    QCOMPARE(ClockText(QTime(9, 5, 7)), QStringLiteral(" 9:05:07"));
    QCOMPARE(ClockText(QTime(23, 59, 0)), QStringLiteral(" 23:59:00"));
}

void TestMainWindow::cardSquareNumbersDoNotShow()
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

void TestMainWindow::startsWithoutDataPictures()
{
    TestWindow t(false);
    QVERIFY(t.state.pictures.Speelbord.isNull());
    QVERIFY(t.state.pictures.Overview.isNull());
    QVERIFY(t.dialogs.asked.isEmpty());  // no message
    QVERIFY(QFile::exists(t.state.settingsPath()));
}

void TestMainWindow::closeQuestion()
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

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
