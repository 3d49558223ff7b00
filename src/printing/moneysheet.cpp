#include "printing/moneysheet.h"

#include "printing/printerpage.h"

QRectF MoneySheetSlot(int row, int column)
{
    return QRectF(180 + 5670 * (column - 1), 180 + 3120 * (row - 1), 5430, 2850);
}

bool PrintMoneySheet(PrinterPage &page, const SharpPicture &note)
{
    if (!page.setOrientation(QPageLayout::Portrait))
        return false;
    page.setPlanSize(QSizeF(MoneySheetSlot(5, 2).right(), MoneySheetSlot(5, 2).bottom()));
    for (int row = 1; row <= 5; ++row)
        for (int column = 1; column <= 2; ++column)
            if (!page.placePicture(note, MoneySheetSlot(row, column)))
                return false;
    return page.endDocument();
}
