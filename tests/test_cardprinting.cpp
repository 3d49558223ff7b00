// The card sheets and the money sheet: their grids, on a PDF writer and through a real printer
// queue (the CUPS PDF queue of scripts/start-cups).
#include "app/defaultcontent.h"
#include "cards/banknote.h"
#include "cards/cardsheets.h"
#include "cards/geldform.h"
#include "cards/kansform.h"
#include "testsupport.h"
#include "platform/printers.h"
#include "printing/printerpage.h"
#include "scripteddialogs.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {
QColor cardColour(int n) { return QColor(15 * n, 255 - 12 * n, (n % 2) ? 40 : 200); }

// A note whose left half is red and right half blue, framed in grey.
QImage twoColourNote()
{
    QImage note(400, 200, QImage::Format_RGB32);
    note.fill(Qt::red);
    for (int y = 0; y < 200; ++y)
        for (int x = 200; x < 400; ++x)
            note.setPixelColor(x, y, Qt::blue);
    return note;
}

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

// Answers Yes and runs `beforeAnswer` first (for a printer that goes away meanwhile).
class HookedDialogs : public ScriptedDialogs
{
public:
    std::function<void()> beforeAnswer;
    bool askYesNo(QWidget *parent, const QString &text, const QString &title, Icon icon) override
    {
        if (beforeAnswer)
            beforeAnswer();
        return ScriptedDialogs::askYesNo(parent, text, title, icon);
    }
};

struct Designer {
    QTemporaryDir folder;
    Algemeen state;
    HookedDialogs dialogs;
    SystemPrinters printers;
    Designer(int subject = 1)
    {
        state.ProgramFolder = folder.path();
        LoadDefaultContent(state);
        state.ActiveSubject = quint8(subject);
    }
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
    void cardSheetGrid_data();
    void cardSheetGrid();
    void cardsLandInTheirSlotsOnTwoSheets_data();
    void cardsLandInTheirSlotsOnTwoSheets();
    void designerStepsFromCardOneToSixteen();
    void deckPrintsFromAnyCardWithItsBorderColour();
    void designerCannotBeChangedOrClosedWhilePrinting();
    void answeringNoPrintsNothing();

    void moneySheetGrid_data();
    void moneySheetGrid();
    void moneySheetHoldsTenNotesOnOnePage_data();
    void moneySheetHoldsTenNotesOnOnePage();
    void moneyFormPrintsItsPreview();

    void deckAndMoneyThroughCups();
    void printerThatGoesAwayGivesTheMessage();
};

void TestCardPrinting::cardSheetGrid_data()
{
    QTest::addColumn<int>("card");
    QTest::addColumn<int>("sheet");
    QTest::addColumn<QPointF>("topLeft");
    QTest::newRow("card 1") << 1 << 1 << QPointF(300, 600);
    QTest::newRow("card 2") << 2 << 1 << QPointF(5700, 600);
    QTest::newRow("card 8") << 8 << 1 << QPointF(5700, 12300);
    QTest::newRow("card 9") << 9 << 2 << QPointF(300, 600);
    QTest::newRow("card 16") << 16 << 2 << QPointF(5700, 12300);
}

void TestCardPrinting::cardSheetGrid()
{
    QFETCH(int, card);
    QFETCH(int, sheet);
    QFETCH(QPointF, topLeft);
    QCOMPARE(CardSheet(card), sheet);
    QCOMPARE(CardSheetSlot(card), QRectF(topLeft, QSizeF(5100, 3310)));
}

void TestCardPrinting::cardsLandInTheirSlotsOnTwoSheets_data()
{
    QTest::addColumn<int>("card");
    for (int card : {1, 8, 9, 16})
        QTest::addRow("card %d", card) << card;
}

void TestCardPrinting::cardsLandInTheirSlotsOnTwoSheets()
{
    QFETCH(int, card);
    PdfFile pdf;
    int current = 0;
    CardDesignerSteps steps;
    steps.goToCard = [&current](int c) { current = c; };
    steps.preview = [&current] {
        QImage picture(320, 200, QImage::Format_RGB32);
        picture.fill(cardColour(current));
        return picture;
    };
    steps.pauseSeconds = 0;
    {
        PrinterPage page(pdf.writer.get());
        QVERIFY(PrintCardSheets(page, steps));
        QCOMPARE(page.pagesStarted(), 2);
    }
    pdf.close();
    QCOMPARE(pdftools::pageCount(pdf.path), 2);  // no blank third sheet
    QVERIFY(pdftools::isA4Portrait(pdf.path, CardSheet(card)));

    const QImage page = pdftools::renderPage(pdf.path, CardSheet(card), 96);
    const QRectF slot = CardSheetSlot(card);
    const QPoint centre = pixelOf(slot.center());
    QVERIFY2(near(page.pixelColor(centre), cardColour(card)), qPrintable(describe(page, centre)));
    // The card fills its whole slot: 3 pixels inside each edge it shows, 3 pixels outside it does not.
    const QPoint inside[] = {pixelOf(slot.topLeft()) + QPoint(3, 3), pixelOf(slot.bottomRight()) - QPoint(3, 3)};
    for (const QPoint p : inside)
        QVERIFY2(near(page.pixelColor(p), cardColour(card)), qPrintable(describe(page, p)));
    const QPoint outside[] = {pixelOf(slot.topLeft()) - QPoint(3, 3), pixelOf(slot.bottomRight()) + QPoint(3, 3)};
    for (const QPoint p : outside)
        QVERIFY2(!near(page.pixelColor(p), cardColour(card)), qPrintable(describe(page, p)));
}

void TestCardPrinting::designerStepsFromCardOneToSixteen()
{
    PdfFile pdf;
    QList<int> steps;
    int current = 5;
    QList<int> placed;
    CardDesignerSteps designer;
    designer.goToCard = [&](int c) { steps << c; current = c; };
    designer.preview = [&] { placed << current; return QImage(320, 200, QImage::Format_RGB32); };
    designer.pauseSeconds = 0;
    PrinterPage page(pdf.writer.get());
    QVERIFY(PrintCardSheets(page, designer));
    QList<int> oneToSixteen;
    for (int c = 1; c <= 16; ++c)
        oneToSixteen << c;
    QCOMPARE(placed, oneToSixteen);
    QCOMPARE(steps.first(), 1);
    QCOMPARE(current, 16);
}

void TestCardPrinting::deckPrintsFromAnyCardWithItsBorderColour()
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
    QTest::mouseClick(form.PrintKnop, Qt::LeftButton);
    QCOMPARE(d.dialogs.asked, QStringList{" Print|Wilt u deze 16 kaarten nu afdrukken?"});
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
        }
    }
}

void TestCardPrinting::designerCannotBeChangedOrClosedWhilePrinting()
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
    QVERIFY(checked);
    QVERIFY(controlsOff);
    QVERIFY(stayedOpen);
    QVERIFY(form.PrintKnop->isEnabled());
    QVERIFY(form.ExitKnop->isEnabled());
    QCOMPARE(d.dialogs.asked.size(), 1);
}

void TestCardPrinting::answeringNoPrintsNothing()
{
    Designer d;
    const QString out = d.printToFile();
    {
        KansForm form(d.state, d.dialogs, d.printers);
        form.HScroll->setValue(3);
        d.dialogs.yesNoAnswers = {false};
        form.PrintKnop->click();
        QCOMPARE(form.HScroll->value(), 3);
    }
    {
        GeldForm form(d.state, d.dialogs, d.printers);
        d.dialogs.yesNoAnswers = {false};
        form.PrintKnop->click();
    }
    QCOMPARE(d.dialogs.asked, (QStringList{" Print|Wilt u deze 16 kaarten nu afdrukken?",
                                           " Print|Wilt u dit speelgeld nu afdrukken?"}));
    QVERIFY(!QFile::exists(out));
}

void TestCardPrinting::moneySheetGrid_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QPointF>("topLeft");
    QTest::newRow("row 1, left") << 1 << 1 << QPointF(180, 180);
    QTest::newRow("row 1, right") << 1 << 2 << QPointF(5850, 180);
    QTest::newRow("row 5, right") << 5 << 2 << QPointF(5850, 12660);
}

void TestCardPrinting::moneySheetGrid()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QPointF, topLeft);
    QCOMPARE(MoneySheetSlot(row, column), QRectF(topLeft, QSizeF(5430, 2850)));
}

void TestCardPrinting::moneySheetHoldsTenNotesOnOnePage_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    for (int r : {1, 5})
        for (int c = 1; c <= 2; ++c)
            QTest::addRow("row %d, column %d", r, c) << r << c;
}

void TestCardPrinting::moneySheetHoldsTenNotesOnOnePage()
{
    QFETCH(int, row);
    QFETCH(int, column);
    PdfFile pdf;
    {
        PrinterPage page(pdf.writer.get());
        QVERIFY(PrintMoneySheet(page, twoColourNote()));
        QCOMPARE(page.pagesStarted(), 1);
    }
    pdf.close();
    QCOMPARE(pdftools::pageCount(pdf.path), 1);
    QVERIFY(pdftools::isA4Portrait(pdf.path, 1));
    const QImage page = pdftools::renderPage(pdf.path, 1, 96);
    const QRectF slot = MoneySheetSlot(row, column);
    // Left half red, right half blue: the note is placed the right way round and stretched to fill.
    const QPoint left = pixelOf(slot.topLeft() + QPointF(slot.width() * 0.05, slot.height() / 2));
    const QPoint right = pixelOf(slot.topLeft() + QPointF(slot.width() * 0.95, slot.height() / 2));
    QVERIFY2(near(page.pixelColor(left), Qt::red), qPrintable(describe(page, left)));
    QVERIFY2(near(page.pixelColor(right), Qt::blue), qPrintable(describe(page, right)));
    // The gaps: 240 twips across, 270 down.
    const QPoint beyondRight = pixelOf(slot.topLeft() + QPointF(slot.width() + 120, slot.height() / 2));
    const QPoint below = pixelOf(slot.topLeft() + QPointF(slot.width() / 4, slot.height() + 135));
    QVERIFY2(near(page.pixelColor(beyondRight), Qt::white), qPrintable(describe(page, beyondRight)));
    QVERIFY2(near(page.pixelColor(below), Qt::white), qPrintable(describe(page, below)));
}

void TestCardPrinting::moneyFormPrintsItsPreview()
{
    Designer d;
    const QString out = d.printToFile();
    GeldForm form(d.state, d.dialogs, d.printers);
    form.HScroll->setValue(3);  // blue amount
    form.PrintKnop->click();
    QCOMPARE(d.dialogs.asked, QStringList{" Print|Wilt u dit speelgeld nu afdrukken?"});
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

void TestCardPrinting::deckAndMoneyThroughCups()
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
    QCOMPARE(deck.size(), 1);
    QCOMPARE(money.size(), 1);
    QCOMPARE(pdftools::pageCount(deck[0]), 2);
    QCOMPARE(pdftools::pageCount(money[0]), 1);
    for (int sheet = 1; sheet <= 2; ++sheet)
        QVERIFY(pdftools::isA4Portrait(deck[0], sheet));
    QVERIFY(pdftools::isA4Portrait(money[0], 1));

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

void TestCardPrinting::printerThatGoesAwayGivesTheMessage()
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

QTEST_MAIN(TestCardPrinting)
#include "test_cardprinting.moc"
