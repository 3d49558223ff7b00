// The print kit: backs behind their fronts on duplex pages, fold-over sheets inside their
// margins, the proof sheet's ruler, cut marks, the command line's --backs, the duplex offset
// kept per printer, and "Alles afdrukken" through the CUPS PDF queue.
#include "app/commandline.h"
#include "files/preferences.h"
#include "design/startup.h"
#include "printing/moneysheet.h"
#include "printing/cardsheets.h"
#include "printing/cutmarks.h"
#include "printing/printerpage.h"
#include "printing/printkit.h"
#include "printing/printrun.h"
#include "printing/proofsheet.h"
#include "testwindow.h"
#include "windows/printallform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPdfWriter>
#include <QProgressBar>
#include <QSignalSpy>
#include <QtTest>

namespace {
constexpr int Dpi = 150;
double px(double mm) { return mm * Dpi / 25.4; }
double mm(double pixels) { return pixels * 25.4 / Dpi; }
constexpr double TwipsToMm = 25.4 / 1440;

struct Kit {
    ProgramFolder folder;
    Algemeen state;
    QTemporaryDir out;
    Kit()
    {
        state.Paths = folder.path();
        LoadStartState(state);
    }
    // Writes `file` of the kit with `options` (screen pictures: quick) and gives its path.
    QString exported(const QString &file, const PrintKitOptions &options)
    {
        for (const ExportedDocument &doc : PrintKitDocuments(state, options))
            if (doc.fileName == file) {
                QString error;
                if (!ExportDocuments({doc}, out.path(), &error, {}, 0))
                    qWarning() << error;
                return out.filePath(file);
            }
        return {};
    }
};

bool dark(QRgb c) { return QColor(c).lightness() < 70; }
bool inked(QRgb c) { return QColor(c).lightness() < 236; }
bool markGrey(QRgb c)
{
    const QColor q(c);
    return q.lightness() < 215 && qAbs(q.red() - q.blue()) < 12 && qAbs(q.red() - q.green()) < 12;
}

QRect pixels(const QRectF &millimetres)
{
    return QRectF(px(millimetres.x()), px(millimetres.y()), px(millimetres.width()), px(millimetres.height())).toRect();
}

// Where the fronts of a spec sheet lie, in millimetres of the paper (the PDF's 4 mm margins).
std::vector<QRectF> frontPlaces(const QString &file)
{
    std::vector<QRectF> places;
    const QPointF corner(ExportMarginMillimetres, ExportMarginMillimetres);
    if (file == QLatin1String("Kans.pdf")) {
        for (int card = 1; card <= CardsPerSheet; ++card) {
            const QRectF t = CardSheetSlot(card);
            places.push_back(QRectF(corner + t.topLeft() * TwipsToMm, t.size() * TwipsToMm));
        }
    } else {
        // Page 1 of the deeds: five deeds across, two down, scaled from the sheet's slots.
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 5; ++column)
                places.push_back(QRectF(corner + QPointF((9 + 210 * column) * 16420.0 / 1056, (9 + 290 * row) * 10350.0 / 588) * TwipsToMm,
                                        QSizeF(200 * 16420.0 / 1056, 280 * 10350.0 / 588) * TwipsToMm));
    }
    return places;
}
}

class TestPrintKit : public QObject
{
    Q_OBJECT
private slots:
    // A duplex pair at 150 dpi: each back, found on its page, lies behind its front, found on
    // the front page, within 0.5 mm once the sheet is turned over and the offset taken off.
    void duplexBacksLieBehindTheirFronts_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("shortEdge");
        QTest::addColumn<QPointF>("offset");
        QTest::newRow("cards, long edge") << "Kans.pdf" << false << QPointF();
        QTest::newRow("cards, short edge, shifted") << "Kans.pdf" << true << QPointF(1, -2);
        QTest::newRow("deeds, long edge, shifted") << "Eigendomsbewijzen.pdf" << false << QPointF(-1, 2);
        QTest::newRow("deeds, short edge") << "Eigendomsbewijzen.pdf" << true << QPointF();
    }
    void duplexBacksLieBehindTheirFronts()
    {
        QFETCH(QString, file);
        QFETCH(bool, shortEdge);
        QFETCH(QPointF, offset);
        Kit kit;
        PrintKitOptions options;
        options.backs = BackWay::Duplex;
        options.flip = shortEdge ? FlipEdge::Short : FlipEdge::Long;
        options.backOffset = offset;
        const QString pdf = kit.exported(file, options);
        const bool deeds = file != QLatin1String("Kans.pdf");
        QCOMPARE(pdftools::pageCount(pdf), deeds ? 6 : 4);
        const QImage front = pdftools::renderPage(pdf, 1, Dpi), back = pdftools::renderPage(pdf, 2, Dpi);
        // Deeds by their black frames; cards by their ink, looked for close enough to miss the marks.
        auto found = [deeds](const QImage &page, const QRect &near) {
            return deeds ? boxWhere(page, near, dark) : boxWhere(page, near, inked);
        };
        const bool portrait = front.width() < front.height();
        const bool acrossMirrors = portrait != shortEdge;
        for (const QRectF &place : frontPlaces(file)) {
            const QRect f = found(front, pixels(place).adjusted(-int(px(deeds ? 1.5 : 0.6)), -int(px(deeds ? 1.5 : 0.6)),
                                                                int(px(deeds ? 1.5 : 0.6)), int(px(deeds ? 1.5 : 0.6))));
            QVERIFY(!f.isNull());
            QRect expected = f;
            if (acrossMirrors)
                expected.moveLeft(front.width() - 1 - f.right());
            else
                expected.moveTop(front.height() - 1 - f.bottom());
            expected.translate(QPointF(px(offset.x()), px(offset.y())).toPoint());
            const QRect b = found(back, expected.adjusted(-int(px(1.2)), -int(px(1.2)), int(px(1.2)), int(px(1.2))));
            // Behind: the centres within 0.5 mm, and the same size within 0.5 mm.
            const QPointF shift = QRectF(b).center() - QRectF(expected).center();
            const QString where = QStringLiteral("front %1,%2 %3x%4, back %5,%6 %7x%8, expected at %9,%10")
                                      .arg(f.x()).arg(f.y()).arg(f.width()).arg(f.height()).arg(b.x()).arg(b.y())
                                      .arg(b.width()).arg(b.height()).arg(expected.x()).arg(expected.y());
            QVERIFY2(!b.isNull() && mm(qAbs(shift.x())) <= 0.5 && mm(qAbs(shift.y())) <= 0.5
                         && mm(qAbs(b.width() - f.width())) <= 0.5 && mm(qAbs(b.height() - f.height())) <= 0.5,
                     qPrintable(where));
        }
        // Nothing on the back page but the backs: no cut marks there.
        QImage rest = back;
        for (const QRectF &place : frontPlaces(file)) {
            QRectF mirrored = place;
            if (acrossMirrors)
                mirrored.moveLeft(mm(back.width()) - place.right());
            else
                mirrored.moveTop(mm(back.height()) - place.bottom());
            QPainter(&rest).fillRect(pixels(mirrored.translated(offset)).adjusted(-6, -6, 6, 6), Qt::white);
        }
        QCOMPARE(boxWhere(rest, rest.rect(), inked), QRect());
    }

    // Every page of the fold-over sheets keeps 5 mm from the paper's edges; each front has its
    // back right beside it with a dashed fold line between.
    void foldSheetsKeepTheirMarginsAndFoldBetween_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("pages");
        QTest::newRow("kans") << "Kans.pdf" << 4;
        QTest::newRow("fonds") << "AlgemeenFonds.pdf" << 4;
        QTest::newRow("deeds") << "Eigendomsbewijzen.pdf" << 7;
    }
    void foldSheetsKeepTheirMarginsAndFoldBetween()
    {
        QFETCH(QString, file);
        QFETCH(int, pages);
        Kit kit;
        const QString pdf = kit.exported(file, PrintKitOptions());
        QCOMPARE(pdftools::pageCount(pdf), pages);
        const FoldSheet sheet = file == QLatin1String("Eigendomsbewijzen.pdf") ? DeedFoldSheet() : CardFoldSheet();
        for (int p = 1; p <= pages; ++p) {
            const QImage page = pdftools::renderPage(pdf, p, Dpi);
            const QRect ink = boxWhere(page, page.rect(), inked);
            QVERIFY2(page.rect().adjusted(int(px(5)), int(px(5)), -int(px(5)), -int(px(5))).contains(ink),
                     qPrintable(QStringLiteral("page %1: ink %2,%3 to %4,%5").arg(p).arg(ink.left()).arg(ink.top())
                                    .arg(ink.right()).arg(ink.bottom())));
            for (int i = 0; i < sheet.perSheet(); ++i) {
                const QRectF f = sheet.front(i);
                // The fold: dashes on the line between front and back, running on beyond them.
                const int x = int(px(f.right()));
                const QRect beyond(x - 1, int(px(f.top() - FoldLineBeyondMm + 0.3)), 3, int(px(FoldLineBeyondMm - 0.6)));
                const int dashes = countWhere(page, beyond, [](QRgb c) { return QColor(c).lightness() < 170; });
                QVERIFY2(dashes > 0 && countWhere(page, beyond, [](QRgb c) { return !inked(c); }) > 0,
                         qPrintable(QStringLiteral("page %1 pair %2").arg(p).arg(i)));
                const int y = int(px(f.center().y()));
                auto paper = [&page](int x, int y) { return near(page.pixelColor(x, y), Qt::white, 6); };
                QVERIFY(!paper(x - int(px(3)), y) && !paper(x + int(px(3)), y));
                QVERIFY(paper(int(px(sheet.back(i).right() + 1.5)), y));
            }
        }
    }

    // The proof sheet: both rulers 100 mm and the square 50 mm, within 0.2 mm; each grid number
    // stands for its own offset, the middle one for none.
    void proofSheetMeasuresTrue()
    {
        Kit kit;
        PrintKitOptions options;
        options.backs = BackWay::Duplex;
        const QString pdf = kit.exported(QStringLiteral("Proefvel.pdf"), options);
        QCOMPARE(pdftools::pageCount(pdf), 2);
        const int dpi = 300;
        const QImage page = pdftools::renderPage(pdf, 1, dpi);
        auto at = [dpi](double millimetres) { return int(millimetres * dpi / 25.4); };
        auto length = [dpi](const QRect &box, bool across) { return (across ? box.width() : box.height()) * 25.4 / dpi; };
        // Only the ends of a ruler reach 6 mm from it.
        const QRect across = boxWhere(page, QRect(0, at(ProofRulerTop - 6), page.width(), 3), dark);
        const QRect down = boxWhere(page, QRect(at(ProofRulerLeft - 6), 0, 3, page.height() / 2), dark);
        const QRect square = boxWhere(page, QRect(at(ProofSquare().left() - 3), at(ProofSquare().top() + 10), page.width() - at(ProofSquare().left() - 3), 1), dark);
        for (const auto &[box, horizontal, expected] : {std::tuple{across, true, 100.0}, std::tuple{down, false, 100.0},
                                                         std::tuple{square, true, 50.0}}) {
            // The ends' strokes are 0.15 or 0.3 mm wide: measured middle to middle.
            const double stroke = expected == 50.0 ? 0.3 : 0.15;
            QVERIFY2(qAbs(length(box, horizontal) - stroke - expected) <= 0.2,
                     qPrintable(QStringLiteral("%1 mm for %2").arg(length(box, horizontal) - stroke).arg(expected)));
        }
        QCOMPARE(ProofOffset(13), QPointF(0, 0));
        QCOMPARE(ProofOffset(1), QPointF(-2, -2));
        for (int n = 1; n <= 25; ++n)
            QCOMPARE(ProofNumber(ProofOffset(n)), n);
        QCOMPARE(ProofNumber(QPointF(9, -9)), 5);  // beyond the grid: its corner
    }

    // The marks of a sheet's items: on every cut line, outside every item, none inside the
    // items' outer box (no boxes), out to the margin.
    void cutMarksOnEveryCutLineOutsideTheItems_data()
    {
        QTest::addColumn<QList<QRectF>>("items");
        QTest::addColumn<QRectF>("area");
        QList<QRectF> cards, notes, folds;
        for (int card = 1; card <= 8; ++card) {
            const QRectF t = CardSheetSlot(card);
            cards << QRectF(t.topLeft() * TwipsToMm, t.size() * TwipsToMm);
        }
        for (int row = 1; row <= 5; ++row)
            for (int column = 1; column <= 2; ++column) {
                const QRectF t = MoneySheetSlot(row, column);
                notes << QRectF(t.topLeft() * TwipsToMm, t.size() * TwipsToMm);
            }
        for (int i = 0; i < 4; ++i)
            folds << DeedFoldSheet().front(i).united(DeedFoldSheet().back(i));
        QTest::newRow("card sheet") << cards << QRectF(0, 0, 202, 289);
        QTest::newRow("money sheet") << notes << QRectF(0, 0, 202, 289);
        QTest::newRow("deed fold sheet") << folds << QRectF(5, 5, 287, 200);
    }
    void cutMarksOnEveryCutLineOutsideTheItems()
    {
        QFETCH(QList<QRectF>, items);
        QFETCH(QRectF, area);
        const std::vector<QLineF> lines = CutMarkLines(std::vector<QRectF>(items.begin(), items.end()), area);
        QRectF box;
        for (const QRectF &item : items)
            box |= item;
        for (const QLineF &line : lines) {
            const QRectF l = QRectF(line.p1(), line.p2()).normalized();
            QVERIFY(!l.adjusted(-0.05, -0.05, 0.05, 0.05).intersects(box.adjusted(-0.2, -0.2, 0.2, 0.2)));
            const QRectF room = area.adjusted(-0.01, -0.01, 0.01, 0.01);
            QVERIFY(room.contains(line.p1()) && room.contains(line.p2()));
            QVERIFY(qAbs(l.left() - area.left()) < 0.01 || qAbs(l.right() - area.right()) < 0.01
                    || qAbs(l.top() - area.top()) < 0.01 || qAbs(l.bottom() - area.bottom()) < 0.01);
        }
        auto marked = [&](double at, bool vertical, bool before) {
            return std::any_of(lines.begin(), lines.end(), [&](const QLineF &l) {
                return vertical ? qAbs(l.x1() - at) < 0.01 && qAbs(l.x2() - at) < 0.01 && (l.y1() < box.top()) == before
                                : qAbs(l.y1() - at) < 0.01 && qAbs(l.y2() - at) < 0.01 && (l.x1() < box.left()) == before;
            });
        };
        for (const QRectF &item : items)
            for (bool before : {true, false})
                QVERIFY(marked(item.left(), true, before) && marked(item.right(), true, before)
                        && marked(item.top(), false, before) && marked(item.bottom(), false, before));
    }

    // The printed money sheet has its marks; the sheets of the print set as before have none.
    void markedAndUnmarkedSheets()
    {
        Kit kit;
        const QImage marked = pdftools::renderPage(kit.exported("Speelgeld.pdf", PrintKitOptions()), 1, Dpi);
        PrintKitOptions plain;
        plain.backs = BackWay::None;
        plain.cutMarks = false;
        const QImage unmarked = pdftools::renderPage(kit.exported("Speelgeld.pdf", plain), 1, Dpi);
        for (int column = 1; column <= 2; ++column) {
            const QRectF t = MoneySheetSlot(1, column);
            for (double edge : {t.left(), t.right()}) {
                const int x = int(px(ExportMarginMillimetres + edge * TwipsToMm));
                const QRect above(x - 2, int(px(ExportMarginMillimetres)) + 1, 5, int(px(1.5)));
                QVERIFY2(countWhere(marked, above, markGrey) > 0, qPrintable(QString::number(x)));
                QCOMPARE(countWhere(unmarked, above, markGrey), 0);
            }
        }
    }

    void commandLineBacks()
    {
        QVERIFY(ParseCommandLine({"x", "--export-pdf", "d", "--backs", "duplex"}).error.isEmpty());
        QCOMPARE(ParseCommandLine({"x", "--export-pdf", "d"}).backs, QString());
        QVERIFY(!ParseCommandLine({"x", "--export-pdf", "d", "--backs", "twice"}).error.isEmpty());
        QVERIFY(!ParseCommandLine({"x", "--export-pdf", "d", "--backs"}).error.isEmpty());
        QVERIFY(!ParseCommandLine({"x", "--backs", "fold"}).error.isEmpty());

        // The default: the proof sheet first, then the set with fold-over sheets.
        ProgramFolder folder;
        const QString exe = folder.path("vastgoed-atelier");
        QFile::copy(qEnvironmentVariable("VASTGOED_EXE"), exe);
        QFile::setPermissions(exe, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");
        run.setProcessEnvironment(env);
        run.start(exe, {"--export-pdf", folder.path("uit")});
        QVERIFY(run.waitForFinished(120000));
        QCOMPARE(run.exitCode(), 0);
        const QStringList lines = QString::fromLocal8Bit(run.readAllStandardOutput()).trimmed().split('\n');
        const QStringList expected{"Proefvel.pdf", "Speelbord.pdf", "Eigendomsbewijzen.pdf", "Kans.pdf", "AlgemeenFonds.pdf", "Speelgeld.pdf"};
        QCOMPARE(lines.size(), expected.size());
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY(lines[i].endsWith(expected[i]));
        QCOMPARE(pdftools::pageCount(folder.path("uit/Kans.pdf")), 4);
        QCOMPARE(pdftools::pageCount(folder.path("uit/Proefvel.pdf")), 1);
    }

    // Each printer keeps its own offset; a line not understood is left out, the rest kept.
    void offsetsKeptPerPrinter()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Voorkeuren.ini");
        Preferences p;
        p.sharpPrinting = false;
        p.duplexOffsets["Kantoor, boven"] = QPoint(1, -2);
        p.duplexOffsets[PdfOffsetName()] = QPoint(-1, 0);
        QVERIFY(WritePreferences(path, p));
        Preferences read = ReadPreferences(path);
        QCOMPARE(read.duplexOffsets, p.duplexOffsets);
        QVERIFY(!read.sharpPrinting);
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        file.write("DuplexVerschuiving=9,0,Ver weg\r\nDuplexVerschuiving=1,x,Kapot\r\nDuplexVerschuiving=1,1,\r\n"
                   "DuplexVerschuiving=2,2\r\nDuplexVerschuiving=\r\n");
        file.close();
        QCOMPARE(ReadPreferences(path).duplexOffsets, p.duplexOffsets);
    }

    // One preview job holds every sheet of every chosen document, each with its own marks
    // and backs.
    void previewHoldsEverySheet()
    {
        Kit kit;
        PrintKitOptions options;
        options.backs = BackWay::Duplex;
        const std::vector<ExportedDocument> docs = PrintKitDocuments(kit.state, options);
        QTemporaryDir out;
        QPdfWriter writer(out.filePath("voorbeeld.pdf"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        {
            PrinterPage page(&writer);
            QVERIFY(PrintChained(page, docs));
        }
        const int sheets = CountSheets(docs);
        QCOMPARE(sheets, 2 + 7 + 6 + 4 + 4 + 23);  // the whole bank: 23 money sheets
        QCOMPARE(pdftools::pageCount(out.filePath("voorbeeld.pdf")), sheets);
        // Page 11, the deeds' first back (after the proof sheet's 2 and the board's 7 and the
        // deeds' first front), keeps the deeds' landscape; the money after the decks is upright.
        QVERIFY(pdftools::isA4(out.filePath("voorbeeld.pdf"), 11, true));
        QVERIFY(pdftools::isA4(out.filePath("voorbeeld.pdf"), sheets));
    }

    // "Alles afdrukken" to the CUPS PDF queue: one job a document, in order, each with all its
    // sheets; stopped half-way, the job under way is not printed at all.
    void printAllThroughCups()
    {
        REQUIRE_CUPS();
        TestWindow t;
        QCOMPARE(t.main->menuAction("Bestand/Alles afdrukken...")->shortcut(), QKeySequence(QKeySequence::Print));
        PrintAllForm form(t.state, t.dialogs, t.main->printers(), t.main.get());
        form.CmbPrinter->setCurrentIndex(form.CmbPrinter->findText("PDF"));
        QVERIFY(form.CmbPrinter->currentIndex() > 0);
        QSignalSpy done(&form, &PrintAllForm::done);
        QDateTime start = QDateTime::currentDateTime();
        QVERIFY(form.print());
        QVERIFY(done.wait(300000));
        QCOMPARE(done.takeFirst().at(0).toBool(), true);
        const QStringList names{"Proefvel", "Speelbord", "Eigendomsbewijzen", "Kans", "AlgemeenFonds", "Speelgeld"};
        const QList<int> pages{1, 7, 7, 4, 4, 23};
        const QStringList jobs = waitForNamedJobs(start, "Vastgoed-", 6);
        QCOMPARE(jobs.size(), 6);
        for (int i = 0; i < 6; ++i) {
            QVERIFY2(QFileInfo(jobs[i]).fileName().contains("Vastgoed-" + names[i]), qPrintable(jobs[i]));
            QCOMPARE(pdftools::pageCount(jobs[i]), pages[i]);
        }
        QCOMPARE(form.Voortgang->value(), 46);

        // Stopped at the deeds' third sheet: the board went out whole, the deeds not at all.
        start = QDateTime::currentDateTime();
        form.sheetStarting = [&form](int sheet) { if (sheet == 1 + 7 + 3) form.stop(); };
        QVERIFY(form.print());
        QVERIFY(done.wait(300000));
        QCOMPARE(done.first().at(1).toBool(), true);
        form.sheetStarting = {};
        for (int i = 0; i < form.ChkDelen.size(); ++i)
            form.ChkDelen[i]->setChecked(i == 5);  // a last job to know the queue has caught up
        QVERIFY(form.print());
        QVERIFY(done.wait(300000));
        const QStringList after = waitForNamedJobs(start, "Vastgoed-", 3);
        QCOMPARE(after.size(), 3);
        QVERIFY(after[0].contains("Proefvel") && after[1].contains("Speelbord") && after[2].contains("Speelgeld"));
        QCOMPARE(pdftools::pageCount(after[1]), 7);
    }

    // As PDF files, stopped half-way: every file there is whole, none is left half written.
    void stoppedPdfFilesAreWholeOrAbsent()
    {
        TestWindow t;
        PrintAllForm form(t.state, t.dialogs, t.main->printers(), t.main.get());
        QTemporaryDir out;
        t.dialogs.folderAnswers = {out.path()};
        form.sheetStarting = [&form](int sheet) { if (sheet == 12) form.stop(); };
        QSignalSpy done(&form, &PrintAllForm::done);
        QVERIFY(form.print());
        QVERIFY(done.wait(300000));
        QCOMPARE(done.first().at(1).toBool(), true);
        const QMap<QString, int> pages{{"Proefvel.pdf", 1}, {"Speelbord.pdf", 7}, {"Eigendomsbewijzen.pdf", 7},
                                       {"Kans.pdf", 4}, {"AlgemeenFonds.pdf", 4}, {"Speelgeld.pdf", 23}};
        const QStringList files = QDir(out.path()).entryList(QDir::Files);
        QVERIFY(files.size() < pages.size());
        for (const QString &name : files)
            QCOMPARE(pdftools::pageCount(out.filePath(name)), pages.value(name, -1));
    }
};

QTEST_MAIN(TestPrintKit)
#include "test_printkit.moc"
