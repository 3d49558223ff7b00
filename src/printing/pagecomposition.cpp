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

int MillimetresToPixels(double millimetres)
{
    return int(std::lround(millimetres * 96.0 / 25.4));
}

QSize PagePictureSize(qint16 paperWidthMm, qint16 paperHeightMm, const PrinterMargins &margins)
{
    const double w = MillimetresToPixels(paperWidthMm) - (double(margins.left) + margins.right) / 4.0;
    const double h = MillimetresToPixels(paperHeightMm) - (double(margins.top) + margins.bottom) / 4.0;
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

QImage ComposePage(const QImage &picture, QSize page, const PageLook &look)
{
    QImage out(page, QImage::Format_RGB32);
    out.fill(look.backColor);
    const QPoint at = AlignedOffset(look.align, page, picture.size());
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (!picture.isNull()) {
        if (look.stretch)
            p.drawImage(QRect(QPoint(0, 0), page), picture);
        else
            p.drawImage(at, picture);
    }
    if (look.showBorder) {
        p.setPen(QPen(look.borderColor, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(at.x(), at.y(), picture.width(), picture.height());
    }
    return out;
}
