#include "printing/boardsheets.h"

#include <QPainter>

QImage ComposeSixSheets(const QImage &speelbord)
{
    QImage sheets(SixSheetWidth, SixSheetHeight, QImage::Format_RGB32);
    sheets.fill(Qt::white);
    if (speelbord.isNull())
        return sheets;
    QPainter p(&sheets);
    p.setRenderHint(QPainter::SmoothPixmapTransform, speelbord.size() != BoardArea().size());
    p.drawImage(BoardArea(), speelbord);
    return sheets;
}

QRect SheetArea(int sheet)
{
    if (sheet < 1 || sheet > 6)
        return {};
    const int i = sheet - 1;
    return QRect((i % 3) * SheetWidth, (i / 3) * SheetHeight, SheetWidth, SheetHeight);
}

double SixSheetBoardSide(QSizeF printable)
{
    if (printable.isEmpty())
        return 0;
    return BoardSize * qMin(printable.width() / SheetWidth, printable.height() / SheetHeight);
}

int SixSheetAlign(int sheet)
{
    const int i = qBound(1, sheet, 6) - 1;
    const int across = 2 - i % 3;           // right, centre, left
    const int down = i / 3 == 0 ? 2 : 0;    // bottom, top
    return down * 3 + across;
}

std::array<QImage, 6> TileBoard(const QImage &sixSheets)
{
    std::array<QImage, 6> sheets;
    // Walk across the top row, then the bottom row.
    int x = 0, y = 0;
    for (int i = 0; i < 6; ++i) {
        QImage sheet(SheetWidth, SheetHeight, QImage::Format_RGB32);
        sheet.fill(Qt::white);
        {
            QPainter p(&sheet);
            p.drawImage(QPoint(0, 0), sixSheets, QRect(x, y, SheetWidth, SheetHeight));
        }
        sheets[i] = sheet;
        x += SheetWidth;
        if (x > 1900) {
            y += SheetHeight;
            x = 0;
        }
    }
    return sheets;
}
