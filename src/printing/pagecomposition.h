#pragma once
// How the print-picture control lays one picture on one page: the paper sizes, the page
// picture's size after the printer's margins, the nine alignments, stretching and the border.
// Pure drawing: the printer itself is reached by AAPrintPicture.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRectF>
#include <QSize>

// Paper sizes: 0 user-defined, 1 A5, 2 A4, 3 A3.
enum PaperSizeCode : qint32 { PaperUser = 0, PaperA5 = 1, PaperA4 = 2, PaperA3 = 3 };

// The paper's width and height in millimetres for `paperSize`; user-defined paper takes
// `paperWidth` x `paperHeight`. For a code outside 0..3 the two results are left unchanged.
void GetPaperWH(qint32 paperSize, qint16 paperWidth, qint16 paperHeight, qint16 &intWidth,
                qint16 &intHeight);

// The printer's margins in device pixels: the distance of the printable area from each edge.
struct PrinterMargins {
    qint32 left = 0;
    qint32 top = 0;
    qint32 right = 0;
    qint32 bottom = 0;
};

// The page picture's size in screen pixels: the paper less the margins, which are device
// pixels of a printer printing at `dpi` dots per inch. This is the printable area, so the page
// picture printed at its own size fills it whatever the resolution. Never less than 1 x 1.
QSize PagePictureSize(qint16 paperWidthMm, qint16 paperHeightMm, const PrinterMargins &margins, int dpi);

// Where a picture of `picture` pixels goes on a page picture of `page` pixels for alignment
// 0..8 (0 top left, 4 centre, 8 bottom right; any other value top left). Negative when the
// picture is larger than the page.
QPoint AlignedOffset(qint32 align, QSize page, QSize picture);

struct PageLook {
    qint32 align = 4;
    bool stretch = false;
    // With `stretch`: the picture as large as the page allows at one scale across and down,
    // placed by `align` in the room left over.
    bool keepProportions = false;
    QColor backColor = Qt::white;
    bool showBorder = true;
    QColor borderColor = Qt::black;
};

// Where a picture of `picture` pixels lands on a page of `page` (in any unit of which the
// picture's pixels are the same unit when not stretched): stretched over the whole page, fitted
// at one scale, or at its aligned place at its own size.
QRectF PicturePlace(QSizeF page, QSize picture, const PageLook &look);

// The composed page: `page` pixels of the background colour, the picture at PicturePlace (cut
// off at the edges), and the border, one pixel wide, around the picture's own size at its
// aligned place (also when the picture is stretched).
QImage ComposePage(const QImage &picture, QSize page, const PageLook &look);
