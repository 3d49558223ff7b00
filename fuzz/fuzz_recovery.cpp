// A copy left in the recovery folder by a program that ended without closing, as the next
// start claims and reads it (ClaimLeftCopies, LeftCopy::read). The input holds, cut by
// separator lines (see fuzzsupport.h), the generation's Herstel.txt, P.vgd, P/Kansfonds.kan,
// P/Speelbord.bmp, P/Eigendomsbewijzen.bmp, P/Tekening.json and Instellingen.ini. A picture
// part "=" stands for a whole picture of the program's size, made once. A copy read has both
// pictures at exactly the program's sizes, station pictures 0..29 and a name that stays
// inside Projecten; a copy refused gives no name and no settings; nothing is written outside
// the recovery folder.
#include "files/bmpfile.h"
#include "design/recovery.h"
#include "artwork/artwork.h"
#include "fuzzsupport.h"

#include <unistd.h>

namespace {
fuzz::Scratch *scratch = nullptr;
QString wholeBoard, wholeDeeds;

const char *const Files[] = {"Herstel.txt", "P.vgd", "P/Kansfonds.kan", "P/Speelbord.bmp",
                             "P/Eigendomsbewijzen.bmp", "P/Tekening.json", "Instellingen.ini"};
const QString Generation = QStringLiteral("Herstel/sessie-1/000001/");

QString makePicture(const char *name, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QString path = QDir(scratch->root()).filePath(QString::fromLatin1(name));
    QFile f(path);
    fuzz::Require(f.open(QIODevice::WriteOnly) && f.write(EncodeBmp24(image)) > 0, "picture not made");
    return path;
}
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::StartApplication(argc, argv);
    scratch = new fuzz::Scratch;
    wholeBoard = makePicture("Speelbord.bmp", QSize(BoardSize, BoardSize));
    wholeDeeds = makePicture("Eigendomsbewijzen.bmp", QSize(DeedSheetWidth, DeedSheetHeight));
    scratch->noteRootEntries();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::vector<QByteArray> parts = fuzz::Parts(fuzz::Bytes(data, size), 7);
    scratch->reset();
    QDir().mkpath(scratch->path(Generation));
    for (int i = 0; i < 7; ++i) {
        const QString file = Generation + QString::fromLatin1(Files[i]);
        if (parts[i] == "=" && (i == 3 || i == 4)) {
            // A hard link: a plain file of its own to the reader, without writing 19 MB a run.
            QDir().mkpath(QFileInfo(scratch->path(file)).path());
            const QString whole = i == 3 ? wholeBoard : wholeDeeds;
            fuzz::Require(::link(QFile::encodeName(whole).constData(),
                                 QFile::encodeName(scratch->path(file)).constData()) == 0, "no link");
        } else {
            scratch->write(file, parts[i]);
        }
    }
    const QString recovery = scratch->path(QStringLiteral("Herstel"));
    auto copies = ClaimLeftCopies(recovery, QDir(recovery).filePath(QStringLiteral("sessie-eigen")));
    fuzz::Require(copies.size() == 1, "the left copy not claimed");
    QString problem;
    const std::optional<LoadedProject> read = copies.front()->read(&problem);
    scratch->requireNothingOutside();
    if (qEnvironmentVariableIsSet("VASTGOED_FUZZ_VERBOSE"))
        std::fprintf(stderr, "copy %s: %s\n", read ? "read" : "refused", qPrintable(problem));
    if (!read) {
        fuzz::Require(copies.front()->projectName().isEmpty() && !copies.front()->settings(),
                      "a refused copy gave a name or settings");
        fuzz::Require(!problem.isEmpty(), "a damaged copy without a problem");
        return 0;
    }
    fuzz::Require(problem.isEmpty(), "a copy read with a problem");
    fuzz::Require(read->Speelbord.size() == QSize(BoardSize, BoardSize), "board of another size");
    fuzz::Require(read->EigenDomsPic.size() == QSize(DeedSheetWidth, DeedSheetHeight), "deed sheet of another size");
    fuzz::Require(read->project.StationImage < StationPictures, "station picture out of range");
    fuzz::Require(read->project.ProjectName.isEmpty() || ProjectNameProblem(read->project.ProjectName).isEmpty(),
                  "a project name leaving Projecten");
    fuzz::Require(read->project.ProjectName == copies.front()->projectName(), "two names for one copy");
    fuzz::RequireSoundDrawing(read->drawing);
    if (const auto settings = copies.front()->settings()) {
        const RgbColour c = settings->windowColour;
        fuzz::Require(c.red >= 0 && c.red <= 255 && c.green >= 0 && c.green <= 255 && c.blue >= 0 && c.blue <= 255,
                      "window colour out of range");
    }
    return 0;
}
