#include "app/startup.h"

#include "app/algemeen.h"
#include "app/defaultcontent.h"
#include "app/settingsfile.h"

QImage LoadPicture(const QString &path)
{
    QImage image(path);
    if (image.isNull())
        return QImage();
    return image.convertToFormat(QImage::Format_RGB32);
}

bool LoadStartState(Algemeen &state)
{
    // A missing picture leaves that picture empty; start-up goes on.
    state.pictures.Overview = LoadPicture(state.dataPath(QStringLiteral("Data-3.vgx")));
    state.pictures.Speelbord = LoadPicture(state.dataPath(QStringLiteral("Data-1.vgx")));
    state.pictures.EigenDomsPic = LoadPicture(state.dataPath(QStringLiteral("Data-2.vgx")));
    state.pictures.TreinPic = LoadPicture(state.dataPath(QStringLiteral("Data-4.vgx")));

    LoadDefaultContent(state);
    state.project.ProjectName.clear();
    state.RentFactors = DefaultRentFactors();
    state.project.StationImage = 0;

    if (ReadSettingsFile(state.settingsPath(), state))
        return true;
    // A missing or damaged settings file is replaced silently.
    WriteSettingsFile(state.settingsPath(), state);
    return false;
}
