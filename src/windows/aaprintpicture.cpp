#include "windows/aaprintpicture.h"

#include "dialogs/printers.h"

#include <QPainter>
#include <QPrinterInfo>
#include <cmath>

namespace {
// Whether the printer can take paper of `size`: one of its own sizes, or a custom size
// within its limits. A PDF file takes any size.
bool printerTakes(const QPrinter &printer, const QPageSize &size)
{
    if (!size.isValid())
        return false;
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return true;
    const QPrinterInfo info(printer);
    if (info.isNull())
        return false;
    for (const QPageSize &s : info.supportedPageSizes())
        if (s.isEquivalentTo(size))
            return true;
    if (!info.supportsCustomPageSizes())
        return false;
    const QSizeF want = size.size(QPageSize::Point);
    const QSizeF least = info.minimumPhysicalPageSize().size(QPageSize::Point);
    const QSizeF most = info.maximumPhysicalPageSize().size(QPageSize::Point);
    const bool limited = least.isValid() && most.isValid() && !most.isEmpty();
    return !limited || (want.width() >= least.width() - 0.5 && want.height() >= least.height() - 0.5
                        && want.width() <= most.width() + 0.5 && want.height() <= most.height() + 0.5);
}
}

QImage PrinterIcon()
{
    QImage icon(32, 32, QImage::Format_RGB32);
    icon.fill(QColor(240, 240, 240));
    QPainter p(&icon);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(9, 3, 13, 10);  // the sheet going in
    p.setBrush(QColor(150, 150, 160));
    p.drawRect(3, 12, 25, 12);  // the body
    p.setBrush(Qt::white);
    p.drawRect(8, 20, 15, 9);  // the sheet coming out
    p.setPen(QColor(0, 160, 0));
    p.drawPoint(25, 15);
    return icon;
}

AAPrintPicture::AAPrintPicture(SystemPrinters &printers, QWidget *parent)
    : QLabel(parent), m_printers(printers), m_icon(PrinterIcon())
{
    m_picture = m_icon;
    setPixmap(QPixmap::fromImage(m_icon));
    setFixedSize(m_icon.size());
}

void AAPrintPicture::setAlign(qint32 value) { m_look.align = value; changed(); }
void AAPrintPicture::setPicture(const QImage &value) { m_picture = value; changed(); }
void AAPrintPicture::setBackColor(const QColor &value) { m_look.backColor = value; changed(); }
void AAPrintPicture::setBorderColor(const QColor &value) { m_look.borderColor = value; changed(); }
void AAPrintPicture::setShowBorder(bool value) { m_look.showBorder = value; changed(); }
void AAPrintPicture::setDefultPrinter(const QString &value) { m_printerName = value; changed(); }
void AAPrintPicture::setPaperSize(qint32 value) { m_paperSize = value; changed(); }
void AAPrintPicture::setPaperWidth(qint16 value) { m_paperWidth = value; changed(); }
void AAPrintPicture::setPaperHeight(qint16 value) { m_paperHeight = value; changed(); }
void AAPrintPicture::setStretch(bool value) { m_look.stretch = value; changed(); }
void AAPrintPicture::setCopies(qint16 value) { m_copies = value; changed(); }

QVariantMap AAPrintPicture::WriteProperties() const
{
    QVariantMap bag;
    if (m_look.align != 4)
        bag.insert(QStringLiteral("Align"), m_look.align);
    if (m_picture != m_icon)
        bag.insert(QStringLiteral("Picture"), m_picture);
    if (m_look.backColor != QColor(Qt::white))
        bag.insert(QStringLiteral("BackColor"), m_look.backColor);
    if (m_look.borderColor != QColor(Qt::black))
        bag.insert(QStringLiteral("BorderColor"), m_look.borderColor);
    if (!m_look.showBorder)
        bag.insert(QStringLiteral("ShowBorder"), false);
    if (!m_printerName.isEmpty())
        bag.insert(QStringLiteral("Printer"), m_printerName);
    if (m_paperSize != PaperA4)
        bag.insert(QStringLiteral("PaperSize"), m_paperSize);
    if (m_paperWidth != 210)
        bag.insert(QStringLiteral("PaperWidth"), m_paperWidth);
    if (m_paperHeight != 297)
        bag.insert(QStringLiteral("PaperHeight"), m_paperHeight);
    if (m_look.stretch)
        bag.insert(QStringLiteral("Stretch"), true);
    if (m_copies != 1)
        bag.insert(QStringLiteral("Copies"), m_copies);
    return bag;
}

void AAPrintPicture::ReadProperties(const QVariantMap &bag)
{
    m_look.align = bag.value(QStringLiteral("Align"), 4).toInt();
    const QVariant picture = bag.value(QStringLiteral("Picture"));
    m_picture = picture.canConvert<QImage>() && !picture.value<QImage>().isNull() ? picture.value<QImage>() : m_icon;
    m_look.backColor = bag.value(QStringLiteral("BackColor"), QColor(Qt::white)).value<QColor>();
    m_look.borderColor = bag.value(QStringLiteral("BorderColor"), QColor(Qt::black)).value<QColor>();
    m_look.showBorder = bag.value(QStringLiteral("ShowBorder"), true).toBool();
    m_printerName = bag.value(QStringLiteral("Printer")).toString();
    m_paperSize = bag.value(QStringLiteral("PaperSize"), int(PaperA4)).toInt();
    m_paperWidth = qint16(bag.value(QStringLiteral("PaperWidth"), 210).toInt());
    m_paperHeight = qint16(bag.value(QStringLiteral("PaperHeight"), 297).toInt());
    m_look.stretch = bag.value(QStringLiteral("Stretch"), false).toBool();
    m_copies = qint16(bag.value(QStringLiteral("Copies"), 1).toInt());
    m_designChanged = false;
}

bool AAPrintPicture::fail(const QString &why)
{
    m_error = why;
    return false;
}

void AAPrintPicture::GetPaperWH(qint16 &intWidth, qint16 &intHeight) const
{
    ::GetPaperWH(m_paperSize, m_paperWidth, m_paperHeight, intWidth, intHeight);
}

bool AAPrintPicture::selectPrinter()
{
    m_error.clear();
    // The first installed printer of that exact name; otherwise the current printer stays.
    if (m_printers.installedPrinters().contains(m_printerName))
        m_printers.selectPrinter(m_printerName);
    if (!m_printers.currentIsUsable())
        return fail(QStringLiteral("no printer"));
    return true;
}

bool AAPrintPicture::GetPrinterMargin()
{
    if (!selectPrinter())
        return false;
    KeptPageLayout keep(m_printers.current());
    return readMargins();
}

bool AAPrintPicture::readMargins()
{
    QPrinter &printer = m_printers.current();
    if (m_paperSize >= PaperUser && m_paperSize <= PaperA3) {
        QPageSize size;
        switch (m_paperSize) {
        case PaperA5: size = QPageSize(QPageSize::A5); break;
        case PaperA4: size = QPageSize(QPageSize::A4); break;
        case PaperA3: size = QPageSize(QPageSize::A3); break;
        default:
            if (m_paperWidth > 0 && m_paperHeight > 0)
                size = QPageSize(QSizeF(m_paperWidth, m_paperHeight), QPageSize::Millimeter,
                                 QString(), QPageSize::ExactMatch);
            break;
        }
        if (!printerTakes(printer, size) || !printer.setPageSize(size))
            return fail(QStringLiteral("paper refused"));
    }
    // The paper sizes are given upright; another window may have left the printer landscape.
    printer.setPageOrientation(QPageLayout::Portrait);
    // The printable area is what the printer itself can reach, not a margin of our choosing.
    UseWholePrintableArea(printer);

    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect printable = printer.pageRect(QPrinter::DevicePixel).toRect();
    const int pw = paper.width(), ph = paper.height();
    const int ox = printable.x() - paper.x(), oy = printable.y() - paper.y();
    const int sw = printable.width(), sh = printable.height();
    m_margins.top = oy;
    m_margins.left = ox;
    m_margins.bottom = ph - (sh + m_margins.top);
    m_margins.right = pw - (sw + m_margins.left);
    m_printable = QSize(sw, sh);
    emit MarginReaded(m_margins.left, m_margins.top, m_margins.right, m_margins.bottom);
    return true;
}

bool AAPrintPicture::composePage(QImage &page)
{
    if (!readMargins())
        return false;
    qint16 w = 0, h = 0;
    GetPaperWH(w, h);
    if (w <= 0 || h <= 0) {
        // An unknown paper code leaves the size to the printer's own paper.
        const QSizeF mm = m_printers.current().pageLayout().fullRect(QPageLayout::Millimeter).size();
        w = qint16(std::lround(mm.width()));
        h = qint16(std::lround(mm.height()));
    }
    page = ::ComposePage(m_picture, PagePictureSize(w, h, m_margins, m_printers.current().resolution()), m_look);
    return true;
}

QImage AAPrintPicture::GetPreview()
{
    if (!selectPrinter())
        return {};
    KeptPageLayout keep(m_printers.current());
    QImage page;
    if (!composePage(page))
        return {};
    return page;
}

bool AAPrintPicture::PrintPicture()
{
    if (!selectPrinter())
        return false;
    QPrinter &printer = m_printers.current();
    KeptPageLayout keep(printer);
    QImage page;
    if (!composePage(page))
        return false;
    // The page picture is the printable area: it is printed over it from its corner, the
    // painter's origin, at the printer's own resolution.
    const QRectF area(QPointF(0, 0), QSizeF(m_printable));
    for (int copy = 0; copy < m_copies; ++copy) {
        if (!m_jobName.isEmpty())
            printer.setDocName(m_jobName);
        QPainter painter;
        if (!painter.begin(&printer))
            return fail(QStringLiteral("printer offline"));
        if (m_sharpDpi > 0 && m_look.stretch && !m_look.showBorder && !m_picture.isNull()) {
            // The picture is all there is on the page: it is drawn there directly, its
            // designed parts at the printer's resolution.
            if (m_look.backColor != QColor(Qt::white))
                painter.fillRect(area, m_look.backColor);
            SharpRaster raster;
            raster.dpi = qMin(m_sharpDpi, printer.resolution());
            raster.deviceDpiX = printer.resolution();
            raster.deviceDpiY = printer.resolution();
            raster.paperOrigin = -QPointF(printer.pageLayout().paintRectPixels(printer.resolution()).topLeft());
            PaintSharp(painter, SharpPicture(m_picture, m_sharpParts), PicturePlace(area.size(), m_picture.size(), m_look),
                       QRectF(m_picture.rect()), raster);
        } else {
            painter.setRenderHint(QPainter::LosslessImageRendering, true);
            painter.drawImage(area, page);
        }
        if (!painter.end())
            return fail(QStringLiteral("printer offline"));
        ++m_jobsPrinted;
    }
    return true;
}
