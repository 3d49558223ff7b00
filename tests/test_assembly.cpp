// The board at its true size with glue strips, as rendered PDF pages: where each sheet's part
// of the board lies on the paper, that the parts add up to the whole board, and that each glue
// strip repeats its neighbour's edge.
#include "app/algemeen.h"
#include "printing/boardassembly.h"
#include "printing/pdfexport.h"
#include "testsupport.h"

#include <QtTest>
#include <array>

namespace {
constexpr int Dpi = 300;
double toMm(double pixels) { return pixels * 25.4 / Dpi; }

// The board's pixels on a page: anything clearly coloured (the trim lines, ticks and texts
// are grey or black).
bool boardPixel(QRgb c)
{
    return qMax(qRed(c), qMax(qGreen(c), qBlue(c))) - qMin(qRed(c), qMin(qGreen(c), qBlue(c))) > 40;
}

QRect boardBox(const QImage &page) { return boxWhere(page, page.rect(), boardPixel); }

// Mean difference per channel between two equally sized areas.
double difference(const QImage &a, const QRect &ra, const QImage &b, const QRect &rb)
{
    double sum = 0;
    for (int y = 0; y < ra.height(); ++y)
        for (int x = 0; x < ra.width(); ++x) {
            const QRgb p = a.pixel(ra.x() + x, ra.y() + y), q = b.pixel(rb.x() + x, rb.y() + y);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * ra.width() * ra.height());
}

struct Seam {
    int overlap = 0;      // rendered pixels
    double mismatch = 1e9;
};

// The overlap at which the end of `first` (its last columns, or rows when `down`) matches the
// start of `second` best: the glue strip found from the pictures alone.
Seam findSeam(const QImage &first, const QRect &a, const QImage &second, const QRect &b, bool down)
{
    Seam best;
    for (int s = 40; s <= 200; ++s) {
        const QRect ra = down ? QRect(a.left() + 20, a.bottom() + 1 - s, a.width() - 40, s)
                              : QRect(a.right() + 1 - s, a.top() + 20, s, a.height() - 40);
        const QRect rb = down ? QRect(b.left() + 20, b.top(), a.width() - 40, s)
                              : QRect(b.left(), b.top() + 20, s, a.height() - 40);
        // Every fourth line is enough to tell the overlap apart.
        double sum = 0;
        int lines = 0;
        for (int i = 0; i < (down ? ra.height() : ra.width()); i += 4, ++lines)
            sum += down ? difference(first, QRect(ra.left(), ra.top() + i, ra.width(), 1), second,
                                     QRect(rb.left(), rb.top() + i, rb.width(), 1))
                        : difference(first, QRect(ra.left() + i, ra.top(), 1, ra.height()), second,
                                     QRect(rb.left() + i, rb.top(), 1, rb.height()));
        const double mismatch = sum / lines;
        if (mismatch < best.mismatch)
            best = {s, mismatch};
    }
    return best;
}

std::array<QImage, 7> exportAssembled(const QImage &board)
{
    Algemeen state;
    state.pictures.Speelbord = board;
    QTemporaryDir out;
    std::array<QImage, 7> pages;
    QString error;
    if (!ExportDocuments({PrintSetDocuments(state, true)[0]}, out.path(), &error)) {
        qWarning() << error;
        return pages;
    }
    const QString pdf = out.filePath("Speelbord.pdf");
    if (pdftools::pageCount(pdf) != 7)
        return pages;
    for (int i = 0; i < 7; ++i)
        pages[i] = pdftools::renderPage(pdf, i + 1, Dpi);
    for (int i = 0; i < 7; ++i)
        pages[i].setText("text", pdftools::run("pdftotext", {"-f", QString::number(i + 1), "-l",
                                                               QString::number(i + 1), pdf, "-"}));
    return pages;
}
}

class TestAssembly : public QObject
{
    Q_OBJECT
private slots:
    void sheetsFitTheMarginsAndMakeTheTrueSize()
    {
        QImage flat(2180, 2180, QImage::Format_RGB32);
        flat.fill(QColor(40, 160, 90));
        const auto pages = exportAssembled(flat);
        QVERIFY(!pages[6].isNull());

        QVERIFY(pages[0].text("text").contains("in elkaar zetten"));
        QVERIFY(pages[0].text("text").contains("3."));
        const double margin = 5.0 * Dpi / 25.4;
        std::array<QRect, 6> box;
        const char *labels[6] = {"A1", "B1", "C1", "A2", "B2", "C2"};
        for (int i = 0; i < 6; ++i) {
            const QImage &page = pages[i + 1];
            QVERIFY2(page.text("text").contains(QStringLiteral("blad %1 van zes").arg(labels[i])), labels[i]);
            box[i] = boardBox(page);
            QVERIFY2(box[i].left() >= margin && box[i].top() >= margin && box[i].right() < page.width() - margin
                         && box[i].bottom() < page.height() - margin,
                     qPrintable(QStringLiteral("%1 at %2,%3 %4x%5").arg(labels[i]).arg(box[i].x()).arg(box[i].y())
                                    .arg(box[i].width()).arg(box[i].height())));
            // All of the part is board: no mark reaches into it.
            const QRect inside = box[i].adjusted(2, 2, -2, -2);
            int other = 0;
            for (int y = inside.top(); y <= inside.bottom(); y += 3)
                for (int x = inside.left(); x <= inside.right(); x += 3)
                    other += !near(page.pixelColor(x, y), QColor(40, 160, 90), 6);
            QVERIFY2(other == 0, labels[i]);
        }
        // The tiles' sizes less the glue strips they carry make 2180 board pixels = 508.7 mm.
        const double strip = GlueStripPixels * 210.0 / 900.0;
        const double across = toMm(box[0].width() + box[1].width() + box[2].width()) - 2 * strip;
        const double down = toMm(box[0].height() + box[3].height()) - strip;
        QVERIFY2(qAbs(across - 508.7) <= 0.5, qPrintable(QString::number(across)));
        QVERIFY2(qAbs(down - 508.7) <= 0.5, qPrintable(QString::number(down)));
        QVERIFY(strip >= 8 && strip <= 10);
    }

    void glueStripsRepeatTheNeighbour()
    {
        // Blocks of random colours, 12 board pixels (2.8 mm) a side: any slip shows.
        QImage blocks(182, 182, QImage::Format_RGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < 182; ++y)
            for (int x = 0; x < 182; ++x)
                blocks.setPixelColor(x, y, QColor::fromHsv(random.bounded(360), 255, 120 + random.bounded(130)));
        const QImage board = blocks.scaled(182 * 12, 182 * 12).copy(0, 0, 2180, 2180);
        const auto pages = exportAssembled(board);

        QVERIFY(!pages[6].isNull());
        std::array<QRect, 6> box;
        for (int i = 0; i < 6; ++i)
            box[i] = boardBox(pages[i + 1]);
        const double strip = GlueStripPixels * Dpi / (900.0 / 210.0 * 25.4);  // rendered pixels
        const struct { int first, second; bool down; } seams[] = {{0, 1, false}, {1, 2, false}, {3, 4, false},
                                                                   {4, 5, false}, {0, 3, true}, {1, 4, true}, {2, 5, true}};
        for (const auto &s : seams) {
            const Seam seam = findSeam(pages[s.first + 1], box[s.first], pages[s.second + 1], box[s.second], s.down);
            const QString where = QStringLiteral("seam %1-%2: overlap %3 px, mismatch %4")
                                      .arg(s.first).arg(s.second).arg(seam.overlap).arg(seam.mismatch);
            // Within a quarter of a millimetre: poppler's own rounding of image edges is a pixel or two.
            QVERIFY2(qAbs(seam.overlap - strip) <= 3, qPrintable(where));
            QVERIFY2(seam.mismatch < 6, qPrintable(where));
            // Both sides of the seam start at the same height (across) or place (down) on the paper.
            QVERIFY2(s.down ? qAbs(box[s.first].left() - box[s.second].left()) <= 1
                            : qAbs(box[s.first].top() - box[s.second].top()) <= 1, qPrintable(where));
        }
    }
};

QTEST_MAIN(TestAssembly)
#include "test_assembly.moc"
