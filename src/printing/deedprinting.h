#pragma once
// The deed sheet on three landscape pages: five columns by two rows on pages 1 and 2, the last
// two columns of all four rows on page 3, printed a little larger than on screen.

#include "drawing/sharppicture.h"

#include <QImage>
#include <QRect>
#include <QRectF>
#include <vector>

class PrinterPage;

struct DeedPlacement {
    int page;             // 1..3
    QRect sourcePixels;   // of the deed sheet
    QRectF destination;   // twips of the printable area
};

// The page plan, in printing order.
const std::vector<DeedPlacement> &DeedPagePlan();
// The room the plan takes on every page: 16420 x 10485 twips (289.6 x 185 mm).
QSizeF DeedPlanSize();

// Prints the whole deed sheet; false as soon as a printer operation fails.
bool PrintDeedSheets(PrinterPage &page, const SharpPicture &deedSheet);
