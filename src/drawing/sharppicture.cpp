#include "drawing/sharppicture.h"

#include <QRegion>
#include <QThread>
#include <atomic>
#include <cmath>
#include <future>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>

QImage RenderScaled(QSize logical, QSize size, const std::function<void(QPainter &)> &draw)
{
    QImage out(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (size != logical)
        p.scale(double(size.width()) / logical.width(), double(size.height()) / logical.height());
    draw(p);
    return out;
}

namespace {
// Whether `drawn` (any format) equals `pixels` (RGB32) over `area`, colour for colour.
bool samePixels(const QImage &drawn, const QImage &pixels, const QRect &area)
{
    if (drawn.size() != area.size() || !pixels.rect().contains(area))
        return false;
    const QImage a32 = drawn.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < a32.height(); ++y) {
        const QRgb *a = reinterpret_cast<const QRgb *>(a32.constScanLine(y));
        const QRgb *b = reinterpret_cast<const QRgb *>(pixels.constScanLine(area.y() + y)) + area.x();
        for (int x = 0; x < a32.width(); ++x)
            if ((a[x] ^ b[x]) & 0xffffff)
                return false;
    }
    return true;
}
}

SharpPicture KeepFaithfulParts(SharpPicture picture)
{
    std::vector<SharpPart> kept;
    const QImage pixels = picture.pixels.convertToFormat(QImage::Format_RGB32);
    for (SharpPart &part : picture.parts) {
        if (part.area.isEmpty() || !pixels.rect().contains(part.area) || !part.render)
            continue;
        if (samePixels(part.render(part.area.size()), pixels, part.area))
            kept.push_back(std::move(part));
    }
    picture.parts = std::move(kept);
    return picture;
}

void RememberRenders(SharpPicture &picture)
{
    for (SharpPart &part : picture.parts) {
        auto drawn = std::make_shared<std::map<std::pair<int, int>, QImage>>();
        auto mutex = std::make_shared<std::mutex>();
        part.render = [render = part.render, drawn, mutex](QSize size) {
            const std::pair<int, int> key(size.width(), size.height());
            {
                const std::lock_guard<std::mutex> lock(*mutex);
                const auto found = drawn->find(key);
                if (found != drawn->end())
                    return found->second;
            }
            const QImage image = render(size);
            const std::lock_guard<std::mutex> lock(*mutex);
            drawn->emplace(key, image);
            return image;
        };
    }
}

StripArt FaithfulStripArt(const QImage &strip, QSize cell, int count,
                          std::function<QImage(int k, QSize size)> draw)
{
    enum class Kind { Unknown, Faithful, Changed };
    struct Shared {
        QImage strip;
        std::function<QImage(int, QSize)> draw;
        std::vector<Kind> kinds;
        std::map<std::tuple<int, int, int>, QImage> drawn;  // by picture, width and height
        std::mutex mutex;
    };
    auto shared = std::make_shared<Shared>();
    shared->strip = strip.convertToFormat(QImage::Format_RGB32);
    shared->draw = std::move(draw);
    shared->kinds.assign(size_t(qMax(count, 0)), Kind::Unknown);
    return [shared, cell](QPainter &p, int k, const QRectF &target) {
        {
            const std::lock_guard<std::mutex> lock(shared->mutex);
            if (k < 0 || k >= int(shared->kinds.size()))
                return false;
            Kind &kind = shared->kinds[size_t(k)];
            if (kind == Kind::Unknown) {
                const QImage own = shared->draw(k, cell);
                kind = samePixels(own, shared->strip, QRect(QPoint(0, k * cell.height()), cell)) ? Kind::Faithful
                                                                                                : Kind::Changed;
                if (kind == Kind::Faithful)
                    shared->drawn.emplace(std::make_tuple(k, cell.width(), cell.height()), own);
            }
            if (kind == Kind::Changed)
                return false;
        }
        DrawOnDevicePixels(p, target, [&](QSize size) {
            const auto key = std::make_tuple(k, size.width(), size.height());
            {
                const std::lock_guard<std::mutex> lock(shared->mutex);
                const auto found = shared->drawn.find(key);
                if (found != shared->drawn.end())
                    return found->second;
            }
            const QImage image = shared->draw(k, size);
            const std::lock_guard<std::mutex> lock(shared->mutex);
            shared->drawn.emplace(key, image);
            return image;
        });
        return true;
    };
}

void DrawOnDevicePixels(QPainter &p, const QRectF &target, const std::function<QImage(QSize size)> &render)
{
    const QTransform world = p.worldTransform();
    if (world.type() > QTransform::TxScale || world.m11() < 0 || world.m22() < 0) {
        // Turned, mirrored or slanted: drawn at the target's own size and turned by the painter.
        p.drawImage(target, render(target.size().toSize()));
        return;
    }
    const QRectF on = world.mapRect(target);
    const QPoint topLeft(int(std::lround(on.left())), int(std::lround(on.top())));
    const QPoint end(int(std::lround(on.right())), int(std::lround(on.bottom())));
    const QSize size(end.x() - topLeft.x(), end.y() - topLeft.y());
    if (size.isEmpty())
        return;
    p.save();
    p.resetTransform();
    p.drawImage(topLeft, render(size));
    p.restore();
}

std::vector<SharpPart> MovedParts(const std::vector<SharpPart> &parts, QPoint offset)
{
    std::vector<SharpPart> moved = parts;
    for (SharpPart &part : moved)
        part.area.translate(offset);
    return moved;
}

namespace {
std::atomic<int> drawingThreads{0};
thread_local bool countedAsDrawing = false;
}

BusyDrawing::BusyDrawing()
{
    if (!countedAsDrawing) {
        countedAsDrawing = m_counted = true;
        ++drawingThreads;
    }
}

BusyDrawing::~BusyDrawing()
{
    if (m_counted) {
        countedAsDrawing = false;
        --drawingThreads;
    }
}

void PaintSharp(QPainter &painter, const SharpPicture &picture, const QRectF &target,
                const QRectF &source, const SharpRaster &raster)
{
    painter.save();
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    if (raster.dpi <= 0 || source.isEmpty() || target.isEmpty()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(target, picture.pixels, source);
        painter.restore();
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);

    // The target on the raster grid of the paper, rounded to whole raster pixels.
    const double kx = raster.dpi / raster.deviceDpiX;
    const double ky = raster.dpi / raster.deviceDpiY;
    const double tx0 = (target.left() - raster.paperOrigin.x()) * kx;
    const double ty0 = (target.top() - raster.paperOrigin.y()) * ky;
    const double tx1 = (target.right() - raster.paperOrigin.x()) * kx;
    const double ty1 = (target.bottom() - raster.paperOrigin.y()) * ky;
    const int rx0 = int(std::lround(tx0)), rx1 = int(std::lround(tx1));
    const int ry0 = int(std::lround(ty0)), ry1 = int(std::lround(ty1));
    const int width = rx1 - rx0, height = ry1 - ry0;
    if (width <= 0 || height <= 0) {
        painter.restore();
        return;
    }
    // Source pixel u lands on raster column X(u); likewise rows.
    const double sx = (tx1 - tx0) / source.width();
    const double sy = (ty1 - ty0) / source.height();
    auto columnOf = [&](double u) { return tx0 + (u - source.left()) * sx - rx0; };
    auto rowOf = [&](double v) { return ty0 + (v - source.top()) * sy - ry0; };

    // The parts that reach into the source, with their place on the raster.
    struct Placed {
        const SharpPart *part;
        QRect at;
    };
    std::vector<Placed> placed;
    for (const SharpPart &part : picture.parts) {
        if (!QRectF(part.area).intersects(source))
            continue;
        // A part's size on the raster depends on the scale alone, not on where it lies, so that
        // the same part on two sheets (or a note ten times on one) is the same picture, drawn
        // and stored once. Rounded up, it reaches at least to where its neighbour begins: the
        // parts meet without a seam, overlapping by a raster pixel at most.
        const int x0 = int(std::lround(columnOf(part.area.left())));
        const int y0 = int(std::lround(rowOf(part.area.top())));
        const int w = int(std::ceil(part.area.width() * sx - 1e-6));
        const int h = int(std::ceil(part.area.height() * sy - 1e-6));
        if (w > 0 && h > 0)
            placed.push_back({&part, QRect(x0, y0, w, h)});
    }

    // The parts are drawn before anything reaches the page, on a second core too when one is
    // free.
    std::vector<QImage> drawn(placed.size());
    std::atomic<size_t> next{0};
    auto drawAll = [&] {
        for (size_t i = next++; i < placed.size(); i = next++)
            drawn[i] = placed[i].part->render(placed[i].at.size());
    };
    {
        const BusyDrawing self;
        std::future<void> other;
        if (placed.size() > 1 && drawingThreads.load() < qMax(1, QThread::idealThreadCount()))
            other = std::async(std::launch::async, [&] {
                const BusyDrawing helper;
                drawAll();
            });
        drawAll();
        if (other.valid())
            other.get();
    }

    // The pixels first, smoothly scaled, unless the parts cover every one of them; then each
    // part over them on the raster grid, kept inside the target.
    QRegion covered;
    for (const Placed &pl : placed)
        covered += pl.part->area;
    const QRect needed = source.toAlignedRect() & picture.pixels.rect();
    if (!QRegion(needed).subtracted(covered).isEmpty()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(target, picture.pixels, source);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    }
    painter.setClipRect(target, Qt::IntersectClip);
    for (size_t i = 0; i < placed.size(); ++i) {
        const QRect &at = placed[i].at;
        const QRectF where(raster.paperOrigin.x() + (rx0 + at.x()) / kx, raster.paperOrigin.y() + (ry0 + at.y()) / ky,
                           at.width() / kx, at.height() / ky);
        painter.drawImage(where, drawn[i]);
        drawn[i] = QImage();
    }
    painter.restore();
}
