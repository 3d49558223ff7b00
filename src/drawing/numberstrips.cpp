#include "drawing/numberstrips.h"

#include "model/boardrules.h"
#include "drawing/fonts.h"

#include <QPainter>

QSize NumberStripSize(NumberStrip strip)
{
    // 6180 x 300 twips for the strips above and below, 315 x 6180 for the side strips.
    return (strip == NumberStrip::Above || strip == NumberStrip::Below) ? QSize(412, 20)
                                                                         : QSize(21, 412);
}

QImage DrawNumberStrip(NumberStrip strip, const RgbColour &background)
{
    const QColor bg(background.red, background.green, background.blue);
    QImage image(NumberStripSize(strip), QImage::Format_RGB32);
    image.fill(bg);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(ArialFont(8.0, true));
    const int ascent = p.fontMetrics().ascent();

    // Each number's top-left corner in twips, in the strip's drawing order.
    auto draw = [&](int n, int xTwips, int yTwips) {
        p.setPen(IsCardSquare(n) ? bg : QColor(Qt::black));
        // Numbers are printed with one blank before them for the sign.
        p.drawText(QPointF(xTwips / 15.0, yTwips / 15.0 + ascent), QStringLiteral(" %1").arg(n));
    };
    switch (strip) {
    case NumberStrip::Above:
        for (int n = 1; n <= 9; ++n) draw(n, 1050 + 480 * (n - 1), 15);
        break;
    case NumberStrip::Right:
        for (int n = 10; n <= 18; ++n) draw(n, -15, 1065 + 480 * (n - 10));
        break;
    case NumberStrip::Below:
        for (int n = 27; n >= 19; --n) draw(n, 1020 + 480 * (27 - n), 15);
        break;
    case NumberStrip::Left:
        for (int n = 36; n >= 28; --n) draw(n, -15, 1065 + 480 * (36 - n));
        break;
    }
    return image;
}
