#pragma once
// Reading printed PDFs back with poppler's command-line tools, and finding the jobs the CUPS
// PDF queue wrote.

#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QTemporaryDir>
#include <QThread>

namespace pdftools {

inline QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

inline int pageCount(const QString &pdf)
{
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(run("pdfinfo", {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Page size in points as the page is seen (rotation applied).
inline QSizeF pageSize(const QString &pdf, int page)
{
    const QString info = run("pdfinfo", {"-f", QString::number(page), "-l", QString::number(page), pdf});
    const auto m = QRegularExpression(QStringLiteral("Page\\s+%1 size:\\s+([\\d.]+) x ([\\d.]+)").arg(page))
                       .match(info);
    const auto r = QRegularExpression(QStringLiteral("Page\\s+%1 rot:\\s+(\\d+)").arg(page)).match(info);
    if (!m.hasMatch())
        return {};
    QSizeF size(m.captured(1).toDouble(), m.captured(2).toDouble());
    if (r.hasMatch() && (r.captured(1).toInt() % 180) == 90)
        size.transpose();
    return size;
}

// Renders one page at `dpi` (96 dpi makes one pixel 15 twips).
inline QImage renderPage(const QString &pdf, int page, int dpi = 96)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath("page");
    run("pdftoppm", {"-r", QString::number(dpi), "-f", QString::number(page), "-l",
                     QString::number(page), "-png", "-singlefile", pdf, prefix});
    return QImage(prefix + ".png").convertToFormat(QImage::Format_RGB32);
}

// The PDFs the CUPS PDF queue wrote after `since`, oldest first; waits up to `timeoutMs` for
// `count` of them.
inline QStringList waitForCupsPdfs(const QDateTime &since, int count, int timeoutMs = 30000)
{
    const QDir dir(QDir::homePath() + QStringLiteral("/PDF"));
    QStringList found;
    for (int waited = 0; waited <= timeoutMs; waited += 200) {
        found.clear();
        for (const QFileInfo &fi : dir.entryInfoList({"*.pdf"}, QDir::Files, QDir::Time | QDir::Reversed))
            if (fi.lastModified() >= since.addSecs(-1))
                found << fi.absoluteFilePath();
        if (found.size() >= count) {
            QThread::msleep(500);  // let the last one be written out
            return found;
        }
        QThread::msleep(200);
    }
    return found;
}

inline bool cupsRunning() { return QProcess::execute("lpstat", {"-r"}) == 0; }

}  // namespace pdftools
