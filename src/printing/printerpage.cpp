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
    return true;
}

bool PrinterPage::placePicture(const QImage &picture, const QRectF &destination, const QRectF &source)
{
    if (!m_ready || m_failed || !begin())
        return fail();
    // The painter's origin is the top-left corner of the printable area.
    const double dx = m_device->logicalDpiX() / TwipsPerInch;
    const double dy = m_device->logicalDpiY() / TwipsPerInch;
    const QRectF target(destination.x() * dx, destination.y() * dy, destination.width() * dx,
                        destination.height() * dy);
    const QRectF from(source.x() / TwipsPerPixel, source.y() / TwipsPerPixel,
                      source.width() / TwipsPerPixel, source.height() / TwipsPerPixel);
    m_painter.drawImage(target, picture, from);
    return true;
}

bool PrinterPage::placePicture(const QImage &picture, const QRectF &destination)
{
    return placePicture(picture, destination,
                        QRectF(0, 0, picture.width() * TwipsPerPixel, picture.height() * TwipsPerPixel));
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
