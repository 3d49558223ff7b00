// The sharp print set: designed pictures drawn anew at the page's resolution only where their
// drawing gives the screen pixels, kept beside a saved project, and nothing stored with loss.
#include "app/projectfiles.h"
#include "app/startup.h"
#include "board/artwork.h"
#include "printing/boardsheets.h"
#include "printing/pdfexport.h"
#include "printing/sharpdesign.h"
#include "testsupport.h"

#include <QPainter>
#include <QtTest>

namespace {
struct Design {
    ProgramFolder folder;
    Algemeen state;
    Design()
    {
        state.Paths = folder.path();
        LoadStartState(state);
    }
};

QRect squareArea(const Algemeen &state, int n)
{
    for (const SharpPart &part : SharpBoard(state).parts)
        if (part.area.topLeft() == state.squarePosition[n])
            return part.area;
    return {};
}

bool anyJpeg(const QString &folder)
{
    for (const QString &name : QDir(folder).entryList({"*.pdf"}))
        if (pdftools::run("pdfimages", {"-list", QDir(folder).filePath(name)}).contains(QLatin1String(" jpeg ")))
            return true;
    return false;
}

// The widths, in pixels, of the light-to-dark and dark-to-light edges inside `area`: runs of
// pixels between 10 % and 90 % of the way from the background to the ink.
QList<int> edgeWidths(const QImage &page, const QRect &area)
{
    QList<int> widths;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        int run = 0;
        for (int x = area.left(); x <= area.right(); ++x) {
            // The green channel: black and red ink alike against the light backgrounds.
            const int g = qGreen(page.pixel(x, y));
            const bool between = g > 24 && g < 216;
            if (between)
                ++run;
            else if (run) {
                widths << run;
                run = 0;
            }
        }
    }
    std::sort(widths.begin(), widths.end());
    return widths;
}
}

class TestSharpPrint : public QObject
{
    Q_OBJECT
private slots:
    void drawingIsKeptOnlyWhereItGivesThePixels()
    {
        Design d;
        // Every square (all four sides turn differently) and every deed of the default design.
        QCOMPARE(int(SharpBoard(d.state).parts.size()), 30);
        QCOMPARE(int(SharpDeedSheet(d.state).parts.size()), 28);

        // A square painted over by something else than its drawing prints from the pixels.
        const QRect area = squareArea(d.state, 21);
        QVERIFY(!area.isEmpty());
        d.state.pictures.Speelbord.setPixelColor(area.center(), Qt::magenta);
        QCOMPARE(int(SharpBoard(d.state).parts.size()), 29);
        QVERIFY(squareArea(d.state, 21).isEmpty());

        // A deed drawn with another base than the sheet holds is not used either.
        d.state.drawing.deeds[3]->base += 1;
        QCOMPARE(int(SharpDeedSheet(d.state).parts.size()), 27);

        // A placement is noted with the texts it placed.
        d.state.project.Board[21].Street = QStringLiteral("Zeedijk");
        RecordPlacedSquare(d.state, 21, d.state.project.Board[21]);
        QCOMPARE(d.state.drawing.squares[21]->street, QStringLiteral("Zeedijk"));
    }

    void savedProjectPrintsAsSharpAsTheDesignInMemory()
    {
        Design d;
        QString error;
        QVERIFY2(WriteProjectFiles(d.state, QStringLiteral("Scherp"), &error), qPrintable(error));
        const QString folder = ProjectsFolder(d.state.Paths) + QStringLiteral("/Scherp");
        const QString drawingFile = folder + QLatin1Char('/') + DrawingFileName();
        QVERIFY(QFile::exists(drawingFile));

        Algemeen opened;
        opened.Paths = d.folder.path();
        LoadStartState(opened);
        opened.drawing = {};
        QVERIFY(LoadProjectInto(opened, QStringLiteral("Scherp")).loaded);
        QCOMPARE(int(SharpBoard(opened).parts.size()), 30);
        QCOMPARE(int(SharpDeedSheet(opened).parts.size()), 28);
        QCOMPARE(DrawingFileBytes(opened.drawing), DrawingFileBytes(d.state.drawing));

        // A board changed outside the program: that square prints from its pixels, the rest sharp,
        // and what was painted is what the page shows.
        QImage board(folder + QStringLiteral("/Speelbord.bmp"));
        const QRect area = squareArea(d.state, 21);
        {
            QPainter p(&board);
            p.fillRect(area, Qt::magenta);
        }
        QVERIFY(board.save(folder + QStringLiteral("/Speelbord.bmp"), "BMP"));
        QVERIFY(LoadProjectInto(opened, QStringLiteral("Scherp")).loaded);
        QCOMPARE(int(SharpBoard(opened).parts.size()), 29);
        QTemporaryDir out;
        QVERIFY2(ExportDocuments({PrintSetDocuments(opened)[0]}, out.path(), &error), qPrintable(error));
        const QPoint centre = area.center() + BoardArea().topLeft();
        const int sheet = centre.y() / SheetHeight * 3 + centre.x() / SheetWidth + 1;
        const QImage page = pdftools::renderPage(out.filePath("Speelbord.pdf"), sheet, 48);
        int magenta = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                magenta += near(page.pixelColor(x, y), Qt::magenta, 20) ? 1 : 0;
        QVERIFY2(magenta > 200, qPrintable(QString::number(magenta)));

        // Without a drawing file, or with a damaged one, the project opens and prints from pixels.
        for (const QByteArray &bytes : {QByteArray(), QByteArray("{\"format\": \"vastgoed-tekening\", \"version\": 1, \"squares\": [{\"square\": 999}, 7]}"),
                                        QByteArray(2 * 1024 * 1024, '['), QByteArray("\xff\xfe garbage")}) {
            if (bytes.isEmpty())
                QFile::remove(drawingFile);
            else
                writeAll(drawingFile, bytes);
            const ProjectReadResult read = LoadProjectInto(opened, QStringLiteral("Scherp"));
            QVERIFY(read.loaded);
            QCOMPARE(int(SharpBoard(opened).parts.size()), 0);
            QCOMPARE(int(SharpDeedSheet(opened).parts.size()), 0);
        }
    }

    void pdfPagesAreSharpLosslessAndInPlace()
    {
        Design d;
        QTemporaryDir screen, sharp;
        QString error;
        QVERIFY2(ExportDocuments(PrintSetDocuments(d.state), screen.path(), &error, {}, 0), qPrintable(error));
        QVERIFY2(ExportDocuments(PrintSetDocuments(d.state), sharp.path(), &error, {}, 300), qPrintable(error));
        QVERIFY(!anyJpeg(screen.path()));
        QVERIFY(!anyJpeg(sharp.path()));

        // The sheets keep their geometry: the same printed block on every page.
        for (const QString &name : {"Speelbord.pdf", "Eigendomsbewijzen.pdf", "Kans.pdf", "Speelgeld.pdf"}) {
            const int pages = pdftools::pageCount(screen.filePath(name));
            QCOMPARE(pdftools::pageCount(sharp.filePath(name)), pages);
            for (int page = 1; page <= pages; ++page) {
                const QRect a = contentBox(pdftools::renderPage(screen.filePath(name), page, 48));
                const QRect b = contentBox(pdftools::renderPage(sharp.filePath(name), page, 48));
                QVERIFY2(qAbs(a.left() - b.left()) <= 1 && qAbs(a.top() - b.top()) <= 1 && qAbs(a.right() - b.right()) <= 1
                             && qAbs(a.bottom() - b.bottom()) <= 1,
                         qPrintable(QStringLiteral("%1 page %2").arg(name).arg(page)));
            }
        }

        // At 300 dpi the texts of a deed and a card have edges a pixel or two wide, as
        // text drawn at 300 dpi has (curves met at a slant make longer runs, hence the median);
        // the screen pictures stretched over the page have edges several times as wide.
        // The areas: the first deed's left column and the first card's text.
        struct Probe { const char *file; QRect area; };
        const Probe probes[] = {{"Eigendomsbewijzen.pdf", QRect(90, 280, 300, 180)},
                                {"Kans.pdf", QRect(420, 440, 450, 70)}};
        for (const Probe &probe : probes) {
            const QList<int> sharpEdges = edgeWidths(pdftools::renderPage(sharp.filePath(probe.file), 1, 300), probe.area);
            const QList<int> screenEdges = edgeWidths(pdftools::renderPage(screen.filePath(probe.file), 1, 300), probe.area);
            QVERIFY2(sharpEdges.size() > 50, probe.file);
            const int sharpMedian = sharpEdges[sharpEdges.size() / 2];
            const int sharp90 = sharpEdges[sharpEdges.size() * 9 / 10];
            const int screen90 = screenEdges[screenEdges.size() * 9 / 10];
            QVERIFY2(sharpMedian <= 2 && 2 * sharp90 < screen90,
                     qPrintable(QStringLiteral("%1: edges %2 px (median), %3 px (90 %), from the screen picture %4 px (90 %)")
                                    .arg(probe.file).arg(sharpMedian).arg(sharp90).arg(screen90)));
            qInfo("%s: sharp edge median %d px, 90%% %d px; screen picture 90%% %d px", probe.file, sharpMedian, sharp90, screen90);
        }
    }
};

QTEST_MAIN(TestSharpPrint)
#include "test_sharpprint.moc"
