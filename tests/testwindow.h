#pragma once
// The main window on a fresh state, in a program folder of its own, asking through scripted
// dialogs; and what the card and money designers need around them.

#include "model/algemeen.h"
#include "model/defaultcontent.h"
#include "windows/mainwindow.h"
#include "model/boardrules.h"
#include "dialogs/printers.h"
#include "scripteddialogs.h"
#include "testsupport.h"

#include <QPoint>
#include <memory>

// The middle of square n on the overview, in pixels of Main::Pic: where a user clicks it.
inline QPoint SquareCentre(int n)
{
    const HitRect r = OverviewHitRect(n);
    return QPoint((r.left + r.right) / 2 / 15, (r.top + r.bottom) / 2 / 15);
}

// The main window on a fresh state in the program folder `paths`, asking through scripted dialogs.
struct WindowIn {
    Algemeen state;
    ScriptedDialogs dialogs;
    std::unique_ptr<Main> main;
    explicit WindowIn(const ProgramPaths &paths)
    {
        state.Paths = paths;
        main = std::make_unique<Main>(state, dialogs);
    }
};

// A program folder made before the window that lives in it, and removed after it.
struct FolderFirst {
    ProgramFolder folder;
    explicit FolderFirst(bool withData) : folder(withData) {}
};

// The main window in a program folder of its own, with or without the built Data pictures.
struct TestWindow : FolderFirst, WindowIn {
    explicit TestWindow(bool withData = true) : FolderFirst(withData), WindowIn(folder.path()) {}
};

// Makes the current printer write an A4 PDF file at `path`, with no margins unless asked.
inline void printToPdfFile(SystemPrinters &printers, const QString &path, const QMarginsF &mm = {})
{
    QPrinter &printer = printers.current();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(mm, QPageLayout::Millimeter);
}

// The default design in a folder of its own (no Data pictures), scripted dialogs and the
// system's printers, for a card or money designer on deck `subject`.
struct DesignerSetup {
    QTemporaryDir folder;
    Algemeen state;
    ScriptedDialogs dialogs;
    SystemPrinters printers;
    explicit DesignerSetup(int subject = 1)
    {
        state.Paths = folder.path();
        LoadDefaultContent(state);
        state.ActiveSubject = quint8(subject);
    }
};
