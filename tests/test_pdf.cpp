// The print set as PDF files: from the menu and the command line, the pages they hold, drawn
// sharp at the page's resolution where the drawing gives the screen pixels, and the board at its
// true size with glue strips.
#include "model/algemeen.h"
#include "app/commandline.h"
#include "files/projectfiles.h"
#include "design/edits.h"
#include "design/startup.h"
#include "artwork/artwork.h"
#include "drawing/banknote.h"
#include "printing/moneysheet.h"
#include "printing/boardassembly.h"
#include "printing/boardsheets.h"
#include "printing/pdfexport.h"
#include "files/drawingfile.h"
#include "design/drawingrecord.h"
#include "printing/sharpdesign.h"
#include "drawing/deedsheet.h"
#include "testwindow.h"

#include <QAction>
#include <QPainter>
#include <QtTest>
#include <array>

namespace {
// A program folder of its own: the built executable and its Data pictures copied in.
struct Installation : ProgramFolder {
    QString exe = dir.filePath("vastgoed-atelier");
    Installation()
    {
        QFile::copy(qEnvironmentVariable("VASTGOED_EXE"), exe);
        QFile::setPermissions(exe, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    struct Result { int code; QString out, err; };
    Result run(const QStringList &args) const
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");  // the program picks the offscreen platform itself
        env.remove("DISPLAY");
        p.setProcessEnvironment(env);
        p.start(exe, args);
        p.waitForFinished(120000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromLocal8Bit(p.readAllStandardOutput()), QString::fromLocal8Bit(p.readAllStandardError())};
    }
};

// The parts of a sharp board that are placed squares (the artwork's parts left out): known
// fault, text drawn earlier in a process can move later glyph outlines by a pixel, so a tile of
// the banner may print from its pixels and the artwork's count is not fixed.
int squareParts(const SharpPicture &board)
{
    int count = 0;
    for (const SharpPart &part : board.parts)
        for (int n = 1; n <= 36; ++n)
            count += IsComposableSquare(n) && part.area.topLeft() == DefaultSquarePosition(n) ? 1 : 0;
    return count;
}

const QStringList printSet{"Speelbord.pdf", "Eigendomsbewijzen.pdf", "Kans.pdf", "AlgemeenFonds.pdf", "Speelgeld.pdf"};

// True when no pixel within `mm` of the page edge is drawn on.
bool edgesBlank(const QImage &page, double mm, int dpi)
{
    const int band = int(mm / 25.4 * dpi) - 1;
    const QRect ink = boxWhere(page, page.rect(), [](QRgb c) { return QColor(c).lightness() < 250; });
    return ink.isNull() || page.rect().adjusted(band, band, -band, -band).contains(ink);
}
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
constexpr int Dpi = 300;
double toMm(double pixels) { return pixels * 25.4 / Dpi; }

// The board's pixels on a page: anything clearly coloured (the trim lines, ticks and texts
// are grey or black).
bool boardPixel(QRgb c)
{
    return qMax(qRed(c), qMax(qGreen(c), qBlue(c))) - qMin(qRed(c), qMin(qGreen(c), qBlue(c))) > 40;
}

QRect boardBox(const QImage &page) { return boxWhere(page, page.rect(), boardPixel); }

// Mean difference per channel between two equally sized areas, from every fourth pixel each way.
double difference(const QImage &a, const QRect &ra, const QImage &b, const QRect &rb)
{
    double sum = 0;
    int pixels = 0;
    for (int y = 0; y < ra.height(); y += 4)
        for (int x = 0; x < ra.width(); x += 4, ++pixels) {
            const QRgb p = a.pixel(ra.x() + x, ra.y() + y), q = b.pixel(rb.x() + x, rb.y() + y);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * pixels);
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
        const double mismatch = difference(first, ra, second, rb);
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
    if (!ExportDocuments({PrintSetDocuments(state)[0]}, out.path(), &error)) {
        qWarning() << error;
        return pages;
    }
    const QString pdf = out.filePath("Speelbord.pdf");
    if (pdftools::pageCount(pdf) != 7)
        return pages;
    // pdftotext ends every page with a form feed.
    const QStringList texts = pdftools::run("pdftotext", {pdf, "-"}).split(QLatin1Char('\f'));
    for (int i = 0; i < 7; ++i) {
        pages[i] = pdftools::renderPage(pdf, i + 1, Dpi);
        pages[i].setText("text", texts.value(i));
    }
    return pages;
}
}

class TestPdf : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_out;
    bool m_exported = false;
    void exportDefault();

private slots:

    // The export prints the bank as designed, each value on sheets of its own, and the cards
    // with the design's border colour.
    void exportPrintsTheDesignedBankAndBorder()
    {
        Design d;
        std::vector<BankNote> bank = DefaultBank();
        bank.resize(2);
        bank[0].background = {250, 120, 20};
        bank[0].perPlayer = 1;   // 8 notes for 4 players and the bank
        bank[1].background = {20, 200, 240};
        bank[1].perPlayer = 2;   // 16 notes: two sheets
        d.state.game.bank = bank;
        d.state.CardBorderColour = {10, 20, 200};
        QTemporaryDir out;
        QString error;
        QVERIFY2(ExportDocuments(PrintSetDocuments(d.state), out.path(), &error), qPrintable(error));
        const QString money = out.filePath("Speelgeld.pdf");
        QCOMPARE(pdftools::pageCount(money), 3);
        // The note's ground inside slot (row, column) on page `page`, at 96 dpi.
        auto ground = [&](int page, int row, int column) {
            const QImage image = pdftools::renderPage(money, page, 96);
            const QPointF mm(ExportMarginMillimetres / 25.4 * 1440, ExportMarginMillimetres / 25.4 * 1440);
            return image.pixelColor(pixelOf(MoneySheetSlot(row, column).topLeft() + mm + QPointF(100, 700)));
        };
        QVERIFY(near(ground(1, 4, 2), QColor(250, 120, 20)));
        QVERIFY(near(ground(1, 5, 1), Qt::white));  // eight notes: the last row stays empty
        QVERIFY(near(ground(2, 5, 2), QColor(20, 200, 240)));
        QVERIFY(near(ground(3, 3, 2), QColor(20, 200, 240)));
        QVERIFY(near(ground(3, 4, 1), Qt::white));

        const QImage card = pdftools::renderPage(out.filePath("Kans.pdf"), 1, 48);
        QVERIFY(countWhere(card, card.rect(), [](QRgb c) { return near(QColor(c), QColor(10, 20, 200)); }) > 500);
    }
    void printSetHasItsPages_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("pages");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("board") << "Speelbord.pdf" << 7 << false;
        QTest::newRow("deeds") << "Eigendomsbewijzen.pdf" << 3 << true;
        QTest::newRow("kans") << "Kans.pdf" << 2 << false;
        QTest::newRow("fonds") << "AlgemeenFonds.pdf" << 2 << false;
        QTest::newRow("money: the whole bank for 4 players") << "Speelgeld.pdf" << 23 << false;
    }

    void printSetHasItsPages()
    {
        QFETCH(QString, file);
        QFETCH(int, pages);
        QFETCH(bool, landscape);
        exportDefault();
        const QString path = m_out.filePath(file);
        QCOMPARE(pdftools::pageCount(path), pages);
        for (int p = 1; p <= pages; ++p) {
            QVERIFY(pdftools::isA4(path, p, landscape));
            // Everything lies inside the margins a home printer prints at actual size.
            const QImage image = pdftools::renderPage(path, p, 50);
            QVERIFY2(edgesBlank(image, ExportMarginMillimetres, 50), qPrintable(QStringLiteral("page %1").arg(p)));
            QVERIFY(!edgesBlank(image, 20, 50));  // and the page is not empty
        }
    }

    void menuExportsIntoTheChosenFolder()
    {
        Installation installation;
        WindowIn window(installation.dir.path());
        auto &[state, dialogs, w] = window;
        QTemporaryDir out;
        QAction *entry = w->menuAction(QStringLiteral("Bestand/Exporteren als PDF..."));
        QVERIFY(entry);
        dialogs.folderAnswers = {std::nullopt};  // cancelled: nothing happens
        entry->trigger();
        QCOMPARE(dialogs.asked.size(), 1);
        dialogs.folderAnswers = {out.path()};
        entry->trigger();
        QCOMPARE(dialogs.asked.size(), 3);
        QVERIFY(dialogs.asked.last().contains("100%"));
        for (const QString &name : printSet)
            QVERIFY(QFile::exists(out.filePath(name)));
    }

    void commandLine()
    {
        Installation installation;
        const auto help = installation.run({"--help"});
        QVERIFY(help.code == 0 && help.out.contains("--export-pdf DIR") && help.out.contains("--project NAME")
                && help.out.contains("--six-sheets"));
        // --assembly, the default now, is still understood; with --six-sheets it asks for both.
        QVERIFY(ParseCommandLine({"x", "--export-pdf", "d", "--assembly"}).error.isEmpty());
        QVERIFY(!ParseCommandLine({"x", "--export-pdf", "d", "--assembly", "--six-sheets"}).error.isEmpty());

        // A saved project whose deed sheet is all blue, exported into a folder made when missing.
        Algemeen state;
        state.Paths = installation.dir.path();
        LoadStartState(state);
        state.pictures.EigenDomsPic.fill(QColor(0, 0, 255));
        QString error;
        QVERIFY2(WriteProjectFiles(state, QStringLiteral("Blauw"), &error), qPrintable(error));
        QFile::remove(installation.dir.filePath("Vastgoed.ini"));
        const QString out = installation.dir.filePath("nieuw/pdf");
        // --backs none: the print set as it was before backs, marks and the proof sheet.
        const auto ok = installation.run({"--export-pdf", out, "--project", "Blauw", "--backs", "none"});
        QCOMPARE(ok.code, 0);
        QCOMPARE(ok.out.trimmed().split('\n').size(), 5);  // one line a file
        for (const QString &name : printSet)
            QVERIFY(ok.out.contains(name) && QFile::exists(QDir(out).filePath(name)));
        QVERIFY(QFile::exists(installation.dir.filePath("Vastgoed.ini")));  // read (and made) as at start
        const QImage deeds = pdftools::renderPage(QDir(out).filePath("Eigendomsbewijzen.pdf"), 1, 30);
        const QColor middle = deeds.pixelColor(deeds.width() / 2, deeds.height() / 2);
        QVERIFY2(middle.blue() > 200 && middle.red() < 40, qPrintable(middle.name()));

        // A file where the folder should be: reported by name.
        writeAll(installation.dir.filePath("bezet"), "");
        const auto bad = installation.run({"--export-pdf", installation.dir.filePath("bezet/pdf")});
        QVERIFY(bad.code != 0 && bad.err.contains("bezet"));

        const auto missing = installation.run({"--export-pdf", out, "--project", "Bestaat Niet"});
        QVERIFY(missing.code != 0 && missing.err.contains("Bestaat Niet"));
        QVERIFY(installation.run({"--export-pdf"}).code != 0);
    }

    // --six-sheets: the six sheets on A4 pages without margins; laid side by side they make the
    // board 2180 pixels at 210 mm for 900: 508.7 mm square.
    void sixSheetsJoinEdgeToEdge()
    {
        Installation installation;
        QTemporaryDir out;
        QCOMPARE(installation.run({"--export-pdf", out.path(), "--six-sheets"}).code, 0);
        const QString pdf = out.filePath("Speelbord.pdf");
        QCOMPARE(pdftools::pageCount(pdf), 6);
        const int dpi = 150;
        const double px = dpi / 25.4;
        std::array<QRect, 6> box;
        QImage page;
        for (int i = 0; i < 6; ++i) {
            QVERIFY(pdftools::isA4(pdf, i + 1));
            page = pdftools::renderPage(pdf, i + 1, dpi);
            box[i] = contentBox(page);
            // The board runs on to the paper's edge at every seam: no margin on either side.
            const bool right = i % 3 < 2, below = i < 3;
            const QRect b = box[i];
            QVERIFY2((!right || b.right() >= page.width() - 2) && (i % 3 == 0 || b.left() <= 1)
                         && (!below || b.bottom() >= page.height() - 2) && (below || b.top() <= 1),
                     qPrintable(QStringLiteral("sheet %1 at %2,%3 to %4,%5").arg(i + 1).arg(b.left()).arg(b.top())
                                    .arg(b.right() + 1).arg(b.bottom() + 1)));
        }
        const double across = (box[0].width() + box[1].width() + box[2].width()) / px;
        const double down = (box[0].height() + box[3].height()) / px;
        QVERIFY2(qAbs(across - 508.7) < 0.6 && qAbs(down - 508.7) < 0.6,
                 qPrintable(QStringLiteral("board %1 x %2 mm").arg(across, 0, 'f', 1).arg(down, 0, 'f', 1)));
    }

    void drawingIsKeptOnlyWhereItGivesThePixels()
    {
        Design d;
        // Every square (all four sides turn differently) and every deed of the default design,
        // and the sheet's thirteen gaps between the deeds.
        QCOMPARE(squareParts(SharpBoard(d.state)), 30);
        QCOMPARE(int(SharpDeedSheet(d.state).parts.size()), 28 + 13);

        // Printed three times as large, the station picture of square 23 (upright) and of its
        // deed is the artwork's picture drawn at that size; from a strip changed by another
        // tool (and pasted so) it is that strip's picture, its pixels stretched.
        const int k = d.state.drawing.squares[23]->stationImage;
        QCOMPARE(d.state.drawing.deeds[23]->stationImage, k);
        const QPoint square = d.state.squarePosition[23], deed = *DeedSheetSlot(23), dot(80, 60);
        auto printed = [](const SharpPicture &sharp, QPoint at, QSize size, QPoint picture) {
            for (const SharpPart &part : sharp.parts)
                if (part.area.topLeft() == at)
                    return part.render(size * 3).copy(QRect(picture * 3, QSize(480, 405)));
            return QImage();
        };
        const QImage drawn = DrawStationPicture(k, d.state.pictures.TreinPicTown, QSize(480, 405));
        QCOMPARE(printed(SharpBoard(d.state), square, QSize(180, 280), QPoint(12, 75)), drawn);
        QCOMPARE(printed(SharpDeedSheet(d.state), deed, QSize(200, 280), QPoint(21, 35)), drawn);
        Design changed;
        changed.state.pictures.TreinPic.setPixelColor(dot + QPoint(0, 135 * k), Qt::magenta);
        changed.state.pictures.Speelbord.setPixelColor(square + QPoint(12, 75) + dot, Qt::magenta);
        changed.state.pictures.EigenDomsPic.setPixelColor(deed + QPoint(21, 35) + dot, Qt::magenta);
        const QImage stretched = changed.state.pictures.TreinPic.copy(0, 135 * k, 160, 135).scaled(480, 405);
        QCOMPARE(stretched.pixelColor(dot * 3 + QPoint(1, 1)), QColor(Qt::magenta));
        QCOMPARE(printed(SharpBoard(changed.state), square, QSize(180, 280), QPoint(12, 75)), stretched);
        QCOMPARE(printed(SharpDeedSheet(changed.state), deed, QSize(200, 280), QPoint(21, 35)), stretched);

        // A square painted over by something else than its drawing prints from the pixels.
        const QRect area = squareArea(d.state, 21);
        QVERIFY(!area.isEmpty());
        d.state.pictures.Speelbord.setPixelColor(area.center(), Qt::magenta);
        QCOMPARE(squareParts(SharpBoard(d.state)), 29);
        QVERIFY(squareArea(d.state, 21).isEmpty());

        // A deed drawn with another base than the sheet holds is not used either.
        d.state.drawing.deeds[3]->base += 1;
        QCOMPARE(int(SharpDeedSheet(d.state).parts.size()), 27 + 13);

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
        QCOMPARE(squareParts(SharpBoard(opened)), 30);
        QCOMPARE(int(SharpDeedSheet(opened).parts.size()), 28 + 13);
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
        QCOMPARE(squareParts(SharpBoard(opened)), 29);
        QTemporaryDir out;
        QVERIFY2(ExportDocuments({PrintSetDocuments(opened, BoardLayout::SixSheets)[0]}, out.path(), &error), qPrintable(error));
        const QPoint centre = area.center() + BoardArea().topLeft();
        const int sheet = centre.y() / SheetHeight * 3 + centre.x() / SheetWidth + 1;
        const QImage page = pdftools::renderPage(out.filePath("Speelbord.pdf"), sheet, 48);
        const int magenta = countWhere(page, page.rect(), [](QRgb c) { return near(QColor(c), Qt::magenta, 20); });
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
            QCOMPARE(squareParts(SharpBoard(opened)), 0);
            QCOMPARE(int(SharpDeedSheet(opened).parts.size()), 13);  // the gaps alone, no deed
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

        // A note printed 216 times and a board part on two sheets are each one picture in
        // their PDF: the seven notes of the bank are seven pictures, the board's parts at most
        // one each.
        const auto storedPictures = [&](const char *file) {
            QSet<QString> objects;
            const QStringList lines = pdftools::run("pdfimages", {"-list", sharp.filePath(file)}).split('\n');
            for (const QString &line : lines.mid(2))
                if (line.simplified().split(' ').size() > 10)
                    objects.insert(line.simplified().split(' ')[10]);
            return int(objects.size());
        };
        QCOMPARE(storedPictures("Speelgeld.pdf"), 7);
        // Everything in a design made in the program is drawn at the page's resolution: no
        // picture in any file is stretched from fewer pixels, the deed sheet's gaps included.
        for (const QString &name : printSet)
            for (const QString &line : pdftools::run("pdfimages", {"-list", sharp.filePath(name)}).split('\n').mid(2)) {
                const QStringList columns = line.simplified().split(' ');
                QVERIFY2(columns.size() < 13 || columns[12].toInt() >= 290, qPrintable(name + ": " + line));
            }
        QVERIFY(storedPictures("Speelbord.pdf") <= int(SharpBoard(d.state).parts.size()) + 6);

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
            QVERIFY2(countWhere(page, box[i].adjusted(2, 2, -2, -2), [](QRgb c) { return !near(QColor(c), QColor(40, 160, 90), 6); }) == 0,
                     labels[i]);
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

void TestPdf::exportDefault()
{
    if (m_exported)
        return;
    // Older, broken files of the same names are replaced whole.
    for (const QString &name : printSet)
        writeAll(m_out.filePath(name), "an older, broken file");
    Algemeen state;
    state.Paths = QFileInfo(qEnvironmentVariable("VASTGOED_DATA_DIR")).path();
    LoadStartState(state);
    QStringList told;
    QString error;
    QVERIFY2(ExportDocuments(PrintSetDocuments(state), m_out.path(), &error,
                             [&](const QString &name) { told << name; }),
             qPrintable(error));
    QCOMPARE(told, printSet);
    QCOMPARE(QDir(m_out.path()).entryList(QDir::Files).size(), printSet.size());  // no leftovers
    m_exported = true;
}

QTEST_MAIN(TestPdf)
#include "test_pdf.moc"
