// "Exporteren als PDF...": the print set for families who print at a copy shop.
#include "windows/mainwindow.h"

#include "dialogs/dialogs.h"
#include "printing/pdfexport.h"

#include <QApplication>
#include <QDir>
#include <QProgressDialog>

void Main::exportPdf()
{
    const auto folder = m_dialogs.askFolder(this, QStringLiteral("Map voor de PDF-bestanden"));
    if (!folder)
        return;
    const std::vector<ExportedDocument> documents = PrintSetDocuments(m_state);
    QProgressDialog progress(QStringLiteral("PDF-bestanden maken..."), QString(), 0,
                             int(documents.size()), this);
    progress.setWindowTitle(ProgramTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setValue(0);
    QString error;
    int written = 0;
    const bool ok = ExportDocuments(documents, *folder, &error, [&](const QString &) {
        progress.setValue(++written);
    }, m_state.SharpPrinting ? ExportSharpDpi : 0);
    progress.reset();
    if (!ok) {
        m_dialogs.showMessage(this, QStringLiteral("De PDF-bestanden zijn niet (allemaal) gemaakt.\n") + error,
                              QStringLiteral(" Error"), Dialogs::Icon::Critical);
        return;
    }
    m_dialogs.showMessage(this,
                          QStringLiteral("De afdrukset staat in %1.\n"
                                         "Druk de PDF-bestanden af op ware grootte (100%), "
                                         "niet \"passend op pagina\".")
                              .arg(QDir::toNativeSeparators(*folder)),
                          ProgramTitle(), Dialogs::Icon::Information);
}
