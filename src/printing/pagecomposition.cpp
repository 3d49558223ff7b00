#include "printing/pagecomposition.h"

#include <QPainter>
#include <cmath>

void GetPaperWH(qint32 paperSize, qint16 paperWidth, qint16 paperHeight, qint16 &intWidth,
                qint16 &intHeight)
{
    switch (paperSize) {
    case PaperUser:
        intWidth = paperWidth;
        intHeight = paperHeight;
        break;
    case PaperA5:
        intWidth = 148;
        intHeight = 210;
        break;
    case PaperA4:
        intWidth = 210;
        intHeight = 297;
        break;
    case PaperA3:
        intWidth = 297;
        intHeight = 420;
        break;
    default:
        break;
    }
}

QSize PagePictureSize(qint16 paperWidthMm, qint16 paperHeightMm, const PrinterMargins &margins, int dpi)
{
    const double screenPerDevice = 96.0 / (dpi > 0 ? dpi : 96);
    const double w = paperWidthMm * 96.0 / 25.4 - (double(margins.left) + margins.right) * screenPerDevice;
    const double h = paperHeightMm * 96.0 / 25.4 - (double(margins.top) + margins.bottom) * screenPerDevice;
    return QSize(qMax(1, int(std::lround(w))), qMax(1, int(std::lround(h))));
}

static int floorHalf(int v)
{
    return v >= 0 ? v / 2 : -((-v + 1) / 2);
}

QPoint AlignedOffset(qint32 align, QSize page, QSize picture)
{
    if (align < 0 || align > 8)
        return QPoint(0, 0);
    const int dx = page.width() - picture.width();
    const int dy = page.height() - picture.height();
    int x = 0, y = 0;
    switch (align % 3) {
    case 1: x = floorHalf(dx); break;
    case 2: x = dx; break;
    default: break;
    }
    switch (align / 3) {
    case 1: y = floorHalf(dy); break;
    case 2: y = dy; break;
    default: break;
    }
    return QPoint(x, y);
}

QRectF PicturePlace(QSizeF page, QSize picture, const PageLook &look)
{
    if (!look.stretch) {
        const QPoint at = AlignedOffset(look.align, page.toSize(), picture);
        return QRectF(at, QSizeF(picture));
    }
    if (!look.keepProportions || picture.isEmpty())
        return QRectF(QPointF(0, 0), page);
    const double scale = qMin(page.width() / picture.width(), page.height() / picture.height());
    const QSizeF size(picture.width() * scale, picture.height() * scale);
    const double dx = page.width() - size.width(), dy = page.height() - size.height();
    const int align = look.align >= 0 && look.align <= 8 ? look.align : 0;
    const double x = align % 3 == 1 ? dx / 2 : align % 3 == 2 ? dx : 0;
    const double y = align / 3 == 1 ? dy / 2 : align / 3 == 2 ? dy : 0;
    return QRectF(QPointF(x, y), size);
}

QImage ComposePage(const QImage &picture, QSize page, const PageLook &look)
{
    QImage out(page, QImage::Format_RGB32);
    out.fill(look.backColor);
    const QPoint at = AlignedOffset(look.align, page, picture.size());
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (!picture.isNull())
        p.drawImage(PicturePlace(QSizeF(page), picture.size(), look), picture);
    if (look.showBorder) {
        p.setPen(QPen(look.borderColor, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(at.x(), at.y(), picture.width(), picture.height());
    }
    return out;
}
