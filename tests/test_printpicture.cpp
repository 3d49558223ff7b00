// The print-picture control: paper sizes, alignment, stretching, border, margins and its jobs;
// the board laid out on six sheets.
#include "platform/printers.h"
#include "printing/aaprintpicture.h"
#include "printing/boardsheets.h"
#include "printing/pagecomposition.h"
#include "testsupport.h"

#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

namespace {
QImage filled(int w, int h, const QColor &c)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(c);
    return image;
}

// A printer that writes a PDF file, with no margins unless asked.
void toPdfFile(SystemPrinters &printers, const QString &path, const QMarginsF &mm = {})
{
    printers.current().setOutputFileName(path);
    printers.current().setPageMargins(mm, QPageLayout::Millimeter);
}
}

class TestPrintPicture : public QObject
{
    Q_OBJECT
private slots:
    void paperSizes();
    void alignment_data();
    void alignment();
    void stretchCoversPageButBorderKeepsPictureSize();
    void pagePictureLosesAQuarterOfTheMargins();
    void previewFollowsPrinterMargins();
    void noCopiesPrintsNothing();
    void impossiblePaperIsRefused_data();
    void impossiblePaperIsRefused();
    void everyCopyIsItsOwnJob();
};

void TestPrintPicture::paperSizes()
{
    SystemPrinters printers;
    AAPrintPicture control(printers);
    control.setPaperWidth(123);
    control.setPaperHeight(456);
    // Code 0 takes the user's size, 2 is A4; an unknown code leaves the arguments alone.
    for (const auto &[code, width, height] : {std::tuple{0, 123, 456}, std::tuple{2, 210, 297}, std::tuple{4, -7, -8}}) {
        control.setPaperSize(code);
        qint16 w = -7, h = -8;
        control.GetPaperWH(w, h);
        QCOMPARE(QSize(w, h), QSize(width, height));
    }
}

void TestPrintPicture::alignment_data()
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

void TestPrintPicture::alignment()
{
    QFETCH(int, align);
    QFETCH(QSize, picture);
    QFETCH(QPoint, offset);
    const QSize page(200, 100);
    QCOMPARE(AlignedOffset(align, page, picture), offset);
    PageLook look;
    look.align = align;
    look.showBorder = false;
    look.backColor = QColor(0, 0, 255);
    const QImage out = ComposePage(filled(picture.width(), picture.height(), Qt::red), page, look);
    QCOMPARE(out.size(), page);
    const QRect at(offset, picture);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (out.pixelColor(x, y) != (at.contains(x, y) ? QColor(Qt::red) : QColor(0, 0, 255)))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
}

void TestPrintPicture::stretchCoversPageButBorderKeepsPictureSize()
{
    // A picture with a green left half and a red right half, stretched over the page.
    QImage picture = filled(40, 20, Qt::red);
    QPainter(&picture).fillRect(0, 0, 20, 20, Qt::green);
    PageLook look;
    look.align = 4;
    look.stretch = true;
    look.borderColor = QColor(255, 255, 0);
    const QImage out = ComposePage(picture, QSize(200, 100), look);
    QCOMPARE(out.pixelColor(0, 0), QColor(Qt::green));
    QCOMPARE(out.pixelColor(99, 50), QColor(Qt::green));
    QCOMPARE(out.pixelColor(100, 50), QColor(Qt::red));
    QCOMPARE(out.pixelColor(199, 99), QColor(Qt::red));
    // The border: the picture's own 40 x 20 at its centred place (80, 40), corners included.
    for (const QPoint p : {QPoint(80, 40), QPoint(120, 40), QPoint(80, 60), QPoint(120, 60), QPoint(100, 40)})
        QCOMPARE(out.pixelColor(p), QColor(255, 255, 0));
    QCOMPARE(out.pixelColor(81, 41), QColor(Qt::green));
    QCOMPARE(out.pixelColor(121, 61), QColor(Qt::red));
}

void TestPrintPicture::pagePictureLosesAQuarterOfTheMargins()
{
    // A4 is 794 x 1123 screen pixels; 400 device pixels of margin take 100 off.
    QCOMPARE(PagePictureSize(210, 297, PrinterMargins{}), QSize(794, 1123));
    QCOMPARE(PagePictureSize(210, 297, PrinterMargins{100, 40, 300, 60}), QSize(694, 1098));
    QCOMPARE(PagePictureSize(148, 210, PrinterMargins{}), QSize(559, 794));
    QCOMPARE(PagePictureSize(10, 10, PrinterMargins{1000, 1000, 1000, 1000}), QSize(1, 1));
}


void TestPrintPicture::previewFollowsPrinterMargins()
{
    QTemporaryDir dir;
    SystemPrinters printers;
    toPdfFile(printers, dir.filePath("p.pdf"), QMarginsF(10, 20, 10, 20));
    AAPrintPicture control(printers);
    control.setPicture(filled(30, 30, Qt::red));
    QSignalSpy spy(&control, &AAPrintPicture::MarginReaded);
    const QImage page = control.GetPreview();
    QCOMPARE(spy.count(), 1);
    const PrinterMargins m = control.margins();
    QCOMPARE(spy.at(0).at(0).toInt(), m.left);
    QCOMPARE(spy.at(0).at(1).toInt(), m.top);
    const double res = printers.current().resolution();
    // The page layout keeps its margins in whole points.
    QVERIFY(qAbs(m.left - 10 / 25.4 * res) < 10 && qAbs(m.right - 10 / 25.4 * res) < 10);
    QVERIFY(qAbs(m.top - 20 / 25.4 * res) < 10 && qAbs(m.bottom - 20 / 25.4 * res) < 10);
    QCOMPARE(page.size(), PagePictureSize(210, 297, m));
    // Centred with its black border.
    const QPoint at = AlignedOffset(4, page.size(), QSize(30, 30));
    QCOMPARE(page.pixelColor(at), QColor(Qt::black));
    QCOMPARE(page.pixelColor(at + QPoint(15, 15)), QColor(Qt::red));
    QCOMPARE(page.pixelColor(0, 0), QColor(Qt::white));
}

void TestPrintPicture::noCopiesPrintsNothing()
{
    for (const qint16 copies : {0, -3}) {
        QTemporaryDir dir;
        SystemPrinters printers;
        toPdfFile(printers, dir.filePath("p.pdf"));
        AAPrintPicture control(printers);
        control.setCopies(copies);
        QVERIFY(control.PrintPicture());
        QCOMPARE(control.jobsPrinted(), 0);
        QVERIFY(!QFile::exists(dir.filePath("p.pdf")));
    }
}

void TestPrintPicture::impossiblePaperIsRefused_data()
{
    QTest::addColumn<bool>("onCups");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("no width") << false << 0 << 297;
    QTest::newRow("smaller than the PDF queue takes") << true << 5 << 5;
}

void TestPrintPicture::impossiblePaperIsRefused()
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
        toPdfFile(printers, dir.filePath("p.pdf"));
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

void TestPrintPicture::everyCopyIsItsOwnJob()
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

QTEST_MAIN(TestPrintPicture)
#include "test_printpicture.moc"
