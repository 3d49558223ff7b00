#include "drawing/squaredesign.h"

#include "model/algemeen.h"
#include "model/boardrules.h"

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
