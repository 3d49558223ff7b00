// The print set as PDF files: from the menu, from the command line, and the pages they hold.
#include "app/projectfiles.h"
#include "app/startup.h"
#include "printing/pdfexport.h"
#include "testwindow.h"

#include <QAction>
#include <QtTest>

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

const QStringList printSet{"Speelbord.pdf", "Eigendomsbewijzen.pdf", "Kans.pdf", "AlgemeenFonds.pdf", "Speelgeld.pdf"};

// True when no pixel within `mm` of the page edge is drawn on.
bool edgesBlank(const QImage &page, double mm, int dpi)
{
    const int band = int(mm / 25.4 * dpi) - 1;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const bool inBand = x < band || y < band || x >= page.width() - band || y >= page.height() - band;
            if (inBand && page.pixelColor(x, y).lightness() < 250)
                return false;
        }
    return true;
}
}

class TestPdfExport : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_out;
    bool m_exported = false;
    void exportDefault();

private slots:
    void printSetHasItsPages_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("pages");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("board") << "Speelbord.pdf" << 6 << false;
        QTest::newRow("deeds") << "Eigendomsbewijzen.pdf" << 3 << true;
        QTest::newRow("kans") << "Kans.pdf" << 2 << false;
        QTest::newRow("fonds") << "AlgemeenFonds.pdf" << 2 << false;
        QTest::newRow("money") << "Speelgeld.pdf" << 1 << false;
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
            const QSizeF size = pdftools::pageSize(path, p);
            const QSizeF a4 = landscape ? QSizeF(841.89, 595.28) : QSizeF(595.28, 841.89);
            QVERIFY(qAbs(size.width() - a4.width()) < 1 && qAbs(size.height() - a4.height()) < 1);
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
        QCOMPARE(help.code, 0);
        QVERIFY(help.out.contains("--export-pdf DIR"));
        QVERIFY(help.out.contains("--project NAME"));

        // A saved project whose deed sheet is all blue, exported into a folder made when missing.
        Algemeen state;
        state.Paths = installation.dir.path();
        LoadStartState(state);
        state.pictures.EigenDomsPic.fill(QColor(0, 0, 255));
        QString error;
        QVERIFY2(WriteProjectFiles(state, QStringLiteral("Blauw"), &error), qPrintable(error));
        QFile::remove(installation.dir.filePath("Vastgoed.ini"));
        const QString out = installation.dir.filePath("nieuw/pdf");
        const auto ok = installation.run({"--export-pdf", out, "--project", "Blauw"});
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
        QVERIFY(bad.code != 0);
        QVERIFY(bad.err.contains("bezet"));

        const auto missing = installation.run({"--export-pdf", out, "--project", "Bestaat Niet"});
        QVERIFY(missing.code != 0);
        QVERIFY(missing.err.contains("Bestaat Niet"));
        QVERIFY(installation.run({"--export-pdf"}).code != 0);
    }
};

void TestPdfExport::exportDefault()
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

QTEST_MAIN(TestPdfExport)
#include "test_pdfexport.moc"
