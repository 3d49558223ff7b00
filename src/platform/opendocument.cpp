#include "platform/opendocument.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// A freedesktop desktop opens files through xdg-open, which quietly fails for a type that no
// installed program claims: ask xdg-mime first whether one does.
bool DesktopOpensType(const QString &file)
{
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty() || xdgMime.isEmpty())
        return false;
    const QString type = QMimeDatabase().mimeTypeForFile(file).name();
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), type});
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished(1000);
        return true;  // no answer in time: leave it to the desktop
    }
    return !query.readAllStandardOutput().trimmed().isEmpty();
}
#else
bool DesktopOpensType(const QString &) { return true; }
#endif

}  // namespace

bool DesktopDocuments::OpenDocument(QWidget *, const QString &document)
{
    if (document.contains(QLatin1String("://")))
        return QDesktopServices::openUrl(QUrl(document));
    if (!QFileInfo(document).isFile() || !DesktopOpensType(document))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(document));
}

DocumentOpener &TheDesktop()
{
    static DesktopDocuments desktop;
    return desktop;
}
