#include "printing/printerpage.h"

#include <QPagedPaintDevice>

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
    // effect at the next sheet.
    m_device->setPageOrientation(orientation);
    return true;
}

bool PrinterPage::begin()
{
    if (m_painter.isActive()) {
        if (!m_pageEnded)
            return true;
        if (!m_device->newPage())
            return fail();
        m_pageEnded = false;
        ++m_pages;
        return true;
    }
    if (!m_painter.begin(m_device))
        return fail();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    m_pageEnded = false;
    m_pages = 1;
    m_scale = 1.0;
    const QSizeF area = printableAreaTwips();
    if (m_plan.width() > 0 && m_plan.height() > 0)
        m_scale = qMin(1.0, qMin(area.width() / m_plan.width(), area.height() / m_plan.height()));
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
    const double dpiX = m_device->logicalDpiX(), dpiY = m_device->logicalDpiY();
    const double dx = dpiX / TwipsPerInch * m_scale;
    const double dy = dpiY / TwipsPerInch * m_scale;
    const QRectF target(destination.x() * dx, destination.y() * dy, destination.width() * dx,
                        destination.height() * dy);
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
    if (!m_painter.isActive())
        return true;
    return m_painter.end() ? true : fail();
}
