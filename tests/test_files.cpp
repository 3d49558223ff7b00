// The files a design is kept in: record syntax, bitmaps, the project files with hostile input,
// listing and deleting projects, and the settings file.
#include "model/algemeen.h"
#include "files/bmpfile.h"
#include "model/defaultcontent.h"
#include "model/programpaths.h"
#include "design/edits.h"
#include "files/projectfiles.h"
#include "design/recovery.h"
#include "files/recordfile.h"
#include "files/settingsfile.h"
#include "design/startup.h"
#include "files/picturefile.h"
#include "files/gamefile.h"
#include "testsupport.h"

#include <QtTest>
#include <filesystem>
#include <unistd.h>

namespace {
// A design in which every text, the station picture and both pictures differ from the default,
// in a program folder of its own.
struct Design {
    QTemporaryDir dir;
    Algemeen state;
    explicit Design(bool noisyPictures = false)
    {
        state.Paths = dir.path();
        for (int n = 0; n < SquareSlots; ++n)
            state.project.Board[n] = BoardSquare{QStringLiteral("Straat %1, é").arg(n), QStringLiteral("Stad %1").arg(n),
                                                 QString::fromUtf8("€ %1,-").arg(n * 10)};
        for (int c = 1; c < CardSlots; ++c) {
            state.project.KansDeck[c] = QStringLiteral("Kans %1, ga naar start / ontvang € 200,-").arg(c);
            state.project.FondsDeck[c] = QStringLiteral("Fonds %1 – betaal ‘€ 50’").arg(c);
        }
        state.project.StationImage = 17;
        state.pictures.Speelbord = noisyPictures ? noiseImage(2180, 2180, 1) : QImage(2180, 2180, QImage::Format_RGB32);
        state.pictures.EigenDomsPic = noisyPictures ? noiseImage(1476, 1176, 2) : QImage(1476, 1176, QImage::Format_RGB32);
        if (!noisyPictures) {
            state.pictures.Speelbord.fill(qRgb(10, 200, 30));
            state.pictures.EigenDomsPic.fill(qRgb(250, 0, 90));
        }
    }
    QString path(const QString &relative) const { return dir.filePath(relative); }
};

QStringList texts(const BoardSquare &b) { return {b.Street, b.City, b.Amount}; }

// The records of a file whose every line ends in CR LF.
QList<QByteArray> records(QByteArray bytes) { return bytes.chopped(2).replace("\r\n", "\n").split('\n'); }

// A valid project "P" on disk, for the hostile-file cases to spoil.
QByteArray validProjectFile(const QString &storedName)
{
    Algemeen state;
    LoadDefaultContent(state);
    return *ProjectFileBytes(state.project, storedName);
}
void setAge(const QString &path, int days)
{
    std::filesystem::last_write_time(QFile(path).filesystemFileName(),
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(24 * days) - std::chrono::minutes(1));
}

const QByteArray defaultFactorLines("5\r\n15\r\n30\r\n60\r\n75\r\n10\r\n10\r\n7\r\n2\r\n4\r\n8\r\n4\r\n");
}

Q_DECLARE_METATYPE(RgbColour)

class TestFiles : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    Algemeen m_state;

private slots:

    // The game's own title, town, bank and card border go with the project in Spel.json; the
    // other four files are the very bytes a design without them writes.
    void ownGameKeptBesideTheFourFiles()
    {
        Design plain(true), own(true);
        own.state.game.title = QStringLiteral("Beekstad");
        own.state.game.subtitle = QStringLiteral("Het spel van onze beek");
        own.state.game.bank.pop_back();
        own.state.game.bank[1].picture = 4;
        own.state.game.bank[1].amountOverPicture = true;
        own.state.game.bank[2].background = {1, 2, 3};
        own.state.CardBorderColour = {90, 10, 200};
        QVERIFY(WriteProjectFiles(plain.state, "Spel"));
        QVERIFY(WriteProjectFiles(own.state, "Spel"));
        for (const char *file : {"Projecten/Spel.vgd", "Projecten/Spel/Kansfonds.kan", "Projecten/Spel/Speelbord.bmp",
                                 "Projecten/Spel/Eigendomsbewijzen.bmp"})
            QVERIFY2(readAll(plain.path(file)) == readAll(own.path(file)), file);

        Algemeen opened;
        opened.Paths = own.dir.path();
        QVERIFY(LoadProjectInto(opened, "Spel").loaded);
        QCOMPARE(opened.game, own.state.game);
        QCOMPARE(opened.CardBorderColour, own.state.CardBorderColour);

        // Without Spel.json (a project saved before it existed) the program's own come back.
        QVERIFY(QFile::remove(own.path("Projecten/Spel/Spel.json")));
        QVERIFY(LoadProjectInto(opened, "Spel").loaded);
        QCOMPARE(opened.game, Algemeen().game);
        QCOMPARE(opened.CardBorderColour, Algemeen().CardBorderColour);
        QCOMPARE(opened.pictures.Speelbord, own.state.pictures.Speelbord);
    }

    void gameFileNeverTrusted_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("read");
        QTest::addColumn<int>("notes");
        QTest::addColumn<int>("titleLength");
        const QByteArray head = "{\"format\":\"vastgoed-spel\",\"version\":1,";
        QTest::newRow("not json") << QByteArray("\x01\x02 garbage") << false << 0 << 0;
        QTest::newRow("another format") << QByteArray("{\"format\":\"vastgoed-tekening\",\"version\":1}") << false << 0 << 0;
        QTest::newRow("later version") << QByteArray("{\"format\":\"vastgoed-spel\",\"version\":2}") << false << 0 << 0;
        QTest::newRow("long title, control characters")
            << head + "\"title\":\"" + QByteArray(500, 'A') + "\\u0007\"}" << true << 0 << int(MaxGameText);
        QTest::newRow("notes out of range kept in range, nonsense left out")
            << head + "\"bank\":[{\"amount\":\"x\",\"background\":[999,-5,3],\"amountColour\":77,\"picture\":99,"
                      "\"perPlayer\":-3},{\"amount\":5,\"background\":[1,2,3]},{\"amount\":\"y\"},7]}"
            << true << 1 << 0;
        QByteArray many = head + "\"bank\":[";
        for (int i = 0; i < 40; ++i)
            many += "{\"amount\":\"1\",\"background\":[1,1,1]},";
        many += "{\"amount\":\"1\",\"background\":[1,1,1]}]}";
        QTest::newRow("too many notes") << many << true << int(MaxBankNotes) << 0;
    }

    void gameFileNeverTrusted()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, read);
        QFETCH(int, notes);
        QFETCH(int, titleLength);
        const auto file = ReadGameFile(bytes);
        QCOMPARE(bool(file), read);
        if (!file)
            return;
        QCOMPARE(int(file->game.bank.size()), notes);
        QCOMPARE(file->game.title.size(), titleLength);
        for (const BankNote &n : file->game.bank) {
            QVERIFY(n.amountColour >= 1 && n.amountColour <= 13 && n.picture >= -1 && n.picture <= 7 && n.perPlayer >= 0);
            for (int c : {n.background.red, n.background.green, n.background.blue})
                QVERIFY(c >= 0 && c <= 255);
        }
        QCOMPARE(ReadGameFile(GameFileBytes(*file))->game, file->game);
    }
    void recordSyntax()
    {
        // One field on a line or three makes no difference; blanks before a field are skipped.
        RecordReader r(QByteArray("\"a\",1\r\n  2,   \"b,c\" ,\t3\r\n\"\"\r\nabc,4.6,\r\n"));
        QCOMPARE(r.field().value(), QStringLiteral("a"));
        QCOMPARE(r.number().value(), 1);
        QCOMPARE(r.number().value(), 2);
        QCOMPARE(r.field().value(), QStringLiteral("b,c"));
        QCOMPARE(r.number().value(), 3);
        QCOMPARE(r.field().value(), QString());  // an empty text is a field
        QVERIFY(!r.number());                     // "abc" is no number
        QCOMPARE(r.number().value(), 5);
        QVERIFY(!r.number());                     // nor is an empty field
        QVERIFY(r.atEnd());

        // Every byte decodes to one character and encodes back: the euro is 128, è is 232.
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString decoded = DecodeWindows1252(all);
        QCOMPARE(decoded.at(0x80), QChar(0x20AC));
        QCOMPARE(decoded.at(0xE8), QChar(u'è'));
        QCOMPARE(EncodeWindows1252(decoded).value(), all);
    }

    void bitmapBytes()
    {
        // 3 x 2 pixels: rows of 9 bytes are padded to 12; the bottom row comes first.
        QImage image(3, 2, QImage::Format_RGB32);
        for (int i = 0; i < 6; ++i)
            image.setPixel(i % 3, i / 3, qRgb(3 * i + 1, 3 * i + 2, 3 * i + 3));
        const QByteArray bmp = EncodeBmp24(image);
        const QByteArray header = QByteArray::fromHex(
            "424d" "4e000000" "0000" "0000" "36000000"                 // file header, 78 bytes
            "28000000" "03000000" "02000000" "0100" "1800" "00000000"  // 40-byte info header
            "18000000" "c40e0000" "c40e0000" "00000000" "00000000");
        QCOMPARE(bmp.left(54).toHex(), header.toHex());
        QCOMPARE(bmp.mid(54).toHex(),
                 QByteArray::fromHex("0c0b0a" "0f0e0d" "121110" "000000" "030201" "060504" "090807" "000000").toHex());

    }

    void picturesCutShort_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("loads");
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(Qt::red);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(image.save(&buffer, "PNG"));
        const QByteArray png = buffer.data();
        const qsizetype end = png.size() - 12;  // where the IEND chunk starts
        QVERIFY(png.mid(end + 4, 4) == "IEND");
        // A text chunk that claims 100,000 bytes (or 1.7 GB) where 8 follow.
        const auto lying = [&](const QByteArray &length) {
            return png.left(end) + QByteArray::fromHex(length) + "tEXtabcdefgh" + png.mid(end);
        };
        const QByteArray bmp = EncodeBmp24(image);
        QTest::newRow("PNG") << png << true;
        QTest::newRow("PNG chunk of 100,000 bytes") << lying("000186a0") << false;
        QTest::newRow("PNG chunk of 1.7 GB") << lying("696e0025") << false;
        QTest::newRow("PNG without end") << png.left(end) << false;
        QTest::newRow("PNG end cut short") << png.left(png.size() - 2) << false;
        QTest::newRow("bitmap") << bmp << true;
        QTest::newRow("bitmap cut short") << bmp.left(bmp.size() - 1) << false;
    }

    void picturesCutShort()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, loads);
        QTemporaryDir dir;
        QFile file(dir.filePath("Data-1.vgx"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        const QImage image = LoadPicture(file.fileName());
        QCOMPARE(!image.isNull(), loads);
        if (loads)
            QCOMPARE(image.pixel(7, 5), qRgb(255, 0, 0));
    }

    void defaultDesignBytes()
    {
        QTemporaryDir dir;
        Algemeen state;
        state.Paths = dir.path();
        LoadDefaultContent(state);
        state.pictures.Speelbord = noiseImage(2180, 2180, 3);
        state.pictures.EigenDomsPic = noiseImage(1476, 1176, 4);
        // A fresh installation has no Projecten folder yet: the save makes it.
        QVERIFY(!QFileInfo::exists(dir.filePath("Projecten")));
        QString error;
        QVERIFY2(WriteProjectFiles(state, "Standaard", &error), qPrintable(error));

        const QByteArray project = readAll(dir.filePath("Projecten/Standaard.vgd"));
        QCOMPARE(project.count('\r'), 41);
        const auto r = records(project);
        QCOMPARE(r.size(), 41);
        QCOMPARE(r.mid(0, 6), (QList<QByteArray>{"\"Standaard\"", "\"--------------------\"", "0", "\"--------------------\"",
                                                "0,\"\",\"\",\"\"", "1,\"A-Kerkhof\",\"Groningen\",\"\x80 220,-\""}));
        QCOMPARE(r[40].left(3), QByteArray("36,"));

        const QByteArray deck = readAll(dir.filePath("Projecten/Standaard/Kansfonds.kan"));
        const auto d = records(deck);
        QCOMPARE(d.size(), 33);
        QCOMPARE(d[16], QByteArray("\"--------------------\""));
        QCOMPARE(d[0], "\"" + *EncodeWindows1252(state.project.KansDeck[1]) + "\"");
        QCOMPARE(d[32], "\"" + *EncodeWindows1252(state.project.FondsDeck[16]) + "\"");

        QCOMPARE(readAll(dir.filePath("Projecten/Standaard/Speelbord.bmp")), EncodeBmp24(state.pictures.Speelbord));
        QCOMPARE(readAll(dir.filePath("Projecten/Standaard/Eigendomsbewijzen.bmp")),
                 EncodeBmp24(state.pictures.EigenDomsPic));
        QVERIFY(ProjectFolderExists(dir.filePath("Projecten/Standaard")));
        QVERIFY(!ProjectFolderExists(dir.filePath("Projecten/Standaard.vgd")));
    }

    void roundTrip()
    {
        Design d(true);
        QString error;
        QVERIFY2(WriteProjectFiles(d.state, "Rond", &error), qPrintable(error));

        const ProjectReadResult read = ReadProjectFiles(d.dir.path(), "Rond", QSize(2180, 2180), QSize(1476, 1176));
        QVERIFY(read.loaded);
        const LoadedProject &p = *read.loaded;
        QCOMPARE(p.project.ProjectName, QStringLiteral("Rond"));
        QCOMPARE(p.project.StationImage, quint8(17));
        for (int n = 0; n < SquareSlots; ++n)
            QCOMPARE(texts(p.project.Board[n]), texts(d.state.project.Board[n]));
        QCOMPARE(p.project.KansDeck, d.state.project.KansDeck);  // commas come back whole
        QCOMPARE(p.project.FondsDeck, d.state.project.FondsDeck);
        QCOMPARE(p.Speelbord, d.state.pictures.Speelbord);
        QCOMPARE(p.EigenDomsPic, d.state.pictures.EigenDomsPic);

        // The name stored in the file chooses the folder the pictures and deck come from.
        QVERIFY(QFile::copy(d.path("Projecten/Rond.vgd"), d.path("Projecten/Ander.vgd")));
        const ProjectReadResult copy = ReadProjectFiles(d.dir.path(), "Ander", QSize(2180, 2180), QSize());
        QVERIFY(copy.loaded);
        QCOMPARE(copy.loaded->project.ProjectName, QStringLiteral("Rond"));
        QCOMPARE(copy.loaded->Speelbord, d.state.pictures.Speelbord);
    }

    void textsThatCannotBeStored()
    {
        Design d;
        QVERIFY(WriteProjectFiles(d.state, "Oud"));
        const QByteArray before = readAll(d.path("Projecten/Oud.vgd"));
        const QByteArray boardBefore = readAll(d.path("Projecten/Oud/Speelbord.bmp"));

        // A double quote, a control character or a character outside Windows-1252 stops the save
        // before any file changes, and says where it is.
        for (const QString &text : {QStringLiteral("Zeg \"ja\""), QStringLiteral("tab\there"), QStringLiteral("漢字")}) {
            Algemeen changed = d.state;
            changed.pictures.Speelbord = noiseImage(2180, 2180, 9);
            changed.project.FondsDeck[5] = text;
            QString error;
            QVERIFY(!WriteProjectFiles(changed, "Oud", &error));
            QCOMPARE(error, QStringLiteral("Algemeen Fonds-kaart 5 bevat een teken dat niet kan worden bewaard."));
            changed.project.FondsDeck[5].clear();
            changed.project.Board[12].City = text;
            QVERIFY(!WriteProjectFiles(changed, "Oud", &error));
            QCOMPARE(error, QStringLiteral("Vakje 12 bevat een teken dat niet kan worden bewaard."));
        }
        QCOMPARE(readAll(d.path("Projecten/Oud.vgd")), before);
        QCOMPARE(readAll(d.path("Projecten/Oud/Speelbord.bmp")), boardBefore);

        // A project folder that is a plain file is reported, not passed over.
        writeAll(d.path("Projecten/Blok"), "x");
        QString error;
        QVERIFY(!WriteProjectFiles(d.state, "Blok", &error));
        QVERIFY(error.contains(QStringLiteral("geen gewone map")));
        QVERIFY(!QFileInfo::exists(d.path("Projecten/Blok.vgd")));
    }

    void nameRules_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("accent and euro") << QString::fromUtf8("Café €") << true;
        QTest::newRow("word beginning with CON") << "CONSOLE" << true;
        QTest::newRow("COM10") << "COM10" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("100 characters") << QString(100, QLatin1Char('x')) << true;
        QTest::newRow("too long") << QString(101, QLatin1Char('x')) << false;
        QTest::newRow("dot dot") << ".." << false;
        QTest::newRow("slash") << "../elders" << false;
        QTest::newRow("backslash") << "..\\elders" << false;
        QTest::newRow("drive") << "C:x" << false;
        QTest::newRow("NUL") << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b")) << false;
        QTest::newRow("leading blank") << " Spel" << false;
        QTest::newRow("trailing dot") << "Spel." << false;
        QTest::newRow("AUX with extension") << "aux.txt" << false;
        QTest::newRow("COM1") << "COM1" << false;
        QTest::newRow("LPT superscript 1") << QString::fromUtf8("LPT\u00b9") << false;
        QTest::newRow("outside Windows-1252") << QString::fromUtf8("漢字") << false;
    }

    void nameRules()
    {
        QFETCH(QString, name);
        QFETCH(bool, allowed);
        QCOMPARE(ProjectNameProblem(name).isEmpty(), allowed);
        if (allowed)
            return;
        // A refused name writes nothing, not even the Projecten folder.
        Design d;
        QString error;
        QVERIFY(!WriteProjectFiles(d.state, name, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(QDir(d.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 0);
    }

    void hostileFiles_data()
    {
        QTest::addColumn<QByteArray>("projectFile");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<int>("station");

        const QByteArray valid = validProjectFile("P");
        QTest::newRow("valid") << valid << true << 0;
        QTest::newRow("empty") << QByteArray() << false << 0;
        QTest::newRow("short") << valid.left(valid.indexOf("\r\n5,")) << false << 0;
        QByteArray huge = valid;
        huge.insert(huge.indexOf("A-Kerkhof"), QByteArray(10 * 1024 * 1024, 'x'));
        QTest::newRow("10 MB line") << huge << false << 0;
        QTest::newRow("NUL bytes only") << QByteArray(5000, '\0') << false << 0;
        QByteArray nulInText = valid;
        nulInText.replace("A-Kerkhof", QByteArray("A-Ker\0khof", 10));
        QTest::newRow("NUL inside a text") << nulInText << true << 0;
        const auto station = [&valid](const char *value) { return QByteArray(valid).replace("\r\n0\r\n", "\r\n" + QByteArray(value) + "\r\n"); };
        QTest::newRow("station 300") << station("300") << true << 29;
        QTest::newRow("station -5") << station("-5") << true << 0;
        QTest::newRow("station not a number") << station("nul") << false << 0;
        QByteArray order = valid;
        order.replace("\r\n1,\"A-Kerkhof\"", "\r\n35,\"A-Kerkhof\"");
        order.replace("\r\n3,\"Groote", "\r\n99999999999,\"Groote");
        QTest::newRow("square numbers out of order") << order << true << 0;
        QTest::newRow("name leaving Projecten") << validProjectFile("../P") << false << 0;
    }

    void hostileFiles()
    {
        QFETCH(QByteArray, projectFile);
        QFETCH(bool, loads);
        QFETCH(int, station);
        Design d;
        QVERIFY(WriteProjectFiles(d.state, "P"));
        writeAll(d.path("Projecten/P.vgd"), projectFile);

        const ProjectReadResult read = ReadProjectFiles(d.dir.path(), "P", QSize(2180, 2180), QSize(1476, 1176));
        QCOMPARE(bool(read.loaded), loads);
        QCOMPARE(read.shownName, QStringLiteral("P"));
        if (!loads)
            return;
        QCOMPARE(int(read.loaded->project.StationImage), station);
        QCOMPARE(read.loaded->project.Board[1].Street, QStringLiteral("A-Kerkhof"));  // NUL dropped
        QCOMPARE(read.loaded->project.Board[3].Street, QStringLiteral("Groote Markt"));

        // A deck file that is short, missing or huge spoils the whole project.
        const QString deckPath = d.path("Projecten/P/Kansfonds.kan");
        const QByteArray deck = readAll(deckPath);
        writeAll(deckPath, deck.left(deck.size() / 2));
        QVERIFY(!ReadProjectFiles(d.dir.path(), "P", QSize(), QSize()).loaded);
        writeAll(deckPath, deck + QByteArray(300 * 1024, 'x'));
        QVERIFY(!ReadProjectFiles(d.dir.path(), "P", QSize(), QSize()).loaded);
        QFile::remove(deckPath);
        QVERIFY(!ReadProjectFiles(d.dir.path(), "P", QSize(), QSize()).loaded);
    }

    void listing()
    {
        QTemporaryDir dir;
        QVERIFY(ListProjects(dir.path()).isEmpty());  // no Projecten folder at all
        QDir().mkpath(dir.filePath("Projecten"));
        QVERIFY(ListProjects(dir.path()).isEmpty());
        for (const char *file : {"b.vgd", "A.vgd", "notes.txt", "ab", ".vgd"})
            writeAll(dir.filePath(QStringLiteral("Projecten/") + QLatin1String(file)), "x");
        QDir().mkpath(dir.filePath("Projecten/A"));
        QCOMPARE(ListProjects(dir.path()), QStringList({"", "A", "", "b", "notes"}));
    }

    void deleteProjectStaysInside_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("deletes");
        QTest::newRow("project") << "P" << true;
        QTest::newRow("empty entry") << "" << false;
        QTest::newRow("dot dot") << ".." << false;
        QTest::newRow("trailing dot") << "P." << false;
        QTest::newRow("up and over") << "../Q" << false;
    }

    void deleteProjectStaysInside()
    {
        QFETCH(QString, entry);
        QFETCH(bool, deletes);
        Design d;
        QVERIFY(WriteProjectFiles(d.state, "P"));
        QVERIFY(WriteProjectFiles(d.state, "Q"));
        writeAll(d.path("Vastgoed.ini"), "ini");
        writeAll(d.path("Q/elders.txt"), "elders");
        // Hidden and read-only files, a read-only sub folder, links to a folder and a file outside:
        // all go, what the links point at stays.
        writeAll(d.path("Projecten/P/sub/.verborgen"), "c");
        QFile::setPermissions(d.path("Projecten/P/Kansfonds.kan"), QFileDevice::ReadOwner);
        QVERIFY(QFile::link(d.path("Q"), d.path("Projecten/P/sub/naar-map")));
        QVERIFY(QFile::link(d.path("Q/elders.txt"), d.path("Projecten/P/naar-bestand")));
        QFile::setPermissions(d.path("Projecten/P/sub"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);

        QCOMPARE(DeleteProject(d.dir.path(), entry), deletes);
        QCOMPARE(QFileInfo::exists(d.path("Projecten/P.vgd")), !deletes);
        QCOMPARE(QFileInfo::exists(d.path("Projecten/P")), !deletes);
        QVERIFY(QFileInfo::exists(d.path("Projecten/Q.vgd")));
        QVERIFY(QFileInfo::exists(d.path("Projecten/Q/Kansfonds.kan")));
        QCOMPARE(readAll(d.path("Vastgoed.ini")), QByteArray("ini"));
        QCOMPARE(readAll(d.path("Q/elders.txt")), QByteArray("elders"));
        QFile::setPermissions(d.path("Projecten/P/sub"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

        // A project folder that is itself a link: only the link goes.
        QVERIFY(QFile::link(d.path("Q"), d.path("link")));
        QVERIFY(DeleteFolderTree(d.path("link")));
        QVERIFY(!QFileInfo(d.path("link")).isSymLink());
        QCOMPARE(readAll(d.path("Q/elders.txt")), QByteArray("elders"));
    }

    void portableRule_data()
    {
        QTest::addColumn<QStringList>("beside");  // what the executable's folder holds
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("portable");
        QTest::addColumn<bool>("picturesMissing");
        QTest::newRow("nothing") << QStringList() << true << false << false;
        QTest::newRow("Data") << QStringList{"Data/"} << true << true << false;
        QTest::newRow("settings file only") << QStringList{"Vastgoed.ini"} << true << true << true;
        QTest::newRow("projects only") << QStringList{"Projecten/"} << true << true << true;
        QTest::newRow("all three") << QStringList{"Data/", "Vastgoed.ini", "Projecten/"} << true << true << false;
        QTest::newRow("Data, read-only") << QStringList{"Data/"} << false << false << false;
        QTest::newRow("projects, read-only") << QStringList{"Projecten/"} << false << true << true;
    }

    void portableRule()
    {
        QFETCH(QStringList, beside);
        QFETCH(bool, writable);
        QFETCH(bool, portable);
        QFETCH(bool, picturesMissing);
        if (!writable && geteuid() == 0)
            QSKIP("running as a user who may write anywhere");
        ProgramFolder share;  // an installed copy's share folder, with all its pictures
        QTemporaryDir root;
        const QString exe = root.filePath("bin");
        QDir().mkpath(exe);
        for (const QString &entry : beside) {
            if (entry == "Data/")
                QVERIFY(QDir(share.path("Data")).entryList(QDir::Files).size() == 9
                        && QFile::link(share.path("Data"), exe + "/Data"));
            else if (entry.endsWith('/'))
                QDir().mkpath(exe + "/" + entry);
            else
                writeAll(exe + "/" + entry, "x");
        }
        QDir().mkpath(root.filePath("share"));
        QFile::link(share.path(), root.filePath("share/vastgoed-atelier"));
        if (!writable)
            QFile::setPermissions(exe, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const ProgramPaths paths = ProgramPaths::ForExecutable(exe, root.filePath("gebruiker"));
        QFile::setPermissions(exe, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(paths.settingsFolder, portable ? exe : root.filePath("gebruiker"));
        QCOMPARE(paths.installed, !portable);
        // A portable copy without its pictures says so, and where the user's files stay.
        const QString message = MissingPicturesMessage(paths);
        QCOMPARE(!message.isEmpty(), picturesMissing);
        if (picturesMissing) {
            QVERIFY(message.contains("Data-1.vgx"));
            QVERIFY(message.contains(QDir::toNativeSeparators(exe)));
        }
    }

    void oldDamagedCopiesGo_data()
    {
        QTest::addColumn<QList<int>>("ages");  // in days, of the damaged copies
        QTest::addColumn<QList<int>>("kept");
        QTest::newRow("none") << QList<int>{} << QList<int>{};
        QTest::newRow("two young ones") << QList<int>{0, 29} << QList<int>{0, 29};
        QTest::newRow("five young ones") << QList<int>{4, 1, 5, 3, 2} << QList<int>{1, 2, 3};
        QTest::newRow("old ones") << QList<int>{31, 2, 45} << QList<int>{2};
        QTest::newRow("only old ones") << QList<int>{40, 400} << QList<int>{};
    }

    void oldDamagedCopiesGo()
    {
        QFETCH(QList<int>, ages);
        QFETCH(QList<int>, kept);
        QTemporaryDir dir;
        auto name = [](int age) { return QStringLiteral("sessie-%1.beschadigd").arg(age); };
        for (int age : ages) {
            writeAll(dir.filePath(name(age) + "/000001/Naamloos.vgd"), "x");
            setAge(dir.filePath(name(age)), age);
        }
        // A copy not set aside, however old, is not this clean-up's.
        writeAll(dir.filePath("sessie-oud/000001/Naamloos.vgd"), "x");
        setAge(dir.filePath("sessie-oud"), 100);
        QCOMPARE(RemoveOldDamagedCopies(dir.path()), ages.size() - kept.size());
        QStringList expected{"sessie-oud"};
        for (int age : kept)
            expected << name(age);
        expected.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name), expected);
    }

    void init()
    {
        QVERIFY(m_dir.isValid());
        QFile::remove(m_dir.filePath("Vastgoed.ini"));
        m_state = Algemeen();
        m_state.Paths = m_dir.path();
    }

    void firstStartWritesTheDefaults()
    {
        QVERIFY(!LoadStartState(m_state));
        const QByteArray bytes = readAll(m_state.settingsPath());
        const QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines.size(), 18);  // 17 records and nothing after the last CR LF
        QCOMPARE(lines.mid(1, 4), (QList<QByteArray>{"\"--------------------------\"\r", "220,220,190\r", "0\r",
                                                     "\"--------------------------\"\r"}));
        QVERIFY(bytes.endsWith(defaultFactorLines));
    }

    void damagedFilesGiveDefaultsOrClampedValues_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<RgbColour>("colour");
        QTest::addColumn<int>("station");

        const QByteArray head("\"b\"\r\n\"-\"\r\n");
        const QByteArray tail("\"-\"\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n");
        QTest::newRow("empty") << QByteArray() << DefaultWindowColour << 0;
        QTest::newRow("binary") << QByteArray("\x00\xff\x13\x80\"\x01", 6) << DefaultWindowColour << 0;
        QTest::newRow("ends after line 4") << head + "10,20,30\r\n7\r\n" << RgbColour{10, 20, 30} << 7;
        QTest::newRow("colour 999") << head + "999,-4,3\r\n2\r\n" + tail << RgbColour{255, 220, 190} << 0;
        QTest::newRow("station 77") << head + "1,2,3\r\n77\r\n" + tail << RgbColour{1, 2, 3} << 29;
        QTest::newRow("factor beyond 32 bits") << head + "1,2,3\r\n4\r\n\"-\"\r\n99999999999\r\n" << RgbColour{1, 2, 3} << 4;
        QTest::newRow("text for a number") << head + "rood,2,3\r\n" << DefaultWindowColour << 0;
    }

    void damagedFilesGiveDefaultsOrClampedValues()
    {
        QFETCH(QByteArray, content);
        QFETCH(RgbColour, colour);
        QFETCH(int, station);
        writeAll(m_state.settingsPath(), content);
        QVERIFY(!LoadStartState(m_state));
        QCOMPARE(m_state.WindowColour, colour);
        QCOMPARE(int(m_state.project.StationImage), station);
        QCOMPARE(m_state.RentFactors, DefaultRentFactors());

        // The file is rewritten complete, and reads back whole.
        const QByteArray rewritten = readAll(m_state.settingsPath());
        QVERIFY(rewritten.endsWith(defaultFactorLines));
        Algemeen again;
        QVERIFY(ReadSettingsFile(m_state.settingsPath(), again));
        QCOMPARE(again.WindowColour, colour);
        QCOMPARE(SettingsFileBytes(again), rewritten);
    }

    void whatFollowsTheSeventeenLinesIsNotRead_data()
    {
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("nothing") << QByteArray();
        QTest::newRow("64 KiB of blanks") << QByteArray(64 * 1024, ' ');
        QTest::newRow("a megabyte of lines") << QByteArray("x,\"y\r\n").repeated(150000);
        QTest::newRow("binary") << QByteArray("\0\xff\n\x80", 4).repeated(30000);
    }

    void whatFollowsTheSeventeenLinesIsNotRead()
    {
        QFETCH(QByteArray, after);
        Algemeen settings;
        settings.RentFactors = DefaultRentFactors();
        settings.WindowColour = RgbColour{12, 34, 56};
        settings.project.StationImage = 9;
        settings.RentFactors[12] = 77;
        const QByteArray content = SettingsFileBytes(settings) + after;
        writeAll(m_state.settingsPath(), content);
        QVERIFY(LoadStartState(m_state));
        QCOMPARE(m_state.WindowColour, settings.WindowColour);
        QCOMPARE(int(m_state.project.StationImage), 9);
        QCOMPARE(m_state.RentFactors, settings.RentFactors);
        QCOMPARE(readAll(m_state.settingsPath()), content);  // sound: left as it is
    }

    void writeLeavesOldFileWhenItCannotWrite()
    {
        QString error;
        QVERIFY(!WriteSettingsFile(m_dir.filePath("no/such/folder/Vastgoed.ini"), m_state, &error));
        QVERIFY(!error.isEmpty());

        // A file that cannot be replaced stays exactly as it was.
        const QString path = m_state.settingsPath();
        writeAll(path, "old");
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        const bool written = WriteSettingsFile(path, m_state);
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (written)
            QSKIP("running as a user who may write anywhere");
        QCOMPARE(readAll(path), QByteArray("old"));
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "test_files.moc"
