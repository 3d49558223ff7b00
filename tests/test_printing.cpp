// Printing: the print-picture control, the deed sheet on three landscape pages, the board on
// six sheets and at its true size, and real jobs through the CUPS PDF queue of scripts/start-cups.
#include "printing/cardsheets.h"
#include "printing/deedprinting.h"
#include "windows/aaprintpicture.h"
#include "printing/boardassembly.h"
#include "printing/boardsheets.h"
#include "printing/pagecomposition.h"
#include "printing/printerpage.h"
#include "windows/printspeelbord.h"
#include "windows/sheetprint.h"
#include "testwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QSignalSpy>
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

QImage filled(int w, int h, const QColor &c)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(c);
    return image;
}

// A board whose every pixel tells where it is: gradients in green and blue, and diagonal red
// bands every 30 pixels that shift with any gap, overlap or slip at a seam.
QImage syntheticBoard()
{
    QImage board(2180, 2180, QImage::Format_RGB32);
    for (int y = 0; y < 2180; ++y)
        for (int x = 0; x < 2180; ++x)
            board.setPixel(x, y, qRgb(((x + y) / 30) % 2 ? 255 : 0, 40 + y * 150 / 2180, 40 + x * 150 / 2180));
    return board;
}

bool white(QRgb c) { return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 200; }

// Where the red bands change along a line of pixels.
QList<int> bandEdges(const QImage &image, QPoint from, QPoint step, int count)
{
    QList<int> edges;
    bool was = qRed(image.pixel(from)) > 128;
    for (int i = 1; i < count; ++i) {
        const QRgb c = image.pixel(from + step * i);
        if (white(c))
            continue;
        const bool now = qRed(c) > 128;
        if (now != was)
            edges << i;
        was = now;
    }
    return edges;
}

// The board printing window on the synthetic board.
struct Window : DesignerSetup {
    std::unique_ptr<PrintSpeelbord> form;
    Window()
    {
        state.pictures.Speelbord = syntheticBoard();
        form = std::make_unique<PrintSpeelbord>(state, dialogs, printers);
    }
};
}

class TestPrinting : public QObject
{
    Q_OBJECT
private slots:
    void deedPagesFollowThePagePlan_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<QPointF>("slotCentreTwips");  // where the slot's centre must print
        QTest::addColumn<double>("margin");             // of the printable area, mm
        const double sx = 16420.0 / 15840.0, sy = 10350.0 / 8820.0, s3 = 6525.0 / 6300.0;
        // The centre of slot (c, r) lies at sheet pixel (109 + 210c, 149 + 290r).
        QTest::newRow("page 1, square 1") << 1 << 0 << 0 << QPointF(109 * 15 * sx, 149 * 15 * sy) << 0.0;
        QTest::newRow("page 2, square 33") << 2 << 4 << 3 << QPointF(949 * 15 * sx, 135 + (1019 - 588) * 15 * sy) << 0.0;
        QTest::newRow("page 3 left, square 7") << 3 << 5 << 0 << QPointF(90 + (1159 - 1056) * 15 * s3, 149 * 15 * sy) << 0.0;
        QTest::newRow("page 3 right, square 36") << 3 << 6 << 3 << QPointF(6615 + (1369 - 1056) * 15 * s3, 135 + (1019 - 588) * 15 * sy) << 0.0;
        // The plan is 289.6 mm wide: with 10 mm margins it is scaled down whole, the fifth column kept.
        QTest::newRow("10 mm margins: page 1, fifth column") << 1 << 4 << 0 << QPointF(949 * 15 * sx, 149 * 15 * sy) << 10.0;
        QTest::newRow("10 mm margins: page 3 right, square 36") << 3 << 6 << 3 << QPointF(6615 + (1369 - 1056) * 15 * s3, 135 + (1019 - 588) * 15 * sy) << 10.0;
    }

    void deedPagesFollowThePagePlan()
    {
        QFETCH(int, page);
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(QPointF, slotCentreTwips);
        QFETCH(double, margin);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("deeds.pdf");
        {
            QPdfWriter writer(pdf);  // A4 at 1200 dpi, left in portrait by the user
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
            writer.setResolution(1200);
            writer.setPageOrientation(QPageLayout::Portrait);
            PrinterPage printerPage(&writer);
            QVERIFY(PrintDeedSheets(printerPage, colouredSheet()));
        }
        QCOMPARE(pdftools::pageCount(pdf), 3);
        QVERIFY(pdftools::isA4(pdf, page, true));

        // At 96 dpi one pixel is 15 twips; the plan starts at the printable area's corner.
        const double corner = margin / 25.4 * 1440;
        const double scale = qMin(1.0, (297 - 2 * margin) / 25.4 * 1440 / 16420);
        auto onPage = [&](double x, double y) { return QPoint(int((corner + x * scale) / 15), int((corner + y * scale) / 15)); };
        const QImage image = pdftools::renderPage(pdf, page, 96);
        const QPoint at = onPage(slotCentreTwips.x(), slotCentreTwips.y());
        QVERIFY2(near(image.pixelColor(at), slotColour(column, row)), qPrintable(describe(image, at)));
        // The deed's left edge: 3 twips-pixels to its left lies the white gap between slots.
        const int deedLeft = onPage(slotCentreTwips.x() - 100 * 15 * (page == 3 ? 6525.0 / 6300.0 : 16420.0 / 15840.0), 0).x();
        QVERIFY2(near(image.pixelColor(deedLeft + 3, at.y()), slotColour(column, row)), qPrintable(describe(image, {deedLeft + 3, at.y()})));
        QVERIFY(!near(image.pixelColor(deedLeft - 5, at.y()), slotColour(column, row)));
        // Nothing of the plan falls outside the printable area.
        const QRect ink = contentBox(image, 12);
        const int edge = int(margin / 25.4 * 96);
        QVERIFY2(ink.right() < image.width() - edge && ink.bottom() < image.height() - edge,
                 qPrintable(QStringLiteral("ink to %1,%2").arg(ink.right()).arg(ink.bottom())));
    }

    void noAnswerPrintsNothing()
    {
        QTemporaryDir folder;
        WindowIn window(folder.path());
        auto &[state, dialogs, w] = window;
        const QString out = folder.filePath("deeds.pdf");
        printToPdfFile(w->printers(), out);
        dialogs.yesNoAnswers = {false};
        w->menuAction("Bestand/Afdrukken/Eigendomsbewijzen")->trigger();
        QCOMPARE(dialogs.asked, QStringList{"Print|Print 28 Eigendomsbewijzen op 3 pagina's (A4)"});
        QVERIFY(!QFile::exists(out));
    }

    void deedSheetsThroughCups()
    {
        REQUIRE_CUPS();
        QTemporaryDir folder;
        WindowIn window(folder.path());
        auto &[state, dialogs, w] = window;
        state.pictures.EigenDomsPic = colouredSheet();
        QVERIFY(w->printers().selectPrinter("PDF"));
        // Left portrait, with margins of 10 mm chosen in the set-up dialog: they neither move nor
        // cut the deeds, and are still there afterwards.
        QPrinter &printer = w->printers().current();
        printer.setPageOrientation(QPageLayout::Portrait);
        printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        const QPageLayout chosen = printer.pageLayout();
        const QDateTime start = QDateTime::currentDateTime();
        dialogs.yesNoAnswers = {true};
        w->menuAction("Bestand/Afdrukken/Eigendomsbewijzen")->trigger();
        QCOMPARE(dialogs.asked.size(), 1);  // the question, and no failure message
        QVERIFY(printer.pageLayout().isEquivalentTo(chosen));

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
        // From the paper's corner, not 10 mm in: two sides of the block lie within 7 pixels
        // (3.7 mm) of the paper's edges, the white rim of the outer deeds.
        QList<int> gaps{content.left(), content.top(), page1.width() - 1 - content.right(),
                        page1.height() - 1 - content.bottom()};
        std::sort(gaps.begin(), gaps.end());
        QVERIFY2(gaps[1] <= 7, qPrintable(QStringLiteral("%1 pixels from the edges").arg(gaps[1])));
    }

    void alignment_data()
    {
        QTest::addColumn<int>("align");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QPoint>("offset");
        // The program centres (4); an alignment it does not know puts the picture top left.
        const QSize small(101, 51), large(301, 151);  // on a page of 200 x 100
        QTest::newRow("4 small: odd leftover to the right and bottom") << 4 << small << QPoint(49, 24);
        QTest::newRow("9 is top left") << 9 << small << QPoint(0, 0);
        QTest::newRow("4 large: rounded down, cut off all round") << 4 << large << QPoint(-51, -26);
    }

    void alignment()
    {
        QFETCH(int, align);
        QFETCH(QSize, picture);
        QFETCH(QPoint, offset);
        QCOMPARE(AlignedOffset(align, QSize(200, 100), picture), offset);
    }

    void previewFollowsPrinterMargins()
    {
        QTemporaryDir dir;
        SystemPrinters printers;
        printToPdfFile(printers, dir.filePath("p.pdf"), QMarginsF(10, 20, 10, 20));
        AAPrintPicture control(printers);
        control.setPicture(filled(30, 30, Qt::red));
        QSignalSpy spy(&control, &AAPrintPicture::MarginReaded);
        const QImage page = control.GetPreview();
        QCOMPARE(spy.count(), 1);
        const PrinterMargins m = control.margins();
        QCOMPARE(spy.at(0).mid(0, 2), (QVariantList{m.left, m.top}));
        const double res = printers.current().resolution();
        // The page layout keeps its margins in whole points.
        QVERIFY(qAbs(m.left - 10 / 25.4 * res) < 10 && qAbs(m.right - 10 / 25.4 * res) < 10);
        QVERIFY(qAbs(m.top - 20 / 25.4 * res) < 10 && qAbs(m.bottom - 20 / 25.4 * res) < 10);
        QCOMPARE(page.size(), PagePictureSize(210, 297, m, int(res)));
        // Centred with its black border.
        const QPoint at = AlignedOffset(4, page.size(), QSize(30, 30));
        QCOMPARE(page.pixelColor(at), QColor(Qt::black));
        QCOMPARE(page.pixelColor(at + QPoint(15, 15)), QColor(Qt::red));
        QCOMPARE(page.pixelColor(0, 0), QColor(Qt::white));
    }

    // A printer with 4.2 mm margins all round, as many inkjets leave: every sheet lies inside
    // what it reaches and the board is square, 2180 board pixels at 201.6 mm for 900 (488.3 mm),
    // whatever the resolution.
    void boardSheetsFitThePrintableArea_data()
    {
        QTest::addColumn<int>("dpi");
        for (int dpi : {300, 600, 1200})
            QTest::addRow("%d dpi", dpi) << dpi;
    }

    void boardSheetsFitThePrintableArea()
    {
        QFETCH(int, dpi);
        Window w;
        QTemporaryDir dir;
        const double margin = 4.2;
        printToPdfFile(w.printers, dir.filePath("0.pdf"), QMarginsF(margin, margin, margin, margin));
        w.printers.current().setResolution(dpi);
        w.form->TileBoard();
        const int render = 150;
        const double px = render / 25.4;
        const QRectF printable(margin * px, margin * px, (210 - 2 * margin) * px, (297 - 2 * margin) * px);
        std::array<QRect, 6> box;
        for (int i = 0; i < 6; ++i) {
            const QString file = dir.filePath(QStringLiteral("%1.pdf").arg(i + 1));
            w.printers.current().setOutputFileName(file);
            QVERIFY(w.form->PrintSheet(i + 1));
            box[i] = contentBox(pdftools::renderPage(file, 1, render), 55);
            QVERIFY2(printable.adjusted(-1, -1, 1, 1).contains(QRectF(box[i])),
                     qPrintable(QStringLiteral("sheet %1 at %2,%3 to %4,%5").arg(i + 1).arg(box[i].left())
                                    .arg(box[i].top()).arg(box[i].right() + 1).arg(box[i].bottom() + 1)));
        }
        const double across = (box[0].width() + box[1].width() + box[2].width()) / px;
        const double down = (box[0].height() + box[3].height()) / px;
        QVERIFY2(qAbs(across / down - 1) < 0.003 && qAbs(across - 488.3) < 0.7 && qAbs(down - 488.3) < 0.7,
                 qPrintable(QStringLiteral("board %1 x %2 mm").arg(across, 0, 'f', 1).arg(down, 0, 'f', 1)));
    }

    // The board printer leaves the printer as it found it: card sheets print at the same place
    // after a board as before.
    void cardSheetsStayPutAfterABoard()
    {
        REQUIRE_CUPS();
        Window w;
        QVERIFY(w.printers.selectPrinter("PDF"));
        const QPageLayout layout = w.printers.current().pageLayout();
        auto printCards = [&](const QString &job) {
            return RunSheetPrinter(nullptr, w.dialogs, w.printers, job, CardPrintFailure(), [](PrinterPage &page) {
                CardDesignerSteps steps;
                steps.goToCard = [](int) {};
                steps.preview = [] { return SharpPicture(filled(340, 220, QColor(30, 90, 160))); };
                steps.pauseSeconds = 0;
                return PrintCardSheets(page, steps);
            }, false);
        };
        const QDateTime start = QDateTime::currentDateTime();
        QVERIFY(printCards("Kaarten voor"));
        w.form->CmbPrinter->setCurrentIndex(w.form->CmbPrinter->findText("PDF"));
        w.form->print();
        QCOMPARE(w.form->result(), int(QDialog::Accepted));
        QVERIFY(w.printers.current().pageLayout().isEquivalentTo(layout));
        QVERIFY(printCards("Kaarten na"));
        const QStringList before = waitForNamedJobs(start, "Kaarten_voor", 1), after = waitForNamedJobs(start, "Kaarten_na", 1);
        QVERIFY(before.size() == 1 && after.size() == 1);
        waitForNamedJobs(start, "Speelbord_", 6);  // written out before the next test looks for its own
        const QRect was = contentBox(pdftools::renderPage(before[0], 1, 100)), is = contentBox(pdftools::renderPage(after[0], 1, 100));
        QVERIFY2(!was.isNull() && was == is, qPrintable(QStringLiteral("cards at %1,%2, after the board at %3,%4")
                                                            .arg(was.left()).arg(was.top()).arg(is.left()).arg(is.top())));
    }

    void noCopiesPrintsNothing()
    {
        for (const qint16 copies : {0, -3}) {
            QTemporaryDir dir;
            SystemPrinters printers;
            printToPdfFile(printers, dir.filePath("p.pdf"));
            AAPrintPicture control(printers);
            control.setCopies(copies);
            QVERIFY(control.PrintPicture());
            QCOMPARE(control.jobsPrinted(), 0);
            QVERIFY(!QFile::exists(dir.filePath("p.pdf")));
        }
    }

    void impossiblePaperIsRefused_data()
    {
        QTest::addColumn<bool>("onCups");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("no width") << false << 0 << 297;
        QTest::newRow("smaller than the PDF queue takes") << true << 5 << 5;
    }

    void impossiblePaperIsRefused()
    {
        QFETCH(bool, onCups);
        QFETCH(int, width);
        QFETCH(int, height);
        QTemporaryDir dir;
        SystemPrinters printers;
        if (onCups) {
            REQUIRE_CUPS();
            QVERIFY(printers.selectPrinter("PDF"));
        } else {
            printToPdfFile(printers, dir.filePath("p.pdf"));
        }
        AAPrintPicture control(printers);
        control.setPaperSize(0);
        control.setPaperWidth(qint16(width));
        control.setPaperHeight(qint16(height));
        QSignalSpy spy(&control, &AAPrintPicture::MarginReaded);
        QVERIFY(!control.GetPrinterMargin());
        QVERIFY(!control.lastError().isEmpty());
        QVERIFY(control.GetPreview().isNull());
        QVERIFY(!control.PrintPicture());
        QCOMPARE(control.jobsPrinted(), 0);
        QCOMPARE(spy.count(), 0);
    }

    void everyCopyIsItsOwnJob()
    {
        REQUIRE_CUPS();
        SystemPrinters printers;
        AAPrintPicture control(printers);
        control.setDefultPrinter("PDF");
        control.setCopies(3);
        control.setPicture(filled(100, 60, Qt::red));
        control.setJobName("Drie kopieen");
        const QDateTime start = QDateTime::currentDateTime();
        QVERIFY2(control.PrintPicture(), qPrintable(control.lastError()));
        QCOMPARE(control.jobsPrinted(), 3);
        const QStringList jobs = waitForNamedJobs(start, "Drie_kopieen", 3);
        QCOMPARE(jobs.size(), 3);
        for (const QString &job : jobs)
            QCOMPARE(pdftools::pageCount(job), 1);
    }

    void printerTakenAwayAfterChoosingIsReported()
    {
        REQUIRE_CUPS();
        const QString name = "VastgoedTijdelijk";
        if (!addPdfQueue(name))
            QSKIP("cannot add a printer to the CUPS server");
        Window w;
        const int index = w.form->CmbPrinter->findText(name);
        QVERIFY(index > 0);
        w.form->CmbPrinter->setCurrentIndex(index);
        QCOMPARE(QProcess::execute("lpadmin", {"-x", name}), 0);
        w.form->show();
        QTest::mouseClick(w.form->PrintKnop, Qt::LeftButton);
        QCOMPARE(w.dialogs.asked, QStringList{" Error|Geen printer aanwezig of offline"});
        QVERIFY(w.form->isVisible());
        QCOMPARE(w.form->AAPrintPicture1->jobsPrinted(), 0);
        // The window stays usable: Cancel still closes it.
        QTest::mouseClick(w.form->CancelKnop, Qt::LeftButton);
        QVERIFY(!w.form->isVisible());
        QCOMPARE(w.form->result(), int(QDialog::Rejected));
    }

    void sixSheetsThroughCups()
    {
        REQUIRE_CUPS();
        Window w;
        // Another window may have left the printer landscape: the board still prints upright.
        w.printers.current().setPageOrientation(QPageLayout::Landscape);
        w.form->CmbPrinter->setCurrentIndex(w.form->CmbPrinter->findText("PDF"));
        w.form->show();
        const QDateTime start = QDateTime::currentDateTime();
        QTest::mouseClick(w.form->PrintKnop, Qt::LeftButton);
        QVERIFY2(w.dialogs.asked.isEmpty(), qPrintable(w.dialogs.asked.join(", ")));
        QCOMPARE(w.form->result(), int(QDialog::Accepted));
        QCOMPARE(w.form->AAPrintPicture1->jobsPrinted(), 6);

        const QStringList jobs = waitForNamedJobs(start, "Speelbord_", 6);
        QCOMPARE(jobs.size(), 6);
        const int dpi = 150;
        std::array<QImage, 6> sheet;
        for (int i = 0; i < 6; ++i) {
            QVERIFY2(jobs[i].contains(QStringLiteral("Speelbord_%1_van_6").arg(i + 1)), qPrintable(jobs[i]));
            QCOMPARE(pdftools::pageCount(jobs[i]), 1);
            QVERIFY(pdftools::isA4(jobs[i], 1));
            sheet[i] = pdftools::renderPage(jobs[i], 1, dpi);
        }
        // The PDF queue prints to the paper's edges: each sheet is 210 mm wide at 900 sheet
        // pixels, and as many down (296.3 mm), the top row on the bottom of its paper and the
        // bottom row on the top, so that the printed sheets join without trimming: 50,9 cm.
        const PrinterMargins m = w.form->AAPrintPicture1->margins();
        QCOMPARE(m.left + m.top + m.right + m.bottom, 0);
        QVERIFY2(w.form->Label1->text().endsWith("De afmeting van het speelbord wordt 50,9 x 50,9 cm."),
                 qPrintable(w.form->Label1->text()));
        const double f = 210.0 / 900 * dpi / 25.4;  // rendered pixels a sheet pixel, both ways
        const QRectF page(0, 0, 210 * dpi / 25.4, 297 * dpi / 25.4);
        const double rowGap = page.height() - 1270 * f;
        auto at = [](double found, double want) { return qAbs(found - want) <= 2.5; };

        // The board's top left on sheet 1 at (260, 180), its bottom right on sheet 6 at (640, 1090) of
        // the sheet's 900 x 1270; towards the seams it runs on to the paper's edges.
        const QRect first = contentBox(sheet[0], 55), last = contentBox(sheet[5], 55);
        const QPointF topLeft(260 * f, rowGap + 180 * f), bottomRight(640 * f, 1090 * f);
        QVERIFY2(at(first.left(), topLeft.x()) && at(first.top(), topLeft.y()),
                 qPrintable(QStringLiteral("board top left at %1,%2").arg(first.left()).arg(first.top())));
        QVERIFY2(at(last.right() + 1, bottomRight.x()) && at(last.bottom() + 1, bottomRight.y()),
                 qPrintable(QStringLiteral("board bottom right at %1,%2").arg(last.right() + 1).arg(last.bottom() + 1)));
        QVERIFY(at(first.right() + 1, page.right()) && at(first.bottom() + 1, page.bottom()));
        QVERIFY(at(last.left(), 0) && at(last.top(), 0));

        // Neighbours continue each other: the red bands run on across every seam, no gap, no
        // overlap, no slip. Two pixels in from each printed edge (clear of the edge's blending)
        // the bands lie 2 + 1 + 2 rendered pixels apart along the seam, as anywhere on the board;
        // one sheet pixel of gap or overlap would move them 1.5 rendered pixels.
        const int in = 2, apart = 2 * in + 1;
        const QRect middleTop = contentBox(sheet[1], 55), middleBottom = contentBox(sheet[4], 55);
        const int lastX = middleTop.right() - in, firstX = middleTop.left() + in;
        const int lastY = middleTop.bottom() - in, firstY = middleBottom.top() + in;
        auto continues = [&](const QList<int> &a, const QList<int> &b, const QString &seam) {
            QVERIFY2(a.size() > 10 && a.size() == b.size(), qPrintable(seam));
            QList<int> diffs;
            for (int i = 0; i < a.size(); ++i)
                diffs << a[i] - b[i];
            std::sort(diffs.begin(), diffs.end());
            const int median = diffs[diffs.size() / 2];
            QVERIFY2(qAbs(median - apart) <= 1 && diffs.first() >= apart - 2 && diffs.last() <= apart + 2,
                     qPrintable(QStringLiteral("%1: band edges %2 to %3 apart, median %4, want %5")
                                    .arg(seam).arg(diffs.first()).arg(diffs.last()).arg(median).arg(apart)));
        };
        for (int left : {0, 1, 3, 4}) {
            const int y0 = left < 3 ? int(topLeft.y()) + 4 : firstY;
            const int y1 = left < 3 ? lastY : int(bottomRight.y()) - 4;
            continues(bandEdges(sheet[left], QPoint(lastX, y0), QPoint(0, 1), y1 - y0),
                      bandEdges(sheet[left + 1], QPoint(firstX, y0), QPoint(0, 1), y1 - y0),
                      QStringLiteral("sheets %1 and %2").arg(left + 1).arg(left + 2));
        }
        for (int top : {0, 1, 2}) {
            const int x0 = top == 0 ? int(topLeft.x()) + 4 : firstX;
            const int x1 = top == 2 ? int(bottomRight.x()) - 4 : lastX;
            continues(bandEdges(sheet[top], QPoint(x0, lastY), QPoint(1, 0), x1 - x0),
                      bandEdges(sheet[top + 3], QPoint(x0, firstY), QPoint(1, 0), x1 - x0),
                      QStringLiteral("sheets %1 and %2").arg(top + 1).arg(top + 4));
        }
    }

    // "Ware grootte met plakranden": one job of seven pages, each part of the board where the
    // layout puts it on the paper, whatever the printer's margins.
    void trueSizeThroughCups()
    {
        REQUIRE_CUPS();
        Window w;
        w.form->CmbPrinter->setCurrentIndex(w.form->CmbPrinter->findText("PDF"));
        w.form->ChkWareGrootte->setChecked(true);
        w.state.pictures.Speelbord.fill(QColor(40, 160, 90));
        const QDateTime start = QDateTime::currentDateTime();
        QTest::mouseClick(w.form->PrintKnop, Qt::LeftButton);
        QVERIFY2(w.dialogs.asked.isEmpty(), qPrintable(w.dialogs.asked.join(", ")));
        QCOMPARE(w.form->result(), int(QDialog::Accepted));
        const QStringList jobs = waitForNamedJobs(start, "Speelbord_ware_grootte", 1);
        QCOMPARE(jobs.size(), 1);
        QCOMPARE(pdftools::pageCount(jobs[0]), 7);
        const int dpi = 100;
        for (int page : {2, 7}) {
            QVERIFY(pdftools::isA4(jobs[0], page));
            const AssemblyTile tile = AssemblyTiles()[page - 2];
            const QImage sheet = pdftools::renderPage(jobs[0], page, dpi);
            const QRect box = boxWhere(sheet, sheet.rect(), [](QRgb c) { return near(QColor(c), QColor(40, 160, 90), 40); });
            const QRectF want(tile.paper.topLeft() * dpi / 25.4, tile.paper.size() * dpi / 25.4);
            QVERIFY2(qAbs(box.left() - want.left()) <= 2 && qAbs(box.top() - want.top()) <= 2
                         && qAbs(box.right() + 1 - want.right()) <= 2 && qAbs(box.bottom() + 1 - want.bottom()) <= 2,
                     qPrintable(QStringLiteral("page %1: board at %2,%3 to %4,%5").arg(page).arg(box.left())
                                    .arg(box.top()).arg(box.right() + 1).arg(box.bottom() + 1)));
        }
    }
};

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
