// Printing the board on six sheets: the window, and the sheets as a real printer prints them.
#include "app/algemeen.h"
#include "platform/printers.h"
#include "printing/aaprintpicture.h"
#include "printing/boardassembly.h"
#include "printing/printspeelbord.h"
#include "scripteddialogs.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

namespace {
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


struct Window {
    Algemeen state;
    ScriptedDialogs dialogs;
    SystemPrinters printers;
    std::unique_ptr<PrintSpeelbord> form;
    Window()
    {
        state.pictures.Speelbord = syntheticBoard();
        form = std::make_unique<PrintSpeelbord>(state, dialogs, printers);
    }
};
}

class TestBoardPrinting : public QObject
{
    Q_OBJECT
private slots:
    void windowShowsSixSheetsAndThePrinters();
    void printerTakenAwayAfterChoosingIsReported();
    void sixSheetsThroughCups();
    void trueSizeThroughCups();
};

void TestBoardPrinting::windowShowsSixSheetsAndThePrinters()
{
    Window w;
    QCOMPARE(w.form->CmbPrinter->currentText(), QString("Printerkeuze"));
    QCOMPARE(w.form->CmbPrinter->count(), 1 + w.printers.installedPrinters().size());
    for (int i = 0; i < w.printers.installedPrinters().size(); ++i)
        QCOMPARE(w.form->CmbPrinter->itemText(i + 1), w.printers.installedPrinters().at(i));
    // The red sheet outlines, 90 x 129 pixels each, at their places on the preview.
    const QImage &p = w.form->previewImage;
    QCOMPARE(p.size(), QSize(273, 261));
    const QColor red(255, 0, 0);
    for (const QPoint corner : {QPoint(2, 2), QPoint(91, 2), QPoint(180, 2), QPoint(2, 130), QPoint(91, 130),
                                QPoint(180, 130)}) {
        QCOMPARE(p.pixelColor(corner), red);
        QCOMPARE(p.pixelColor(corner + QPoint(89, 128)), red);
        QCOMPARE(p.pixelColor(corner + QPoint(45, 0)), red);
        QVERIFY(p.pixelColor(corner + QPoint(45, 64)) != red);
    }
}

void TestBoardPrinting::printerTakenAwayAfterChoosingIsReported()
{
    REQUIRE_CUPS();
    const QString name = "VastgoedTijdelijk";
    if (QProcess::execute("lpadmin", {"-p", name, "-E", "-v", "cups-pdf:/", "-m",
                                      "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"}) != 0)
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


void TestBoardPrinting::sixSheetsThroughCups()
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
        const QSizeF size = pdftools::pageSize(jobs[i], 1);
        QVERIFY(qAbs(size.width() - 595.3) < 2 && qAbs(size.height() - 841.9) < 2);
        sheet[i] = pdftools::renderPage(jobs[i], 1, dpi);
    }
    // The PDF queue prints to the paper's edges: the page picture (794 x 1123 screen pixels) is
    // the whole sheet, so the printed sheets join without trimming.
    const PrinterMargins m = w.form->AAPrintPicture1->margins();
    QCOMPARE(m.left + m.top + m.right + m.bottom, 0);
    const QSize pagePx = PagePictureSize(210, 297, m);
    const QRectF page(0, 0, pagePx.width() * dpi / 96.0, pagePx.height() * dpi / 96.0);
    const double fx = page.width() / 900.0, fy = page.height() / 1270.0;  // rendered pixels a sheet pixel
    auto at = [](double found, double want) { return qAbs(found - want) <= 2.5; };

    // The board's top left on sheet 1 at (260, 180), its bottom right on sheet 6 at (640, 1090) of
    // the sheet's 900 x 1270; towards the seams it runs on to the page picture's edges.
    const QRect first = contentBox(sheet[0], 55), last = contentBox(sheet[5], 55);
    const QPointF topLeft(260 * fx, 180 * fy), bottomRight(640 * fx, 1090 * fy);
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
void TestBoardPrinting::trueSizeThroughCups()
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
        QVERIFY(pdftools::isA4Portrait(jobs[0], page));
        const AssemblyTile tile = AssemblyTiles()[page - 2];
        const QImage sheet = pdftools::renderPage(jobs[0], page, dpi);
        QRect box;
        for (int y = 0; y < sheet.height(); ++y)
            for (int x = 0; x < sheet.width(); ++x)
                if (near(sheet.pixelColor(x, y), QColor(40, 160, 90), 40))
                    box |= QRect(x, y, 1, 1);
        const QRectF want(tile.paper.topLeft() * dpi / 25.4, tile.paper.size() * dpi / 25.4);
        QVERIFY2(qAbs(box.left() - want.left()) <= 2 && qAbs(box.top() - want.top()) <= 2
                     && qAbs(box.right() + 1 - want.right()) <= 2 && qAbs(box.bottom() + 1 - want.bottom()) <= 2,
                 qPrintable(QStringLiteral("page %1: board at %2,%3 to %4,%5").arg(page).arg(box.left())
                                .arg(box.top()).arg(box.right() + 1).arg(box.bottom() + 1)));
    }
}

QTEST_MAIN(TestBoardPrinting)
#include "test_boardprinting.moc"
