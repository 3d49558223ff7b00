#include "printing/boardassembly.h"

#include "model/algemeen.h"
#include "printing/boardsheets.h"
#include "printing/printerpage.h"
#include "printing/printouts.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr double PaperWidth = 210.0;
constexpr double PaperHeight = 297.0;
const QColor TrimColour(90, 90, 90);
const QColor StripColour(150, 150, 150);

double mm(int pixels) { return pixels / AssemblyPixelsPerMm; }

// Text `height` mm high in a box of millimetres. The painter stands in millimetres, fonts need
// whole units, so the text is set in tenths.
void text(QPainter &p, const QRectF &box, int flags, const QString &words, double height, bool bold = false)
{
    p.save();
    p.scale(0.1, 0.1);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(qMax(1, int(height * 10 + 0.5)));
    font.setBold(bold);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRectF(box.x() * 10, box.y() * 10, box.width() * 10, box.height() * 10), flags, words);
    p.restore();
}

QString columnName(int column) { return QString(QChar('A' + column)); }
QString tileName(int column, int row) { return columnName(column) + QString::number(row + 1); }

// The six tiles in a small grid of `cell` millimetres a tile, this sheet dark, glue strips
// grey on the edges that carry one.
void paintMap(QPainter &p, const QPointF &origin, QSizeF cell, int current)
{
    const auto tiles = AssemblyTiles();
    for (int i = 0; i < 6; ++i) {
        const AssemblyTile &t = tiles[i];
        const QRectF r(origin.x() + t.column * cell.width(), origin.y() + t.row * cell.height(),
                       cell.width(), cell.height());
        p.setPen(QPen(Qt::black, 0.2));
        p.setBrush(i == current ? QColor(60, 60, 60) : QColor(Qt::white));
        p.drawRect(r);
        const double strip = qMin(cell.width(), cell.height()) * 0.22;
        p.setBrush(StripColour);
        p.setPen(Qt::NoPen);
        if (t.stripRight)
            p.drawRect(QRectF(r.right() - strip, r.top(), strip, r.height()));
        if (t.stripBelow)
            p.drawRect(QRectF(r.left(), r.bottom() - strip, r.width(), strip));
        p.setBrush(Qt::NoBrush);
        p.save();
        p.scale(0.1, 0.1);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(int(cell.height() * 4.5));
        font.setBold(true);
        p.setFont(font);
        p.setPen(i == current ? Qt::white : Qt::black);
        p.drawText(QRectF(r.x() * 10, r.y() * 10, r.width() * 10, r.height() * 10), Qt::AlignCenter, t.label);
        p.restore();
    }
}
}

std::array<AssemblyTile, 6> AssemblyTiles()
{
    // Cells of 727, 727 and 726 pixels across and 1090 down: 2180 both ways.
    const int lefts[4] = {0, 727, 1454, BoardSize};
    const int tops[3] = {0, 1090, BoardSize};
    std::array<AssemblyTile, 6> tiles;
    for (int i = 0; i < 6; ++i) {
        AssemblyTile &t = tiles[i];
        t.column = i % 3;
        t.row = i / 3;
        t.label = tileName(t.column, t.row);
        t.cell = QRect(QPoint(lefts[t.column], tops[t.row]), QPoint(lefts[t.column + 1] - 1, tops[t.row + 1] - 1));
        t.stripRight = t.column < 2;
        t.stripBelow = t.row < 1;
        t.area = t.cell.adjusted(0, 0, t.stripRight ? GlueStripPixels : 0, t.stripBelow ? GlueStripPixels : 0);
        const double w = mm(t.area.width()), h = mm(t.area.height());
        t.paper = QRectF((PaperWidth - w) / 2, AssemblyTileTop, w, h);
    }
    return tiles;
}

QString AssemblySheetText(const AssemblyTile &tile)
{
    QStringList on, under;
    if (tile.column > 0)
        on << QStringLiteral("linkerrand op de plakrand van %1").arg(tileName(tile.column - 1, tile.row));
    if (tile.row > 0)
        on << QStringLiteral("bovenrand op de plakrand van %1").arg(tileName(tile.column, tile.row - 1));
    if (tile.stripRight)
        under << QStringLiteral("plakrand rechts gaat onder %1").arg(tileName(tile.column + 1, tile.row));
    if (tile.stripBelow)
        under << QStringLiteral("plakrand onder gaat onder %1").arg(tileName(tile.column, tile.row + 1));
    QString words = (on + under).join(QStringLiteral("; "));
    if (!words.isEmpty())
        words[0] = words[0].toUpper();
    return words + QLatin1Char('.');
}

void PaintAssemblySheetMarks(QPainter &p, const AssemblyTile &tile)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF r = tile.paper;
    // The trim line runs just outside the board: cut along it and it is gone.
    const double line = 0.2;
    p.setPen(QPen(TrimColour, line, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(-line / 2, -line / 2, line / 2, line / 2));

    // Where the neighbour's edge comes on a glue strip: ticks outside the tile and a word.
    p.setPen(QPen(TrimColour, 0.3, Qt::SolidLine, Qt::FlatCap));
    if (tile.stripRight) {
        const double x = r.left() + mm(tile.cell.width());
        p.drawLine(QPointF(x, r.top() - 3.5), QPointF(x, r.top() - 0.6));
        p.drawLine(QPointF(x, r.bottom() + 0.6), QPointF(x, r.bottom() + 3.5));
        text(p, QRectF(x, r.top() - 3.6, r.right() - x, 3.0), Qt::AlignCenter, QStringLiteral("lijm"), 1.8);
        text(p, QRectF(x, r.bottom() + 0.6, r.right() - x, 3.0), Qt::AlignCenter, QStringLiteral("lijm"), 1.8);
    }
    if (tile.stripBelow) {
        const double y = r.top() + mm(tile.cell.height());
        p.drawLine(QPointF(r.left() - 4.5, y), QPointF(r.left() - 0.6, y));
        p.drawLine(QPointF(r.right() + 0.6, y), QPointF(r.right() + 4.5, y));
        text(p, QRectF(r.left() - 8.5, y, 7.8, r.bottom() - y), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("lijm"), 1.8);
        text(p, QRectF(r.right() + 0.7, y, 7.8, r.bottom() - y), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("lijm"), 1.8);
    }

    // Below the tile: the label, what goes where, and the map.
    const double top = AssemblyTileTop + mm(1090 + GlueStripPixels) + 4.5;
    const double left = (PaperWidth - mm(727 + GlueStripPixels)) / 2;
    const double bottom = PaperHeight - AssemblyPaperMargin;
    text(p, QRectF(left, top, 22, bottom - top), Qt::AlignLeft | Qt::AlignVCenter, tile.label, 9.0, true);
    const QSizeF cell(8.0, 6.0);
    const double mapLeft = PaperWidth - left - 3 * cell.width();
    const double mapTop = top + (bottom - top - 2 * cell.height()) / 2;
    text(p, QRectF(left + 22, top + 0.5, mapLeft - left - 25, 4),
         Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Speelbord op ware grootte, blad %1 van zes").arg(tile.label), 3.0, true);
    text(p, QRectF(left + 22, top + 4.8, mapLeft - left - 25, bottom - top - 4.8),
         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
         QStringLiteral("Knip langs de dunne grijze lijn. %1").arg(AssemblySheetText(tile)), 2.5);
    const int index = tile.row * 3 + tile.column;
    paintMap(p, QPointF(mapLeft, mapTop), cell, index);
    p.restore();
}

void PaintAssemblyGuide(QPainter &p, const QImage &board)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setRenderHint(QPainter::LosslessImageRendering, true);  // a PDF would keep the miniature as JPEG
    const double left = 20, width = PaperWidth - 2 * left;
    text(p, QRectF(left, 14, width, 10), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Het speelbord op ware grootte in elkaar zetten"), 7.0, true);
    text(p, QRectF(left, 25, width, 6), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Zes bladen A4 worden samen een speelbord van 50,9 x 50,9 cm."), 4.0);

    // The six tiles in miniature, a little apart, their glue strips hatched.
    const double scale = 0.28, gap = 4.0;
    const auto tiles = AssemblyTiles();
    const double across = mm(BoardSize) * scale + 2 * gap;
    const double x0 = (PaperWidth - across) / 2, y0 = 38;
    const double sx = board.isNull() ? 1.0 : double(board.width()) / BoardSize;
    const double sy = board.isNull() ? 1.0 : double(board.height()) / BoardSize;
    for (const AssemblyTile &t : tiles) {
        const QRectF at(x0 + mm(t.cell.left()) * scale + t.column * gap, y0 + mm(t.cell.top()) * scale + t.row * gap,
                        mm(t.area.width()) * scale, mm(t.area.height()) * scale);
        if (!board.isNull())
            p.drawImage(at, board, QRectF(t.area.left() * sx, t.area.top() * sy, t.area.width() * sx, t.area.height() * sy));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 150));
        const double strip = mm(GlueStripPixels) * scale;
        if (t.stripRight)
            p.drawRect(QRectF(at.right() - strip, at.top(), strip, at.height()));
        if (t.stripBelow)
            p.drawRect(QRectF(at.left(), at.bottom() - strip, at.width() - (t.stripRight ? strip : 0), strip));
        p.setBrush(QBrush(QColor(60, 60, 60), Qt::BDiagPattern));
        if (t.stripRight)
            p.drawRect(QRectF(at.right() - strip, at.top(), strip, at.height()));
        if (t.stripBelow)
            p.drawRect(QRectF(at.left(), at.bottom() - strip, at.width() - (t.stripRight ? strip : 0), strip));
        p.setPen(QPen(TrimColour, 0.3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(at);
        const QRectF badge(at.left() + 3, at.top() + 3, 14, 9);
        p.setBrush(Qt::white);
        p.drawRoundedRect(badge, 1.5, 1.5);
        text(p, badge, Qt::AlignCenter, t.label, 6.0, true);
    }

    const double stepsTop = y0 + (mm(BoardSize) + mm(GlueStripPixels)) * scale + gap + 10;
    const QStringList steps = {
        QStringLiteral("Druk de zeven bladen af op ware grootte (100 %, niet \"passend maken\") en knip "
                       "elk speelbordblad uit langs de dunne grijze lijn rondom."),
        QStringLiteral("Leg de bladen neer zoals hierboven: A1, B1 en C1 boven, A2, B2 en C2 eronder. "
                       "Een plakrand (hierboven gearceerd, op het blad voorbij de streepjes bij \"lijm\") "
                       "gaat steeds onder het blad rechts ervan of eronder; "
                       "op elk blad staat wat waar hoort."),
        QStringLiteral("Smeer lijm op een plakrand en leg het buurblad erop, met zijn rand precies op de "
                       "streepjes bij \"lijm\". Plak eerst elke rij; leg dan de onderste rij op de plakranden "
                       "van de bovenste rij en druk de naden goed aan."),
    };
    double y = stepsTop;
    for (int i = 0; i < steps.size(); ++i) {
        text(p, QRectF(left, y, 10, 7), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("%1.").arg(i + 1), 4.5, true);
        text(p, QRectF(left + 10, y, width - 10, 22), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, steps[i], 4.0);
        y += 22;
    }
    p.restore();
}

QImage AssemblyPreview(const QImage &board, QSize size)
{
    QImage preview(size, QImage::Format_RGB32);
    preview.fill(Qt::white);
    const int side = qMin(size.width(), size.height()) - 8;
    if (side <= 0)
        return preview;
    const QRect at((size.width() - side) / 2, (size.height() - side) / 2, side, side);
    QPainter p(&preview);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (!board.isNull())
        p.drawImage(at, board);
    const double k = double(side) / BoardSize;
    auto scaled = [&](const QRect &r) {
        return QRectF(at.x() + r.x() * k, at.y() + r.y() * k, r.width() * k, r.height() * k);
    };
    for (const AssemblyTile &t : AssemblyTiles()) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 90, 90, 110));
        if (t.stripRight)
            p.drawRect(scaled(QRect(t.cell.right() + 1, t.area.top(), GlueStripPixels, t.area.height())));
        if (t.stripBelow)
            p.drawRect(scaled(QRect(t.cell.left(), t.cell.bottom() + 1, t.cell.width(), GlueStripPixels)));
        p.setPen(QPen(QColor(255, 0, 0), 1));
        p.setBrush(Qt::NoBrush);
        const QRect cell = scaled(t.cell).toRect();
        p.drawRect(cell.adjusted(0, 0, -1, -1));
        p.setPen(QColor(255, 0, 0));
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(11);
        font.setBold(true);
        p.setFont(font);
        p.drawText(cell.adjusted(3, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, t.label);
    }
    return preview;
}

bool PrintAssembledBoard(PrinterPage &page, const Algemeen &state)
{
    if (!page.setOrientation(QPageLayout::Portrait))
        return false;
    const QImage &pixels = state.pictures.Speelbord;
    if (!page.paintOnPaper([&](QPainter &p) { PaintAssemblyGuide(p, pixels); }))
        return false;
    const SharpPicture board = BoardToPrint(state, page.sharpResolution() > 0);
    const double sx = pixels.isNull() ? 1.0 : double(pixels.width()) / BoardSize;
    const double sy = pixels.isNull() ? 1.0 : double(pixels.height()) / BoardSize;
    for (const AssemblyTile &tile : AssemblyTiles()) {
        if (!page.endPage())
            return false;
        const double t = PrinterPage::TwipsPerPixel;
        const QRectF source(tile.area.left() * sx * t, tile.area.top() * sy * t, tile.area.width() * sx * t,
                            tile.area.height() * sy * t);
        if (!pixels.isNull() && !page.placePicture(board, page.paperToPage(tile.paper), source))
            return false;
        if (!page.paintOnPaper([&](QPainter &p) { PaintAssemblySheetMarks(p, tile); }))
            return false;
    }
    return page.endDocument();
}
