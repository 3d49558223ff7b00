#include "model/algemeen.h"
#include "app/commandline.h"
#include "windows/mainwindow.h"
#include "dialogs/dialogs.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>

namespace {
int runHeadless(int argc, char *argv[])
{
    // No window and no display needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const CommandLine command = ParseCommandLine(app.arguments());
    if (!command.error.isEmpty()) {
        std::fprintf(stderr, "vastgoed-atelier: %s\n\n%s", qPrintable(command.error),
                     qPrintable(CommandLineHelp()));
        return 2;
    }
    if (command.help) {
        std::printf("%s", qPrintable(CommandLineHelp()));
        return 0;
    }
    const ProgramPaths paths = ProgramPaths::ForExecutable(QCoreApplication::applicationDirPath());
    paths.makeUserFolders();
    if (const QString missing = MissingPicturesMessage(paths); !missing.isEmpty())
        std::fprintf(stderr, "vastgoed-atelier: %s\n", qPrintable(missing));
    return RunExport(command, paths);
}
}

int main(int argc, char *argv[])
{
    if (WantsHeadless(argc, argv))
        return runHeadless(argc, argv);

    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Vastgoed Atelier"));
    // The only argument the designer takes: a shared project, from the file manager.
    const CommandLine command = ParseCommandLine(app.arguments());
    if (!command.error.isEmpty()) {
        std::fprintf(stderr, "vastgoed-atelier: %s\n\n%s", qPrintable(command.error),
                     qPrintable(CommandLineHelp()));
        return 2;
    }

    // The standard buttons and dialogs speak Dutch like the rest of the program.
    QTranslator qtDutch;
    if (qtDutch.load(QStringLiteral("qtbase_nl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtDutch);

    Algemeen state;
    state.Paths = ProgramPaths::ForExecutable(QCoreApplication::applicationDirPath());
    state.Paths.makeUserFolders();
    QtDialogs dialogs;
    Main window(state, dialogs);
    window.show();
    if (const QString missing = MissingPicturesMessage(state.Paths); !missing.isEmpty())
        dialogs.showMessage(&window, missing, QStringLiteral(" Error"), Dialogs::Icon::Warning);
    window.OfferRecovery();
    if (!command.sharedFile.isEmpty())
        window.OpenSharedProject(command.sharedFile);
    return app.exec();
}
