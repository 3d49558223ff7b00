#include "board/squaredesign.h"

#include "app/algemeen.h"
#include "app/startup.h"
#include "board/geometry.h"

QString SquarePictureFile(int n)
{
    switch (n) {
    case 8: return QStringLiteral("Data-5.vgx");
    case 17: return QStringLiteral("Data-6.vgx");
    case 22: return QStringLiteral("Data-7.vgx");
    case 29: return QStringLiteral("Data-8.vgx");
    default: return QString();
    }
}

bool LoadSquarePicture(Algemeen &state, int n)
{
    const QString file = SquarePictureFile(n);
    if (file.isEmpty())
        return false;
    const QImage picture = LoadPicture(state.dataPath(file));
    if (picture.isNull())
        return false;
    state.pictures.ImagePic = picture;
    return true;
}

SquareArt SquareArtFor(const Algemeen &state, int n, const QImage &placeholder)
{
    SquareArt art;
    if (n >= 0 && n < SquareSlots)
        art.colour = state.squareColour[n];
    art.stationStrip = state.pictures.TreinPic;
    art.stationImage = state.project.StationImage;
    art.picture = state.pictures.ImagePic;
    art.placeholder = placeholder;
    return art;
}

QImage ComposeDefaultBoard(const QImage &boardTemplate, const Algemeen &design,
                           const SquarePictures &pictures)
{
    QImage board = boardTemplate.convertToFormat(QImage::Format_RGB32);
    QImage templ;
    for (int n = 1; n <= 36; ++n) {
        if (IsCardSquare(n))
            continue;
        SquareArt art = SquareArtFor(design, n);
        art.stationStrip = pictures.stationStrip;
        switch (n) {
        case 8: art.picture = pictures.waterWorks; break;
        case 17: art.picture = pictures.extraTax; break;
        case 22: art.picture = pictures.incomeTax; break;
        case 29: art.picture = pictures.electricity; break;
        default: break;
        }
        const BoardSquare &square = design.project.Board[n];
        ComposeSquare(templ, n, {square.Street, square.City, square.Amount}, art);
        PlaceSquare(board, templ, SideOfSquare(n), design.squarePosition[n]);
    }
    return board;
}
