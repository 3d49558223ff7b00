// The card designer: wrapping and drawing of a card, and the window that edits the decks.
#include "app/defaultcontent.h"
#include "app/mainwindow.h"
#include "app/projectfiles.h"
#include "app/recordfile.h"
#include "cards/carddrawing.h"
#include "cards/kansform.h"
#include "platform/printers.h"
#include "scripteddialogs.h"

#include <QAction>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

namespace {
const QColor background(225, 239, 217);
const QColor grey(160, 160, 160);
const QColor dark(80, 80, 80);

// The box around every pixel of `image` inside `area` that is darker than `limit` (text).
QRect inkBox(const QImage &image, const QRect &area, int limit = 128)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < limit)
                box |= QRect(x, y, 1, 1);
    return box;
}

// The inside of the card, within the dark inner outlines, below the title.
const QRect textArea(16, 60, 288, 124);

struct Fixture {
    QTemporaryDir folder;
    Algemeen state;
    ScriptedDialogs dialogs;
    SystemPrinters printers;
    Fixture(int subject = 1)
    {
        state.ProgramFolder = folder.path();
        LoadDefaultContent(state);
        state.ActiveSubject = quint8(subject);
    }
};
}

class TestCards : public QObject
{
    Q_OBJECT
private slots:
    // Wrapping
    void everyDefaultTextBreaksOnlyAtItsSlashes_data();
    void everyDefaultTextBreaksOnlyAtItsSlashes();
    void wrapRules_data();
    void wrapRules();
    void longTextsWrapWithoutLoss_data();
    void longTextsWrapWithoutLoss();

    // Drawing
    void framePixels_data();
    void framePixels();
    void borderRedrawLeavesTitleAndTextAlone();
    void linesAreCentredAndSpaced();
    void titleSitsWhereItsDeckSays_data();
    void titleSitsWhereItsDeckSays();

    // The window
    void opensOnCardOneOfItsDeck_data();
    void opensOnCardOneOfItsDeck();
    void borderColourStartsAt200_250_200EveryOpening();
    void unstorableCharactersAreRefusedAsTyped();
    void colourScrollBarsSetTheBorder_data();
    void colourScrollBarsSetTheBorder();
    void scrollingDropsAnUnsavedEdit();
    void saveStoresTheTextAndMarksTheProject();
    void saveOfAnEmptyTextStoresItEmpty();
    void saveRefusesWhatTheDeckFileCannotHold_data();
    void saveRefusesWhatTheDeckFileCannotHold();
    void aVeryLongTextIsStoredAndDrawnWithoutHarm();
};

void TestCards::everyDefaultTextBreaksOnlyAtItsSlashes_data()
{
    QTest::addColumn<QString>("text");
    Algemeen state;
    LoadDefaultContent(state);
    for (int n = 1; n <= 16; ++n) {
        QTest::addRow("Kans %d", n) << state.project.KansDeck[n];
        QTest::addRow("Algemeen Fonds %d", n) << state.project.FondsDeck[n];
    }
}

void TestCards::everyDefaultTextBreaksOnlyAtItsSlashes()
{
    QFETCH(QString, text);
    QVERIFY(!text.isEmpty());
    // Each "/" starts a new line, the blanks beside it stay, and no line is wrapped further.
    QCOMPARE(WrapLines(text), text.split(QLatin1Char('/')));
}

void TestCards::wrapRules_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fitting");  // the widest text that must still fit one line
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("breaks at the blank before the word that does not fit")
        << "aaaa bbbb cccc" << "aaaa bbbb ccc" << QStringList{"aaaa bbbb ", "cccc"};
    QTest::newRow("the blank hangs at the end of the first line")
        << "aaaa   bbbb" << "aaaa   bbb" << QStringList{"aaaa   ", "bbbb"};
    QTest::newRow("a word longer than the line is broken inside")
        << "abcdefghij" << "abcdef" << QStringList{"abcdef", "ghij"};
    QTest::newRow("a long word after a short one starts on its own line")
        << "ab cdefghijkl" << "cdefgh" << QStringList{"ab ", "cdefgh", "ijkl"};
    QTest::newRow("slashes are breaks, even twice") << "a//b" << "a" << QStringList{"a", "", "b"};
    QTest::newRow("a slash at the end opens no line") << "a b/" << "a b" << QStringList{"a b"};
    QTest::newRow("a slash alone is one empty line") << "/" << "a" << QStringList{""};
    QTest::newRow("blanks beside a slash stay") << "a / b" << "a b" << QStringList{"a ", " b"};
    QTest::newRow("line breaks in the text are breaks too") << "a\r\nb\nc" << "a" << QStringList{"a", "b", "c"};
    QTest::newRow("empty text has no lines") << "" << "a" << QStringList{};
    QTest::newRow("blanks only are one line") << "   " << "a" << QStringList{"   "};
}

void TestCards::wrapRules()
{
    QFETCH(QString, text);
    QFETCH(QString, fitting);
    QFETCH(QStringList, lines);
    const QFont font = CardWrapFont();
    const int width = QFontMetrics(font).horizontalAdvance(fitting);
    QCOMPARE(WrapLines(text, font, width), lines);
}

void TestCards::longTextsWrapWithoutLoss_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("2000 characters of words") << QString("Betaal de rekening ").repeated(106).left(2000);
    QTest::newRow("2000 characters without a blank") << QString("W").repeated(2000);
    QTest::newRow("2000 blanks") << QString(2000, QLatin1Char(' '));
    QTest::newRow("words and one giant word") << "Ga " + QString("x").repeated(300) + " naar Start";
}

void TestCards::longTextsWrapWithoutLoss()
{
    QFETCH(QString, text);
    const QStringList lines = WrapLines(text);
    QCOMPARE(lines.join(QString()), text);  // every character is on some line, in order
    const QFontMetrics metrics(CardWrapFont());
    for (int i = 0; i < lines.size(); ++i) {
        QString visible = lines[i];
        while (visible.endsWith(QLatin1Char(' ')))
            visible.chop(1);
        QVERIFY2(metrics.horizontalAdvance(visible) <= CardWrapUsableWidth, qPrintable(lines[i]));
        QVERIFY(!lines[i].isEmpty());
    }
}

void TestCards::framePixels_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    const QColor border(10, 20, 30);
    QTest::newRow("grey outline, top left") << QPoint(0, 0) << grey;
    QTest::newRow("grey outline, bottom right") << QPoint(319, 199) << grey;
    QTest::newRow("inside the grey outline") << QPoint(1, 1) << background;
    QTest::newRow("band, outer edge") << QPoint(2, 2) << border;
    QTest::newRow("band, inner edge") << QPoint(12, 12) << border;
    QTest::newRow("band, bottom right inner edge") << QPoint(307, 187) << border;
    QTest::newRow("between band and inner outlines") << QPoint(13, 13) << background;
    QTest::newRow("first dark outline") << QPoint(14, 14) << dark;
    QTest::newRow("second dark outline") << QPoint(15, 100) << dark;
    QTest::newRow("inside the card") << QPoint(16, 16) << background;
}

void TestCards::framePixels()
{
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    const QImage card = DrawCard(1, RgbColour{10, 20, 30}, QString());
    QCOMPARE(card.size(), QSize(320, 200));
    QCOMPARE(card.pixelColor(at), colour);
}

void TestCards::borderRedrawLeavesTitleAndTextAlone()
{
    QImage card = DrawCard(2, RgbColour{200, 250, 200}, QStringLiteral("U erft € 1000,-"));
    const QImage before = card;
    DrawCardBorder(card, RgbColour{255, 0, 0});
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 320; ++x) {
            const bool inBand = x >= 2 && y >= 2 && x <= 317 && y <= 197 && !(x > 12 && y > 12 && x < 307 && y < 187);
            if (inBand)
                QCOMPARE(card.pixelColor(x, y), QColor(255, 0, 0));
            else if (card.pixel(x, y) != before.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 outside the band changed").arg(x).arg(y)));
        }
}

void TestCards::linesAreCentredAndSpaced()
{
    const RgbColour border{200, 250, 200};
    const QImage one = DrawCard(1, border, QStringLiteral("HHHH"));
    const QImage second = DrawCard(1, border, QStringLiteral("/HHHH"));
    const QImage third = DrawCard(1, border, QStringLiteral("//HHHH"));
    const QRect a = inkBox(one, textArea), b = inkBox(second, textArea), c = inkBox(third, textArea);
    QVERIFY(!a.isEmpty());
    // The first line's text starts at y = 1200 twips (80 pixels); lines are 270 twips apart.
    QVERIFY2(a.top() >= 80 && a.top() <= 80 + 6, qPrintable(QString::number(a.top())));
    QCOMPARE(b.top() - a.top(), 18);
    QCOMPARE(c.top() - a.top(), 36);
    QCOMPARE(b.left(), a.left());
    // Centred on x = 2400 twips (160 pixels).
    QVERIFY2(qAbs((a.left() + a.right() + 1) / 2.0 - 160) <= 1.5,
             qPrintable(QStringLiteral("%1..%2").arg(a.left()).arg(a.right())));
    // Blanks at the ends count for the centring but are not drawn: a trailing blank moves the
    // line half a blank to the left.
    const QImage trailing = DrawCard(1, border, QStringLiteral("HHHH    "));
    QVERIFY(inkBox(trailing, textArea).left() < a.left());
}


void TestCards::titleSitsWhereItsDeckSays_data()
{
    QTest::addColumn<int>("subject");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("left");  // pixels: 1950 and 930 twips
    QTest::newRow("Kans") << 1 << "Kans" << 130;
    QTest::newRow("Algemeen Fonds") << 2 << "Algemeen Fonds" << 62;
}

void TestCards::titleSitsWhereItsDeckSays()
{
    QFETCH(int, subject);
    QFETCH(QString, title);
    QFETCH(int, left);
    QCOMPARE(CardTitle(subject), title);
    const QImage card = DrawCard(subject, RgbColour{200, 250, 200}, QString());
    const QRect ink = inkBox(card, QRect(16, 16, 288, 60));
    QVERIFY2(ink.left() >= left && ink.left() <= left + 3, qPrintable(QString::number(ink.left())));
    QVERIFY2(ink.top() >= 30 && ink.top() <= 30 + 8, qPrintable(QString::number(ink.top())));
    const int expectedWidth = QFontMetrics(CardTitleFont()).horizontalAdvance(title);
    QVERIFY(qAbs(ink.width() - expectedWidth) <= 4);
}

void TestCards::opensOnCardOneOfItsDeck_data()
{
    QTest::addColumn<int>("subject");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Kans") << 1 << "Kans Kaarten";
}

void TestCards::opensOnCardOneOfItsDeck()
{
    QFETCH(int, subject);
    QFETCH(QString, caption);
    Fixture f(subject);
    const CardDeck &deck = subject == 1 ? f.state.project.KansDeck : f.state.project.FondsDeck;
    KansForm form(f.state, f.dialogs, f.printers);
    QCOMPARE(form.windowTitle(), caption);
    QCOMPARE(form.Text2->text(), deck[1]);
    QCOMPARE(form.HScroll->value(), 1);
    QCOMPARE(form.KaartLabel->text(), QStringLiteral("1 / 16"));
    QCOMPARE(form.cardPicture(), DrawCard(subject, RgbColour{200, 250, 200}, deck[1]));
    form.HScroll->setValue(16);
    QCOMPARE(form.KaartLabel->text(), QStringLiteral("16 / 16"));
    QCOMPARE(form.Text2->text(), deck[16]);
    QCOMPARE(form.cardPicture(), DrawCard(subject, RgbColour{200, 250, 200}, deck[16]));
}

void TestCards::unstorableCharactersAreRefusedAsTyped()
{
    Fixture f(1);
    KansForm form(f.state, f.dialogs, f.printers);
    form.Text2->clear();
    QTest::keyClicks(form.Text2, QStringLiteral("Zeg \"ja\" "));
    form.Text2->insert(QString::fromUtf8("Łódź"));  // as pasted
    QCOMPARE(form.Text2->text(), QString::fromUtf8("Zeg ja ódź").remove(QChar(0x017A)));
    QVERIFY(!form.Text2->property("storableTextMessage").toString().isEmpty());  // the user is told why
}

void TestCards::borderColourStartsAt200_250_200EveryOpening()
{
    Fixture f;
    {
        KansForm first(f.state, f.dialogs, f.printers);
        first.HScroll1[1]->setValue(3);
        first.HScroll1[2]->setValue(4);
        first.HScroll1[3]->setValue(5);
        QCOMPARE(f.state.CardBorderColour, (RgbColour{3, 4, 5}));
    }
    KansForm second(f.state, f.dialogs, f.printers);
    QCOMPARE(f.state.CardBorderColour, (RgbColour{200, 250, 200}));
    QCOMPARE(second.KleurLabel[2]->text(), QStringLiteral("G: 250"));
    QCOMPARE(second.HScroll1[2]->value(), 250);
    QCOMPARE(second.cardPicture().pixelColor(7, 7), QColor(200, 250, 200));
}

void TestCards::colourScrollBarsSetTheBorder_data()
{
    QTest::addColumn<int>("bar");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QColor>("band");
    QTest::newRow("red to 0") << 1 << 0 << "R: 0" << QColor(0, 250, 200);
}

void TestCards::colourScrollBarsSetTheBorder()
{
    QFETCH(int, bar);
    QFETCH(int, value);
    QFETCH(QString, caption);
    QFETCH(QColor, band);
    Fixture f;
    KansForm form(f.state, f.dialogs, f.printers);
    form.HScroll1[bar]->setValue(value);
    QCOMPARE(form.KleurLabel[bar]->text(), caption);
    QCOMPARE(QColor(f.state.CardBorderColour.red, f.state.CardBorderColour.green, f.state.CardBorderColour.blue), band);
    for (const QPoint p : {QPoint(2, 2), QPoint(12, 100), QPoint(307, 187), QPoint(160, 197)})
        QCOMPARE(form.cardPicture().pixelColor(p), band);
    QCOMPARE(form.cardPicture().pixelColor(14, 14), dark);
    // The next card keeps the colour.
    form.HScroll->setValue(2);
    QCOMPARE(form.cardPicture().pixelColor(7, 7), band);
}

void TestCards::scrollingDropsAnUnsavedEdit()
{
    Fixture f;
    KansForm form(f.state, f.dialogs, f.printers);
    const QString stored = f.state.project.KansDeck[1];
    const QImage shown = form.cardPicture();
    form.Text2->setText(QStringLiteral("Nieuwe tekst"));
    QCOMPARE(form.cardPicture(), shown);  // typing does not redraw
    form.HScroll->setValue(2);
    form.HScroll->setValue(1);
    QCOMPARE(form.Text2->text(), stored);
    QCOMPARE(f.state.project.KansDeck[1], stored);
    QVERIFY(!f.state.UnsavedChanges);
}

void TestCards::saveStoresTheTextAndMarksTheProject()
{
    Fixture f(2);
    KansForm form(f.state, f.dialogs, f.printers);
    form.HScroll->setValue(16);
    form.Text2->setText(QStringLiteral("Ga verder naar Start / Ontvang € 200,-"));
    QTest::mouseClick(form.SaveKnop, Qt::LeftButton);
    QCOMPARE(f.state.project.FondsDeck[16], QStringLiteral("Ga verder naar Start / Ontvang € 200,-"));
    QVERIFY(f.state.UnsavedChanges);
    QCOMPARE(form.cardPicture(), DrawCard(2, RgbColour{200, 250, 200}, f.state.project.FondsDeck[16]));
    form.HScroll->setValue(1);
    form.HScroll->setValue(16);
    QCOMPARE(form.Text2->text(), QStringLiteral("Ga verder naar Start / Ontvang € 200,-"));
    QCOMPARE(form.KaartLabel->text(), QStringLiteral("16 / 16"));
    QVERIFY(f.dialogs.asked.isEmpty());

    // Saving the text as it is stored changes nothing worth saving.
    f.state.UnsavedChanges = false;
    QTest::mouseClick(form.SaveKnop, Qt::LeftButton);
    QVERIFY(!f.state.UnsavedChanges);
}

void TestCards::saveOfAnEmptyTextStoresItEmpty()
{
    Fixture f;
    KansForm form(f.state, f.dialogs, f.printers);
    form.HScroll->setValue(4);
    form.Text2->clear();
    QTest::mouseClick(form.SaveKnop, Qt::LeftButton);
    QCOMPARE(f.state.project.KansDeck[4], QString());
    QVERIFY(f.state.UnsavedChanges);
    QVERIFY(inkBox(form.cardPicture(), textArea, 200).isEmpty());
    QVERIFY(!inkBox(form.cardPicture(), QRect(16, 16, 288, 60)).isEmpty());  // the title stays
}

void TestCards::saveRefusesWhatTheDeckFileCannotHold_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("explains");
    QTest::newRow("double quote") << "Zeg \"kaas\"" << "aanhalingsteken";
    QTest::newRow("line break") << "Ga terug\nnaar Start" << "regelovergang";
    QTest::newRow("control character") << "Ga\tterug" << "stuurteken";
    QTest::newRow("outside Windows-1252") << QString::fromUtf16(u"Betaal ₤ 100") << QString::fromUtf16(u"₤");
}

void TestCards::saveRefusesWhatTheDeckFileCannotHold()
{
    QFETCH(QString, text);
    QFETCH(QString, explains);
    Fixture f;
    KansForm form(f.state, f.dialogs, f.printers);
    const QString stored = f.state.project.KansDeck[1];
    // The line edit holds no line break of its own; the stored text is checked all the same.
    form.Text2->setText(text);
    QTest::mouseClick(form.SaveKnop, Qt::LeftButton);
    if (form.Text2->text() != text) {
        // The field did not take the character (its guard, or the line edit itself): what was
        // saved is what it shows, and the project can keep it.
        QCOMPARE(f.state.project.KansDeck[1], form.Text2->text());
        QVERIFY(FirstRefusedCharacter(form.Text2->text()).isNull());
        QVERIFY(f.dialogs.asked.isEmpty());
        return;
    }
    QCOMPARE(f.state.project.KansDeck[1], stored);
    QVERIFY(!f.state.UnsavedChanges);
    QCOMPARE(f.dialogs.asked.size(), 1);
    QVERIFY2(f.dialogs.asked[0].startsWith(" Save|") && f.dialogs.asked[0].contains(explains),
             qPrintable(f.dialogs.asked[0]));
}

void TestCards::aVeryLongTextIsStoredAndDrawnWithoutHarm()
{
    Fixture f;
    KansForm form(f.state, f.dialogs, f.printers);
    const QString text = QString("Betaal € 50,- per huis ").repeated(100).left(2000);
    form.Text2->setText(text);
    QTest::mouseClick(form.SaveKnop, Qt::LeftButton);
    QCOMPARE(f.state.project.KansDeck[1], text);
    // The lines run over the inner outlines and off the card; the frame above them is intact.
    QCOMPARE(form.cardPicture().pixelColor(0, 0), grey);
    QCOMPARE(form.cardPicture().pixelColor(14, 14), dark);
    QVERIFY(!inkBox(form.cardPicture(), QRect(16, 186, 288, 12)).isEmpty());
}



QTEST_MAIN(TestCards)
#include "test_cards.moc"
