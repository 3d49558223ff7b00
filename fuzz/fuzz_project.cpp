// A project as LoadProject reads it: after a two-byte length, that many bytes are the project
// file and the rest is the deck file, in a Projecten folder of its own. Reading never crashes, never leaves the
// Projecten folder and never gives an out-of-range station picture.
#include "app/projectfiles.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {
QTemporaryDir *folder = nullptr;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    folder = new QTemporaryDir;
    QDir(folder->path()).mkpath(QStringLiteral("Projecten/P"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray all(reinterpret_cast<const char *>(data), int(size));
    const int split = size >= 2 ? (data[0] | (data[1] << 8)) : 0;
    writeFile(folder->filePath(QStringLiteral("Projecten/P.vgd")), all.mid(2, split));
    writeFile(folder->filePath(QStringLiteral("Projecten/P/Kansfonds.kan")), all.mid(2 + split));
    const ProjectReadResult read = ReadProjectFiles(folder->path(), QStringLiteral("P"), QSize(2180, 2180),
                                                    QSize(1476, 1176));
    if (read.loaded && read.loaded->project.StationImage > 29)
        std::abort();
    return 0;
}
