// The card designer: wrapping and drawing a card, the window that edits the decks, and the card
// and money printers, to a PDF file and as real jobs through the CUPS PDF queue of
// scripts/start-cups (the money designer itself: test_money).
#include "files/projectfiles.h"
#include "drawing/banknote.h"
#include "printing/moneysheet.h"
#include "drawing/banknoteart.h"
#include "drawing/carddrawing.h"
#include "printing/cardsheets.h"
#include "windows/geldform.h"
#include "windows/kansform.h"
#include "drawing/banknotedesign.h"
#include "printing/bankprint.h"
#include "printing/printerpage.h"
#include "drawing/sharppicture.h"
#include "cardsupport.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <cmath>

class TestCards : public QObject
{
    Q_OBJECT
private slots:

    void everyDefaultTextBreaksOnlyAtItsSlashes()
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

    void wrapRules_data()
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
        QTest::newRow("the euro sign stays with its amount")
            << QString::fromUtf8("Betaal € 100,-") << QString::fromUtf8("Betaal € 1") << QStringList{"Betaal ", QString::fromUtf8("€ 100,-")};
    }

    void wrapRules()
    {
        QFETCH(QString, text);
        QFETCH(QString, fitting);
        QFETCH(QStringList, lines);
        const QFont font = CardTextFont();
        QCOMPARE(WrapLines(text, font, QFontMetrics(font).horizontalAdvance(fitting)), lines);
    }

    void longTextsWrapWithoutLoss_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("2000 characters of words") << QString("Betaal de rekening ").repeated(106).left(2000);
        QTest::newRow("2000 characters without a blank") << QString("W").repeated(2000);
        QTest::newRow("words and one giant word") << "Ga " + QString("x").repeated(300) + " naar Start";
    }

    void longTextsWrapWithoutLoss()
    {
        QFETCH(QString, text);
        const QStringList lines = WrapLines(text);
        QCOMPARE(lines.join(QString()), text);  // every character is on some line, in order
        const QFontMetrics metrics(CardTextFont());
        for (const QString &line : lines) {
            QVERIFY(!line.isEmpty());
            QVERIFY2(metrics.horizontalAdvance(QString(line).remove(QRegularExpression(" +$"))) <= CardTextWidth,
                     qPrintable(line));
        }
    }

    void noLineReachesTheInnerOutline_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("size");  // the card on screen, and printed at 300 dpi
        const QSize printed(1063, 690);   // 5100 x 3310 twips
        const QStringList texts = {
            QString::fromUtf8("Je hebt je kamer opgeruimd en de afwas gedaan, dus je ontvangt van iedere speler € 50,-"),
            QString("WWWW MMMM ").repeated(8), "Ga" + QString(90, ' ') + "terug / " + QString(40, ' ') + "x",
            QString("Betaal de rekening van de dokter ").repeated(12)};
        const char *names[] = {"a family's two lines", "wide letters", "hanging blanks", "more lines than fit"};
        for (int i = 0; i < 4; ++i) {
            QTest::addRow("%s on screen", names[i]) << texts[i] << QSize(320, 200);
            QTest::addRow("%s at 300 dpi", names[i]) << texts[i] << printed;
        }
    }

    void noLineReachesTheInnerOutline()
    {
        // Whatever the text, it changes the card only inside the dark inner outline (x 16..303,
        // y 16..183), a pixel clear of it, and no sixth line starts (y 170).
        QFETCH(QString, text);
        QFETCH(QSize, size);
        const auto draw = [&](QString t) { return RenderScaled({320, 200}, size, [&](QPainter &p) { DrawCard(p, 1, startBorder, t); }); };
        const QImage blank = draw(QString()), card = draw(text);
        const double sx = size.width() / 320.0, sy = size.height() / 200.0;
        const QRect allowed(QPoint(int(std::ceil(17 * sx - 0.5)), int(std::ceil(60 * sy - 0.5))),
                            QPoint(int(std::ceil(303 * sx - 0.5)) - 1, int(std::ceil(170 * sy - 0.5)) - 1));
        QRect ink;
        for (int y = 0; y < card.height(); ++y)
            for (int x = 0; x < card.width(); ++x)
                if (card.pixel(x, y) != blank.pixel(x, y))
                    ink |= QRect(x, y, 1, 1);
        QVERIFY(ink.isValid());
        QCOMPARE(allowed | ink, allowed);
    }

    void borderRedrawLeavesTitleAndTextAlone()
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

    void textsSitWhereTheirDeckSays()
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
        // The title: "Kans" starts at 1950 twips, "Algemeen Fonds" at 930, both at y 450.
        for (const auto &[subject, title, left] : {std::tuple{1, "Kans", 130}, std::tuple{2, "Algemeen Fonds", 62}}) {
            const QRect ink = inkBox(DrawCard(subject, startBorder, QString()), titleArea);
            QVERIFY2(ink.left() >= left && ink.left() <= left + 3 && ink.top() >= 30 && ink.top() <= 30 + 8,
                     qPrintable(QStringLiteral("%1,%2").arg(ink.left()).arg(ink.top())));
            QVERIFY(qAbs(ink.width() - QFontMetrics(CardTitleFont()).horizontalAdvance(title)) <= 4);
        }
    }

    void colourBarsAndEveryOpeningsStart()
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
        // The next opening starts on card 1 with the design's own border colour, kept with it.
        const RgbColour kept{0, 250, 200};
        KansForm second(f.state, f.dialogs, f.printers);
        QCOMPARE(second.windowTitle(), QStringLiteral("Kans Kaarten"));
        QCOMPARE(f.state.CardBorderColour, kept);
        QCOMPARE(second.HScroll1[1]->value(), 0);
        QCOMPARE(second.KaartLabel->text(), QStringLiteral("1 / 16"));
        QCOMPARE(second.Text2->text(), deck[1]);
        QCOMPARE(second.cardPicture(), DrawCard(1, kept, deck[1]));
        second.HScroll->setValue(16);
        QCOMPARE(second.KaartLabel->text(), QStringLiteral("16 / 16"));
        QCOMPARE(second.cardPicture(), DrawCard(1, kept, deck[16]));
    }

    void saveStoresTheTextAndMarksTheProject()
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

    void saveRefusesWhatTheDeckFileCannotHold_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("explains");
        QTest::newRow("double quote") << "Zeg \"kaas\"" << "aanhalingsteken";
        QTest::newRow("line break") << "Ga terug\nnaar Start" << "regelovergang";
        QTest::newRow("control character") << "Ga\tterug" << "stuurteken";
        QTest::newRow("outside Windows-1252") << QString::fromUtf16(u"Betaal ₤ 100") << QString::fromUtf16(u"₤");
        QTest::newRow("six lines") << "een/twee/drie/vier/vijf/zes" << "te lang voor de kaart: hij beslaat 6 regels";
        QTest::newRow("2000 characters") << QString("Betaal € 50,- per huis ").repeated(100).left(2000) << "te lang";
    }

    void saveRefusesWhatTheDeckFileCannotHold()
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

    // A refused character is explained in the window; nothing covers the buttons, so the very
    // next click on Save is Save's.
    void aRefusedCharacterLeavesTheButtonsFree()
    {
        DesignerSetup f;
        KansForm form(f.state, f.dialogs, f.printers);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.Text2->setFocus();
        form.Text2->end(false);
        QTest::keyClicks(form.Text2, QStringLiteral(" \"zo\""));
        const QString kept = f.state.project.KansDeck[1] + QStringLiteral(" zo");
        QCOMPARE(form.Text2->text(), kept);
        for (QWidget *top : QApplication::topLevelWidgets())
            for (QPushButton *b : {form.SaveKnop, form.PrintKnop, form.ExitKnop})
                QVERIFY2(top == &form || !top->isVisible()
                             || !top->frameGeometry().intersects(QRect(b->mapToGlobal(QPoint()), b->size())),
                         qPrintable(top->metaObject()->className() + QStringLiteral(" covers ") + b->text()));
        QVERIFY(form.RefusalLabel->isVisible());
        QVERIFY(form.RefusalLabel->text().contains(QStringLiteral("aanhalingsteken")));
        QTest::mouseClick(form.SaveKnop, Qt::LeftButton);
        QCOMPARE(f.state.project.KansDeck[1], kept);
        QVERIFY(!form.RefusalLabel->isVisible());  // the saved card is shown afresh
    }

    void deckPrintsFromAnyCardWithItsBorderColour()
    {
        Designer d(2);
        const QString out = d.printToFile();
        KansForm form(d.state, d.dialogs, d.printers);
        form.cardPause = 0;
        form.HScroll->setValue(5);
        form.HScroll1[1]->setValue(255);
        form.HScroll1[2]->setValue(0);
        form.HScroll1[3]->setValue(0);
        const CardDeck deckBefore = d.state.project.FondsDeck;
        d.dialogs.yesNoAnswers = {false, true};  // No prints nothing and leaves the designer at card 5
        QTest::mouseClick(form.PrintKnop, Qt::LeftButton);
        QVERIFY(!QFile::exists(out));
        QCOMPARE(form.HScroll->value(), 5);
        QTest::mouseClick(form.PrintKnop, Qt::LeftButton);
        QCOMPARE(d.dialogs.asked, QStringList(2, " Print|Wilt u deze 16 kaarten nu afdrukken?"));
        QCOMPARE(form.HScroll->value(), 16);
        QCOMPARE(form.KaartLabel->text(), QStringLiteral("16 / 16"));
        QVERIFY(!QGuiApplication::overrideCursor());  // the busy pointer is gone again
        QCOMPARE(d.state.project.FondsDeck, deckBefore);

        QCOMPARE(pdftools::pageCount(out), 2);
        for (int sheet = 1; sheet <= 2; ++sheet) {
            QVERIFY(pdftools::isA4(out, sheet));
            const QImage page = pdftools::renderPage(out, sheet, 96);
            auto is = [&page](QPoint at, const QColor &colour, bool yes = true) {
                QVERIFY2(near(page.pixelColor(at), colour) == yes, qPrintable(describe(page, at)));
            };
            for (int k = 1; k <= 8; ++k) {
                const QRectF slot = CardSheetSlot(8 * (sheet - 1) + k);
                // The border band lies 2..12 card pixels in from the edge (x 1.0625 across, x 1.1033 down).
                is(pixelOf(slot.topLeft()) + QPoint(8, 55), Qt::red);
                is(pixelOf(slot.topLeft()) + QPoint(40, 30), background);
                // The card fills its whole slot and no more.
                is(pixelOf(slot.bottomRight()) - QPoint(3, 3), Qt::red);
                is(pixelOf(slot.bottomRight()) + QPoint(3, 3), Qt::red, false);
            }
        }
    }

    void designerCannotBeChangedOrClosedWhilePrinting()
    {
        Designer d;
        d.printToFile();
        KansForm form(d.state, d.dialogs, d.printers);
        form.cardPause = 0.02f;
        form.show();
        bool checked = false, controlsOff = false, stayedOpen = false;
        QTimer::singleShot(60, &form, [&] {
            checked = form.isPrinting();
            controlsOff = !form.PrintKnop->isEnabled() && !form.SaveKnop->isEnabled() && !form.HScroll->isEnabled()
                && !form.Text2->isEnabled() && !form.HScroll1[1]->isEnabled() && !form.ExitKnop->isEnabled();
            form.reject();
            form.close();
            stayedOpen = form.isVisible();
        });
        form.PrintKnop->click();
        QVERIFY(checked && controlsOff && stayedOpen);
        QVERIFY(form.PrintKnop->isEnabled() && form.ExitKnop->isEnabled());
        QCOMPARE(d.dialogs.asked.size(), 1);
    }

    void deckAndMoneyThroughCups()
    {
        REQUIRE_CUPS();
        Designer d;
        QVERIFY(d.printers.selectPrinter("PDF"));
        d.printers.current().setPageOrientation(QPageLayout::Landscape);  // left in landscape by the user
        const QDateTime start = QDateTime::currentDateTime();
        {
            KansForm form(d.state, d.dialogs, d.printers);
            form.cardPause = 0;
            form.PrintKnop->click();
        }
        {
            GeldForm form(d.state, d.dialogs, d.printers);
            form.PrintKnop->click();
        }
        QCOMPARE(d.dialogs.asked.size(), 2);  // the two questions, no failure message

        const QStringList deck = waitForNamedJobs(start, QStringLiteral("Kans_Kaarten"), 1);
        const QStringList money = waitForNamedJobs(start, QStringLiteral("Speelgeld"), 1);
        QVERIFY(deck.size() == 1 && money.size() == 1);
        QCOMPARE(pdftools::pageCount(deck[0]), 2);
        QCOMPARE(pdftools::pageCount(money[0]), 1);
        QVERIFY(pdftools::isA4(deck[0], 1) && pdftools::isA4(deck[0], 2) && pdftools::isA4(money[0], 1));

        // The queue's printable area starts at its own margins: measure the printed block instead.
        // At 48 dpi a pixel is 30 twips.
        for (int sheet = 1; sheet <= 2; ++sheet) {
            const QImage page = pdftools::renderPage(deck[0], sheet, 48);
            const QRect box = contentBox(page);
            QVERIFY2(qAbs(box.width() - 10500 / 30) <= 3 && qAbs(box.height() - 15010 / 30) <= 3,
                     qPrintable(QStringLiteral("cards cover %1 x %2").arg(box.width()).arg(box.height())));
            // The last card of the sheet: its border band, green by default.
            const QPoint band = box.topLeft() + QPoint(5400 / 30 + 4, 11700 / 30 + 40);
            QVERIFY2(near(page.pixelColor(band), QColor(200, 250, 200), 20), qPrintable(describe(page, band)));
        }
        const QImage sheet = pdftools::renderPage(money[0], 1, 48);
        const QRect box = contentBox(sheet);
        QVERIFY2(qAbs(box.width() - 11100 / 30) <= 3 && qAbs(box.height() - 15330 / 30) <= 3,
                 qPrintable(QStringLiteral("notes cover %1 x %2").arg(box.width()).arg(box.height())));
        // Note 10, left of the ellipse: its background between the fine lines of its pattern,
        // which fall on one pixel or the next with the printer's margins.
        const QPoint ground = box.topLeft() + QPoint(5670 / 30 + 3, 12480 / 30 + 45);
        const int light = countWhere(sheet, QRect(ground - QPoint(2, 2), QSize(5, 5)),
                                     [](QRgb c) { return near(QColor(c), QColor(255, 255, 160), 30); });
        QVERIFY2(light >= 5, qPrintable(describe(sheet, ground)));
    }

    void printerThatGoesAwayGivesTheMessage()
    {
        REQUIRE_CUPS();
        const QString queue = QStringLiteral("VastgoedVerdwijnt%1").arg(QCoreApplication::applicationPid());
        if (!addPdfQueue(queue))
            QSKIP("cannot add a printer queue here");
        Designer d;
        QVERIFY(d.printers.selectPrinter(queue));
        d.dialogs.beforeAnswer = [&] { QProcess::execute("lpadmin", {"-x", queue}); };
        {
            KansForm form(d.state, d.dialogs, d.printers);
            form.cardPause = 0;
            form.HScroll->setValue(7);
            form.PrintKnop->click();
            QCOMPARE(form.HScroll->value(), 7);  // the designer stays where it was
            QVERIFY(!QGuiApplication::overrideCursor());
        }
        {
            GeldForm form(d.state, d.dialogs, d.printers);
            form.PrintKnop->click();
        }
        QProcess::execute("lpadmin", {"-x", queue});
        QCOMPARE(d.dialogs.asked, (QStringList{" Print|Wilt u deze 16 kaarten nu afdrukken?",
                                               " Error|Geen printer aanwezig of printer offline",
                                               " Print|Wilt u dit speelgeld nu afdrukken?",
                                               " Error|Geen printer aanwezig of offline"}));
    }
};

QTEST_MAIN(TestCards)
#include "test_cards.moc"
