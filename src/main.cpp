#include "app/algemeen.h"
#include "app/mainwindow.h"
#include "platform/dialogs.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Vastgoed Atelier"));

    // The standard buttons and dialogs speak Dutch like the rest of the program.
    QTranslator qtDutch;
    if (qtDutch.load(QStringLiteral("qtbase_nl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtDutch);

    Algemeen state;
    state.ProgramFolder = QCoreApplication::applicationDirPath();
    QtDialogs dialogs;
    Main window(state, dialogs);
    window.show();
    return app.exec();
}
