// A whole project folder as the program opens it. The input holds, cut by separator lines (see
// fuzzsupport.h), Projecten/P.vgd, P/Kansfonds.kan, P/Speelbord.bmp, P/Eigendomsbewijzen.bmp
// P/Tekening.json and P/Spel.json. ReadProjectFiles is asked for small pictures (8 x 8 and 6 x 4) so that
// the fuzzer can make ones that fit; LoadProjectInto then opens the same folder into a design
// with the program's own sizes. Reading stays inside the Projecten folder, a picture read has
// exactly the size asked and came from a whole file, station pictures stay 0..29, and a
// project that is refused leaves the open design as it was.
#include "files/bmpfile.h"
#include "files/projectfiles.h"
#include "design/edits.h"
#include "artwork/artwork.h"
#include "fuzzsupport.h"

namespace {
fuzz::Scratch *scratch = nullptr;
const QSize SmallBoard(8, 8), SmallDeeds(6, 4);

const char *const Files[] = {"Projecten/P.vgd", "Projecten/P/Kansfonds.kan", "Projecten/P/Speelbord.bmp",
                             "Projecten/P/Eigendomsbewijzen.bmp", "Projecten/P/Tekening.json",
                             "Projecten/P/Spel.json"};
constexpr int FileCount = 6;

bool wholeOrMissing(const QString &path)
{
    QFile f(path);
    return !f.open(QIODevice::ReadOnly) || !BmpFileIsShort(f.peek(64), f.size());
}

void requireSoundProject(const Project &p)
{
    fuzz::Require(p.StationImage < StationPictures, "station picture out of range");
    fuzz::Require(ProjectNameProblem(p.ProjectName).isEmpty(), "a project name leaving Projecten");
}

// The game's texts and bank stay within what the program draws, and read back the same.
void requireSoundGame(const OwnGame &g)
{
    fuzz::Require(g.title.size() <= MaxGameText && g.town.size() <= MaxGameText
                      && g.subtitle.size() <= 2 * MaxGameText, "a game text too long");
    fuzz::Require(int(g.bank.size()) <= MaxBankNotes, "too many notes in the bank");
    for (const BankNote &n : g.bank)
        fuzz::Require(n.amountColour >= 1 && n.amountColour <= 13 && n.picture >= -1 && n.picture <= 7
                          && n.perPlayer >= 0 && n.perPlayer <= 100 && n.amount.size() <= 15,
                      "a note out of range");
    const auto again = ReadGameFile(GameFileBytes(GameFile{g, {}}));
    fuzz::Require(again && again->game == g, "a game file read back differs");
}
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::StartApplication(argc, argv);
    scratch = new fuzz::Scratch;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::vector<QByteArray> parts = fuzz::Parts(fuzz::Bytes(data, size), FileCount);
    scratch->reset();
    for (int i = 0; i < FileCount; ++i)
        scratch->write(QString::fromLatin1(Files[i]), parts[i]);
    const ProgramPaths paths(scratch->work());

    const ProjectReadResult read = ReadProjectFiles(paths, QStringLiteral("P"), SmallBoard, SmallDeeds);
    scratch->requireNothingOutside();
    if (read.loaded) {
        const LoadedProject &l = *read.loaded;
        requireSoundProject(l.project);
        fuzz::Require(l.Speelbord.isNull() || l.Speelbord.size() == SmallBoard, "board of another size");
        fuzz::Require(l.EigenDomsPic.isNull() || l.EigenDomsPic.size() == SmallDeeds, "deed sheet of another size");
        const QString folder = scratch->path(QStringLiteral("Projecten/") + l.project.ProjectName);
        fuzz::Require(l.Speelbord.isNull() || wholeOrMissing(folder + QStringLiteral("/Speelbord.bmp")),
                      "board from a file cut short");
        fuzz::Require(l.EigenDomsPic.isNull() || wholeOrMissing(folder + QStringLiteral("/Eigendomsbewijzen.bmp")),
                      "deed sheet from a file cut short");
        fuzz::RequireSoundDrawing(l.drawing);
        if (l.game)
            requireSoundGame(l.game->game);
    }

    // Opened into a design: the program's sizes, which these small pictures never have.
    Algemeen state;
    state.Paths = paths;
    state.project.ProjectName = QStringLiteral("Open");
    state.project.StationImage = 3;
    state.pictures.Speelbord = QImage(SmallBoard, QImage::Format_RGB32);
    state.pictures.EigenDomsPic = QImage(SmallDeeds, QImage::Format_RGB32);
    state.UnsavedChanges = true;
    const fuzz::Snapshot before(state);
    const ProjectReadResult opened = LoadProjectInto(state, QStringLiteral("P"));
    scratch->requireNothingOutside();
    if (!opened.loaded) {
        fuzz::Require(fuzz::Snapshot(state) == before, "a refused project changed the design");
        return 0;
    }
    requireSoundProject(state.project);
    fuzz::Require(state.pictures.Speelbord.size() == QSize(BoardSize, BoardSize)
                      || state.pictures.Speelbord.cacheKey() == before.board,
                  "a board of another size opened");
    fuzz::Require(state.pictures.EigenDomsPic.size() == QSize(DeedSheetWidth, DeedSheetHeight)
                      || state.pictures.EigenDomsPic.cacheKey() == before.deeds,
                  "a deed sheet of another size opened");
    fuzz::RequireSoundDrawing(state.drawing);
    requireSoundGame(state.game);
    fuzz::Require(!state.game.bank.empty(), "an opened design without a bank");
    return 0;
}
