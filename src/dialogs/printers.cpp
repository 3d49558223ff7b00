#include "dialogs/printers.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QPrinterInfo>

SystemPrinters::SystemPrinters() : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    m_printer->setFullPage(false);
}

SystemPrinters::~SystemPrinters() = default;

QStringList SystemPrinters::installedPrinters() const
{
    return QPrinterInfo::availablePrinterNames();
}

bool SystemPrinters::currentIsUsable() const
{
    if (m_printer->outputFormat() == QPrinter::PdfFormat)
        return !m_printer->outputFileName().isEmpty();
    const QString name = m_printer->printerName();
    return !name.isEmpty() && installedPrinters().contains(name) && m_printer->isValid();
}

bool SystemPrinters::selectPrinter(const QString &name)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return false;
    m_printer->setPrinterName(info.printerName());
    return true;
}

bool SystemPrinters::SetupPrinter(QWidget *owner)
{
    QPrintDialog dialog(m_printer.get(), owner);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    // Here the dialog only chooses and sets up the printer; its button must not promise a print.
    if (auto *buttons = dialog.findChild<QDialogButtonBox *>(QString(), Qt::FindDirectChildrenOnly))
        if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    // The dialog writes the chosen printer and its settings into the current printer.
    return dialog.exec() == QDialog::Accepted;
}

QSizeF SystemPrinters::printableArea(const QString &name, const QPageSize &size, QPageLayout::Orientation orientation)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return {};
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageSize(size);
    printer.setPageOrientation(orientation);
    UseWholePrintableArea(printer);
    return printer.pageLayout().paintRect(QPageLayout::Millimeter).size();
}

void UseWholePrintableArea(QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::NativeFormat)
        printer.setPageMargins(printer.pageLayout().minimumMargins(), printer.pageLayout().units());
}
