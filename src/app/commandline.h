#pragma once
// The program without a window: `--export-pdf DIR [--project NAME]` writes the print set of
// the default design (or of a saved project) as PDF files, `--export-png FILE [--project NAME]
// [--size N]` the board as a picture; `--help` lists the options. A shared project file
// (FILE.vastgoed) as the only argument is fetched and opened in the designer.

#include "model/programpaths.h"

#include <QStringList>
#include <optional>

struct CommandLine {
    bool help = false;
    QString exportFolder;   // empty: start the designer
    QString projectName;    // empty: the default design
    bool assembly = false;   // the board at its true size with glue strips (the default)
    bool sixSheets = false;  // the six sheets edge to edge on pages without margins
    int dpi = 0;            // 0: the resolution the preferences choose
    QString pngFile;        // --export-png: the board as a PNG file
    int pngSize = 0;        // its width in pixels; 0: the board's full width
    QString sharedFile;     // a shared project to fetch into the designer
    QString error;          // set when the arguments are not understood
};

CommandLine ParseCommandLine(const QStringList &arguments);
bool WantsHeadless(int argc, char **argv);
QString CommandLineHelp();
// Runs the export; returns the process exit code. Needs a QGuiApplication.
int RunExport(const CommandLine &command, const ProgramPaths &paths);
