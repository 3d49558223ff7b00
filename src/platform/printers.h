#pragma once
// The system's printers: the current printer every sheet printer prints on, the list of
// installed printers, and the print dialog that chooses the current one.

#include <QPrinter>
#include <QStringList>
#include <memory>

class QWidget;

class SystemPrinters
{
public:
    SystemPrinters();
    ~SystemPrinters();

    // Names of the installed printers; empty when there is none (or no print server).
    QStringList installedPrinters() const;
    // True when the current printer can take a job.
    bool currentIsUsable() const;
    // The current printer: the default printer until the user chooses another.
    QPrinter &current() { return *m_printer; }
    // Makes the named installed printer the current one; false when there is no such printer.
    bool selectPrinter(const QString &name);
    // Shows the system print dialog owned by `owner`; on Ok the chosen printer with its
    // orientation, paper, copies, duplex and colour mode becomes the current printer.
    bool SetupPrinter(QWidget *owner);

private:
    std::unique_ptr<QPrinter> m_printer;
};
