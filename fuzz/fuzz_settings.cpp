// Vastgoed.ini on any bytes, read from disk as the program reads it (ReadSettingsFile): values
// stay in range, nothing but the colour, the station picture and the factors changes, and a
// rewritten file reads back whole.
#include "files/settingsfile.h"
#include "fuzzsupport.h"

namespace {
fuzz::Scratch *scratch = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    scratch = new fuzz::Scratch;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    scratch->reset();
    scratch->write(QStringLiteral("Vastgoed.ini"), fuzz::Bytes(data, size));
    Algemeen state;
    state.RentFactors = DefaultRentFactors();
    state.project.StationImage = 7;
    state.project.ProjectName = QStringLiteral("Open");
    Algemeen before = state;
    const bool sound = ReadSettingsFile(scratch->path(QStringLiteral("Vastgoed.ini")), state);
    scratch->requireNothingOutside();

    const RgbColour c = state.WindowColour;
    fuzz::Require(c.red >= 0 && c.red <= 255 && c.green >= 0 && c.green <= 255 && c.blue >= 0 && c.blue <= 255,
                  "window colour out of range");
    fuzz::Require(state.project.StationImage < StationPictures, "station picture out of range");
    // Only the settings themselves may change.
    before.WindowColour = state.WindowColour;
    before.project.StationImage = state.project.StationImage;
    before.RentFactors = state.RentFactors;
    fuzz::Require(fuzz::Snapshot(before) == fuzz::Snapshot(state), "settings changed the design");
    fuzz::Require(state.RentFactors[0] == 0, "factor slot 0 written");

    Algemeen again;
    fuzz::Require(ReadSettings(SettingsFileBytes(state), again) && again.WindowColour == state.WindowColour
                      && again.RentFactors == state.RentFactors
                      && again.project.StationImage == state.project.StationImage,
                  "rewritten settings read back differ");
    (void)sound;
    return 0;
}
