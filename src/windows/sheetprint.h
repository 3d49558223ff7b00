#pragma once

#include <QString>
#include <functional>

class Dialogs;
class PrinterPage;
class QWidget;
class SystemPrinters;

// Runs one sheet printer on the current printer as a job named `jobName`, from the corner of all
// the printer can reach; the printer's paper, orientation and margins are the same afterwards.
// Any failure of a printer operation stops
// the job at once (it is cancelled) and shows `failureText` with the stop icon and the title
// " Error". Returns true when the job went out whole.
// With `sharp` the designed pictures are drawn at the printer's resolution, at most
// PrinterSharpDpiCap dots per inch.
bool RunSheetPrinter(QWidget *owner, Dialogs &dialogs, SystemPrinters &printers,
                     const QString &jobName, const QString &failureText, const std::function<bool(PrinterPage &)> &print,
                     bool sharp = true);

// The failure texts of the sheet printers.
inline QString CardPrintFailure() { return QStringLiteral("Geen printer aanwezig of printer offline"); }
inline QString SheetPrintFailure() { return QStringLiteral("Geen printer aanwezig of offline"); }
