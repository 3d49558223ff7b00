// vastgoed-datagen OUTDIR: draws the Data pictures the program reads at startup.
// vastgoed-datagen --icons OUTDIR: draws the program's icon as OUTDIR/SIZExSIZE/apps/vastgoed-atelier.png
// (the hicolor theme's layout) at 48, 128 and 256 pixels.
// Each file is written whole or not at all, so an interrupted build never leaves a
// truncated picture behind.

#include "model/algemeen.h"
#include "model/defaultcontent.h"
#include "artwork/artwork.h"
#include "drawing/squaredesign.h"
#include "drawing/banknoteart.h"
#include "drawing/deedsheet.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QString>

#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

bool WritePicture(const QString &path, const QImage &image, QString *error)
{
    if (image.isNull()) {
        *error = QStringLiteral("the picture could not be drawn");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (!image.save(&file, "PNG")) {
        file.cancelWriting();
        *error = QStringLiteral("the PNG could not be written");
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

// The default board as the program composes it.
QImage DefaultBoard()
{
    Algemeen design;
    LoadDefaultContent(design);
    const SquarePictures pictures{DrawStationStrip(), DrawWaterWorks(), DrawExtraTax(),
                                  DrawIncomeTax(), DrawElectricity()};
    QImage board = ComposeDefaultBoard(DrawBoardTemplate(), design, pictures);
    PlaceCardSquares(board);
    return board;
}

// The icon: the default board, with the money bag large in its middle so it still reads at
// 48 pixels, on a transparent ground with rounded corners.
QImage DrawIcon(const QImage &board, int size)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF area(size * 0.03, size * 0.03, size * 0.94, size * 0.94);
    QPainterPath rounded;
    rounded.addRoundedRect(area, size * 0.08, size * 0.08);
    p.setClipPath(rounded);
    p.drawImage(area, board.scaled(area.size().toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    p.setClipping(false);
    const QImage bag = DrawIncomeTax();
    const QRectF middle(size * 0.24, size * 0.24, size * 0.52, size * 0.52);
    p.drawImage(middle, bag.scaled(middle.size().toSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return icon;
}

int WriteIcons(const QString &outDir)
{
    const QImage board = DefaultBoard();
    for (const int size : {48, 128, 256}) {
        const QString folder = QDir(outDir).filePath(QStringLiteral("%1x%1/apps").arg(size));
        const QString path = QDir(folder).filePath(QStringLiteral("vastgoed-atelier.png"));
        QString error;
        if (!QDir().mkpath(folder) || !WritePicture(path, DrawIcon(board, size), &error)) {
            std::fprintf(stderr, "vastgoed-datagen: %s: %s\n", qPrintable(QDir::toNativeSeparators(path)),
                         qPrintable(error.isEmpty() ? QStringLiteral("the folder cannot be made") : error));
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == QLatin1String("--icons"))
        return WriteIcons(args.at(2));
    if (args.size() != 2) {
        std::fprintf(stderr, "Gebruik: vastgoed-datagen UITVOERMAP\n");
        return 2;
    }
    const QString outDir = args.at(1);
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "vastgoed-datagen: kan de map %s niet maken\n",
                     qPrintable(QDir::toNativeSeparators(outDir)));
        return 1;
    }

    const std::vector<std::pair<QString, std::function<QImage()>>> pictures = {
        // The board comes with the default design, composed and placed by the program itself,
        // and the six card squares.
        {QStringLiteral("Data-1.vgx"), DefaultBoard},
        // The sheet comes with the 28 default deeds, drawn by the deed routines themselves.
        {QStringLiteral("Data-2.vgx"),
         [] {
             return DrawDefaultDeedSheet(DrawBlankDeedSheet(), DrawStationStrip(), DrawWaterWorks(),
                                         DrawElectricity());
         }},
        {QStringLiteral("Data-3.vgx"), [] { return DrawBoardOverview(); }},
        {QStringLiteral("Data-4.vgx"), [] { return DrawStationStrip(); }},
        {QStringLiteral("Data-5.vgx"), DrawWaterWorks},
        {QStringLiteral("Data-6.vgx"), DrawExtraTax},
        {QStringLiteral("Data-7.vgx"), DrawIncomeTax},
        {QStringLiteral("Data-8.vgx"), DrawElectricity},
        {QStringLiteral("Data-9.vgx"), DrawBanknoteStrip},
    };
    for (const auto &[name, draw] : pictures) {
        const QString path = QDir(outDir).filePath(name);
        QString error;
        if (!WritePicture(path, draw(), &error)) {
            std::fprintf(stderr, "vastgoed-datagen: %s: %s\n",
                         qPrintable(QDir::toNativeSeparators(path)), qPrintable(error));
            return 1;
        }
    }
    return 0;
}
