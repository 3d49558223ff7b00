#include "files/projectsave.h"

#include "files/projectfiles.h"
#include "files/savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace {
// The working folders of a save of N, beside the project. A project name never begins with a
// dot, so no project is ever called like one of these.
const QString Writing = QStringLiteral(".schrijven");  // being filled: undone after a crash
const QString Complete = QStringLiteral(".nieuw");     // complete: swapped in after a crash
const QString Old = QStringLiteral(".oud");            // the old folder, emptied and removed

QString native(const QString &path) { return QDir::toNativeSeparators(path); }

struct Places {
    QString projectFile, folder, writing, complete, old;
    Places(const QString &projects, const QString &name)
    {
        const QDir dir(projects);
        projectFile = dir.filePath(name + QStringLiteral(".vgd"));
        folder = dir.filePath(name);
        const QString hidden = QLatin1Char('.') + name;
        writing = dir.filePath(hidden + Writing);
        complete = dir.filePath(hidden + Complete);
        old = dir.filePath(hidden + Old);
    }
};

bool isLink(const QString &path)
{
    const QFileInfo info(path);
    return info.isSymLink() || info.isJunction();
}

bool present(const QString &path) { return QFileInfo::exists(path) || isLink(path); }

// A rename that replaces what is at `to`: the directory entry, never what a link there points at.
bool renameOver(const QString &from, const QString &to)
{
    std::error_code error;
    std::filesystem::rename(QFile(from).filesystemFileName(), QFile(to).filesystemFileName(), error);
    return !error;
}

// A working folder that is a link was not made by a save: the link goes, what it points at stays.
bool dropLinkedWorkingFolders(const Places &p)
{
    for (const QString &path : {p.writing, p.complete, p.old})
        if (isLink(path) && !(QFile::remove(path) || QDir().rmdir(path)))
            return false;
    return true;
}

// Counts the steps of a save and asks the hook before each.
class Steps
{
public:
    explicit Steps(const SaveStepHook &hook) : m_hook(hook) {}
    bool next()
    {
        m_stopped = m_stopped || (m_hook && !m_hook(m_count++));
        return !m_stopped;
    }
    bool stopped() const { return m_stopped; }

private:
    const SaveStepHook &m_hook;
    int m_count = 0;
    bool m_stopped = false;
};

// From a complete new folder on: the new project file, the old folder aside, the new folder in
// its place, what else the old folder held carried over, the old folder removed. Every step
// looks at the disk, so a save stopped anywhere here is finished by running this again.
bool swapIn(const Places &p, const QString &name, Steps &steps)
{
    if (QFileInfo(p.complete).isDir()) {
        const QString newProjectFile = QDir(p.complete).filePath(name + QStringLiteral(".vgd"));
        if (QFileInfo::exists(newProjectFile)) {
            if (!steps.next() || !renameOver(newProjectFile, p.projectFile))
                return false;
        }
        if (present(p.folder)) {
            if (present(p.old) || isLink(p.folder) || !QFileInfo(p.folder).isDir())
                return false;  // not a state a save leaves: left for the user to look at
            if (!steps.next() || !renameOver(p.folder, p.old))
                return false;
        }
        if (!steps.next() || !renameOver(p.complete, p.folder))
            return false;
    }
    if (!QFileInfo(p.old).isDir())
        return true;
    if (!present(p.folder)) {
        // An old folder with no project folder and no new one: only the old one can go back.
        return steps.next() && renameOver(p.old, p.folder);
    }
    // Files of the user's own in the project folder stay with the project.
    const QDir oldDir(p.old);
    for (const QString &entry : oldDir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QString target = QDir(p.folder).filePath(entry);
        if (present(target))
            continue;
        if (!steps.next() || !renameOver(oldDir.filePath(entry), target))
            return false;
    }
    return steps.next() && DeleteFolderTree(p.old);
}
}

bool FinishInterruptedSave(const QString &projects, const QString &name)
{
    if (!ProjectNameProblem(name).isEmpty())
        return false;
    const Places p(projects, name);
    if (!dropLinkedWorkingFolders(p))
        return false;
    // A new folder never completed: the old project is untouched, the half-written one goes.
    if (present(p.writing) && !DeleteFolderTree(p.writing))
        return false;
    const SaveStepHook none;
    Steps steps(none);
    return swapIn(p, name, steps);
}

void FinishInterruptedSaves(const QString &projects)
{
    QStringList names;
    for (const QString &entry : QDir(projects).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (!entry.startsWith(QLatin1Char('.')))
            continue;
        for (const QString &suffix : {Writing, Complete, Old})
            if (entry.endsWith(suffix) && entry.size() > suffix.size() + 1)
                names << entry.mid(1, entry.size() - 1 - suffix.size());
    }
    names.removeDuplicates();
    for (const QString &name : names)
        FinishInterruptedSave(projects, name);
}

bool SaveProjectSwap(const QString &projects, const QString &name, const std::vector<FolderFile> &folderFiles,
                     const QByteArray &projectFile, QString *error, const SaveStepHook &hook)
{
    auto fail = [error](const QString &what) {
        if (error)
            *error = what;
        return false;
    };
    const Places p(projects, name);
    if (!FinishInterruptedSave(projects, name))
        return fail(QStringLiteral("Een eerdere, onderbroken opslag van '%1' kan niet worden afgemaakt; "
                                   "kijk in de map '%2'.").arg(name, native(projects)));
    if (isLink(p.folder))
        return fail(QStringLiteral("De projectmap '%1' is een koppeling naar een andere plaats. "
                                   "Het programma schrijft niet via een koppeling; verwijder de koppeling "
                                   "of kies een andere naam.").arg(native(p.folder)));
    if (present(p.folder) && !QFileInfo(p.folder).isDir())
        return fail(QStringLiteral("'%1' is geen gewone map.").arg(native(p.folder)));
    if (QFileInfo(p.projectFile).isDir() && !isLink(p.projectFile))
        return fail(QStringLiteral("'%1' is een map, geen projectbestand.").arg(native(p.projectFile)));

    Steps steps(hook);
    const auto stopped = [&] { return fail(QStringLiteral("Het opslaan is onderbroken.")); };
    if (!steps.next())
        return stopped();
    if (!QDir().mkdir(p.writing))
        return fail(QStringLiteral("De map '%1' kan niet worden gemaakt.").arg(native(p.writing)));
    std::vector<FolderFile> files = folderFiles;
    files.emplace_back(name + QStringLiteral(".vgd"), projectFile);
    for (const auto &[file, bytes] : files) {
        if (!steps.next())
            return stopped();
        QString why;
        const QString path = QDir(p.writing).filePath(file);
        if (!WriteFileWhole(path, bytes, &why)) {
            DeleteFolderTree(p.writing);
            return fail(QStringLiteral("'%1' kan niet worden geschreven: %2").arg(native(path), why));
        }
    }
    // The new folder is complete: from here on a stop is finished, not undone.
    if (!steps.next())
        return stopped();
    if (!renameOver(p.writing, p.complete)) {
        DeleteFolderTree(p.writing);
        return fail(QStringLiteral("De map '%1' kan niet worden hernoemd.").arg(native(p.writing)));
    }
    if (swapIn(p, name, steps))
        return true;
    if (steps.stopped())
        return stopped();
    // The new project is complete beside the old one; the next reader tries the swap again.
    return fail(QStringLiteral("Het project '%1' kan niet worden vervangen; kijk in de map '%2'.")
                    .arg(name, native(projects)));
}
