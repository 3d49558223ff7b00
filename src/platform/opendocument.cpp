#include "platform/opendocument.h"

#include <QDesktopServices>
#include <QUrl>

void DesktopDocuments::OpenDocument(QWidget *, const QString &document)
{
    const QUrl url = document.contains(QLatin1String("://")) ? QUrl(document) : QUrl::fromLocalFile(document);
    // A missing document or a type with no program is the desktop's to report.
    QDesktopServices::openUrl(url);
}

DocumentOpener &TheDesktop()
{
    static DesktopDocuments desktop;
    return desktop;
}
