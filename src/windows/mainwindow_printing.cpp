// The main window's print menu: the deed sheets and the printer set-up.
#include "windows/mainwindow.h"

#include "files/preferences.h"
#include "printing/deedprinting.h"
#include "dialogs/dialogs.h"
#include "dialogs/printers.h"
#include "printing/printouts.h"
#include "windows/sheetprint.h"

#include <QAction>

SystemPrinters &Main::printers()
{
    if (!m_printers)
        m_printers = std::make_unique<SystemPrinters>();
    return *m_printers;
}

void Main::connectPrintMenu()
{
    connect(menuAction(QStringLiteral("Bestand/Afdrukken/Eigendomsbewijzen")), &QAction::triggered,
            this, &Main::printDeedSheets);
    connect(menuAction(QStringLiteral("Bestand/Afdrukken/Setup Printer")), &QAction::triggered, this,
            [this] { printers().SetupPrinter(this); });
    // Sharp printing is a preference of the program, kept in a file of its own.
    QAction *sharp = menuAction(QStringLiteral("Bestand/Afdrukken/Scherp afdrukken"));
    sharp->setChecked(m_state.SharpPrinting);
    connect(sharp, &QAction::toggled, this, [this](bool on) {
        m_state.SharpPrinting = on;
        Preferences preferences = ReadPreferences(m_state.preferencesPath());
        preferences.sharpPrinting = on;
        QString error;
        if (!WritePreferences(m_state.preferencesPath(), preferences, &error))
            m_dialogs.showMessage(this, QStringLiteral("De voorkeur kan niet worden bewaard: %1").arg(error),
                                  ProgramTitle(), Dialogs::Icon::Warning);
    });
}

void Main::printDeedSheets()
{
    if (!m_dialogs.askYesNo(this, QStringLiteral("Print 28 Eigendomsbewijzen op 3 pagina's (A4)"),
                            QStringLiteral("Print"), Dialogs::Icon::None))
        return;
    RunSheetPrinter(this, m_dialogs, printers(), QStringLiteral("Eigendomsbewijzen"),
                    SheetPrintFailure(), [this](PrinterPage &page) {
        return PrintDeedPages(page, m_state);
    }, m_state.SharpPrinting);
}
