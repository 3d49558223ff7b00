#include "printing/deedprinting.h"

#include "printing/printerpage.h"

const std::vector<DeedPlacement> &DeedPagePlan()
{
    // Page 2 and the right block of page 3 start 135 twips lower; the right block starts
    // where the left block ends.
    static const std::vector<DeedPlacement> plan{
        {1, QRect(0, 0, 1056, 588), QRectF(0, 0, 16420, 10350)},
        {2, QRect(0, 588, 1056, 588), QRectF(0, 135, 16420, 10350)},
        {3, QRect(1056, 0, 420, 588), QRectF(90, 0, 6525, 10350)},
        {3, QRect(1056, 588, 420, 588), QRectF(6615, 135, 6525, 10350)},
    };
    return plan;
}

QSizeF DeedPlanSize()
{
    QRectF room;
    for (const DeedPlacement &p : DeedPagePlan())
        room |= p.destination;
    return QSizeF(room.right(), room.bottom());
}

bool PrintDeedSheets(PrinterPage &page, const SharpPicture &deedSheet)
{
    if (!page.setOrientation(QPageLayout::Landscape))
        return false;
    page.setPlanSize(DeedPlanSize());
    int current = 1;
    for (const DeedPlacement &p : DeedPagePlan()) {
        if (p.page != current) {
            if (!page.endPage())
                return false;
            current = p.page;
        }
        const QRectF source(p.sourcePixels.x() * PrinterPage::TwipsPerPixel,
                            p.sourcePixels.y() * PrinterPage::TwipsPerPixel,
                            p.sourcePixels.width() * PrinterPage::TwipsPerPixel,
                            p.sourcePixels.height() * PrinterPage::TwipsPerPixel);
        if (!page.placePicture(deedSheet, p.destination, source))
            return false;
    }
    return page.endDocument();
}
