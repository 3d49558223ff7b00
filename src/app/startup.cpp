#include "app/startup.h"

#include "app/algemeen.h"
#include "app/bmpfile.h"
#include "app/defaultcontent.h"
#include "app/preferences.h"
#include "app/projectsave.h"
#include "app/settingsfile.h"
#include "printing/sharpdesign.h"

#include <QFile>
#include <QtEndian>
#include <future>

namespace {
// True when `file` is a PNG file with a chunk that claims more bytes than the file holds, or
// that ends before its end chunk. The decoder would take what a chunk claims at its word,
// gigabytes from a file of a few hundred bytes, before finding the file cut short.
bool pngFileIsShort(QFile &file)
{
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    if (file.peek(8) != signature)
        return false;
    const qint64 size = file.size();
    bool ended = false;
    for (qint64 at = 8; !ended;) {
        if (!file.seek(at))
            return true;
        const QByteArray head = file.read(8);  // length, type
        if (head.size() < 8)
            return true;
        at += 12 + qint64(qFromBigEndian<quint32>(head.constData()));
        if (at > size)
            return true;
        ended = head.endsWith("IEND");
    }
    return !file.seek(0);
}
}

QImage LoadPicture(const QString &path)
{
    // A picture cut short would load with its missing rows black, or make the decoder take a
    // length that is not there: it is a damaged file.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || BmpFileIsShort(file.peek(64), file.size()) || pngFileIsShort(file))
        return QImage();
    QImage image;
    image.load(&file, nullptr);
    if (image.isNull())
        return QImage();
    return image.convertToFormat(QImage::Format_RGB32);
}

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
    LoadDefaultContent(state);
    state.project.ProjectName.clear();
    state.RentFactors = DefaultRentFactors();
    state.project.StationImage = 0;
    state.drawing = DefaultDesignDrawing(state);
    state.SharpPrinting = ReadPreferences(state.preferencesPath()).sharpPrinting;

    const bool settingsRead = ReadSettingsFile(state.settingsPath(), state);
    state.pictures.Speelbord = board.get();
    if (settingsRead)
        return true;
    // A missing or damaged settings file is replaced silently.
    WriteSettingsFile(state.settingsPath(), state);
    return false;
}
