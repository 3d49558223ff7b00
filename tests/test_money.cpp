// The money designer: the bank of notes, the banknote with its amount colours, background and
// pictures, and printing its sheets.
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

class TestMoney : public QObject
{
    Q_OBJECT
private slots:

    // A whole bank: 2 x 500, 2 x 100, 2 x 50, 6 x 20, 5 x 10, 5 x 5 and 5 x 1 a player (EUR 1,500)
    // and a bank reserve of the same again, ten notes a sheet.
    void bankCountsAndSheets_data()
    {
        QTest::addColumn<int>("players");
        QTest::addColumn<QList<int>>("notes");  // 1, 5, 10, 20, 50, 100, 500
        QTest::addColumn<int>("sheets");
        QTest::newRow("4 players") << 4 << QList<int>{40, 40, 40, 48, 16, 16, 16} << 4 + 4 + 4 + 5 + 2 + 2 + 2;
        QTest::newRow("2 players") << 2 << QList<int>{20, 20, 20, 24, 8, 8, 8} << 2 + 2 + 2 + 3 + 1 + 1 + 1;
    }

    void bankCountsAndSheets()
    {
        QFETCH(int, players);
        QFETCH(QList<int>, notes);
        QFETCH(int, sheets);
        const std::vector<BankNote> bank = DefaultBank();
        int start = 0;
        for (size_t i = 0; i < bank.size(); ++i) {
            QCOMPARE(NotesForGame(bank[i], players), notes[qsizetype(i)]);
            start += bank[i].perPlayer * QString(bank[i].amount).remove(QRegularExpression("[^0-9]")).toInt();
        }
        QCOMPARE(start, 1500);
        const std::vector<BankSheet> plan = BankSheets(bank, players);
        QCOMPARE(int(plan.size()), sheets);
        QList<int> printed(7, 0);
        for (const BankSheet &s : plan) {
            QVERIFY(s.count >= 1 && s.count <= 10);
            printed[s.note] += s.count;
        }
        QCOMPARE(printed, notes);
        QVERIFY(BankSheetLabel(bank[6], plan.back(), players).startsWith(QStringLiteral("€ 500,-: blad %1 van %1").arg(plan.back().sheets)));
    }

    // The designer steps through the bank; each note keeps its own amount, colour and
    // background, the shown picture is always the note's own drawing, and the game's title
    // takes the corners.
    void designerStepsThroughTheBank()
    {
        Designer f(1, true);
        f.state.game.title = QStringLiteral("BEEKSTAD");
        GeldForm form(f.state, f.dialogs, f.printers);
        QCOMPARE(form.currentNote(), 6);
        QCOMPARE(form.BiljetLabel->text(), QStringLiteral("Biljet 7 / 7"));
        QVERIFY(!form.VolgendeKnop->isEnabled());
        form.VorigeKnop->click();
        QCOMPARE(form.Text1->text(), QStringLiteral("€ 100,-"));
        form.HScroll->setValue(13);
        form.ColorScroll[2]->setValue(40);
        form.VorigeKnop->click();
        form.HScroll1->setValue(2);  // a ready-made picture for the 50
        form.Text1->setText(QStringLiteral("€ 50,- !"));  // typed over the picture
        form.VolgendeKnop->click();
        QCOMPARE(form.Text1->text(), QStringLiteral("€ 100,-"));
        QCOMPARE(form.HScroll->value(), 13);
        QCOMPARE(form.ColorScroll[2]->value(), 40);
        const std::vector<BankNote> &bank = form.bank();
        QCOMPARE(bank[5].amountColour, 13);
        QCOMPARE(bank[5].background.green, 40);
        QCOMPARE(bank[4].picture, 2);
        QVERIFY(bank[4].amountOverPicture);
        for (int i : {5, 4, 0}) {
            form.showNote(i);
            QCOMPARE(form.notePicture(), BankNoteDrawing(bank[size_t(i)], "BEEKSTAD", form.euroStrip()).picture());
        }
        // The title in the corners, not the program's own words.
        const QImage own = form.notePicture();
        QImage plain = own;
        PlaatsBedrag(plain, bank[0].amount, AmountColour(bank[0].amountColour), bank[0].background);
        QVERIFY(plain.copy(QRect(200, 19, 190, 20)) != own.copy(QRect(200, 19, 190, 20)));
        QCOMPARE(f.state.game.bank, DefaultBank());  // the design changes when the window closes
    }
    void noteOpensAsTheDefaultAndFollowsItsBackground()
    {
        Designer f(1, true);
        GeldForm form(f.state, f.dialogs, f.printers);
        QCOMPARE(form.Text1->text(), QStringLiteral("€ 500,-"));
        const QImage &note = form.notePicture();
        // Grey outline, yellow ground, the first inner outline black at opening, dots and ellipses.
        const QColor black(Qt::black);
        const QList<QPair<QPoint, QColor>> pixels = {
            {{0, 0}, QColor(160, 160, 160)}, {{5, 5}, noteYellow},  {{10, 100}, black}, {{12, 12}, noteYellow},
            {{15, 15}, black},               {{383, 183}, black},   {{100, 100}, black}, {{298, 100}, black}};
        for (const auto &[at, colour] : pixels)
            QVERIFY2(note.pixelColor(at) == colour, qPrintable(describe(note, at)));
        // The amount centred in red; the corner words white, their dark red copy one pixel lower and right.
        const QRect red = boxWhere(note, AmountBand(), [](QRgb c) { return c == qRgb(255, 0, 0); });
        QVERIFY(!red.isEmpty());
        QVERIFY2(qAbs((red.left() + red.right() + 1) / 2.0 - 200) <= 2,
                 qPrintable(QStringLiteral("%1..%2").arg(red.left()).arg(red.right())));
        QVERIFY(red.top() >= 85 && red.bottom() <= 116);
        QVERIFY(pixelsOf(note, QRect(19, 19, 100, 18), Qt::white) > 20);
        QVERIFY(pixelsOf(note, QRect(20, 20, 100, 18), QColor(120, 0, 0)) > 20);
        QVERIFY(pixelsOf(note, QRect(286, 163, 100, 18), QColor(120, 0, 0)) > 20);
        QCOMPARE(pixelsOf(note, QRect(0, 0, 19, 200), Qt::white), 0);

        // A new background redraws the whole note, the first inner outline dark grey now.
        form.ColorScroll[1]->setValue(120);
        QCOMPARE(form.NoteBackColour, (RgbColour{120, 255, 160}));
        QCOMPARE(note.pixelColor(0, 0), QColor(160, 160, 160));
        QCOMPARE(note.pixelColor(10, 100), QColor(80, 80, 80));
        QCOMPARE(note.pixelColor(16, 15), QColor(120, 255, 160));
        QCOMPARE(note.pixelColor(15, 15), QColor(Qt::black));
        QVERIFY(pixelsOf(note, AmountBand(), QColor(255, 0, 0)) > 40);
        QCOMPARE(pixelsOf(note, QRect(0, 0, 400, 200), noteYellow), 0);
    }

    void newAmountErasesTheOldOneWhole()
    {
        Designer f(1, true);
        GeldForm typed(f.state, f.dialogs, f.printers);
        GeldForm direct(f.state, f.dialogs, f.printers);
        const QImage opened = typed.notePicture();
        typed.Text1->selectAll();
        QTest::keyClicks(typed.Text1, QString(20, QLatin1Char('W')));  // the box takes 15 characters at most
        QCOMPARE(typed.Text1->text(), QString(15, QLatin1Char('W')));
        // However wide the amount (15 W's, a long number), nothing outside the band changes, and a
        // shorter one after it leaves nothing of it behind.
        for (const QString &wide : {QString(15, QLatin1Char('W')), QStringLiteral("€ 1000000,-")}) {
            typed.Text1->setText(wide);
            const QImage note = typed.notePicture();
            for (int y = 0; y < 200; ++y)
                for (int x = 0; x < 400; ++x)
                    if (!AmountBand().contains(x, y) && note.pixel(x, y) != opened.pixel(x, y))
                        QFAIL(qPrintable(QStringLiteral("pixel %1,%2 outside the band").arg(x).arg(y)));
            typed.Text1->setText(QStringLiteral("€ 5,-"));
            direct.Text1->setText(QStringLiteral("€ 5,-"));
            QCOMPARE(typed.notePicture(), direct.notePicture());
        }
    }

    void euroPicturesUnderTheAmount()
    {
        Designer f(1, true);
        GeldForm form(f.state, f.dialogs, f.printers);
        const QImage strip = DrawBanknoteStrip();
        QCOMPARE(form.euroStrip(), strip);
        for (const int k : {0, 7, 1}) {  // the bar starts at 1: picture 1 shows after moving away and back
            form.HScroll1->setValue(k);
            const QImage &note = form.notePicture();
            for (int y = 1; y < 199; y += 3)
                for (int x = 1; x < 399; x += 3)
                    if (note.pixel(x, y) != strip.pixel(x, 200 * k + y))
                        QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs from strip row %3").arg(x).arg(y).arg(200 * k + y)));
            for (const QPoint p : {QPoint(0, 0), QPoint(399, 0), QPoint(0, 199), QPoint(399, 199), QPoint(200, 0)})
                QCOMPARE(note.pixelColor(p), QColor(Qt::black));
        }
        // No amount until one is typed; then it is drawn on a band of the background colour,
        // and the picture around it stays.
        const QImage euro = form.notePicture();
        QCOMPARE(pixelsOf(euro, AmountBand(), QColor(255, 0, 0)), 0);
        form.Text1->setText(QStringLiteral("€ 50,-"));
        const QImage &note = form.notePicture();
        QVERIFY(pixelsOf(note, AmountBand(), QColor(255, 0, 0)) > 40);
        QCOMPARE(note.pixelColor(15, 15), QColor(Qt::black));
        QCOMPARE(note.pixelColor(13, 100), QColor(255, 255, 160));
        QCOMPARE(note.pixel(5, 5), euro.pixel(5, 5));

        // Printed three times as large, the picture is the artwork drawn at that size; from a
        // strip changed by another tool it is that strip's picture, its pixels stretched.
        BankNote chosen;
        chosen.picture = 3;
        QImage changed = strip;
        changed.setPixelColor(100, 650, Qt::magenta);
        const QRect inside(3, 3, 1194, 594);  // within the black outline
        for (const QImage &s : {strip, changed}) {
            const SharpPicture sharp = BankNoteDrawing(chosen, {}, s).sharpPicture(EuroPictureArt(s));
            QCOMPARE(int(sharp.parts.size()), 1);
            const QImage expected = s == strip ? DrawBanknotePicture(3, QSize(1200, 600))
                                               : s.copy(0, 600, 400, 200).scaled(1200, 600);
            QCOMPARE(sharp.parts[0].render(QSize(1200, 600)).copy(inside), expected.copy(inside));
        }
    }

    void missingEuroStripChangesOnlyTheOutline()
    {
        Designer f;
        GeldForm form(f.state, f.dialogs, f.printers);
        QVERIFY(form.euroStrip().isNull());
        QImage expected = form.notePicture();
        QPainter(&expected).drawRect(0, 0, 399, 199);  // one black pixel wide
        form.HScroll1->setValue(5);
        QCOMPARE(form.notePicture(), expected);

        // A strip too short for the picture asked for is ignored the same way.
        QImage shortStrip(400, 400, QImage::Format_RGB32);
        shortStrip.fill(Qt::green);
        QImage note = expected;
        PlaceEuroPicture(note, shortStrip, 5);
        QCOMPARE(note, expected);
    }

    void moneyFormPrintsItsPreview()
    {
        Designer d;
        const QString out = d.printToFile();
        GeldForm form(d.state, d.dialogs, d.printers);
        form.HScroll->setValue(3);  // blue amount
        d.dialogs.yesNoAnswers = {false, true};
        form.PrintKnop->click();
        QVERIFY(!QFile::exists(out));  // No prints nothing
        form.PrintKnop->click();
        QCOMPARE(d.dialogs.asked, QStringList(2, " Print|Wilt u dit speelgeld nu afdrukken?"));
        QCOMPARE(pdftools::pageCount(out), 1);
        QVERIFY(pdftools::isA4(out, 1));
        const QImage page = pdftools::renderPage(out, 1, 192);
        for (int r = 1; r <= 5; ++r)
            for (int c = 1; c <= 2; ++c) {
                // The note's background colour just inside the grey outline, and blue amount pixels in the band.
                const QRectF slot = MoneySheetSlot(r, c);
                const QPoint ground = pixelOf(slot.topLeft() + QPointF(6 * 15 * 0.905, 100 * 15 * 0.95), 192);
                QVERIFY2(near(page.pixelColor(ground), QColor(255, 255, 160)), qPrintable(describe(page, ground)));
                const QPoint from = pixelOf(slot.topLeft() + QPointF(150 * 15 * 0.905, 88 * 15 * 0.95), 192);
                const QPoint to = pixelOf(slot.topLeft() + QPointF(250 * 15 * 0.905, 112 * 15 * 0.95), 192);
                const int blue = countWhere(page, QRect(from, to), [](QRgb c) { return near(QColor(c), Qt::blue, 40); });
                QVERIFY2(blue > 30, qPrintable(QStringLiteral("%1 blue pixels").arg(blue)));
            }
    }

};

QTEST_MAIN(TestMoney)
#include "test_money.moc"
