// Saving over a project: a save stopped at any step leaves the old or the new project whole, and
// no save writes through a link planted in the Projecten folder.
#include "model/algemeen.h"
#include "model/defaultcontent.h"
#include "files/projectfiles.h"
#include "files/settingsfile.h"
#include "files/drawingfile.h"
#include "testsupport.h"

#include <QtTest>

namespace {
// The five files of project `name` below `projects`, as they are on disk.
QList<QByteArray> projectBytes(const QString &projects, const QString &name)
{
    QList<QByteArray> bytes{readAll(QDir(projects).filePath(name + ".vgd"))};
    for (const QString &file : {QStringLiteral("Speelbord.bmp"), QStringLiteral("Eigendomsbewijzen.bmp"),
                                QStringLiteral("Kansfonds.kan"), DrawingFileName()})
        bytes << readAll(QDir(projects).filePath(name + "/" + file));
    return bytes;
}

// A small design whose texts, deck and pictures all carry `mark`.
Algemeen smallDesign(const QString &mark, QRgb colour)
{
    Algemeen state;
    LoadDefaultContent(state);
    state.project.Board[21].Street = mark;
    state.project.KansDeck[3] = mark;
    state.pictures.Speelbord = QImage(40, 40, QImage::Format_RGB32);
    state.pictures.Speelbord.fill(colour);
    state.pictures.EigenDomsPic = QImage(30, 20, QImage::Format_RGB32);
    state.pictures.EigenDomsPic.fill(colour);
    return state;
}

}

class TestSaving : public QObject
{
    Q_OBJECT
private slots:
    void aStoppedSaveLeavesTheOldOrTheNewProject()
    {
        const Algemeen before = smallDesign("Oud", qRgb(0, 200, 0));
        const Algemeen after = smallDesign("Nieuw", qRgb(200, 0, 0));
        // The old project with a file of the user's own in its folder.
        const auto setUp = [&before](const QString &projects) {
            QVERIFY(WriteProjectFilesTo(before, projects, "P"));
            writeAll(projects + "/P/notities.txt", "eigen");
        };
        // The bytes each design gives, and how many steps a whole save over it takes.
        QTemporaryDir reference;
        setUp(reference.filePath("oud"));
        setUp(reference.filePath("nieuw"));
        int steps = 0;
        QVERIFY(WriteProjectFilesTo(after, reference.filePath("nieuw"), "P", nullptr, [&](int) { return ++steps, true; }));
        const auto oldBytes = projectBytes(reference.filePath("oud"), "P");
        const auto newBytes = projectBytes(reference.filePath("nieuw"), "P");
        QCOMPARE(steps, 13);  // Spel.json is written with the other files

        int wholeOld = 0, wholeNew = 0;
        for (int stop = 0; stop <= steps; ++stop) {
            QTemporaryDir dir;
            const QString projects = dir.filePath("Projecten");
            setUp(projects);
            QString error;
            const bool saved = WriteProjectFilesTo(after, projects, "P", &error, [stop](int step) { return step < stop; });
            QCOMPARE(saved, stop == steps);

            // The next reader finds one whole project, as it was or as it was saved.
            const ProjectReadResult read = ReadProjectFilesFrom(projects, "P", QSize(), QSize());
            QVERIFY2(read.loaded, qPrintable(QString::number(stop)));
            const auto onDisk = projectBytes(projects, "P");
            const bool isNew = read.loaded->project.Board[21].Street == "Nieuw";
            QCOMPARE(onDisk, isNew ? newBytes : oldBytes);
            QCOMPARE(read.loaded->project.KansDeck[3], isNew ? "Nieuw" : "Oud");
            QCOMPARE(read.loaded->Speelbord.pixel(5, 5), isNew ? qRgb(200, 0, 0) : qRgb(0, 200, 0));
            (isNew ? wholeNew : wholeOld) += 1;
            QCOMPARE(readAll(projects + "/P/notities.txt"), QByteArray("eigen"));
            QCOMPARE(QDir(projects).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                     QStringList({"P", "P.vgd"}));
            // And a save after the crash goes through.
            QVERIFY2(WriteProjectFilesTo(after, projects, "P", &error), qPrintable(error));
            QCOMPARE(projectBytes(projects, "P"), newBytes);
        }
        QVERIFY(wholeOld > 0 && wholeNew > 0);
        qInfo("%d stops: %d left the old project, %d the new one", steps + 1, wholeOld, wholeNew);
    }

    void linksInTheWayOfASave_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("toFolder");
        QTest::addColumn<bool>("saves");
        QTest::newRow("project file") << "P.vgd" << false << true;
        QTest::newRow("board") << "P/Speelbord.bmp" << false << true;
        QTest::newRow("deed sheet") << "P/Eigendomsbewijzen.bmp" << false << true;
        QTest::newRow("deck") << "P/Kansfonds.kan" << false << true;
        QTest::newRow("drawing") << "P/Tekening.json" << false << true;
        QTest::newRow("project folder") << "P" << true << false;
        QTest::newRow("folder being written") << ".P.schrijven" << true << true;
        QTest::newRow("new folder") << ".P.nieuw" << true << true;
        QTest::newRow("old folder") << ".P.oud" << true << true;
    }

    void linksInTheWayOfASave()
    {
        QFETCH(QString, link);
        QFETCH(bool, toFolder);
        QFETCH(bool, saves);
        QTemporaryDir dir;
        Algemeen state = smallDesign("Oud", qRgb(0, 200, 0));
        state.Paths = dir.path();
        const auto path = [&dir](const QString &relative) { return dir.filePath(relative); };
        QVERIFY(WriteProjectFiles(state, "P"));
        // Outside the program's folders: a file, and a folder that looks like a project folder.
        QVERIFY(WriteProjectFilesTo(state, path("buiten"), "P"));
        writeAll(path("buiten/los.txt"), "buiten");
        const QString target = toFolder ? path("buiten/P") : path("buiten/los.txt");
        const auto outsideBefore = projectBytes(path("buiten"), "P");
        const QString planted = path("Projecten/" + link);
        if (!toFolder)
            QVERIFY(QFile::remove(planted));
        else if (QFileInfo(planted).isDir())
            QVERIFY(QDir(planted).removeRecursively());
        QVERIFY(QFile::link(target, planted));

        Algemeen changed = state;
        changed.project.Board[21].Street = "Nieuw";
        changed.pictures.Speelbord.fill(Qt::blue);
        QString error;
        QCOMPARE(WriteProjectFiles(changed, "P", &error), saves);
        QCOMPARE(readAll(path("buiten/los.txt")), QByteArray("buiten"));
        QCOMPARE(projectBytes(path("buiten"), "P"), outsideBefore);
        QVERIFY(QFileInfo::exists(target));
        if (!saves) {
            QVERIFY2(error.contains("koppeling"), qPrintable(error));
            return;
        }
        QVERIFY(!QFileInfo(planted).isSymLink());
        const ProjectReadResult read = ReadProjectFiles(dir.path(), "P", QSize(), QSize());
        QVERIFY(read.loaded);
        QCOMPARE(read.loaded->project.Board[21].Street, QStringLiteral("Nieuw"));
        QCOMPARE(read.loaded->Speelbord.pixelColor(0, 0), QColor(Qt::blue));

        // Any other file the program writes is refused when it is a link.
        QVERIFY(QFile::link(path("buiten/los.txt"), path("Vastgoed.ini")));
        QVERIFY(!WriteSettingsFile(path("Vastgoed.ini"), state, &error));
        QVERIFY(error.contains("koppeling"));
        QCOMPARE(readAll(path("buiten/los.txt")), QByteArray("buiten"));
    }
};

QTEST_GUILESS_MAIN(TestSaving)
#include "test_saving.moc"
