#pragma once
// What the tests share: a program folder with the built Data pictures, file bytes, pixel probes,
// PDFs read back with poppler's command-line tools, and the jobs of the CUPS PDF queue.

#include <QColor>
#include <QImage>
#include <QPageSize>
#include <QtTest>
#include <algorithm>

// A program folder with the built Data pictures (or without them).
struct ProgramFolder {
    QTemporaryDir dir;
    explicit ProgramFolder(bool withData = true)
    {
        if (!withData)
            return;
        QDir().mkpath(dir.filePath("Data"));
        const QDir built(qEnvironmentVariable("VASTGOED_DATA_DIR"));
        for (const QString &name : built.entryList({"*.vgx"}, QDir::Files))
            QFile::copy(built.filePath(name), dir.filePath("Data/" + name));
    }
    QString path(const QString &relative = {}) const { return relative.isEmpty() ? dir.path() : dir.filePath(relative); }
};

inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes `bytes` to `path`, making its folder first.
inline void writeAll(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

// Number of pixels in `rect` whose colour `counts` takes.
template <typename Counts>
int countWhere(const QImage &image, const QRect &rect, Counts counts)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += counts(image.pixel(x, y)) ? 1 : 0;
    return count;
}

// Number of pixels in `rect` whose colour is exactly `colour`.
inline int pixelsOf(const QImage &image, const QRect &rect, const QColor &colour)
{
    return countWhere(image, rect, [&](QRgb c) { return c == colour.rgb(); });
}

// A picture of random colours, the same for the same seed.
inline QImage noiseImage(int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = 0xff000000u | (random.generate() & 0xffffffu);
    }
    return image;
}

// The box around every pixel of `rect` whose colour `inside` takes (invalid when it takes none).
template <typename Inside>
QRect boxWhere(const QImage &image, const QRect &rect, Inside inside)
{
    int left = rect.right() + 1, right = -1, top = rect.bottom() + 1, bottom = -1;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (inside(image.pixel(x, y))) {
                left = qMin(left, x), right = qMax(right, x);
                top = qMin(top, y), bottom = qMax(bottom, y);
            }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The box around every pixel of `rect` that is not exactly `background`.
inline QRect inkBounds(const QImage &image, const QRect &rect, const QColor &background)
{
    return boxWhere(image, rect, [&](QRgb c) { return c != background.rgb(); });
}

// True when some pixel of `rect` differs from `background`.
inline bool inkIn(const QImage &image, const QRect &rect, const QColor &background)
{
    return pixelsOf(image, rect, background) != rect.width() * rect.height();
}

// Colours that agree within `tolerance` in each channel (printed pages blur a little).
inline bool near(const QColor &a, const QColor &b, int tolerance = 14)
{
    return qAbs(a.red() - b.red()) < tolerance && qAbs(a.green() - b.green()) < tolerance
        && qAbs(a.blue() - b.blue()) < tolerance;
}

inline QString describe(const QImage &image, QPoint at)
{
    return QStringLiteral("%1 at %2,%3").arg(image.pixelColor(at).name()).arg(at.x()).arg(at.y());
}

// Twips to a pixel of a page rendered at `dpi`.
inline QPoint pixelOf(QPointF twips, int dpi = 96)
{
    const double perPixel = 1440.0 / dpi;
    return QPoint(int(twips.x() / perPixel), int(twips.y() / perPixel));
}

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

// Whether the page is A4, upright or (with `landscape`) on its side.
inline bool isA4(const QString &pdf, int page, bool landscape = false)
{
    const QSizeF size = pageSize(pdf, page);
    const QSizeF a4 = landscape ? QSizeF(841.89, 595.28) : QSizeF(595.28, 841.89);
    return qAbs(size.width() - a4.width()) < 2 && qAbs(size.height() - a4.height()) < 2;
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

// lpstat -r exits 0 whether or not the scheduler runs; only what it prints tells.
inline bool cupsRunning()
{
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-r")});
    if (!lpstat.waitForFinished(10000))
        return false;
    return QString::fromLocal8Bit(lpstat.readAllStandardOutput()).trimmed() == QLatin1String("scheduler is running");
}

}  // namespace pdftools

// The PDFs the CUPS PDF queue wrote after `since` whose names hold `name` (the job title), in the
// order they were printed (by job number); waits up to `timeoutMs` for `count` of them. Filtering by
// name keeps tests that print at the same time apart.
inline QStringList waitForNamedJobs(const QDateTime &since, const QString &name, int count, int timeoutMs = 60000)
{
    const QDir dir(QDir::homePath() + QStringLiteral("/PDF"));
    const QRegularExpression jobNumber(QStringLiteral("job_(\\d+)"));
    QStringList found;
    for (int waited = 0; waited <= timeoutMs; waited += 250) {
        found.clear();
        for (const QFileInfo &fi : dir.entryInfoList({"*.pdf"}, QDir::Files))
            if (fi.lastModified() >= since.addSecs(-1) && fi.fileName().contains(name))
                found << fi.absoluteFilePath();
        if (found.size() >= count) {
            // cups-pdf makes the file empty and writes the job out in pieces: wait until every
            // file has content and has kept its size for a second (a large job can take a while).
            QList<qint64> before;
            for (int stable = 0; stable < 5 && waited <= timeoutMs; waited += 250) {
                QList<qint64> now;
                for (const QString &f : found)
                    now << QFileInfo(f).size();
                stable = now == before && !now.contains(0) ? stable + 1 : 1;
                before = now;
                QThread::msleep(250);
            }
            break;
        }
        QThread::msleep(250);
    }
    std::sort(found.begin(), found.end(), [&](const QString &a, const QString &b) {
        return jobNumber.match(a).captured(1).toInt() < jobNumber.match(b).captured(1).toInt();
    });
    return found;
}

// Adds a CUPS queue `name` that prints to PDF files like the PDF queue; false when it cannot.
inline bool addPdfQueue(const QString &name)
{
    return QProcess::execute(QStringLiteral("lpadmin"), {"-p", name, "-E", "-v", "cups-pdf:/", "-m",
                                                        "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"}) == 0;
}

// Skips a test that prints through CUPS when no server runs, unless the run requires one.
#define REQUIRE_CUPS()                                                                                  \
    do {                                                                                                \
        if (!pdftools::cupsRunning()) {                                                                 \
            if (qEnvironmentVariable("VASTGOED_REQUIRE_CUPS") == QLatin1String("1"))                    \
                QFAIL("no CUPS server is running, but this run requires one (scripts/start-cups)");     \
            QSKIP("no CUPS server is running: start one with scripts/start-cups to print for real");    \
        }                                                                                               \
    } while (false)

// The box around all pixels that are not white.
inline QRect contentBox(const QImage &page, int tolerance = 30)
{
    return boxWhere(page, page.rect(), [&](QRgb c) { return !near(QColor(c), Qt::white, tolerance); });
}
