#include "app/commandline.h"

#include "app/algemeen.h"
#include "app/preferences.h"
#include "app/projectfiles.h"
#include "app/startup.h"
#include "printing/pdfexport.h"

#include <QDir>
#include <cstdio>
#include <cstring>

CommandLine ParseCommandLine(const QStringList &arguments)
{
    CommandLine c;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            c.help = true;
        } else if (a == QLatin1String("--export-pdf") || a == QLatin1String("--project")) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
                c.error = QStringLiteral("%1 needs a value").arg(a);
                return c;
            }
            (a == QLatin1String("--export-pdf") ? c.exportFolder : c.projectName) = arguments[++i];
        } else if (a == QLatin1String("--assembly")) {
            c.assembly = true;
        } else if (a == QLatin1String("--six-sheets")) {
            c.sixSheets = true;
        } else if (a == QLatin1String("--dpi")) {
            bool number = false;
            const int dpi = i + 1 < arguments.size() ? arguments[i + 1].toInt(&number) : 0;
            if (!number || dpi < ExportSharpDpiMin || dpi > ExportSharpDpiMax) {
                c.error = QStringLiteral("--dpi needs a whole number from %1 to %2")
                              .arg(ExportSharpDpiMin).arg(ExportSharpDpiMax);
                return c;
            }
            c.dpi = dpi;
            ++i;
        } else {
            c.error = QStringLiteral("unknown option: %1").arg(a);
            return c;
        }
    }
    if ((!c.projectName.isEmpty() || c.dpi || c.assembly || c.sixSheets) && c.exportFolder.isEmpty())
        c.error = QStringLiteral("%1 goes with --export-pdf")
                      .arg(c.dpi ? QStringLiteral("--dpi") : c.assembly ? QStringLiteral("--assembly")
                           : c.sixSheets ? QStringLiteral("--six-sheets") : QStringLiteral("--project"));
    else if (c.assembly && c.sixSheets)
        c.error = QStringLiteral("--assembly and --six-sheets exclude each other");
    return c;
}

bool WantsHeadless(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--export-pdf") == 0 || std::strcmp(argv[i], "--help") == 0
            || std::strcmp(argv[i], "-h") == 0)
            return true;
    return false;
}

QString CommandLineHelp()
{
    return QStringLiteral(
        "Usage: vastgoed-atelier [--export-pdf DIR [--project NAME] [--dpi N] [--six-sheets]]\n"
        "\n"
        "Without options the designer starts.\n"
        "\n"
        "  --export-pdf DIR   write the whole print set as PDF files into DIR (created when\n"
        "                     missing), without a window: Speelbord.pdf, Eigendomsbewijzen.pdf,\n"
        "                     Kans.pdf, AlgemeenFonds.pdf and Speelgeld.pdf. Print them at\n"
        "                     100% (actual size), not \"fit to page\". Speelbord.pdf holds the\n"
        "                     board at its true size (50.9 x 50.9 cm) on six sheets with glue\n"
        "                     strips, trim lines and labels A1..C2, after a page that shows how\n"
        "                     to put it together; every printer that reaches within 5 mm of\n"
        "                     the paper's edge prints it whole.\n"
        "  --project NAME     export the saved project NAME from the Projecten folder instead\n"
        "                     of the default design\n"
        "  --dpi N            draw the designed pictures at N dots per inch, 150 to 1200\n"
        "                     (default 300; with \"Scherp afdrukken\" switched off the\n"
        "                     screen pictures go in as they are unless --dpi is given)\n"
        "  --six-sheets       Speelbord.pdf holds the six sheets edge to edge instead, on A4\n"
        "                     pages without margins: laid side by side they make the board\n"
        "                     50.9 x 50.9 cm. Only for a borderless printer or a copy shop\n"
        "                     that prints to the paper's edge; other printers lose the edges.\n"
        "  --assembly         the board with glue strips: the default, accepted as before\n"
        "  --help             show this text\n");
}

int RunExport(const CommandLine &command, const ProgramPaths &paths)
{
    Algemeen state;
    state.Paths = paths;
    LoadStartState(state);
    if (!command.projectName.isEmpty() && !LoadProjectInto(state, command.projectName).loaded) {
        std::fprintf(stderr,
                     "vastgoed-atelier: project %s cannot be read from %s: its project or deck file "
                     "is missing or short, or a picture is cut short or damaged\n",
                     qPrintable(command.projectName),
                     qPrintable(QDir::toNativeSeparators(ProjectsFolder(paths))));
        return 1;
    }
    QString error;
    const int dpi = command.dpi ? command.dpi : state.SharpPrinting ? ExportSharpDpi : 0;
    const bool ok = ExportDocuments(PrintSetDocuments(state, command.sixSheets ? BoardLayout::SixSheets : BoardLayout::GlueStrips), command.exportFolder, &error,
                                    [&](const QString &name) {
                                        std::printf("%s\n", qPrintable(QDir(command.exportFolder).filePath(name)));
                                        std::fflush(stdout);
                                    }, dpi);
    if (!ok) {
        std::fprintf(stderr, "vastgoed-atelier: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
