#include "app/commandline.h"
#include "design/gamenames.h"

#include "model/algemeen.h"
#include "files/preferences.h"
#include "design/edits.h"
#include "design/startup.h"
#include "artwork/artwork.h"
#include "printing/boardpicture.h"
#include "printing/pdfexport.h"
#include "printing/printkit.h"
#include "printing/printrun.h"

#include <QDir>
#include <cstdio>
#include <cstring>

CommandLine ParseCommandLine(const QStringList &arguments)
{
    CommandLine c;
    auto wholeNumber = [&](int i, int minimum, int maximum) {
        bool number = false;
        const int n = i + 1 < arguments.size() ? arguments[i + 1].toInt(&number) : 0;
        if (!number || n < minimum || n > maximum) {
            c.error = QStringLiteral("%1 needs a whole number from %2 to %3").arg(arguments[i]).arg(minimum).arg(maximum);
            return 0;
        }
        return n;
    };
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            c.help = true;
        } else if (a == QLatin1String("--export-pdf") || a == QLatin1String("--export-png")
                   || a == QLatin1String("--project") || a == QLatin1String("--export-csv")
                   || a == QLatin1String("--import-csv")) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
                c.error = QStringLiteral("%1 needs a value").arg(a);
                return c;
            }
            (a == QLatin1String("--export-pdf")   ? c.exportFolder
             : a == QLatin1String("--export-png") ? c.pngFile
             : a == QLatin1String("--export-csv") ? c.csvExportFile
             : a == QLatin1String("--import-csv") ? c.csvImportFile
                                                  : c.projectName) = arguments[++i];
        } else if (a == QLatin1String("--backs")) {
            const QString way = i + 1 < arguments.size() ? arguments[i + 1] : QString();
            if (way != QLatin1String("fold") && way != QLatin1String("duplex") && way != QLatin1String("none")) {
                c.error = QStringLiteral("--backs needs fold, duplex or none");
                return c;
            }
            c.backs = way;
            ++i;
        } else if (a == QLatin1String("--assembly")) {
            c.assembly = true;
        } else if (a == QLatin1String("--six-sheets")) {
            c.sixSheets = true;
        } else if (a == QLatin1String("--dpi") || a == QLatin1String("--size")) {
            const bool dpi = a == QLatin1String("--dpi");
            const int n = dpi ? wholeNumber(i, ExportSharpDpiMin, ExportSharpDpiMax)
                              : wholeNumber(i, BoardPictureMinWidth, BoardSize);
            if (!c.error.isEmpty())
                return c;
            (dpi ? c.dpi : c.pngSize) = n;
            ++i;
        } else if (!a.startsWith(QLatin1Char('-')) && c.sharedFile.isEmpty()) {
            c.sharedFile = a;
        } else {
            c.error = QStringLiteral("unknown option: %1").arg(a);
            return c;
        }
    }
    const bool pdf = !c.exportFolder.isEmpty(), png = !c.pngFile.isEmpty();
    const bool csv = !c.csvExportFile.isEmpty() || !c.csvImportFile.isEmpty();
    if (csv && (pdf || png || !c.sharedFile.isEmpty() || c.dpi || c.assembly || c.sixSheets || c.pngSize
                || (!c.csvExportFile.isEmpty() && !c.csvImportFile.isEmpty())))
        c.error = QStringLiteral("--export-csv and --import-csv go with --project only");
    else if (!c.csvImportFile.isEmpty() && c.projectName.isEmpty())
        c.error = QStringLiteral("--import-csv needs --project NAME");
    else if (csv)
        ;
    else if (pdf && png)
        c.error = QStringLiteral("--export-pdf and --export-png exclude each other");
    else if (!c.sharedFile.isEmpty() && (pdf || png || !c.projectName.isEmpty()))
        c.error = QStringLiteral("a shared project file is opened in the designer, without other options");
    else if ((c.dpi || c.assembly || c.sixSheets || !c.backs.isEmpty()) && !pdf)
        c.error = QStringLiteral("%1 goes with --export-pdf")
                      .arg(c.dpi ? QStringLiteral("--dpi") : c.assembly ? QStringLiteral("--assembly")
                                 : c.sixSheets ? QStringLiteral("--six-sheets") : QStringLiteral("--backs"));
    else if (c.pngSize && !png)
        c.error = QStringLiteral("--size goes with --export-png");
    else if (!c.projectName.isEmpty() && !pdf && !png)
        c.error = QStringLiteral("--project goes with --export-pdf or --export-png");
    else if (c.assembly && c.sixSheets)
        c.error = QStringLiteral("--assembly and --six-sheets exclude each other");
    return c;
}

bool WantsHeadless(int argc, char **argv)
{
    // Any of the export's options, so that a wrong combination is told on the terminal.
    static const char *const options[] = {"--export-pdf", "--export-png", "--export-csv", "--import-csv", "--project", "--size", "--dpi",
                                          "--assembly", "--six-sheets", "--backs", "--help", "-h"};
    for (int i = 1; i < argc; ++i)
        for (const char *option : options)
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

QString CommandLineHelp()
{
    return QStringLiteral(
        "Usage: vastgoed-atelier [FILE.vastgoed]\n"
        "       vastgoed-atelier --export-pdf DIR [--project NAME] [--dpi N] [--six-sheets]\n"
        "                        [--backs fold|duplex|none]\n"
        "       vastgoed-atelier --export-png FILE [--project NAME] [--size N]\n"
        "       vastgoed-atelier --export-csv FILE [--project NAME]\n"
        "       vastgoed-atelier --import-csv FILE --project NAME\n"
        "\n"
        "Without options the designer starts. With a shared project FILE.vastgoed (made with\n"
        "\"Project delen...\") it starts, fetches that project into the Projecten folder under\n"
        "a name no project has yet and opens it.\n"
        "\n"
        "  --export-pdf DIR   write the whole print set as PDF files into DIR (created when\n"
        "                     missing), without a window: Speelbord.pdf, Eigendomsbewijzen.pdf,\n"
        "                     Kans.pdf, AlgemeenFonds.pdf and Speelgeld.pdf. Print them at\n"
        "                     100% (actual size), not \"fit to page\". Speelbord.pdf holds the\n"
        "                     board at its true size (50.9 x 50.9 cm) on six sheets with glue\n"
        "                     strips, trim lines and labels A1..C2, after a page that shows how\n"
        "                     to put it together; every printer that reaches within 5 mm of\n"
        "                     the paper's edge prints it whole. Proefvel.pdf, the proof sheet,\n"
        "                     checks that the printer prints at 100%. The card, deed and money\n"
        "                     sheets carry cut marks.\n"
        "  --backs WAY        how the cards and deeds get their backs: fold (the default: each\n"
        "                     beside its back, to fold and glue; no duplex printer needed),\n"
        "                     duplex (the usual sheets, each followed by a page of backs for a\n"
        "                     sheet turned over on its long edge; Proefvel.pdf then has a grid\n"
        "                     that finds the printer's offset) or none (the print set without\n"
        "                     backs, cut marks or proof sheet, as before)\n"
        "  --export-png FILE  write the board as a PNG picture to FILE, without a window\n"
        "  --size N           the picture's width and height in pixels, 100 to 2180\n"
        "                     (default 2180, the board's own size)\n"
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
        "  --export-csv FILE  write the table of the 36 squares (number, kind, street, city,\n"
        "                     amount) to FILE as a spreadsheet file: UTF-8, ';' between fields\n"
        "  --import-csv FILE  read such a table (UTF-8 or Windows-1252, ';' or ','), write its\n"
        "                     texts into project NAME (made from the default design when it\n"
        "                     does not exist), place every square, make every deed and save\n"
        "                     the project. When anything in FILE is refused, the refusals are\n"
        "                     listed, nothing is saved and the exit status is 3\n"
        "  --help             show this text\n");
}

int RunExport(const CommandLine &command, const ProgramPaths &paths)
{
    if (!command.csvExportFile.isEmpty() || !command.csvImportFile.isEmpty())
        return RunSquareTable(command, paths);
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
    RefreshGamePictures(state);
    QString error;
    if (!command.pngFile.isEmpty()) {
        if (!WriteBoardPicture(state.pictures.Speelbord, command.pngSize ? command.pngSize : BoardSize,
                               command.pngFile, &error)) {
            std::fprintf(stderr, "vastgoed-atelier: %s: %s\n", qPrintable(command.pngFile), qPrintable(error));
            return 1;
        }
        std::printf("%s\n", qPrintable(command.pngFile));
        return 0;
    }
    const int dpi = command.dpi ? command.dpi : state.SharpPrinting ? ExportSharpDpi : 0;
    PrintKitOptions kit;
    kit.board = command.sixSheets ? BoardLayout::SixSheets : BoardLayout::GlueStrips;
    kit.backs = command.backs == QLatin1String("duplex") ? BackWay::Duplex
                : command.backs == QLatin1String("none") ? BackWay::None : BackWay::Fold;
    kit.cutMarks = kit.backs != BackWay::None;
    kit.backOffset = ReadPreferences(paths.preferencesFile()).duplexOffsets.value(PdfOffsetName());
    const bool ok = ExportDocumentsAtOnce(PrintKitDocuments(state, kit), command.exportFolder, &error,
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
