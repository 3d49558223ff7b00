// Saving a project (the four files) and opening it again, and exporting the print set to PDF.

#include "model/algemeen.h"
#include "files/projectfiles.h"
#include "design/startup.h"
#include "artwork/artwork.h"
#include "benchfolder.h"
#include "printing/pdfexport.h"

#include <QtTest>

class BenchFiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void saveProject();
    void openProject();
    void exportPrintSet_data();
    void exportPrintSet();

private:
    BenchProgramFolder m_folder;
    Algemeen m_state;
};

void BenchFiles::initTestCase()
{
    m_state.Paths = m_folder.path();
    LoadStartState(m_state);
    QVERIFY(!m_state.pictures.Speelbord.isNull());
    QVERIFY(!m_state.pictures.EigenDomsPic.isNull());
}

void BenchFiles::saveProject()
{
    QString error;
    QBENCHMARK {
        QVERIFY2(WriteProjectFiles(m_state, QStringLiteral("Bank"), &error), qPrintable(error));
    }
}

void BenchFiles::openProject()
{
    QVERIFY(WriteProjectFiles(m_state, QStringLiteral("Bank")));
    QBENCHMARK {
        const ProjectReadResult read =
            ReadProjectFiles(m_state.Paths, QStringLiteral("Bank"), QSize(BoardSize, BoardSize),
                             QSize(DeedSheetWidth, DeedSheetHeight));
        QVERIFY(read.loaded);
    }
}

// Every document of the print set, into a fresh folder each time: the screen pictures as they
// are, and the designed pictures drawn anew at 300 and 600 dpi.
void BenchFiles::exportPrintSet_data()
{
    QTest::addColumn<int>("dpi");
    QTest::newRow("screen pictures") << 0;
    QTest::newRow("sharp 300 dpi") << 300;
    QTest::newRow("sharp 600 dpi") << 600;
}

void BenchFiles::exportPrintSet()
{
    QFETCH(int, dpi);
    QTemporaryDir out;
    QString error;
    int run = 0;
    QBENCHMARK {
        const QString folder = out.filePath(QString::number(run++));
        QVERIFY2(ExportDocuments(PrintSetDocuments(m_state), folder, &error, {}, dpi), qPrintable(error));
    }
}

QTEST_MAIN(BenchFiles)
#include "bench_files.moc"
