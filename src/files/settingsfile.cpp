#include "files/settingsfile.h"

#include "model/algemeen.h"
#include "files/recordfile.h"
#include "files/savefile.h"

#include <QFile>
#include <algorithm>
#include <limits>

namespace {
const QString banner = QStringLiteral("Vastgoed Atelier - instellingen");
const QString hyphens = QStringLiteral("--------------------------");

// Takes the next number into `target`, clamped into lo..hi. False when there is none or it
// had to be clamped.
bool readClamped(RecordReader &reader, int &target, int lo, int hi)
{
    const auto n = reader.number();
    if (!n)
        return false;
    target = int(std::clamp<qint64>(*n, lo, hi));
    return *n >= lo && *n <= hi;
}
}

bool ReadSettingsFile(const QString &path, Algemeen &state)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // The settings are the first 17 lines, a few hundred bytes; whatever follows them is not
    // read, and no line is read beyond a sane length.
    constexpr int SettingsLines = 17;
    constexpr qint64 MaxLineBytes = 4096;
    QByteArray head;
    for (int line = 0; line < SettingsLines && !file.atEnd(); ++line) {
        const QByteArray read = file.readLine(MaxLineBytes);
        if (read.isEmpty())
            break;
        head += read;
    }
    return ReadSettings(head, state);
}

bool ReadSettings(const QByteArray &bytes, Algemeen &state)
{
    RecordReader reader(bytes);

    if (!reader.field() || !reader.field())  // banner and hyphen line
        return false;
    RgbColour colour = state.WindowColour;
    bool sound = readClamped(reader, colour.red, 0, 255);
    if (sound) sound = readClamped(reader, colour.green, 0, 255);
    if (sound) sound = readClamped(reader, colour.blue, 0, 255);
    state.WindowColour = colour;  // a clamped value is kept, like every value read before a failure
    if (!sound)
        return false;

    int station = state.project.StationImage;
    sound = readClamped(reader, station, 0, StationPictures - 1);
    state.project.StationImage = quint8(station);
    if (!sound)
        return false;

    if (!reader.field())  // second hyphen line
        return false;
    for (int i = 1; i < FactorSlots; ++i) {
        const auto n = reader.number();
        if (!n || *n < std::numeric_limits<qint32>::min() || *n > std::numeric_limits<qint32>::max())
            return false;
        state.RentFactors[i] = qint32(*n);
    }
    return true;
}

QByteArray SettingsFileBytes(const Algemeen &state)
{
    RecordWriter w;
    w.textRecord(banner);
    w.textRecord(hyphens);
    w.number(state.WindowColour.red);
    w.number(state.WindowColour.green);
    w.number(state.WindowColour.blue);
    w.endRecord();
    w.number(state.project.StationImage);
    w.endRecord();
    w.textRecord(hyphens);
    for (int i = 1; i < FactorSlots; ++i) {
        w.number(state.RentFactors[i]);
        w.endRecord();
    }
    return w.bytes();
}

bool WriteSettingsFile(const QString &path, const Algemeen &state, QString *error)
{
    return WriteFileWhole(path, SettingsFileBytes(state), error);
}
