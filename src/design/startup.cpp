#include "design/startup.h"

#include "model/algemeen.h"
#include "files/picturefile.h"
#include "files/preferences.h"
#include "files/projectsave.h"
#include "files/settingsfile.h"
#include "design/edits.h"

#include <future>

bool LoadStartState(Algemeen &state)
{
    // A missing picture leaves that picture empty; start-up goes on. The board is the largest
    // picture by far: it is decoded on a second thread while the rest of start-up goes on.
    auto board = std::async(std::launch::async, LoadPicture, state.dataPath(QStringLiteral("Data-1.vgx")));
    state.pictures.Overview = LoadPicture(state.dataPath(QStringLiteral("Data-3.vgx")));
    state.pictures.EigenDomsPic = LoadPicture(state.dataPath(QStringLiteral("Data-2.vgx")));
    state.pictures.TreinPic = LoadPicture(state.dataPath(QStringLiteral("Data-4.vgx")));

    // A save that a crash stopped halfway is finished or undone before anything else.
    FinishInterruptedSaves(state.Paths.projectsFolder());
    MakeDefaultDesign(state);
    state.RentFactors = DefaultRentFactors();
    state.SharpPrinting = ReadPreferences(state.preferencesPath()).sharpPrinting;

    const bool settingsRead = ReadSettingsFile(state.settingsPath(), state);
    state.pictures.Speelbord = board.get();
    if (settingsRead)
        return true;
    // A missing or damaged settings file is replaced silently.
    WriteSettingsFile(state.settingsPath(), state);
    return false;
}
