#include "model/programpaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef VASTGOED_SHARE_FROM_BIN
#define VASTGOED_SHARE_FROM_BIN "../share/vastgoed-atelier"
#endif

ProgramPaths::ProgramPaths(const QString &folder)
    : dataFolder(QDir(folder).filePath(QStringLiteral("Data"))),
      helpFolder(QDir(folder).filePath(QStringLiteral("Help"))),
      settingsFolder(folder)
{
}

ProgramPaths ProgramPaths::ForExecutable(const QString &executableFolder, const QString &userDataFolder)
{
    const QDir exe(executableFolder);
    const bool hasData = QFileInfo(exe.filePath(QStringLiteral("Data"))).isDir();
    const bool hasUserFiles = QFileInfo::exists(exe.filePath(QStringLiteral("Vastgoed.ini")))
                              || QFileInfo(exe.filePath(QStringLiteral("Projecten"))).isDir();
    // The user's files found beside the executable stay there, whatever else is missing.
    if (hasUserFiles || (hasData && QFileInfo(executableFolder).isWritable()))
        return ProgramPaths(executableFolder);

    // A copy with Data/ beside it but no right to write there (a read-only portable copy)
    // still reads its own pictures; an installed copy reads those of its share folder.
    const QString share = hasData ? executableFolder
                                  : QDir::cleanPath(exe.filePath(QStringLiteral(VASTGOED_SHARE_FROM_BIN)));
    ProgramPaths paths(share);
    paths.settingsFolder = userDataFolder.isEmpty() ? UserDataFolder() : userDataFolder;
    paths.installed = true;
    return paths;
}

QString MissingPicturesMessage(const ProgramPaths &paths)
{
    QStringList missing;
    for (int n = 1; n <= 9; ++n) {
        const QString name = QStringLiteral("Data-%1.vgx").arg(n);
        if (!QFileInfo(paths.dataFile(name)).isFile())
            missing << name;
    }
    if (missing.isEmpty())
        return QString();
    return QStringLiteral("De afbeeldingen van het programma ontbreken in de map '%1': %2.\n\n"
                          "Het speelbord en de eigendomsbewijzen blijven daardoor leeg. Zet de map Data "
                          "terug. Uw projecten en instellingen blijven in de map '%3'.")
        .arg(QDir::toNativeSeparators(paths.dataFolder), missing.join(QStringLiteral(", ")),
             QDir::toNativeSeparators(paths.settingsFolder));
}

QString ProgramPaths::dataFile(const QString &name) const
{
    return QDir(dataFolder).filePath(name);
}

QString ProgramPaths::helpFile(const QString &name) const
{
    return QDir(helpFolder).filePath(name);
}

QString ProgramPaths::settingsFile() const
{
    return QDir(settingsFolder).filePath(QStringLiteral("Vastgoed.ini"));
}

QString ProgramPaths::preferencesFile() const
{
    return QDir(settingsFolder).filePath(QStringLiteral("Voorkeuren.ini"));
}

QString ProgramPaths::projectsFolder() const
{
    return QDir(settingsFolder).filePath(QStringLiteral("Projecten"));
}

bool ProgramPaths::makeUserFolders() const
{
    return !installed || QDir().mkpath(projectsFolder());
}

QString UserDataFolder()
{
    // Named here rather than through the application's name, so the window and the command
    // line, which name themselves differently, share one folder.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("vastgoed-atelier"));
}
