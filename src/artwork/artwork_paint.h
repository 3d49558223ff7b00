#pragma once
// Small painting helpers shared by the artwork files.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QStringList>

namespace artwork {

constexpr double Pi = 3.14159265358979323846;

// Colours shared by the board, the overview and the small pictures.
const QColor SquareFill(246, 248, 239);      // an empty square, a corner
const QColor CentreLight(222, 240, 220);     // the middle of the board's centre
const QColor CentreDark(188, 221, 192);      // the rim of the board's centre
const QColor BannerRed(200, 28, 42);
const QColor BannerDarkRed(128, 14, 24);
const QColor Gold(236, 190, 60);
const QColor Ink(28, 32, 36);
// The ground of a composed square and of a deed: the special pictures stand on it, so that no
// lighter rectangle shows behind them.
const QColor SquareGround(225, 239, 217);


// Whether anything drawn inside `local` (the painter's current coordinates) can reach the
// picture being painted: a piece of the board skips what lies wholly outside it, which leaves
// its pixels exactly as they are and saves drawing the whole board for every piece.
inline bool Reaches(const QPainter &p, const QRectF &local)
{
    const QPaintDevice *device = p.device();
    if (!device)
        return true;
    const QRectF visible = p.transform().inverted().mapRect(QRectF(0, 0, device->width(), device->height()));
    return visible.intersects(local);
}

// Arial at a pixel size; Liberation Sans stands in for it on Linux.
inline QFont ArtFont(int pixelSize, bool bold = true)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    // Unhinted outlines are the same whatever the font engine drew before.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The largest font of at most maxPixelSize in which text fits maxWidth pixels.
inline QFont FittedFont(const QString &text, int maxPixelSize, qreal maxWidth, bool bold = true)
{
    QFont font = ArtFont(maxPixelSize, bold);
    for (int size = maxPixelSize; size > 6; --size) {
        font.setPixelSize(size);
        if (QFontMetricsF(font).horizontalAdvance(text) <= maxWidth)
            break;
    }
    return font;
}

inline QImage BlankImage(int width, int height, const QColor &fill)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

inline void SmoothPainter(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// Text centred on a point (horizontally and on its capital height), filled and outlined.
inline void OutlinedText(QPainter &p, const QString &text, const QFont &font, QPointF centre,
                         const QColor &fill, const QColor &outline, qreal outlineWidth)
{
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(text);
    const qreal capHeight = metrics.capHeight();
    QPainterPath path;
    path.addText(centre.x() - width / 2, centre.y() + capHeight / 2, font, text);
    p.save();
    p.setPen(QPen(outline, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

// Text in `box` like QPainter::drawText with Qt::AlignHCenter and Qt::AlignTop or
// Qt::AlignVCenter, lines split at '\n', filled in the pen's colour as outlines: outlines give
// the same pixels whatever was drawn before and wherever the picture is cut into pieces.
inline void ArtText(QPainter &p, const QRectF &box, int flags, const QString &text)
{
    const QFontMetricsF metrics(p.font());
    const QStringList lines = text.split(QLatin1Char('\n'));
    const qreal height = metrics.height() * lines.size();
    qreal top = (flags & Qt::AlignTop) ? box.top() : box.top() + (box.height() - height) / 2;
    QPainterPath path;
    for (const QString &line : lines) {
        path.addText(box.left() + (box.width() - metrics.horizontalAdvance(line)) / 2, top + metrics.ascent(),
                     p.font(), line);
        top += metrics.height();
    }
    p.save();
    p.setBrush(p.pen().color());
    p.setPen(Qt::NoPen);
    p.drawPath(path);
    p.restore();
}

// A tile with a 1-pixel black outline: neighbouring tiles share a crisp 2-pixel line.
inline void OutlinedTile(QPainter &p, const QRect &r, const QColor &fill)
{
    p.fillRect(r, Qt::black);
    p.fillRect(r.adjusted(1, 1, -1, -1), fill);
}

// The board's corners, each in its 280 x 280 square `r` (artwork_corners.cpp).
void DrawStartCorner(QPainter &p, const QRect &r);
void DrawJailCorner(QPainter &p, const QRect &r);
void DrawParkingCorner(QPainter &p, const QRect &r);
void DrawGoToJailCorner(QPainter &p, const QRect &r);

} // namespace artwork
