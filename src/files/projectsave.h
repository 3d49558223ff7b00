#pragma once
// Saving a project as one change: the new files are written into a fresh folder beside the
// project, then the project file and the project folder are swapped in by renames. Whenever the
// program stops, the project on disk is wholly the old one or wholly the new one once
// FinishInterruptedSave has run: a save stopped before its new folder was complete is undone,
// one stopped after is finished. Nothing is written through a link: a link in the way of a file
// is replaced by the real file, a project folder that is a link is refused.

#include <QByteArray>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

// Told before each step of a save that changes the disk, with the step's number from 0; a false
// answer stops the save right there, leaving the disk as a crash at that moment would.
using SaveStepHook = std::function<bool(int step)>;

// One file of the project folder: its name and its bytes.
using FolderFile = std::pair<QString, QByteArray>;

// Saves project `name` in the folder `projects`: `folderFiles` into the project folder (other
// files already there stay) and `projectFile` as the project file. False, with `error` saying in
// Dutch why, when the old project is still the one on disk.
bool SaveProjectSwap(const QString &projects, const QString &name, const std::vector<FolderFile> &folderFiles,
                     const QByteArray &projectFile, QString *error = nullptr,
                     const SaveStepHook &hook = {});

// Finishes or undoes a save of `name` that was stopped halfway. True when nothing is left over.
bool FinishInterruptedSave(const QString &projects, const QString &name);
// The same for every project in `projects`; run at start-up.
void FinishInterruptedSaves(const QString &projects);
