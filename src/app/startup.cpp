#include "app/startup.h"

#include "app/algemeen.h"
#include "app/bmpfile.h"
#include "app/defaultcontent.h"
#include "app/preferences.h"
#include "app/projectsave.h"
#include "app/settingsfile.h"
#include "printing/sharpdesign.h"

#include <QFile>
#include <future>

QImage LoadPicture(const QString &path)
{
    // A bitmap cut short would load with its missing rows black: it is a damaged file.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || BmpFileIsShort(file.peek(64), file.size()))
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
