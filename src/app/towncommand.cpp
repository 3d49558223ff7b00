// The squares table from the command line: `--export-csv FILE [--project NAME]` and
// `--import-csv FILE --project NAME`.
#include "app/commandline.h"

#include "model/algemeen.h"
#include "files/projectfiles.h"
#include "files/savefile.h"
#include "design/startup.h"
#include "design/edits.h"
#include "design/townedits.h"
#include "files/squaretable.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace {
void fail(const QString &message)
{
    std::fprintf(stderr, "vastgoed-atelier: %s\n", qPrintable(message));
}

// The file, or nothing when it cannot be read; a file larger than any table is read only
// so far that the reader can tell.
std::optional<QByteArray> readTable(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(MaxSquareTableBytes + 1);
}
}

int RunSquareTable(const CommandLine &command, const ProgramPaths &paths)
{
    Algemeen state;
    state.Paths = paths;
    LoadStartState(state);
    const QString &name = command.projectName;
    const bool exists = !name.isEmpty() && ProjectExists(paths, name);
    if (exists && !LoadProjectInto(state, name).loaded) {
        fail(QStringLiteral("project %1 cannot be read from %2").arg(name, QDir::toNativeSeparators(ProjectsFolder(paths))));
        return 1;
    }
    if (!command.csvExportFile.isEmpty()) {
        if (!name.isEmpty() && !exists) {
            fail(QStringLiteral("there is no project %1 in %2").arg(name, QDir::toNativeSeparators(ProjectsFolder(paths))));
            return 1;
        }
        QString error;
        if (!WriteFileWhole(command.csvExportFile, SquareTableFileBytes(state.project), &error)) {
            fail(QStringLiteral("%1: %2").arg(command.csvExportFile, error));
            return 1;
        }
        std::printf("%s\n", qPrintable(command.csvExportFile));
        return 0;
    }

    if (const QString problem = ProjectNameProblem(name); !problem.isEmpty()) {
        fail(problem);
        return 1;
    }
    const std::optional<QByteArray> bytes = readTable(command.csvImportFile);
    if (!bytes) {
        fail(QStringLiteral("%1 cannot be read").arg(command.csvImportFile));
        return 1;
    }
    const SquareTableRead table = ReadSquareTable(*bytes, &state.project);
    if (!table.refused.isEmpty()) {
        fail(QStringLiteral("%1: refused, nothing saved:").arg(command.csvImportFile));
        for (const QString &line : table.refused)
            std::fprintf(stderr, "  %s\n", qPrintable(line));
        return 3;
    }
    SetSquareTexts(state, table.rows, QString());
    const TownResult result = PlaceAllAndMakeDeeds(state);
    QString error;
    if (!WriteProjectFiles(state, name, &error)) {
        fail(QStringLiteral("project %1 is not saved: %2").arg(name, error));
        return 1;
    }
    std::printf("%s: %d squares placed, %d deeds made, project %s %s\n", qPrintable(command.csvImportFile),
                result.squares, result.deeds, qPrintable(name), exists ? "saved" : "made and saved");
    return 0;
}
