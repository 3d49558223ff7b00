#pragma once
// The project on disk: in the Projecten folder (see programpaths.h) a project file N.vgd and a
// folder N with Speelbord.bmp, Eigendomsbewijzen.bmp, Kansfonds.kan and the drawing behind the
// pictures, Tekening.json.

#include "model/algemeen.h"
#include "files/projectsave.h"
#include "files/gamefile.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

// The first character of `text` that a project does not keep: one the record files cannot hold
// (a double quote, a line break, anything outside Windows-1252) or another control character.
// A null QChar when every character is kept. Editors refuse these where they are typed.
QChar FirstRefusedCharacter(const QString &text);

// The largest project file, deck file or drawing file the reader takes: a real one is a few
// kilobytes; anything far larger is not one of ours.
constexpr qint64 MaxRecordFileBytes = 256 * 1024;

// The Projecten folder, beside the settings file.
QString ProjectsFolder(const ProgramPaths &paths);

// Why `name` cannot be a project name, in Dutch; empty when it can. A name must stay a plain
// file name inside the Projecten folder on Windows and on Linux, and must fit in the project
// file's record syntax.
QString ProjectNameProblem(const QString &name);

// True when a folder exists at `path`.
bool ProjectFolderExists(const QString &path);
// True when the project file or the project folder of `name` exists.
bool ProjectExists(const ProgramPaths &paths, const QString &name);

// The bytes of the project file (41 records) and of the deck file (33 records); nothing when a
// text cannot be stored, with `error` naming which.
std::optional<QByteArray> ProjectFileBytes(const Project &project, const QString &name,
                                           QString *error = nullptr);
std::optional<QByteArray> DeckFileBytes(const Project &project, QString *error = nullptr);

// Writes the board picture, the deed sheet, the deck file, the drawing file and the project
// file for `name` as one change (see projectsave.h): whatever happens, the project on disk is
// wholly the old or wholly the new one. Creates the Projecten folder when it is missing.
// Everything is encoded before the first file is written. On failure returns false and says in
// Dutch what could not be written.
bool WriteProjectFiles(const Algemeen &state, const QString &name, QString *error = nullptr);
// The same into another folder than Projecten (the copy kept of an unsaved design); `hook` is
// told of each step of the save (see projectsave.h).
bool WriteProjectFilesTo(const Algemeen &state, const QString &projectsFolder, const QString &name,
                         QString *error = nullptr, const SaveStepHook &hook = {});

// A project read whole from disk. A picture that was missing or did not fit is null.
struct LoadedProject {
    Project project;
    QImage Speelbord;
    QImage EigenDomsPic;
    DesignDrawing drawing;  // empty when the project has no drawing file
    std::optional<GameFile> game;  // nothing when the project has no Spel.json (or not one of ours)
};

struct ProjectReadResult {
    std::optional<LoadedProject> loaded;  // nothing when the files could not be read
    QString shownName;                    // the name the not-found message names
};

// Reads project `name`. The name in the project file's first record decides which folder the
// deck and pictures come from. Pictures must have the sizes given (an empty size accepts any).
ProjectReadResult ReadProjectFiles(const ProgramPaths &paths, const QString &name,
                                   QSize boardSize, QSize deedSheetSize);
// The same from another folder than Projecten.
ProjectReadResult ReadProjectFilesFrom(const QString &projectsFolder, const QString &name,
                                       QSize boardSize, QSize deedSheetSize);


// The entries of the open-project list: every file in the Projecten folder, sorted by name
// without regard to case, each without its last four characters.
QStringList ListProjects(const ProgramPaths &paths);

// Deletes folder `path` with everything in it. Read-only files and folders go too; a link goes
// without its target being touched. Stops at the first failure and returns false.
bool DeleteFolderTree(const QString &path);

// Deletes the project file and the project folder of `name`, nothing else. False when `name`
// is not a safe project name or something could not be deleted.
bool DeleteProject(const ProgramPaths &paths, const QString &name);
