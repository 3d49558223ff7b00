// Printing the deed sheet: three landscape pages by the page plan, and a real job through CUPS.
#include "app/mainwindow.h"
#include "deeds/deedprinting.h"
#include "platform/printers.h"
#include "printing/printerpage.h"
#include "scripteddialogs.h"
#include "testsupport.h"

#include <QAction>
#include <QPdfWriter>
#include <QtTest>

namespace {
QColor slotColour(int c, int r) { return QColor(30 + 30 * c, 40 + 50 * r, 200 - 20 * c); }

// A deed sheet whose 28 slots each have their own colour.
QImage colouredSheet()
{
    QImage sheet(1476, 1176, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 7; ++c)
            for (int y = 0; y < 280; ++y)
                for (int x = 0; x < 200; ++x)
                    sheet.setPixelColor(9 + 210 * c + x, 9 + 290 * r + y, slotColour(c, r));
    return sheet;
}

}

class TestPrinting : public QObject
{
    Q_OBJECT
private slots:
    void deedPagesFollowThePagePlan_data();
    void deedPagesFollowThePagePlan();
    void noAnswerPrintsNothing();
    void deedSheetsThroughCups();
};

void TestPrinting::deedPagesFollowThePagePlan_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QPointF>("slotCentreTwips");  // where the slot's centre must print
    const double sx = 16420.0 / 15840.0, sy = 10350.0 / 8820.0, s3 = 6525.0 / 6300.0;
    // The centre of slot (c, r) lies at sheet pixel (109 + 210c, 149 + 290r).
    QTest::newRow("page 1, square 1") << 1 << 0 << 0 << QPointF(109 * 15 * sx, 149 * 15 * sy);
    QTest::newRow("page 2, square 33") << 2 << 4 << 3 << QPointF(949 * 15 * sx, 135 + (1019 - 588) * 15 * sy);
    QTest::newRow("page 3 left, square 7") << 3 << 5 << 0 << QPointF(90 + (1159 - 1056) * 15 * s3, 149 * 15 * sy);
    QTest::newRow("page 3 right, square 36") << 3 << 6 << 3 << QPointF(6615 + (1369 - 1056) * 15 * s3, 135 + (1019 - 588) * 15 * sy);
}

void TestPrinting::deedPagesFollowThePagePlan()
{
    QFETCH(int, page);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QPointF, slotCentreTwips);
    PdfFile pdf;
    pdf.writer->setPageOrientation(QPageLayout::Portrait);  // left in portrait by the user
    {
        PrinterPage printerPage(pdf.writer.get());
        QVERIFY(PrintDeedSheets(printerPage, colouredSheet()));
    }
    pdf.close();
    QCOMPARE(pdftools::pageCount(pdf.path), 3);
    const QSizeF size = pdftools::pageSize(pdf.path, page);
    QVERIFY2(qAbs(size.width() - 841.89) < 1 && qAbs(size.height() - 595.28) < 1, "A4 landscape");

    // At 96 dpi one pixel is 15 twips.
    const QImage image = pdftools::renderPage(pdf.path, page, 96);
    const QPoint at(int(slotCentreTwips.x() / 15), int(slotCentreTwips.y() / 15));
    QVERIFY2(near(image.pixelColor(at), slotColour(column, row)), qPrintable(describe(image, at)));
    // The deed's left edge: 3 twips-pixels to its left lies the white gap between slots.
    const int deedLeft = int((slotCentreTwips.x() - 100 * 15 * (page == 3 ? 6525.0 / 6300.0 : 16420.0 / 15840.0)) / 15);
    QVERIFY(near(image.pixelColor(deedLeft + 3, at.y()), slotColour(column, row)));
    QVERIFY(!near(image.pixelColor(deedLeft - 5, at.y()), slotColour(column, row)));
}

void TestPrinting::noAnswerPrintsNothing()
{
    QTemporaryDir folder;
    Algemeen state;
    state.Paths = folder.path();
    ScriptedDialogs dialogs;
    Main w(state, dialogs);
    const QString out = folder.filePath("deeds.pdf");
    w.printers().current().setOutputFileName(out);
    dialogs.yesNoAnswers = {false};
    w.menuAction("Bestand/Afdrukken/Eigendomsbewijzen")->trigger();
    QCOMPARE(dialogs.asked, QStringList{"Print|Print 28 Eigendomsbewijzen op 3 pagina's (A4)"});
    QVERIFY(!QFile::exists(out));
}

void TestPrinting::deedSheetsThroughCups()
{
    REQUIRE_CUPS();
    QTemporaryDir folder;
    Algemeen state;
    state.Paths = folder.path();
    ScriptedDialogs dialogs;
    Main w(state, dialogs);
    state.pictures.EigenDomsPic = colouredSheet();
    QVERIFY(w.printers().selectPrinter("PDF"));
    w.printers().current().setPageOrientation(QPageLayout::Portrait);
    const QDateTime start = QDateTime::currentDateTime();
    dialogs.yesNoAnswers = {true};
    w.menuAction("Bestand/Afdrukken/Eigendomsbewijzen")->trigger();
    QCOMPARE(dialogs.asked.size(), 1);  // the question, and no failure message

    const QStringList jobs = waitForNamedJobs(start, "Eigendomsbewijzen", 1);
    QCOMPARE(jobs.size(), 1);
    QCOMPARE(pdftools::pageCount(jobs[0]), 3);
    // The queue may hand landscape sheets on as portrait paper with the content turned; either
    // way the printed deeds must lie landscape: ten deeds 16420 twips wide by 10350 high.
    const QImage page1 = pdftools::renderPage(jobs[0], 1, 48);
    const QRect content = contentBox(page1, 12);
    const QSizeF size = pdftools::pageSize(jobs[0], 1);
    const double longSide = size.width() > size.height() ? content.width() : content.height();
    const double shortSide = size.width() > size.height() ? content.height() : content.width();
    QVERIFY2(qAbs(longSide / shortSide - 16420.0 / 10350.0) < 0.05,
             qPrintable(QStringLiteral("content %1 x %2").arg(content.width()).arg(content.height())));
    QVERIFY2(qAbs(longSide * 30 - 16420) < 300, "printed at its size");  // 48 dpi: 30 twips a pixel
}

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
