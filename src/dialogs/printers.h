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
    // The printable area in millimetres of the installed printer `name` on paper of `size` in
    // `orientation`: all the printer can reach, whatever margins were chosen. Empty when there
    // is no such printer. The current printer is not touched.
    static QSizeF printableArea(const QString &name, const QPageSize &size, QPageLayout::Orientation orientation);

private:
    std::unique_ptr<QPrinter> m_printer;
};

// Keeps a printer's paper, orientation and margins for the life of the object and gives them
// back at its end, so that one print leaves nothing behind that the next one would inherit.
class KeptPageLayout
{
public:
    explicit KeptPageLayout(QPrinter &printer) : m_printer(printer), m_layout(printer.pageLayout()) {}
    ~KeptPageLayout() { m_printer.setPageLayout(m_layout); }
    KeptPageLayout(const KeptPageLayout &) = delete;
    KeptPageLayout &operator=(const KeptPageLayout &) = delete;

private:
    QPrinter &m_printer;
    QPageLayout m_layout;
};

// Sets a system printer's margins to the least it can print with: the sheets are laid out from
// the corner of what the printer can reach, never from margins chosen in a dialog. A printer
// that writes a PDF file keeps its margins: they stand for the printer it imitates.
void UseWholePrintableArea(QPrinter &printer);
