#pragma once
// A printed picture that keeps, beside its pixels, the drawing that made parts of it, so that
// a printer or a PDF page gets those parts drawn again at its own resolution by the very
// routines that drew the screen picture. A part is only kept when its drawing at screen size
// gives exactly the pixels the picture holds there; everything else prints from the pixels.

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRectF>
#include <functional>
#include <vector>

// One area of a picture and the drawing that makes it at any size.
struct SharpPart {
    QRect area;                                     // pixels of the picture
    std::function<QImage(QSize size)> render;       // the area drawn into `size` pixels
};

struct SharpPicture {
    SharpPicture(QImage picture = QImage(), std::vector<SharpPart> drawn = {})
        : pixels(std::move(picture)), parts(std::move(drawn)) {}
    QImage pixels;
    std::vector<SharpPart> parts;
};

// Draws `draw` (which paints a picture of `logical` pixels from its top-left corner) into a
// picture of `size` pixels, scaled in x and y. At `size` == `logical` this is the screen
// picture itself.
QImage RenderScaled(QSize logical, QSize size, const std::function<void(QPainter &)> &draw);

// The parts whose drawing at screen size equals `picture`'s pixels over their area, pixel for
// pixel; parts that reach outside the picture or do not match are dropped.
SharpPicture KeepFaithfulParts(SharpPicture picture);

// Makes each part keep what it drew, by size, so that a part printed again at the same size
// (a note ten times on a sheet, a part of the board on two sheets) is drawn only once.
void RememberRenders(SharpPicture &picture);

// Picture k of a strip of pictures (one below the other) drawn anew over `target`, in the
// coordinates of `p`, at the resolution of p's device, by the code that drew the strip. False
// when it leaves that picture to the caller, who copies the strip's pixels as the screen does.
using StripArt = std::function<bool(QPainter &p, int k, const QRectF &target)>;

// The art of a strip of `count` pictures of `cell` pixels: `draw(k, size)` draws picture k
// into `size` pixels. A picture is drawn anew only where the strip holds exactly what `draw`
// gives at `cell`; each picture is compared once, the first time it is asked for, and each
// picture drawn at a size is kept for the next part that asks for it at that size.
StripArt FaithfulStripArt(const QImage &strip, QSize cell, int count,
                          std::function<QImage(int k, QSize size)> draw);

// Draws `render(size)`, a picture drawn for `size` pixels, over `target` (coordinates of `p`)
// on the device pixels the target covers, rounded to whole pixels, so that it is neither
// stretched nor blurred. On an unscaled painter this is a plain copy.
void DrawOnDevicePixels(QPainter &p, const QRectF &target, const std::function<QImage(QSize size)> &render);

// The same parts moved by `offset` pixels, for a picture cut out of a larger one.
std::vector<SharpPart> MovedParts(const std::vector<SharpPart> &parts, QPoint offset);

// Marks the calling thread, for as long as it lives, as one that draws pages. PaintSharp draws
// on a second thread only while fewer threads than cores draw: documents printed side by side
// keep the cores busy already, and more threads than cores only slow each other down.
class BusyDrawing
{
public:
    BusyDrawing();
    ~BusyDrawing();
    BusyDrawing(const BusyDrawing &) = delete;
    BusyDrawing &operator=(const BusyDrawing &) = delete;

private:
    bool m_counted = false;
};

// How a sharp picture reaches a page: the raster resolution of the redrawn parts, and where
// the paper's own top-left corner lies in the painter's device coordinates, so that the raster
// falls on the paper's grid.
struct SharpRaster {
    int dpi = 300;               // 0: print from the pixels alone, as the screen shows them
    double deviceDpiX = 96;
    double deviceDpiY = 96;
    QPointF paperOrigin;         // device coordinates of the paper's top-left corner
};

// Paints `source` (pixels of `picture`) into `target` (device coordinates of `painter`). With a
// raster resolution the pixels go in smoothly scaled (left out where the parts cover them all) and
// each part in reach is drawn anew, on two threads, as a
// picture of that resolution over them, on the paper's raster grid, so that neighbouring parts
// meet without a seam. Without, the pixels are stretched as they are. Either way no picture is
// compressed with loss.
void PaintSharp(QPainter &painter, const SharpPicture &picture, const QRectF &target,
                const QRectF &source, const SharpRaster &raster);
