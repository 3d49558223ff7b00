// A project shared as one .vastgoed file and fetched elsewhere; hostile archives refused with
// nothing written; the board as a PNG from the menu and the command line.
#include "files/bmpfile.h"
#include "app/commandline.h"
#include "files/projectfiles.h"
#include "files/projectshare.h"
#include "design/startup.h"
#include "artwork/artwork.h"
#include "printing/boardpicture.h"
#include "design/drawingrecord.h"
#include "testwindow.h"

#include <QAction>
#include <QMenu>
#include <QDirIterator>
#include <QtTest>
#include <zip.h>

namespace {
struct Entry {
    QString name;
    QByteArray bytes;
    quint32 mode = 0100644;  // Unix type and permissions
};

// An archive made with libzip, as another program (or an attacker) could make it.
QByteArray zipOf(const std::vector<Entry> &entries)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t *archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    zip_source_keep(buffer);
    for (const Entry &e : entries) {
        zip_source_t *data = zip_source_buffer(archive, e.bytes.constData(), zip_uint64_t(e.bytes.size()), 0);
        const zip_int64_t i = zip_file_add(archive, e.name.toUtf8().constData(), data, ZIP_FL_ENC_UTF_8);
        zip_file_set_external_attributes(archive, zip_uint64_t(i), 0, ZIP_OPSYS_UNIX, e.mode << 16);
    }
    zip_close(archive);
    zip_stat_t stat;
    zip_source_stat(buffer, &stat);
    QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
    zip_source_open(buffer);
    zip_source_read(buffer, bytes.data(), stat.size);
    zip_source_close(buffer);
    zip_source_free(buffer);
    return bytes;
}

// Sets the uncompressed size the local and central headers of entry `name` declare.
void declareSize(QByteArray &zip, const QByteArray &name, quint32 size)
{
    const struct { const char *signature; int sizeAt, nameLengthAt, nameAt; } headers[] = {
        {"PK\x03\x04", 22, 26, 30}, {"PK\x01\x02", 24, 28, 46}};
    for (const auto &h : headers)
        for (qsizetype at = zip.indexOf(h.signature); at >= 0; at = zip.indexOf(h.signature, at + 4)) {
            const int length = qFromLittleEndian<quint16>(zip.constData() + at + h.nameLengthAt);
            if (zip.mid(at + h.nameAt, length) == name)
                qToLittleEndian<quint32>(size, zip.data() + at + h.sizeAt);
        }
}

// Every path below `folder`, hidden ones too, with each file's bytes.
QMap<QString, QByteArray> contents(const QString &folder)
{
    QMap<QString, QByteArray> all;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        all.insert(QDir(folder).relativeFilePath(path), QFileInfo(path).isFile() ? readAll(path) : QByteArray("dir"));
    }
    return all;
}

// A saved design in a program folder of its own, with a board of its own.
struct SavedProject {
    ProgramFolder folder;
    Algemeen state;
    explicit SavedProject(const QString &name)
    {
        state.Paths = folder.path();
        LoadStartState(state);
        state.project.Board[1].Street = QStringLiteral("Dorpsstraat");
        state.pictures.Speelbord = noiseImage(BoardSize, BoardSize, 7);
        state.drawing = DefaultDesignDrawing(state);
        WriteProjectFiles(state, name);
    }
    QString projects() const { return ProjectsFolder(state.Paths); }
};
}

class TestShare : public QObject
{
    Q_OBJECT
    SavedProject *thuis = nullptr;
    std::vector<Entry> files;  // the project Thuis as entries, in the order a share holds them

private slots:
    void initTestCase()
    {
        thuis = new SavedProject(QStringLiteral("Thuis"));
        files.push_back({"Thuis.vgd", readAll(thuis->folder.path("Projecten/Thuis.vgd"))});
        for (const QString &f : SharedFolderFiles())
            files.push_back({"Thuis/" + f, readAll(thuis->folder.path("Projecten/Thuis/" + f))});
        for (const Entry &e : files)
            QVERIFY2(!e.bytes.isEmpty(), qPrintable(e.name));
    }
    void cleanupTestCase() { delete thuis; }

    // Shared and fetched into another program folder: the same bytes, under the first free name.
    void roundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("there");
        QTest::addColumn<QString>("fetchedAs");
        QTest::newRow("free") << "Thuis" << QStringList() << "Thuis";
        QTest::newRow("taken") << "Thuis" << QStringList{"Thuis", "Thuis (2)"} << "Thuis (3)";
        QTest::newRow("accents") << QString::fromUtf8("Café Één") << QStringList() << QString::fromUtf8("Café Één");
    }
    void roundTrip()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, there);
        QFETCH(QString, fetchedAs);
        SavedProject from(name);
        QTemporaryDir out;
        const QString file = out.filePath("gedeeld" + ShareFileExtension());
        QString error;
        QVERIFY2(WriteShareFile(from.projects(), name, file, &error), qPrintable(error));

        ProgramFolder to(false);
        const QString projects = to.path("Projecten");
        for (const QString &n : there)
            writeAll(QDir(projects).filePath(n + ".vgd"), "bezet");
        const ShareImport fetched = ImportShareFile(file, projects);
        QCOMPARE(fetched.error, QString());
        QCOMPARE(fetched.name, fetchedAs);
        for (const QString &f : SharedFolderFiles())
            QVERIFY2(readAll(QDir(projects).filePath(fetchedAs + "/" + f)) == readAll(QDir(from.projects()).filePath(name + "/" + f)),
                     qPrintable(f));
        const QByteArray projectFile = readAll(QDir(projects).filePath(fetchedAs + ".vgd"));
        if (fetchedAs == name)
            QCOMPARE(projectFile, readAll(QDir(from.projects()).filePath(name + ".vgd")));
        else
            QVERIFY(projectFile.startsWith("\"" + fetchedAs.toLatin1() + "\"\r\n"));
        // It opens as the project it was.
        const ProjectReadResult read = ReadProjectFilesFrom(projects, fetchedAs, {}, {});
        QVERIFY(read.loaded);
        QCOMPARE(read.loaded->project.Board[1].Street, QStringLiteral("Dorpsstraat"));
        QCOMPARE(read.loaded->Speelbord, from.state.pictures.Speelbord);
        QCOMPARE(QDir(projects).entryList(QDir::Hidden | QDir::AllEntries | QDir::NoDotAndDotDot).size(),
                 there.size() + 2);  // no working folder left behind
    }

    void hostileArchiveRefused_data()
    {
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<QString>("reason");  // a part of the message
        auto with = [this](std::vector<Entry> extra) {
            std::vector<Entry> all = files;
            all.insert(all.end(), extra.begin(), extra.end());
            return zipOf(all);
        };
        auto replacing = [this](const QString &name, const QByteArray &bytes, quint32 mode = 0100644) {
            std::vector<Entry> all = files;
            for (Entry &e : all)
                if (e.name == name)
                    e = {name, bytes, mode};
            return zipOf(all);
        };
        const qint64 boardMax = MaxShareEntryBytes("Speelbord.bmp"), deedsMax = MaxShareEntryBytes("Eigendomsbewijzen.bmp");
        QByteArray bomb = replacing("Thuis/Kansfonds.kan", QByteArray(200 * 1024, 'a'));
        declareSize(bomb, "Thuis/Kansfonds.kan", 1000);
        std::vector<Entry> tooMany = files;
        for (int i = tooMany.size(); i <= MaxShareEntries; ++i)
            tooMany.push_back({QStringLiteral("Thuis/extra%1/").arg(i), {}, 0040755});
        std::vector<Entry> tooLarge = files;
        tooLarge[1].bytes = QByteArray(boardMax, 0);
        tooLarge[2].bytes = QByteArray(deedsMax, 0);
        tooLarge[3].bytes = QByteArray(200 * 1024, 'a');
        tooLarge[4].bytes = QByteArray(200 * 1024, 'a');
        QImage small(100, 100, QImage::Format_RGB32);
        small.fill(Qt::red);

        QTest::newRow("parent folder") << with({{"Thuis/../../Boos.vgd", "x"}}) << "buiten de projectmap";
        QTest::newRow("absolute path") << with({{"/tmp/Boos.vgd", "x"}}) << "buiten de projectmap";
        QTest::newRow("backslashes") << with({{"..\\Boos.vgd", "x"}}) << "buiten de projectmap";
        QTest::newRow("link") << replacing("Thuis/Kansfonds.kan", "/etc/passwd", 0120777) << "koppeling";
        QTest::newRow("device") << replacing("Thuis/Kansfonds.kan", "", 0020644) << "koppeling";
        QTest::newRow("too many files") << zipOf(tooMany) << "ten hoogste 8";
        QTest::newRow("board too large") << replacing("Thuis/Speelbord.bmp", QByteArray(boardMax + 1, 0)) << "groter";
        QTest::newRow("text too large") << replacing("Thuis/Kansfonds.kan", QByteArray(MaxRecordFileBytes + 1, 'a')) << "groter";
        QTest::newRow("total too large") << zipOf(tooLarge) << "samen groter";
        QTest::newRow("bomb") << bomb << "opgeeft";
        QTest::newRow("not a zip") << QByteArray("Dit is geen archief. ").repeated(100) << "zip";
        QTest::newRow("cut short") << zipOf(files).left(5000) << "zip";
        QTest::newRow("other file") << with({{"Thuis/Lees mij.txt", "hallo"}}) << "niet bij een project";
        QTest::newRow("two projects") << with({{"Ander.vgd", files[0].bytes}}) << "meer dan";
        QTest::newRow("no project") << zipOf(std::vector<Entry>(files.begin() + 1, files.end())) << "geen projectbestand";
        QTest::newRow("broken project") << replacing("Thuis.vgd", "rommel") << "kan niet worden gelezen";
        QTest::newRow("broken deck") << replacing("Thuis/Kansfonds.kan", "\"kort\"\r\n") << "kan niet worden gelezen";
        QTest::newRow("other name inside") << replacing("Thuis.vgd", *ProjectFileBytes(thuis->state.project, "Ander"))
                                           << "kan niet worden gelezen";
        QTest::newRow("small board") << replacing("Thuis/Speelbord.bmp", EncodeBmp24(small)) << "maat";
        QTest::newRow("sound") << zipOf(files) << "";
    }
    void hostileArchiveRefused()
    {
        QFETCH(QByteArray, archive);
        QFETCH(QString, reason);
        ProgramFolder to(false);
        const QString projects = to.path("Projecten");
        writeAll(QDir(projects).filePath("Oud.vgd"), "van de gebruiker");
        const auto before = contents(to.path());
        const ShareImport fetched = ImportShareArchive(archive, projects);
        if (reason.isEmpty()) {
            QCOMPARE(fetched.name, QStringLiteral("Thuis"));  // the builder makes sound archives
            return;
        }
        QVERIFY2(fetched.name.isEmpty() && fetched.error.contains(reason), qPrintable(fetched.error));
        QCOMPARE(contents(to.path()), before);
    }

    // The board as a PNG: its size, and the pixels of the board or of its scaled quarters.
    void boardPicture_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("written");
        QTest::newRow("full") << BoardSize << true;
        QTest::newRow("half") << BoardSize / 2 << true;
        QTest::newRow("smallest") << BoardPictureMinWidth << true;
        QTest::newRow("too small") << BoardPictureMinWidth - 1 << false;
        QTest::newRow("larger than the board") << BoardSize + 1 << false;
    }
    void boardPicture()
    {
        QFETCH(int, width);
        QFETCH(bool, written);
        QImage board = noiseImage(BoardSize, BoardSize, 11);
        const QColor quarters[4] = {Qt::red, Qt::green, Qt::blue, QColor(250, 200, 0)};
        const int half = BoardSize / 2;
        for (int q = 0; q < 4; ++q)  // quarters of one colour, but for the outer rows the noise stays
            for (int y = 20; y < half - 20; ++y)
                for (int x = 20; x < half - 20; ++x)
                    board.setPixelColor(x + q % 2 * half, y + q / 2 * half, quarters[q]);
        QTemporaryDir out;
        const QString path = out.filePath("bord.png");
        QCOMPARE(WriteBoardPicture(board, width, path), written);
        if (!written) {
            QVERIFY(!QFile::exists(path));
            return;
        }
        QCOMPARE(readAll(path).left(8), QByteArray("\x89PNG\r\n\x1a\n"));
        const QImage png = QImage(path).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(png.size(), QSize(width, width));
        if (width == BoardSize)
            QCOMPARE(png, board);
        for (int q = 0; q < 4; ++q)
            QCOMPARE(png.pixelColor(width / 4 + q % 2 * width / 2, width / 4 + q / 2 * width / 2), quarters[q]);
    }

    // --export-png through the program itself: the default board or a saved project's, scaled.
    void exportPngCommandLine()
    {
        ProgramFolder installation;
        const QString exe = installation.path("vastgoed-atelier");
        QFile::copy(qEnvironmentVariable("VASTGOED_EXE"), exe);
        QFile::setPermissions(exe, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        auto run = [&](const QStringList &args) {
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.remove("QT_QPA_PLATFORM");
            env.remove("DISPLAY");
            p.setProcessEnvironment(env);
            p.start(exe, args);
            p.waitForFinished(120000);
            return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        };
        QVERIFY(run({"--help"}) == 0);
        QCOMPARE(run({"--export-png", installation.path("bord.png")}), 0);
        Algemeen state;
        state.Paths = installation.path();
        LoadStartState(state);
        QCOMPARE(QImage(installation.path("bord.png")).convertToFormat(QImage::Format_RGB32), state.pictures.Speelbord);

        state.pictures.Speelbord.fill(QColor(0, 0, 255));
        QVERIFY(WriteProjectFiles(state, QStringLiteral("Blauw")));
        const QString small = installation.path("uit/blauw.png");
        QDir().mkpath(installation.path("uit"));
        QCOMPARE(run({"--export-png", small, "--project", "Blauw", "--size", "545"}), 0);
        const QImage png(small);
        QCOMPARE(png.size(), QSize(545, 545));
        QCOMPARE(png.pixelColor(272, 272), QColor(0, 0, 255));

        QCOMPARE(run({"--export-png", small, "--size", "50"}), 2);
        QCOMPARE(run({"--size", "500"}), 2);
        QCOMPARE(run({"--export-png", small, "--export-pdf", installation.path("pdf")}), 2);
        QVERIFY(run({"--export-png", small, "--project", "Bestaat Niet"}) != 0);
        QVERIFY(ParseCommandLine({"x", "ergens/gedeeld.vastgoed"}).sharedFile == "ergens/gedeeld.vastgoed");
        QVERIFY(!ParseCommandLine({"x", "a.vastgoed", "--project", "Blauw"}).error.isEmpty());
    }

    // The three menu entries, as a user goes through them.
    void menus()
    {
        TestWindow sender;
        sender.main->AnimateSave = false;
        auto &d = sender.dialogs;
        QAction *share = sender.main->menuAction(QStringLiteral("Bestand/Project delen..."));
        QVERIFY(share);
        d.yesNoAnswers = {false};  // not saved yet, and not saved now: nothing else is asked
        share->trigger();
        QCOMPARE(d.asked.size(), 1);
        QVERIFY(d.asked[0].contains("opgeslagen"));
        QTemporaryDir out;
        const QString file = out.filePath("Thuis.vastgoed");
        d.yesNoAnswers = {true};
        d.textAnswers = {QStringLiteral("Thuis")};
        d.fileAnswers = {file};
        share->trigger();
        QVERIFY2(QFile::exists(file), qPrintable(d.asked.join('\n')));
        QVERIFY(d.asked.last().contains(QDir::toNativeSeparators(file)));

        TestWindow receiver;
        receiver.state.UnsavedChanges = true;
        receiver.dialogs.yesNoCancelAnswers = {Dialogs::Answer::Cancel};  // unsaved work stays
        receiver.dialogs.fileAnswers = {file};
        receiver.main->menuAction(QStringLiteral("Bestand/Project ophalen..."))->trigger();
        QVERIFY(!QFile::exists(receiver.folder.path("Projecten/Thuis.vgd")));
        receiver.dialogs.yesNoCancelAnswers = {Dialogs::Answer::No};
        receiver.dialogs.fileAnswers = {file};
        receiver.main->menuAction(QStringLiteral("Bestand/Project ophalen..."))->trigger();
        QCOMPARE(receiver.state.project.ProjectName, QStringLiteral("Thuis"));
        QVERIFY(!receiver.state.UnsavedChanges);
        QCOMPARE(receiver.main->Label9->text(), QStringLiteral("Projectnaam : Thuis"));
        QCOMPARE(receiver.state.pictures.Speelbord, sender.state.pictures.Speelbord);

        writeAll(out.filePath("boos.vastgoed"), zipOf({{"../Boos.vgd", "x"}}));
        receiver.dialogs.fileAnswers = {out.filePath("boos.vastgoed")};
        receiver.main->menuAction(QStringLiteral("Bestand/Project ophalen..."))->trigger();
        QVERIFY(receiver.dialogs.asked.last().contains("niets weggeschreven"));

        d.numberAnswers = {1090};
        d.fileAnswers = {out.filePath("bord.png")};
        sender.main->menuAction(QStringLiteral("Bestand/Speelbord als afbeelding..."))->trigger();
        QCOMPARE(QImage(out.filePath("bord.png")).size(), QSize(1090, 1090));
    }
};

QTEST_MAIN(TestShare)
#include "test_share.moc"
