// Writes the seed corpora of the file-reading targets with the program's own writers:
//   build-fuzz/makeseeds fuzz/corpus
// Each kind gets a small valid file and the hostile variants the tests use. Pictures are kept
// tiny (8 x 8 and 6 x 4, the sizes fuzz_project asks for); the recovery seeds stand "=" for a
// whole picture of the program's size, which fuzz_recovery makes itself.
#include "files/bmpfile.h"
#include "model/defaultcontent.h"
#include "files/preferences.h"
#include "files/projectfiles.h"
#include "files/settingsfile.h"
#include "files/squaretable.h"
#include "files/gamefile.h"
#include "fuzzsupport.h"
#include "files/drawingfile.h"
#include "design/drawingrecord.h"

#include <QImage>

namespace {
QString root;

void seed(const QString &target, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(root + QLatin1Char('/') + target);
    QFile f(root + QLatin1Char('/') + target + QLatin1Char('/') + name);
    fuzz::Require(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size(), "seed not written");
}

QByteArray bitmap(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 30, y * 30, 128));
    return EncodeBmp24(image);
}
}

int main(int argc, char **argv)
{
    fuzz::StartApplication(&argc, &argv);
    fuzz::Require(argc == 2, "usage: makeseeds CORPUSFOLDER");
    root = QString::fromLocal8Bit(argv[1]);

    Algemeen state;
    LoadDefaultContent(state);
    state.RentFactors = DefaultRentFactors();
    state.project.ProjectName = QStringLiteral("P");
    const QByteArray project = *ProjectFileBytes(state.project, QStringLiteral("P"));
    const QByteArray deck = *DeckFileBytes(state.project);
    const QByteArray board = bitmap(QSize(8, 8)), deeds = bitmap(QSize(6, 4));
    const QByteArray drawing = DrawingFileBytes(DefaultDesignDrawing(state));

    // The squares table: as written, as a spreadsheet saves it, and spoiled.
    const QByteArray table = SquareTableFileBytes(state.project);
    seed(QStringLiteral("csv"), QStringLiteral("written.csv"), table);
    seed(QStringLiteral("csv"), QStringLiteral("spreadsheet.csv"),
         "Nummer,Soort,Straatnaam,Plaats,Huur Onbebouwd\n1,straat,Caf\xE9 Noord,Zwolle,\"\x80 220,-\"\n5,station,\"A \"\"B\"\"\",,9\n");
    seed(QStringLiteral("csv"), QStringLiteral("spoiled.csv"),
         "Huur Onbebouwd;Nummer;Plaats;Straatnaam\r\n\"5;0x;;\r\n40;1;;\r\n2;A;B;C\r\n\"open");

    // Pictures: what the program writes, a PNG, and a bitmap cut short.
    seed(QStringLiteral("pictures"), QStringLiteral("board.bmp"), board);
    seed(QStringLiteral("pictures"), QStringLiteral("cut-short.bmp"), board.left(board.size() - 10));

    // A whole project folder, and the same with its pieces spoiled.
    seed(QStringLiteral("project"), QStringLiteral("valid"), fuzz::Join({project, deck, board, deeds, drawing}));
    OwnGame own{QStringLiteral("Beekstad"), QStringLiteral("Het spel van onze stad"), QStringLiteral("Beekstad"),
                DefaultBank()};
    own.bank[2].picture = 3;
    own.bank[2].amountOverPicture = true;
    seed(QStringLiteral("project"), QStringLiteral("own-game"),
         fuzz::Join({project, deck, board, deeds, drawing, GameFileBytes(GameFile{own, {10, 20, 30}})}));
    seed(QStringLiteral("project"), QStringLiteral("cut-short-board"),
         fuzz::Join({project, deck, board.left(80), deeds, drawing}));
    seed(QStringLiteral("project"), QStringLiteral("no-pictures"), fuzz::Join({project, deck, "-", "-", "-"}));
    seed(QStringLiteral("project"), QStringLiteral("leaving-projecten"),
         fuzz::Join({*ProjectFileBytes(state.project, QStringLiteral("../P")), deck, board, deeds, drawing}));
    seed(QStringLiteral("project"), QStringLiteral("station-300"),
         fuzz::Join({QByteArray(project).replace("\r\n0\r\n", "\r\n300\r\n"), deck.left(deck.size() / 2)}));

    // The drawing record, and one with values no drawing has.
    seed(QStringLiteral("drawing"), QStringLiteral("default.json"), drawing);
    seed(QStringLiteral("drawing"), QStringLiteral("hostile.json"),
         "{\"format\":\"vastgoed-tekening\",\"version\":1,\"squares\":[{\"square\":0},{\"square\":37},"
         "{\"square\":2,\"street\":\"x\",\"station\":300}],\"deeds\":[{\"square\":6,\"kind\":\"station\","
         "\"base\":\"none\",\"factors\":[0,1,2,3,4,5,6,7,8,9,10,11,12],\"station\":-4},"
         "{\"square\":3,\"kind\":\"street\",\"base\":1e300,\"factors\":[0,1,2,3,4,5,6,7,8,9,10,11,1e99]}]}");

    // A recovery generation as the program writes one, with whole pictures and with tiny ones.
    const QByteArray settings = SettingsFileBytes(state);
    const QByteArray description = "Vastgoed Atelier herstelkopie 1\nnaam=P\nbestand=P\ntijd=2026-12-07T14:00:00.000\n";
    seed(QStringLiteral("recovery"), QStringLiteral("valid"),
         fuzz::Join({description, project, deck, "=", "=", drawing, settings}));
    seed(QStringLiteral("recovery"), QStringLiteral("tiny-pictures"),
         fuzz::Join({description, project, deck, board, deeds, drawing, settings}));
    seed(QStringLiteral("recovery"), QStringLiteral("unfinished"),
         fuzz::Join({"-", project, deck, "=", "=", drawing, settings}));

    // The settings files.
    seed(QStringLiteral("settings"), QStringLiteral("default.ini"), settings);
    seed(QStringLiteral("settings"), QStringLiteral("clamped.ini"),
         QByteArray(settings).replace("220,220,190", "999,-4,190") + QByteArray(100, '\n') + "trailing");
    QTemporaryDir dir;
    WritePreferences(dir.filePath(QStringLiteral("p.ini")), Preferences{false});
    QFile prefs(dir.filePath(QStringLiteral("p.ini")));
    prefs.open(QIODevice::ReadOnly);
    const QByteArray off = prefs.readAll();
    seed(QStringLiteral("preferences"), QStringLiteral("off.ini"), off);
    seed(QStringLiteral("preferences"), QStringLiteral("odd.ini"), "[Afdrukken]\nScherpAfdrukken=2\r\n ScherpAfdrukken=0 \n");
    return 0;
}
