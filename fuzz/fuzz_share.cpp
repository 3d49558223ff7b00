// A shared project file as "Project ophalen..." reads it. Fetching never crashes, never writes
// outside the Projecten folder and leaves no working folder behind; what it accepts opens.
#include "files/projectfiles.h"
#include "files/projectshare.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {
QTemporaryDir *folder = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    folder = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray archive(reinterpret_cast<const char *>(data), int(size));
    const QString projects = folder->filePath(QStringLiteral("Projecten"));
    const ShareImport fetched = ImportShareArchive(archive, projects);
    const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    const QStringList top = QDir(folder->path()).entryList(all);
    if (!top.isEmpty() && top != QStringList{QStringLiteral("Projecten")})
        std::abort();  // something written beside Projecten
    const QStringList entries = QDir(projects).entryList(all);
    if (fetched.name.isEmpty() ? !entries.isEmpty() : entries.size() != 2)
        std::abort();  // a refused archive wrote something, or a working folder stayed
    if (!fetched.name.isEmpty()) {
        if (!ReadProjectFilesFrom(projects, fetched.name, QSize(2180, 2180), QSize(1476, 1176)).loaded)
            std::abort();
        DeleteFolderTree(projects);
    }
    return 0;
}
