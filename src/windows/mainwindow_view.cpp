// The main window's viewer, board printing and Help menu.
#include "windows/mainwindow.h"

#include "windows/showform.h"
#include "dialogs/dialogs.h"
#include "platform/opendocument.h"
#include "dialogs/printers.h"
#include "windows/printspeelbord.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

void Main::connectViewMenus()
{
    connect(menuAction(QStringLiteral("Show/Speelbord Groot")), &QAction::triggered, this, [this] { showViewer(3); });
    connect(menuAction(QStringLiteral("Show/Eigendomsbewijzen")), &QAction::triggered, this, [this] { showViewer(4); });
    connect(menuAction(QStringLiteral("Bestand/Afdrukken/Speelbord")), &QAction::triggered, this, &Main::printBoard);

    const struct {
        const char *entry;
        const char *document;
    } help[] = {
        {"Help/Help (Pdf)", "help.pdf"},
        {"Help/Spelregels/Orgineel", "spelregels-normaal.pdf"},
        {"Help/Spelregels/Junior", "spelregels-junior.pdf"},
        {"Help/Spelregels/Thema", "spelregels-thema.pdf"},
        {"Help/Meer Software", "meer-software.html"},
    };
    for (const auto &h : help) {
        const QString document = QString::fromLatin1(h.document);
        connect(menuAction(QString::fromLatin1(h.entry)), &QAction::triggered, this, [this, document] {
            const QString path = m_state.Paths.helpFile(document);
            if (documents().OpenDocument(this, path))
                return;
            const QString what = path.endsWith(QLatin1String(".pdf")) ? QStringLiteral("PDF-bestanden")
                                                                     : QStringLiteral("webpagina's");
            m_dialogs.showMessage(this,
                                  QFileInfo(path).isFile()
                                      ? QStringLiteral("Er is geen programma gevonden dat %1 opent.\n"
                                                       "Het document staat hier:\n%2").arg(what, QDir::toNativeSeparators(path))
                                      : QStringLiteral("Het document is niet gevonden:\n%1").arg(QDir::toNativeSeparators(path)),
                                  QStringLiteral(" Help"), Dialogs::Icon::Information);
        });
    }
}

DocumentOpener &Main::documents()
{
    return m_documents ? *m_documents : TheDesktop();
}

void Main::setDocumentOpener(DocumentOpener *opener)
{
    m_documents = opener;
}

void Main::showViewer(int subject)
{
    m_state.ActiveSubject = quint8(subject);
    Showform viewer(m_state, this);
    viewer.exec();
}

void Main::printBoard()
{
    PrintSpeelbord window(m_state, m_dialogs, printers(), this);
    window.exec();
}
