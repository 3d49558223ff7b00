#include "printing/sharpdesign.h"

#include "files/picturefile.h"
#include "artwork/artwork.h"
#include "model/boardrules.h"
#include "drawing/squaredesign.h"
#include "drawing/deeddrawing.h"
#include "drawing/deedsheet.h"

#include <QTransform>
#include <set>
#include <cmath>

namespace {
// The Data picture a utility or tax square or deed shows; null for every other square.
QImage specialPicture(const Algemeen &state, int n)
{
    const QString file = SquarePictureFile(n);
    return file.isEmpty() ? QImage() : LoadPicture(state.dataPath(file));
}

// The template turned as it lies on the board on `side` (see PlaceSquare).
QImage turned(const QImage &upright, int side)
{
    switch (side) {
    case 1: return upright.mirrored(true, true);
    case 2: return upright.transformed(QTransform().rotate(270));
    case 4: return upright.transformed(QTransform().rotate(90));
    default: return upright;
    }
}

// The station pictures drawn anew by the artwork wherever the strip in use is the artwork's
// own for its town; one for the whole print, so each picture is compared and drawn once.
StripArt stationArt(const Algemeen &state)
{
    const QString town = state.pictures.TreinPicTown;
    return FaithfulStripArt(state.pictures.TreinPic, QSize(StationWidth, StationHeight), StationPictures,
                            [town](int k, QSize size) { return DrawStationPicture(k, town, size); });
}
}

SharpPicture SharpBoard(const Algemeen &state)
{
    SharpPicture sharp(state.pictures.Speelbord);
    // The artwork of the board: corners and centre drawn by the template's own code, in
    // pieces small enough to draw on both cores and to keep where another tool left the rest.
    const QString title = state.game.title, subtitle = state.game.subtitle;
    for (const QRect &area : BoardArtworkPieces())
        sharp.parts.push_back({area, [area, title, subtitle](QSize size) {
                                   return DrawBoardPiece(area, size, title, subtitle);
                               }});
    for (int n = 1; n <= 36; ++n) {
        if (!IsCardSquare(n))
            continue;
        const int side = SideOfSquare(n);
        const bool across = side == 2 || side == 4;
        const bool kans = IsKansSquare(n);
        const QRect area(DefaultSquarePosition(n), across ? QSize(TemplateHeight, TemplateWidth)
                                                          : QSize(TemplateWidth, TemplateHeight));
        sharp.parts.push_back({area, [side, across, kans](QSize size) {
                                   const QSize upright = across ? size.transposed() : size;
                                   return turned(RenderScaled(QSize(TemplateWidth, TemplateHeight), upright,
                                                              [&](QPainter &p) { DrawCardSquare(p, kans); }),
                                                 side);
                               }});
    }
    const StripArt stations = stationArt(state);
    for (int n = 1; n <= 36; ++n) {
        const auto &placed = state.drawing.squares[n];
        if (!placed || !IsComposableSquare(n))
            continue;
        const int side = SideOfSquare(n);
        const bool across = side == 2 || side == 4;
        const QRect area(state.squarePosition[n], across ? QSize(TemplateHeight, TemplateWidth)
                                                         : QSize(TemplateWidth, TemplateHeight));
        SquareArt art;
        art.colour = state.squareColour[n];
        art.stationStrip = state.pictures.TreinPic;
        art.stationImage = placed->stationImage;
        art.stationArt = stations;
        art.picture = specialPicture(state, n);
        const SquareTexts texts{placed->street, placed->city, placed->amount};
        sharp.parts.push_back({area, [n, side, across, art, texts](QSize size) {
                                   const QSize upright = across ? size.transposed() : size;
                                   return turned(RenderScaled(QSize(TemplateWidth, TemplateHeight), upright,
                                                              [&](QPainter &p) { ComposeSquare(p, n, texts, art); }),
                                                 side);
                               }});
    }
    SharpPicture kept = KeepFaithfulParts(std::move(sharp));
    RememberRenders(kept);
    return kept;
}

SharpPicture SharpDeedSheet(const Algemeen &state)
{
    SharpPicture sharp(state.pictures.EigenDomsPic);
    const StripArt stations = stationArt(state);
    for (int n = 1; n <= 36; ++n) {
        const auto &deed = state.drawing.deeds[n];
        const auto slot = DeedSheetSlot(n);
        if (!deed || !slot)
            continue;
        const RgbColour colour = state.squareColour[n];
        const QImage strip = state.pictures.TreinPic;
        const QImage picture = deed->kind == DeedKind::Utility ? specialPicture(state, n) : QImage();
        const PastedDeed record = *deed;
        sharp.parts.push_back({QRect(*slot, QSize(DeedWidth, DeedHeight)),
                               [n, record, colour, strip, picture, stations](QSize size) {
                                   return RenderScaled(QSize(DeedWidth, DeedHeight), size, [&](QPainter &p) {
                                       DrawPastedDeed(p, n, record, colour, strip, picture, stations);
                                   });
                               }});
    }
    // Between the deeds the blank sheet shows, its cut guides and any slot still empty: drawn
    // by the blank sheet's own code wherever the sheet still has its pixels.
    const auto blank = [](const QRect &area) {
        return SharpPart{area, [area](QSize size) {
                             return RenderScaled(area.size(), size, [&](QPainter &p) {
                                 p.translate(-area.topLeft());
                                 DrawBlankDeedSheet(p);
                             });
                         }};
    };
    // The gaps run between the slots' columns and rows, from the sheet's edge to its edge.
    std::set<int> columns, rows;
    for (int n = 1; n <= 36; ++n)
        if (const auto slot = DeedSheetSlot(n)) {
            columns.insert(slot->x());
            rows.insert(slot->y());
        }
    int left = 0;
    for (const int x : columns) {
        sharp.parts.push_back(blank(QRect(left, 0, x - left, DeedSheetHeight)));
        left = x + DeedWidth;
    }
    sharp.parts.push_back(blank(QRect(left, 0, DeedSheetWidth - left, DeedSheetHeight)));
    int top = 0;
    for (const int y : rows) {
        sharp.parts.push_back(blank(QRect(0, top, DeedSheetWidth, y - top)));
        top = y + DeedHeight;
    }
    sharp.parts.push_back(blank(QRect(0, top, DeedSheetWidth, DeedSheetHeight - top)));
    for (int n = 1; n <= 36; ++n)
        if (const auto slot = DeedSheetSlot(n); slot && !state.drawing.deeds[n])
            sharp.parts.push_back(blank(QRect(*slot, QSize(DeedWidth, DeedHeight))));
    return KeepFaithfulParts(std::move(sharp));
}

