#include "printing/printerpage.h"

#include "printing/cutmarks.h"

#include <QPagedPaintDevice>
#include <utility>

PrinterPage::PrinterPage(QPagedPaintDevice *device, bool ready)
    : m_device(device), m_ready(ready && device)
{
}

PrinterPage::~PrinterPage()
{
    if (m_painter.isActive())
        m_painter.end();
}

bool PrinterPage::fail()
{
    m_failed = true;
    return false;
}

bool PrinterPage::setOrientation(QPageLayout::Orientation orientation)
{
    if (!m_ready || m_failed)
        return fail();
    // Before the job starts the device takes it for the first sheet; during the job it takes
    // effect at the next sheet. An ended sheet is finished in its own orientation first.
    if (m_painter.isActive() && m_pageEnded && !m_sheetDone) {
        if (!completeSheet())
            return false;
        m_sheetDone = true;
    }
    m_device->setPageOrientation(orientation);
    return true;
}

bool PrinterPage::begin()
{
    if (m_painter.isActive()) {
        if (!m_pageEnded)
            return true;
        if (!m_sheetDone && !completeSheet())
            return false;
        m_sheetDone = false;
        if (m_starting && !m_starting(m_pages + 1))
            return fail();
        if (!m_device->newPage())
            return fail();
        m_pageEnded = false;
        ++m_pages;
    } else {
        if (m_starting && !m_starting(1))
            return fail();
        if (!m_painter.begin(m_device))
            return fail();
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        m_pageEnded = false;
        m_pages = 1;
        m_scale = 1.0;
        m_planChanged = true;
    }
    if (m_planChanged) {
        m_planChanged = false;
        m_scale = 1.0;
        const QSizeF area = printableAreaTwips();
        if (m_plan.width() > 0 && m_plan.height() > 0)
            m_scale = qMin(1.0, qMin(area.width() / m_plan.width(), area.height() / m_plan.height()));
    }
    return true;
}

bool PrinterPage::placePicture(const QImage &picture, const QRectF &destination, const QRectF &source)
{
    return placePicture(SharpPicture(picture), destination, source);
}

bool PrinterPage::placePicture(const QImage &picture, const QRectF &destination)
{
    return placePicture(SharpPicture(picture), destination);
}

bool PrinterPage::placePicture(const SharpPicture &picture, const QRectF &destination, const QRectF &source)
{
    if (!m_ready || m_failed || !begin())
        return fail();
    // The painter's origin is the top-left corner of the printable area.
    const double dx = m_device->logicalDpiX() / TwipsPerInch * m_scale;
    const double dy = m_device->logicalDpiY() / TwipsPerInch * m_scale;
    const QRectF target(destination.x() * dx, destination.y() * dy, destination.width() * dx,
                        destination.height() * dy);
    noteItems(destination, source);
    return paint(picture, target, source);
}

bool PrinterPage::placeOnPaper(const SharpPicture &picture, const QRectF &millimetres, const QRectF &source)
{
    if (!m_ready || m_failed || !begin())
        return fail();
    const double kx = m_device->logicalDpiX() / 25.4, ky = m_device->logicalDpiY() / 25.4;
    const QPointF origin = paintOriginMm();
    const QRectF target((millimetres.x() - origin.x()) * kx, (millimetres.y() - origin.y()) * ky,
                        millimetres.width() * kx, millimetres.height() * ky);
    const QImage &pixels = picture.pixels;
    return paint(picture, target, source.isEmpty() ? QRectF(0, 0, pixels.width() * TwipsPerPixel, pixels.height() * TwipsPerPixel)
                                                   : source);
}

bool PrinterPage::paint(const SharpPicture &picture, const QRectF &target, const QRectF &source)
{
    if (m_dry)
        return true;
    const double dpiX = m_device->logicalDpiX(), dpiY = m_device->logicalDpiY();
    const QRectF from(source.x() / TwipsPerPixel, source.y() / TwipsPerPixel,
                      source.width() / TwipsPerPixel, source.height() / TwipsPerPixel);
    SharpRaster raster;
    raster.dpi = m_sharpDpi;
    raster.deviceDpiX = dpiX;
    raster.deviceDpiY = dpiY;
    raster.paperOrigin = -QPointF(m_device->pageLayout().paintRectPixels(int(dpiX)).topLeft());
    PaintSharp(m_painter, picture, target, from, raster);
    return true;
}

void PrinterPage::noteItems(const QRectF &destination, const QRectF &source)
{
    if (m_onBack)
        return;
    if (!m_split) {
        m_items.push_back({pageToPaper(destination), -1});
        return;
    }
    for (const Item &item : m_split(destination, source))
        m_items.push_back({pageToPaper(item.twips), item.tag});
}

void PrinterPage::addPaperItem(const QRectF &millimetres, int tag)
{
    if (!m_onBack)
        m_items.push_back({millimetres, tag});
}

QPointF PrinterPage::paintOriginMm() const
{
    // Where the painter's origin lies on the paper, as the device itself places it (its
    // margins in whole device pixels), not as the margins were asked for.
    const int dpi = m_device->logicalDpiX();
    return QPointF(m_device->pageLayout().paintRectPixels(dpi).topLeft()) * (25.4 / dpi);
}

QSizeF PrinterPage::paperSize() const
{
    return m_device->pageLayout().fullRect(QPageLayout::Millimeter).size();
}

QRectF PrinterPage::pageToPaper(const QRectF &twips) const
{
    const QPointF origin = paintOriginMm();
    const double k = 25.4 / TwipsPerInch * m_scale;
    return QRectF(origin + twips.topLeft() * k, twips.size() * k);
}

bool PrinterPage::completeSheet()
{
    if (m_onBack)
        return true;
    const std::vector<PaperItem> items = std::exchange(m_items, {});
    if (m_cutMarks && !items.empty() && !m_dry) {
        std::vector<QRectF> rects;
        for (const PaperItem &item : items)
            rects.push_back(item.mm);
        const int dpi = m_device->logicalDpiX();
        QRectF area(paintOriginMm(), QSizeF(m_device->pageLayout().paintRectPixels(dpi).size()) * (25.4 / dpi));
        if (!m_markArea.isEmpty())
            area &= m_markArea;
        const double dpiX = m_device->logicalDpiX(), dpiY = m_device->logicalDpiY();
        m_painter.save();
        m_painter.translate(-QPointF(m_device->pageLayout().paintRectPixels(int(dpiX)).topLeft()));
        m_painter.scale(dpiX / 25.4, dpiY / 25.4);
        DrawCutMarks(m_painter, CutMarkLines(rects, area));
        m_painter.restore();
    }
    if (!m_back)
        return true;
    if (m_starting && !m_starting(m_pages + 1))
        return fail();
    if (!m_device->newPage())
        return fail();
    ++m_pages;
    m_pageEnded = false;
    m_onBack = true;
    const bool ok = m_back(*this, items);
    m_onBack = false;
    return ok || fail();
}

bool PrinterPage::placePicture(const SharpPicture &picture, const QRectF &destination)
{
    const QImage &pixels = picture.pixels;
    return placePicture(picture, destination,
                        QRectF(0, 0, pixels.width() * TwipsPerPixel, pixels.height() * TwipsPerPixel));
}

bool PrinterPage::paintOnPaper(const std::function<void(QPainter &)> &draw)
{
    if (!m_ready || m_failed || !begin())
        return fail();
    const double dpiX = m_device->logicalDpiX(), dpiY = m_device->logicalDpiY();
    if (m_dry)
        return true;
    m_painter.save();
    m_painter.translate(-QPointF(m_device->pageLayout().paintRectPixels(int(dpiX)).topLeft()));
    m_painter.scale(dpiX / 25.4, dpiY / 25.4);
    draw(m_painter);
    m_painter.restore();
    return true;
}

QRectF PrinterPage::paperToPage(const QRectF &millimetres) const
{
    const QPointF origin = m_device->pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
    const double k = TwipsPerInch / 25.4;
    return QRectF((millimetres.topLeft() - origin) * k, millimetres.size() * k);
}

QSizeF PrinterPage::printableAreaTwips() const
{
    const QPageLayout layout = m_device->pageLayout();
    const QRectF area = layout.paintRect(QPageLayout::Point);
    return area.size() * (TwipsPerInch / 72.0);
}

bool PrinterPage::endPage()
{
    if (!m_ready || m_failed)
        return fail();
    if (m_painter.isActive())
        m_pageEnded = true;
    return true;
}

bool PrinterPage::endDocument()
{
    if (!m_ready || m_failed)
        return fail();
    if (m_chained) {
        // The next document brings its own marks and backs: this one's last sheet is
        // finished now, with its own.
        if (!m_painter.isActive())
            return true;
        if (!m_sheetDone && !completeSheet())
            return false;
        m_sheetDone = true;
        m_pageEnded = true;
        return true;
    }
    return finish();
}

bool PrinterPage::finish()
{
    if (!m_ready || m_failed)
        return fail();
    if (!m_painter.isActive())
        return true;
    if (!m_sheetDone && !completeSheet())
        return false;
    m_sheetDone = false;
    return m_painter.end() ? true : fail();
}
