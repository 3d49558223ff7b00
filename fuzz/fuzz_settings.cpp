// The settings file on any bytes: values stay in range and a rewritten file reads back whole.
#include "app/algemeen.h"
#include "app/settingsfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Algemeen state;
    state.RentFactors = DefaultRentFactors();
    ReadSettings(QByteArray(reinterpret_cast<const char *>(data), int(size)), state);
    const RgbColour c = state.WindowColour;
    if (c.red < 0 || c.red > 255 || c.green < 0 || c.green > 255 || c.blue < 0 || c.blue > 255)
        std::abort();
    if (state.project.StationImage > 29)
        std::abort();
    Algemeen again;
    if (!ReadSettings(SettingsFileBytes(state), again) || again.WindowColour != state.WindowColour
        || again.RentFactors != state.RentFactors)
        std::abort();
    return 0;
}
