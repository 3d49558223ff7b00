#include "windows/sheetprint.h"

#include "dialogs/dialogs.h"
#include "dialogs/printers.h"
#include "printing/printerpage.h"
#include "files/preferences.h"

bool RunSheetPrinter(QWidget *owner, Dialogs &dialogs, SystemPrinters &printers,
                     const QString &jobName, const QString &failureText, const std::function<bool(PrinterPage &)> &print,
                     bool sharp)
{
    bool ok = false;
    {
        QPrinter &printer = printers.current();
        // Margins chosen in the set-up dialog neither move nor cut a sheet: the page plan
        // starts at the corner of what the printer reaches. The printer's own settings come
        // back afterwards.
        KeptPageLayout keep(printer);
        UseWholePrintableArea(printer);
        printer.setDocName(jobName);
        PrinterPage page(&printer, printers.currentIsUsable());
        page.setSharpResolution(sharp ? qMin(printer.resolution(), PrinterSharpDpiCap) : 0);
        ok = print(page);
        if (!ok && page.pagesStarted() > 0)
            printer.abort();  // a job that failed half-way is cancelled, not left dangling
    }
    if (!ok)
        dialogs.showMessage(owner, failureText, QStringLiteral(" Error"), Dialogs::Icon::Critical);
    return ok;
}
