#include "app/algemeen.h"
#include "app/bmpfile.h"
#include "app/defaultcontent.h"
#include "app/projectfiles.h"
#include "app/recordfile.h"
#include "testsupport.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {
void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QImage noise(int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator rng(seed);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = 0xFF000000u | (rng.generate() & 0xFFFFFFu);
    }
    return image;
}

// A design in which every text, the station picture and both pictures differ from the default.
void fillDesign(Algemeen &state, bool noisyPictures = false)
{
    state.ProgramFolder.clear();
    for (int n = 0; n < SquareSlots; ++n)
        state.project.Board[n] = BoardSquare{QStringLiteral("Straat %1, é").arg(n),
                                             QStringLiteral("Stad %1").arg(n),
                                             QString::fromUtf8("€ %1,-").arg(n * 10)};
    for (int c = 1; c < CardSlots; ++c) {
        state.project.KansDeck[c] = QStringLiteral("Kans %1, ga naar start / ontvang € 200,-").arg(c);
        state.project.FondsDeck[c] = QStringLiteral("Fonds %1 – betaal ‘€ 50’").arg(c);
    }
    state.project.StationImage = 17;
    if (noisyPictures) {
        state.pictures.Speelbord = noise(2180, 2180, 1);
        state.pictures.EigenDomsPic = noise(1476, 1176, 2);
    } else {
        state.pictures.Speelbord = QImage(2180, 2180, QImage::Format_RGB32);
        state.pictures.Speelbord.fill(qRgb(10, 200, 30));
        state.pictures.EigenDomsPic = QImage(1476, 1176, QImage::Format_RGB32);
        state.pictures.EigenDomsPic.fill(qRgb(250, 0, 90));
    }
}

QList<QByteArray> records(const QByteArray &bytes)
{
    QList<QByteArray> r = bytes.split('\n');
    for (QByteArray &line : r)
        if (line.endsWith('\r'))
            line.chop(1);
    if (!r.isEmpty() && r.last().isEmpty())
        r.removeLast();
    return r;
}

// A valid project "P" on disk, for the hostile-file cases to spoil.
QByteArray validProjectFile(const QString &storedName)
{
    Algemeen state;
    LoadDefaultContent(state);
    return *ProjectFileBytes(state.project, storedName);
}
}

class TestProjectFiles : public QObject
{
    Q_OBJECT
private slots:
    void bitmapBytes();
    void defaultDesignBytes();
    void roundTrip();
    void textsThatCannotBeStored();
    void storedNameChoosesTheFolder();
    void nameRules_data();
    void nameRules();
    void hostileFiles_data();
    void hostileFiles();
    void listing();
    void deleteFolderTree();
    void deleteProjectStaysInside_data();
    void deleteProjectStaysInside();
};

void TestProjectFiles::bitmapBytes()
{
    // 3 x 2 pixels: rows of 9 bytes are padded to 12; the bottom row comes first.
    QImage image(3, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(1, 2, 3));
    image.setPixel(1, 0, qRgb(4, 5, 6));
    image.setPixel(2, 0, qRgb(7, 8, 9));
    image.setPixel(0, 1, qRgb(10, 11, 12));
    image.setPixel(1, 1, qRgb(13, 14, 15));
    image.setPixel(2, 1, qRgb(16, 17, 18));
    const QByteArray bmp = EncodeBmp24(image);
    const QByteArray header = QByteArray::fromHex(
        "424d" "4e000000" "0000" "0000" "36000000"                 // file header, 78 bytes
        "28000000" "03000000" "02000000" "0100" "1800" "00000000"  // 40-byte info header
        "18000000" "c40e0000" "c40e0000" "00000000" "00000000");
    QCOMPARE(bmp.left(54).toHex(), header.toHex());
    QCOMPARE(bmp.mid(54).toHex(),
             QByteArray::fromHex("0c0b0a" "0f0e0d" "121110" "000000" "030201" "060504" "090807" "000000").toHex());

    // Other programs read it back pixel for pixel.
    QImage back;
    QVERIFY(back.loadFromData(bmp, "BMP"));
    QCOMPARE(back.convertToFormat(QImage::Format_RGB32), image);
}

void TestProjectFiles::defaultDesignBytes()
{
    QTemporaryDir dir;
    Algemeen state;
    state.ProgramFolder = dir.path();
    LoadDefaultContent(state);
    state.pictures.Speelbord = noise(2180, 2180, 3);
    state.pictures.EigenDomsPic = noise(1476, 1176, 4);
    // A fresh installation has no Projecten folder yet: the save makes it.
    QVERIFY(!QFileInfo::exists(dir.filePath("Projecten")));
    QString error;
    QVERIFY2(WriteProjectFiles(state, "Standaard", &error), qPrintable(error));

    const QByteArray project = readAll(dir.filePath("Projecten/Standaard.vgd"));
    QVERIFY(project.endsWith("\r\n"));
    QCOMPARE(project.count('\n'), 41);
    QCOMPARE(project.count('\r'), 41);
    const auto r = records(project);
    QCOMPARE(r.size(), 41);
    QCOMPARE(r[0], QByteArray("\"Standaard\""));
    QCOMPARE(r[1], QByteArray("\"--------------------\""));
    QCOMPARE(r[2], QByteArray("0"));
    QCOMPARE(r[3], QByteArray("\"--------------------\""));
    QCOMPARE(r[4], QByteArray("0,\"\",\"\",\"\""));
    QCOMPARE(r[5], QByteArray("1,\"A-Kerkhof\",\"Groningen\",\"\x80 220,-\""));
    QCOMPARE(r[40].left(3), QByteArray("36,"));

    const QByteArray deck = readAll(dir.filePath("Projecten/Standaard/Kansfonds.kan"));
    const auto d = records(deck);
    QCOMPARE(d.size(), 33);
    QCOMPARE(deck.count('\r'), 33);
    QCOMPARE(d[16], QByteArray("\"--------------------\""));
    QCOMPARE(d[0], "\"" + *EncodeWindows1252(state.project.KansDeck[1]) + "\"");
    QCOMPARE(d[32], "\"" + *EncodeWindows1252(state.project.FondsDeck[16]) + "\"");

    QCOMPARE(readAll(dir.filePath("Projecten/Standaard/Speelbord.bmp")), EncodeBmp24(state.pictures.Speelbord));
    QCOMPARE(readAll(dir.filePath("Projecten/Standaard/Eigendomsbewijzen.bmp")),
             EncodeBmp24(state.pictures.EigenDomsPic));
    QVERIFY(ProjectFolderExists(dir.filePath("Projecten/Standaard")));
    QVERIFY(!ProjectFolderExists(dir.filePath("Projecten/Standaard.vgd")));
}

void TestProjectFiles::roundTrip()
{
    QTemporaryDir dir;
    Algemeen state;
    fillDesign(state, true);
    state.ProgramFolder = dir.path();
    QString error;
    QVERIFY2(WriteProjectFiles(state, "Rond", &error), qPrintable(error));

    const ProjectReadResult read = ReadProjectFiles(dir.path(), "Rond", QSize(2180, 2180), QSize(1476, 1176));
    QVERIFY(read.loaded);
    const LoadedProject &p = *read.loaded;
    QCOMPARE(p.project.ProjectName, QStringLiteral("Rond"));
    QCOMPARE(p.project.StationImage, quint8(17));
    for (int n = 0; n < SquareSlots; ++n) {
        QCOMPARE(p.project.Board[n].Street, state.project.Board[n].Street);
        QCOMPARE(p.project.Board[n].City, state.project.Board[n].City);
        QCOMPARE(p.project.Board[n].Amount, state.project.Board[n].Amount);
    }
    for (int c = 1; c < CardSlots; ++c) {
        QCOMPARE(p.project.KansDeck[c], state.project.KansDeck[c]);  // commas come back whole
        QCOMPARE(p.project.FondsDeck[c], state.project.FondsDeck[c]);
    }
    QCOMPARE(p.Speelbord, state.pictures.Speelbord);
    QCOMPARE(p.EigenDomsPic, state.pictures.EigenDomsPic);

    // Pictures of another size are left out; the texts still come.
    const ProjectReadResult other = ReadProjectFiles(dir.path(), "Rond", QSize(400, 400), QSize());
    QVERIFY(other.loaded);
    QVERIFY(other.loaded->Speelbord.isNull());
    QCOMPARE(other.loaded->EigenDomsPic, state.pictures.EigenDomsPic);
}

void TestProjectFiles::textsThatCannotBeStored()
{
    QTemporaryDir dir;
    Algemeen state;
    fillDesign(state);
    state.ProgramFolder = dir.path();
    QVERIFY(WriteProjectFiles(state, "Oud"));
    const QByteArray before = readAll(dir.filePath("Projecten/Oud.vgd"));
    const QByteArray boardBefore = readAll(dir.filePath("Projecten/Oud/Speelbord.bmp"));

    // A double quote, a line break or a character outside Windows-1252 stops the save before
    // any file changes, and says where it is.
    const QString bad[] = {QStringLiteral("Zeg \"ja\""), QStringLiteral("twee\nregels"),
                           QStringLiteral("tab\there"), QStringLiteral("漢字")};
    for (const QString &text : bad) {
        Algemeen changed;
        fillDesign(changed);
        changed.ProgramFolder = dir.path();
        changed.pictures.Speelbord = noise(2180, 2180, 9);
        changed.project.FondsDeck[5] = text;
        QString error;
        QVERIFY(!WriteProjectFiles(changed, "Oud", &error));
        QCOMPARE(error, QStringLiteral("Algemeen Fonds-kaart 5 bevat een teken dat niet kan worden bewaard."));
        changed.project.FondsDeck[5].clear();
        changed.project.Board[12].City = text;
        QVERIFY(!WriteProjectFiles(changed, "Oud", &error));
        QCOMPARE(error, QStringLiteral("Vakje 12 bevat een teken dat niet kan worden bewaard."));
    }
    QCOMPARE(readAll(dir.filePath("Projecten/Oud.vgd")), before);
    QCOMPARE(readAll(dir.filePath("Projecten/Oud/Speelbord.bmp")), boardBefore);

    // A project folder that is a plain file is reported, not passed over.
    writeBytes(dir.filePath("Projecten/Blok"), "x");
    QString error;
    QVERIFY(!WriteProjectFiles(state, "Blok", &error));
    QVERIFY(error.contains(QStringLiteral("geen gewone map")));
    QVERIFY(!QFileInfo::exists(dir.filePath("Projecten/Blok.vgd")));
}

void TestProjectFiles::storedNameChoosesTheFolder()
{
    QTemporaryDir dir;
    Algemeen state;
    fillDesign(state);
    state.ProgramFolder = dir.path();
    QVERIFY(WriteProjectFiles(state, "A"));
    QVERIFY(QFile::copy(dir.filePath("Projecten/A.vgd"), dir.filePath("Projecten/B.vgd")));
    const ProjectReadResult read = ReadProjectFiles(dir.path(), "B", QSize(), QSize());
    QVERIFY(read.loaded);
    QCOMPARE(read.loaded->project.ProjectName, QStringLiteral("A"));
    QCOMPARE(read.loaded->project.KansDeck[3], state.project.KansDeck[3]);
    QCOMPARE(read.loaded->Speelbord, state.pictures.Speelbord);
}

void TestProjectFiles::nameRules_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("plain") << "Mijn Spel" << true;
    QTest::newRow("accent and euro") << QString::fromUtf8("Café €") << true;
    QTest::newRow("word beginning with CON") << "CONSOLE" << true;
    QTest::newRow("COM10") << "COM10" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("dot dot") << ".." << false;
    QTest::newRow("slash") << "../elders" << false;
    QTest::newRow("backslash") << "..\\elders" << false;
    QTest::newRow("absolute") << "/tmp/x" << false;
    QTest::newRow("drive") << "C:x" << false;
    for (const char *c : {"*", "\"", "|"})
        QTest::newRow(c) << QStringLiteral("a%1b").arg(QLatin1String(c)) << false;
    QTest::newRow("line break") << "a\nb" << false;
    QTest::newRow("NUL") << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b")) << false;
    QTest::newRow("leading blank") << " Spel" << false;
    QTest::newRow("trailing dot") << "Spel." << false;
    QTest::newRow("CON") << "CON" << false;
    QTest::newRow("AUX with extension") << "aux.txt" << false;
    QTest::newRow("COM1") << "COM1" << false;
    QTest::newRow("LPT9") << "lpt9" << false;
    QTest::newRow("outside Windows-1252") << QString::fromUtf8("漢字") << false;
    QTest::newRow("too long") << QString(101, QLatin1Char('x')) << false;
}

void TestProjectFiles::nameRules()
{
    QFETCH(QString, name);
    QFETCH(bool, allowed);
    QCOMPARE(ProjectNameProblem(name).isEmpty(), allowed);
    if (allowed)
        return;
    // A refused name writes nothing, not even the Projecten folder.
    QTemporaryDir dir;
    Algemeen state;
    fillDesign(state);
    state.ProgramFolder = dir.path();
    QString error;
    QVERIFY(!WriteProjectFiles(state, name, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 0);
}

void TestProjectFiles::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("projectFile");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<int>("station");
    QTest::addColumn<QString>("shownName");

    const QByteArray valid = validProjectFile("P");
    QTest::newRow("valid") << valid << true << 0 << "P";
    QTest::newRow("empty") << QByteArray() << false << 0 << "P";
    QTest::newRow("short") << valid.left(valid.indexOf("\r\n5,")) << false << 0 << "P";
    QByteArray huge = valid;
    huge.insert(huge.indexOf("A-Kerkhof"), QByteArray(10 * 1024 * 1024, 'x'));
    QTest::newRow("10 MB line") << huge << false << 0 << "P";
    QTest::newRow("NUL bytes only") << QByteArray(5000, '\0') << false << 0 << "P";
    QByteArray nulInText = valid;
    nulInText.replace("A-Kerkhof", QByteArray("A-Ker\0khof", 10));
    QTest::newRow("NUL inside a text") << nulInText << true << 0 << "P";
    QByteArray station = valid;
    station.replace("\r\n0\r\n", "\r\n300\r\n");
    QTest::newRow("station 300") << station << true << 29 << "P";
    QByteArray negative = valid;
    negative.replace("\r\n0\r\n", "\r\n-5\r\n");
    QTest::newRow("station -5") << negative << true << 0 << "P";
    QByteArray notNumber = valid;
    notNumber.replace("\r\n0\r\n", "\r\nnul\r\n");
    QTest::newRow("station not a number") << notNumber << false << 0 << "P";
    QByteArray order = valid;
    order.replace("\r\n1,\"A-Kerkhof\"", "\r\n35,\"A-Kerkhof\"");
    order.replace("\r\n3,\"Groote", "\r\n99999999999,\"Groote");
    QTest::newRow("square numbers out of order") << order << true << 0 << "P";
    QTest::newRow("name leaving Projecten") << validProjectFile("../P") << false << 0 << "P";
    QTest::newRow("name dot dot") << validProjectFile("..") << false << 0 << "P";
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char(i * 37));
    QTest::newRow("binary") << binary << false << 0 << "P";
}

void TestProjectFiles::hostileFiles()
{
    QFETCH(QByteArray, projectFile);
    QFETCH(bool, loads);
    QFETCH(int, station);
    QFETCH(QString, shownName);
    QTemporaryDir dir;
    Algemeen state;
    fillDesign(state);
    state.ProgramFolder = dir.path();
    QVERIFY(WriteProjectFiles(state, "P"));
    writeBytes(dir.filePath("Projecten/P.vgd"), projectFile);

    const ProjectReadResult read = ReadProjectFiles(dir.path(), "P", QSize(2180, 2180), QSize(1476, 1176));
    QCOMPARE(bool(read.loaded), loads);
    QCOMPARE(read.shownName, shownName);
    if (!loads)
        return;
    QCOMPARE(int(read.loaded->project.StationImage), station);
    QCOMPARE(read.loaded->project.Board[1].Street, QStringLiteral("A-Kerkhof"));  // NUL dropped
    QCOMPARE(read.loaded->project.Board[3].Street, QStringLiteral("Groote Markt"));

    // A deck file that is short, missing or huge spoils the whole project.
    const QString deckPath = dir.filePath("Projecten/P/Kansfonds.kan");
    const QByteArray deck = readAll(deckPath);
    writeBytes(deckPath, deck.left(deck.size() / 2));
    QVERIFY(!ReadProjectFiles(dir.path(), "P", QSize(), QSize()).loaded);
    writeBytes(deckPath, deck + QByteArray(300 * 1024, 'x'));
    QVERIFY(!ReadProjectFiles(dir.path(), "P", QSize(), QSize()).loaded);
    QFile::remove(deckPath);
    QVERIFY(!ReadProjectFiles(dir.path(), "P", QSize(), QSize()).loaded);
}

void TestProjectFiles::listing()
{
    QTemporaryDir dir;
    QVERIFY(ListProjects(dir.path()).isEmpty());  // no Projecten folder at all
    QDir().mkpath(dir.filePath("Projecten"));
    QVERIFY(ListProjects(dir.path()).isEmpty());
    for (const char *file : {"b.vgd", "A.vgd", "notes.txt", "ab", ".vgd"})
        writeBytes(dir.filePath(QStringLiteral("Projecten/") + QLatin1String(file)), "x");
    QDir().mkpath(dir.filePath("Projecten/A"));
    QCOMPARE(ListProjects(dir.path()), QStringList({"", "A", "", "b", "notes"}));
}

void TestProjectFiles::deleteFolderTree()
{
    QTemporaryDir dir;
    const QString tree = dir.filePath("boom");
    writeBytes(tree + "/a.txt", "a");
    writeBytes(tree + "/sub/b.txt", "b");
    writeBytes(tree + "/sub/.verborgen", "c");
    QFile::setPermissions(tree + "/a.txt", QFileDevice::ReadOwner);
    QFile::setPermissions(tree + "/sub/b.txt", QFileDevice::ReadOwner);
    // Links inside the tree go; what they point at stays.
    writeBytes(dir.filePath("buiten/bewaar.txt"), "blijft");
    QVERIFY(QFile::link(dir.filePath("buiten"), tree + "/sub/naar-map"));
    QVERIFY(QFile::link(dir.filePath("buiten/bewaar.txt"), tree + "/naar-bestand"));
    QFile::setPermissions(tree + "/sub", QFileDevice::ReadOwner | QFileDevice::ExeOwner);

    QVERIFY(DeleteFolderTree(tree));
    QVERIFY(!QFileInfo::exists(tree));
    QCOMPARE(readAll(dir.filePath("buiten/bewaar.txt")), QByteArray("blijft"));

    // The folder itself being a link: only the link goes.
    QVERIFY(QFile::link(dir.filePath("buiten"), dir.filePath("link")));
    QVERIFY(DeleteFolderTree(dir.filePath("link")));
    QVERIFY(!QFileInfo(dir.filePath("link")).isSymLink());
    QCOMPARE(readAll(dir.filePath("buiten/bewaar.txt")), QByteArray("blijft"));
}

void TestProjectFiles::deleteProjectStaysInside_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("deletes");
    QTest::newRow("project") << "P" << true;
    QTest::newRow("empty entry") << "" << false;
    QTest::newRow("dot dot") << ".." << false;
    QTest::newRow("trailing dot") << "P." << false;
    QTest::newRow("up and over") << "../Q" << false;
}

void TestProjectFiles::deleteProjectStaysInside()
{
    QFETCH(QString, entry);
    QFETCH(bool, deletes);
    QTemporaryDir dir;
    Algemeen state;
    fillDesign(state);
    state.ProgramFolder = dir.path();
    QVERIFY(WriteProjectFiles(state, "P"));
    QVERIFY(WriteProjectFiles(state, "Q"));
    writeBytes(dir.filePath("Vastgoed.ini"), "ini");
    writeBytes(dir.filePath("Q/elders.txt"), "elders");
    QFile::setPermissions(dir.filePath("Projecten/P/Kansfonds.kan"), QFileDevice::ReadOwner);
    // A link in the project folder to something outside it.
    QVERIFY(QFile::link(dir.filePath("Q"), dir.filePath("Projecten/P/link")));

    QCOMPARE(DeleteProject(dir.path(), entry), deletes);
    QCOMPARE(QFileInfo::exists(dir.filePath("Projecten/P.vgd")), !deletes);
    QCOMPARE(QFileInfo::exists(dir.filePath("Projecten/P")), !deletes);
    QVERIFY(QFileInfo::exists(dir.filePath("Projecten/Q.vgd")));
    QVERIFY(QFileInfo::exists(dir.filePath("Projecten/Q/Kansfonds.kan")));
    QCOMPARE(readAll(dir.filePath("Vastgoed.ini")), QByteArray("ini"));
    QCOMPARE(readAll(dir.filePath("Q/elders.txt")), QByteArray("elders"));
}

QTEST_GUILESS_MAIN(TestProjectFiles)
#include "test_projectfiles.moc"
