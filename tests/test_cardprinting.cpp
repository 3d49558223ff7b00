// The card and money sheets: their grids on a PDF writer, the designers printing, and real jobs
// through the CUPS PDF queue of scripts/start-cups.
#include "cards/banknote.h"
#include "cards/cardsheets.h"
#include "cards/geldform.h"
#include "cards/kansform.h"
#include "printing/printerpage.h"
#include "testwindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

namespace {
// lpadmin, quietly; its exit code.
int lpadmin(const QStringList &args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("lpadmin"), args);
    if (!p.waitForFinished(30000))
        return -1;
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

struct Designer : DesignerSetup {
    using DesignerSetup::DesignerSetup;
    // Makes the current printer a PDF file with no margins.
    QString printToFile()
    {
        const QString out = folder.filePath("printed.pdf");
        QPrinter &printer = printers.current();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(0, 0, 0, 0));
        return out;
    }
};
}

class TestCardPrinting : public QObject
{
    Q_OBJECT
private slots:
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
            QVERIFY(pdftools::isA4Portrait(out, sheet));
            const QImage page = pdftools::renderPage(out, sheet, 96);
            for (int k = 1; k <= 8; ++k) {
                const QRectF slot = CardSheetSlot(8 * (sheet - 1) + k);
                // The border band lies 2..12 card pixels in from the edge (x 1.0625 across, x 1.1033 down).
                const QPoint band = pixelOf(slot.topLeft()) + QPoint(8, 55);
                QVERIFY2(near(page.pixelColor(band), Qt::red), qPrintable(describe(page, band)));
                const QPoint inside = pixelOf(slot.topLeft()) + QPoint(40, 30);
                QVERIFY2(near(page.pixelColor(inside), QColor(225, 239, 217)), qPrintable(describe(page, inside)));
                // The card fills its whole slot and no more.
                const QPoint corner = pixelOf(slot.bottomRight()) - QPoint(3, 3);
                QVERIFY2(near(page.pixelColor(corner), Qt::red), qPrintable(describe(page, corner)));
                const QPoint outside = pixelOf(slot.bottomRight()) + QPoint(3, 3);
                QVERIFY2(!near(page.pixelColor(outside), Qt::red), qPrintable(describe(page, outside)));
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
        QVERIFY(pdftools::isA4Portrait(out, 1));
        const QImage page = pdftools::renderPage(out, 1, 192);
        for (int r = 1; r <= 5; ++r)
            for (int c = 1; c <= 2; ++c) {
                // The note's background colour just inside the grey outline, and blue amount pixels in the band.
                const QRectF slot = MoneySheetSlot(r, c);
                const QPoint ground = pixelOf(slot.topLeft() + QPointF(6 * 15 * 0.905, 100 * 15 * 0.95), 192);
                QVERIFY2(near(page.pixelColor(ground), QColor(255, 255, 160)), qPrintable(describe(page, ground)));
                int blue = 0;
                const QPoint from = pixelOf(slot.topLeft() + QPointF(150 * 15 * 0.905, 88 * 15 * 0.95), 192);
                const QPoint to = pixelOf(slot.topLeft() + QPointF(250 * 15 * 0.905, 112 * 15 * 0.95), 192);
                for (int y = from.y(); y <= to.y(); ++y)
                    for (int x = from.x(); x <= to.x(); ++x)
                        blue += near(page.pixelColor(x, y), Qt::blue, 40) ? 1 : 0;
                QVERIFY2(blue > 30, qPrintable(QStringLiteral("%1 blue pixels").arg(blue)));
            }
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
        QVERIFY(pdftools::isA4Portrait(deck[0], 1) && pdftools::isA4Portrait(deck[0], 2) && pdftools::isA4Portrait(money[0], 1));

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
        const QPoint ground = box.topLeft() + QPoint(5670 / 30 + 3, 12480 / 30 + 45);  // note 10, left of the ellipse
        QVERIFY2(near(sheet.pixelColor(ground), QColor(255, 255, 160), 30), qPrintable(describe(sheet, ground)));
    }

    void printerThatGoesAwayGivesTheMessage()
    {
        REQUIRE_CUPS();
        const QString queue = QStringLiteral("VastgoedVerdwijnt%1").arg(QCoreApplication::applicationPid());
        if (lpadmin({"-p", queue, "-E", "-v", "cups-pdf:/", "-m",
                                          "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"}) != 0)
            QSKIP("cannot add a printer queue here");
        Designer d;
        QVERIFY(d.printers.selectPrinter(queue));
        d.dialogs.beforeAnswer = [&] { lpadmin({"-x", queue}); };
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
        lpadmin({"-x", queue});
        QCOMPARE(d.dialogs.asked, (QStringList{" Print|Wilt u deze 16 kaarten nu afdrukken?",
                                               " Error|Geen printer aanwezig of printer offline",
                                               " Print|Wilt u dit speelgeld nu afdrukken?",
                                               " Error|Geen printer aanwezig of offline"}));
    }
};

QTEST_MAIN(TestCardPrinting)
#include "test_cardprinting.moc"
