#pragma once
// A project as one file to send to someone: a zip archive with the extension .vastgoed that holds
// the project file N.vgd and the folder N with the pictures, the deck file and the drawing, laid
// out as in the Projecten folder. Fetching such a file trusts nothing in it: the archive is
// checked whole before anything is written, extracted into a hidden folder inside Projecten while
// its bytes are counted, read back with the program's own project reader and only then renamed
// into place under a name no project has yet.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// ".vastgoed"
QString ShareFileExtension();

// What a shared project may hold, with the largest size each can have.
constexpr int MaxShareEntries = 8;
qint64 MaxShareEntryBytes(const QString &fileName);  // 0 for a name that is no project file
qint64 MaxShareTotalBytes();
// The folder files a share carries, beside the project file, in their order.
QStringList SharedFolderFiles();

// The archive of saved project `name` in the folder `projects`; nothing, with `error` saying in
// Dutch why, when its files cannot be read.
std::optional<QByteArray> ShareArchiveBytes(const QString &projects, const QString &name,
                                            QString *error = nullptr);
// The same written whole to `target`.
bool WriteShareFile(const QString &projects, const QString &name, const QString &target,
                    QString *error = nullptr);

// "Naam" when no project has that name in `projects`, else "Naam (2)", "Naam (3)", ...
// Empty when no free name is found.
QString FreeProjectName(const QString &projects, const QString &wanted);

struct ShareImport {
    QString name;   // the name the project got in Projecten; empty when refused
    QString wanted; // the project's own name in the archive
    QString error;  // why it was refused, in Dutch
};

// Brings the project in `archive` into `projects` under a free name. A refused archive leaves
// `projects` as it was.
ShareImport ImportShareArchive(const QByteArray &archive, const QString &projects);
// The same from the file at `path`.
ShareImport ImportShareFile(const QString &path, const QString &projects);
