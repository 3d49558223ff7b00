#pragma once
// The page model the sheet printers draw on: twips (1440 to the inch) from the top-left corner
// of the printable area, pictures placed by destination and source rectangle, pages ended
// explicitly. It paints on any paged device: a system printer or a PDF writer.

#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <functional>

#include "drawing/sharppicture.h"

class QPagedPaintDevice;

class PrinterPage
{
public:
    static constexpr double TwipsPerInch = 1440.0;
    static constexpr double TwipsPerPixel = 15.0;  // a screen pixel of a source picture

    // `device` must outlive the page model. `ready` false means the device cannot print
    // (no printer installed): every operation then fails.
    explicit PrinterPage(QPagedPaintDevice *device, bool ready = true);
    ~PrinterPage();

    // Sets the orientation of the following sheets.
    bool setOrientation(QPageLayout::Orientation orientation);
    // The room the sheet printer's page plan takes, in twips from the printable area's corner,
    // given before the first picture. When the printable area is smaller, every sheet of the job
    // is scaled down by the one factor that fits the plan, about that corner: never cut.
    void setPlanSize(QSizeF twips) { m_plan = twips; }
    // The factor the plan is printed at: 1, or less when it had to be scaled down.
    double planScale() const { return m_scale; }
    // Copies `source` (twips of the picture, 15 to a pixel) of `picture` into `destination`
    // (twips of the page), scaled separately in x and y; the pixels replace what is below.
    bool placePicture(const QImage &picture, const QRectF &destination, const QRectF &source);
    // The whole picture into `destination`.
    bool placePicture(const QImage &picture, const QRectF &destination);
    // The same for a picture with its drawing: at the sharp resolution its faithful parts are
    // drawn anew at that resolution, the rest comes from the pixels, smoothly scaled.
    bool placePicture(const SharpPicture &picture, const QRectF &destination, const QRectF &source);
    bool placePicture(const SharpPicture &picture, const QRectF &destination);

    // Draws on the current sheet with `painter` in millimetres from the paper's own top-left
    // corner, whatever the printer's margins; what falls outside the printable area is lost.
    bool paintOnPaper(const std::function<void(QPainter &)> &draw);
    // A rectangle in millimetres of the paper in twips of the page, for placePicture.
    QRectF paperToPage(const QRectF &millimetres) const;

    // The resolution sharp pictures are drawn at, in dots per inch; 0 prints every picture
    // from its pixels as the screen shows them. Nothing is ever compressed with loss.
    void setSharpResolution(int dpi) { m_sharpDpi = dpi; }
    int sharpResolution() const { return m_sharpDpi; }
    // Ends the current sheet; an end of page directly before the end of the document makes
    // no empty sheet.
    bool endPage();
    // Ends the job and hands it to the spooler.
    bool endDocument();

    // The size of the printable area of the current sheet, in twips.
    QSizeF printableAreaTwips() const;

    int pagesStarted() const { return m_pages; }
    bool failed() const { return m_failed; }

private:
    bool begin();
    bool fail();

    QPagedPaintDevice *m_device;
    QPainter m_painter;
    bool m_ready;
    bool m_failed = false;
    bool m_pageEnded = false;  // an end of page waits for more output
    int m_pages = 0;
    int m_sharpDpi = 0;
    QSizeF m_plan;
    double m_scale = 1.0;
};
