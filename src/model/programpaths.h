#pragma once
// Where the program finds its pictures and documents and where it keeps what the user makes.
//
// A portable copy keeps everything beside the executable: its folder is portable when it holds
// the settings file Vastgoed.ini or Projecten/, or when it holds Data/ and may be written. A copy
// with Data/ in a folder it may not write, and none of the user's files there, reads its own
// pictures and keeps the user's files in the user's data folder. An installed copy reads Data/
// and Help/ from its share folder and keeps the settings file and Projecten/ in the user's data
// folder. ForExecutable decides which; every path of the program is built from the folders here.

#include <QString>

struct ProgramPaths {
    QString dataFolder;      // the Data pictures, read only
    QString helpFolder;      // the Help documents, read only
    QString settingsFolder;  // the settings file and everything kept for the user, writable
    bool installed = false;

    ProgramPaths() = default;
    // The portable layout: everything in `folder`. Implicit, so a folder can stand for it.
    ProgramPaths(const QString &folder);  // NOLINT(google-explicit-constructor)

    // Decides the layout for an executable in `executableFolder`. `userDataFolder` is where an
    // installed copy keeps the user's files; empty means the desktop's own
    // (~/.local/share/vastgoed-atelier).
    static ProgramPaths ForExecutable(const QString &executableFolder,
                                      const QString &userDataFolder = QString());

    QString dataFile(const QString &name) const;
    QString helpFile(const QString &name) const;
    QString settingsFile() const;     // Vastgoed.ini
    QString preferencesFile() const;  // Voorkeuren.ini, beside it
    QString projectsFolder() const;  // Projecten, beside the settings file

    // Makes the settings folder and Projecten/ of an installed copy on its first start;
    // a portable copy is left as it is. False when they cannot be made.
    bool makeUserFolders() const;
};

// The user's data folder of the desktop: $XDG_DATA_HOME/vastgoed-atelier, normally
// ~/.local/share/vastgoed-atelier.
QString UserDataFolder();

// Which Data pictures are missing, in a Dutch message that names the folder they were looked for
// in and where the user's files are kept; empty when all are there.
QString MissingPicturesMessage(const ProgramPaths &paths);
