// The card designer: wrapping and drawing of a card, and the window that edits the decks.
#include "app/projectfiles.h"
#include "cards/carddrawing.h"
#include "cards/kansform.h"
#include "testwindow.h"

#include <QFontMetrics>
#include <QRegularExpression>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {
const QColor background(225, 239, 217);
const QColor grey(160, 160, 160);
const QColor dark(80, 80, 80);
const RgbColour startBorder{200, 250, 200};

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
const QRect titleArea(16, 16, 288, 60);
}

class TestCards : public QObject
{
    Q_OBJECT
private slots:
    void everyDefaultTextBreaksOnlyAtItsSlashes();
    void wrapRules_data();
    void wrapRules();
    void longTextsWrapWithoutLoss_data();
    void longTextsWrapWithoutLoss();

    void borderRedrawLeavesTitleAndTextAlone();
    void linesAreCentredAndSpaced();
    void titleSitsWhereItsDeckSays();

    void colourBarsAndEveryOpeningsStart();
    void saveStoresTheTextAndMarksTheProject();
    void saveRefusesWhatTheDeckFileCannotHold_data();
    void saveRefusesWhatTheDeckFileCannotHold();
    void aVeryLongTextIsStoredAndDrawnWithoutHarm();
};

void TestCards::everyDefaultTextBreaksOnlyAtItsSlashes()
{
    // Each "/" starts a new line, the blanks beside it stay, and no line is wrapped further.
    Algemeen state;
    LoadDefaultContent(state);
    for (int n = 1; n <= 16; ++n)
        for (const QString &text : {state.project.KansDeck[n], state.project.FondsDeck[n]}) {
            QVERIFY(!text.isEmpty());
            QCOMPARE(WrapLines(text), text.split(QLatin1Char('/')));
        }
}

void TestCards::wrapRules_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fitting");  // the widest text that must still fit one line
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("breaks at the blank before the word that does not fit")
        << "aaaa bbbb cccc" << "aaaa bbbb ccc" << QStringList{"aaaa bbbb ", "cccc"};
    QTest::newRow("the blanks hang at the end of the first line")
        << "aaaa   bbbb" << "aaaa   bbb" << QStringList{"aaaa   ", "bbbb"};
    QTest::newRow("a word longer than the line is broken inside")
        << "abcdefghij" << "abcdef" << QStringList{"abcdef", "ghij"};
    QTest::newRow("a long word after a short one starts on its own line")
        << "ab cdefghijkl" << "cdefgh" << QStringList{"ab ", "cdefgh", "ijkl"};
    QTest::newRow("slashes are breaks, even twice") << "a//b" << "a" << QStringList{"a", "", "b"};
    QTest::newRow("a slash at the end opens no line") << "a b/" << "a b" << QStringList{"a b"};
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
    QCOMPARE(WrapLines(text, font, QFontMetrics(font).horizontalAdvance(fitting)), lines);
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
    for (const QString &line : lines) {
        QVERIFY(!line.isEmpty());
        QVERIFY2(metrics.horizontalAdvance(QString(line).remove(QRegularExpression(" +$"))) <= CardWrapUsableWidth,
                 qPrintable(line));
    }
}

void TestCards::borderRedrawLeavesTitleAndTextAlone()
{
    QImage card = DrawCard(2, startBorder, QStringLiteral("U erft € 1000,-"));
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
    const QRect a = inkBox(DrawCard(1, startBorder, "HHHH"), textArea);
    const QRect b = inkBox(DrawCard(1, startBorder, "/HHHH"), textArea);
    const QRect c = inkBox(DrawCard(1, startBorder, "//HHHH"), textArea);
    // The first line's text starts at y = 1200 twips (80 pixels); lines are 270 twips apart.
    QVERIFY2(a.top() >= 80 && a.top() <= 80 + 6, qPrintable(QString::number(a.top())));
    QCOMPARE(b.top() - a.top(), 18);
    QCOMPARE(c.top() - a.top(), 36);
    QCOMPARE(b.left(), a.left());
    // Centred on x = 2400 twips (160 pixels).
    QVERIFY2(qAbs((a.left() + a.right() + 1) / 2.0 - 160) <= 1.5,
             qPrintable(QStringLiteral("%1..%2").arg(a.left()).arg(a.right())));
    // Blanks at the ends count for the centring but are not drawn.
    QVERIFY(inkBox(DrawCard(1, startBorder, "HHHH    "), textArea).left() < a.left());
}

void TestCards::titleSitsWhereItsDeckSays()
{
    // "Kans" starts at 1950 twips, "Algemeen Fonds" at 930.
    for (const auto &[subject, title, left] : {std::tuple{1, "Kans", 130}, std::tuple{2, "Algemeen Fonds", 62}}) {
        const QRect ink = inkBox(DrawCard(subject, startBorder, QString()), titleArea);
        QVERIFY2(ink.left() >= left && ink.left() <= left + 3, qPrintable(QString::number(ink.left())));
        QVERIFY2(ink.top() >= 30 && ink.top() <= 30 + 8, qPrintable(QString::number(ink.top())));
        QVERIFY(qAbs(ink.width() - QFontMetrics(CardTitleFont()).horizontalAdvance(title)) <= 4);
    }
}

void TestCards::colourBarsAndEveryOpeningsStart()
{
    DesignerSetup f;
    const CardDeck &deck = f.state.project.KansDeck;
    {
        KansForm first(f.state, f.dialogs, f.printers);
        first.HScroll1[1]->setValue(0);
        QCOMPARE(first.KleurLabel[1]->text(), QStringLiteral("R: 0"));
        QCOMPARE(f.state.CardBorderColour, (RgbColour{0, 250, 200}));
        QCOMPARE(first.cardPicture(), DrawCard(1, RgbColour{0, 250, 200}, deck[1]));
        first.HScroll->setValue(2);  // the next card keeps the colour
        QCOMPARE(first.cardPicture(), DrawCard(1, RgbColour{0, 250, 200}, deck[2]));
    }
    // Every opening starts on card 1 with the border at 200, 250, 200.
    KansForm second(f.state, f.dialogs, f.printers);
    QCOMPARE(second.windowTitle(), QStringLiteral("Kans Kaarten"));
    QCOMPARE(f.state.CardBorderColour, startBorder);
    QCOMPARE(second.HScroll1[1]->value(), 200);
    QCOMPARE(second.KaartLabel->text(), QStringLiteral("1 / 16"));
    QCOMPARE(second.Text2->text(), deck[1]);
    QCOMPARE(second.cardPicture(), DrawCard(1, startBorder, deck[1]));
    second.HScroll->setValue(16);
    QCOMPARE(second.KaartLabel->text(), QStringLiteral("16 / 16"));
    QCOMPARE(second.cardPicture(), DrawCard(1, startBorder, deck[16]));
}

void TestCards::saveStoresTheTextAndMarksTheProject()
{
    DesignerSetup f(2);
    KansForm form(f.state, f.dialogs, f.printers);
    // An edit not saved is dropped by scrolling away and back; typing alone does not redraw.
    const QImage shown = form.cardPicture();
    form.Text2->setText(QStringLiteral("Nieuwe tekst"));
    QCOMPARE(form.cardPicture(), shown);
    form.HScroll->setValue(2);
    form.HScroll->setValue(1);
    QCOMPARE(form.Text2->text(), f.state.project.FondsDeck[1]);
    QVERIFY(!f.state.UnsavedChanges);

    const QString text = QStringLiteral("Ga verder naar Start / Ontvang € 200,-");
    form.HScroll->setValue(16);
    form.Text2->setText(text);
    QTest::mouseClick(form.SaveKnop, Qt::LeftButton);
    QCOMPARE(f.state.project.FondsDeck[16], text);
    QVERIFY(f.state.UnsavedChanges);
    QCOMPARE(form.cardPicture(), DrawCard(2, startBorder, text));
    QVERIFY(f.dialogs.asked.isEmpty());

    // Saving the text as it is stored changes nothing worth saving.
    f.state.UnsavedChanges = false;
    QTest::mouseClick(form.SaveKnop, Qt::LeftButton);
    QVERIFY(!f.state.UnsavedChanges);

    // An empty text is stored empty; the title stays on the card.
    form.HScroll->setValue(4);
    form.Text2->clear();
    QTest::mouseClick(form.SaveKnop, Qt::LeftButton);
    QCOMPARE(f.state.project.FondsDeck[4], QString());
    QVERIFY(f.state.UnsavedChanges);
    QVERIFY(inkBox(form.cardPicture(), textArea, 200).isEmpty());
    QVERIFY(!inkBox(form.cardPicture(), titleArea).isEmpty());
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
    DesignerSetup f;
    KansForm form(f.state, f.dialogs, f.printers);
    const QString stored = f.state.project.KansDeck[1];
    form.Text2->setText(text);  // not typed: the stored text is checked all the same
    QTest::mouseClick(form.SaveKnop, Qt::LeftButton);
    if (form.Text2->text() != text) {
        // The field did not take the character: what was saved is what it shows, and storable.
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
    DesignerSetup f;
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
