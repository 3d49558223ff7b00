// vastgoed-datagen OUTDIR: draws the Data pictures the program reads at startup.
// Each file is written whole or not at all, so an interrupted build never leaves a
// truncated picture behind.

#include "app/algemeen.h"
#include "app/defaultcontent.h"
#include "board/artwork.h"
#include "board/squaredesign.h"
#include "cards/banknoteart.h"
#include "deeds/deedsheet.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
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

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
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
        {QStringLiteral("Data-1.vgx"),
         [] {
             Algemeen design;
             LoadDefaultContent(design);
             const SquarePictures pictures{DrawStationStrip(), DrawWaterWorks(), DrawExtraTax(),
                                           DrawIncomeTax(), DrawElectricity()};
             QImage board = ComposeDefaultBoard(DrawBoardTemplate(), design, pictures);
             PlaceCardSquares(board);
             return board;
         }},
        // The sheet comes with the 28 default deeds, drawn by the deed routines themselves.
        {QStringLiteral("Data-2.vgx"),
         [] {
             return DrawDefaultDeedSheet(DrawBlankDeedSheet(), DrawStationStrip(), DrawWaterWorks(),
                                         DrawElectricity());
         }},
        {QStringLiteral("Data-3.vgx"), DrawBoardOverview},
        {QStringLiteral("Data-4.vgx"), DrawStationStrip},
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
