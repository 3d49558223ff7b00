#include "deeds/deedsheet.h"

#include "app/algemeen.h"
#include "app/defaultcontent.h"
#include "deeds/deeddrawing.h"
#include "deeds/rentfactors.h"

#include <QPainter>
#include <cfloat>
#include <cmath>

namespace {
// The deed squares in board order, seven to a row.
constexpr int slotSquares[4][7] = {{1, 3, 4, 5, 6, 7, 8},
                                   {9, 10, 11, 13, 14, 16, 18},
                                   {19, 21, 23, 24, 26, 27, 28},
                                   {29, 30, 31, 32, 33, 35, 36}};

// The base rent as the deed keeps it, a 32-bit float; 0 when it does not fit one.
float baseAsFloat(double base)
{
    return std::isfinite(base) && std::fabs(base) <= double(FLT_MAX) ? float(base) : 0.0f;
}
}

std::optional<QPoint> DeedSheetSlot(int n)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 7; ++c)
            if (slotSquares[r][c] == n)
                return QPoint(9 + 210 * c, 9 + 290 * r);
    return std::nullopt;
}

bool PasteDeed(QImage &sheet, const QImage &deed, int n)
{
    const std::optional<QPoint> slot = DeedSheetSlot(n);
    if (!slot || deed.size() != QSize(DeedWidth, DeedHeight))
        return false;
    if (sheet.isNull()) {
        sheet = QImage(DeedSheetMinWidth, DeedSheetMinHeight, QImage::Format_RGB32);
        sheet.fill(Qt::white);
    }
    QPainter p(&sheet);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(*slot, deed);
    return true;
}

QImage DrawDefaultDeed(const Algemeen &state, int n, const QImage &waterWorks,
                       const QImage &electricity)
{
    QImage deed = NewDeedCanvas();
    const BoardSquare &square = state.project.Board[n];
    const float base = baseAsFloat(BaseRentFromAmountText(square.Amount));
    if (n == 8)
        DrawUtilityDeed(deed, UtilityDeed::WaterWorks, waterWorks);
    else if (n == 29)
        DrawUtilityDeed(deed, UtilityDeed::Electricity, electricity);
    else if (IsStationSquare(n))
        DrawStationDeed(deed, square.Street, state.pictures.TreinPic, state.project.StationImage,
                        base, state.RentFactors);
    else
        DrawStreetDeed(deed, n, square.Street, square.City, state.squareColour[n], base,
                       state.RentFactors);
    return deed;
}

QImage DrawDefaultDeedSheet(const QImage &blankSheet, const QImage &stationStrip,
                            const QImage &waterWorks, const QImage &electricity,
                            const Algemeen &defaultState)
{
    Algemeen state = defaultState;
    state.pictures.TreinPic = stationStrip;
    QImage sheet = blankSheet.convertToFormat(QImage::Format_RGB32);
    for (const auto &row : slotSquares)
        for (int n : row)
            PasteDeed(sheet, DrawDefaultDeed(state, n, waterWorks, electricity), n);
    return sheet;
}

QImage DrawDefaultDeedSheet(const QImage &blankSheet, const QImage &stationStrip,
                            const QImage &waterWorks, const QImage &electricity)
{
    Algemeen state;
    LoadDefaultContent(state);
    state.RentFactors = DefaultRentFactors();
    state.project.StationImage = 0;
    return DrawDefaultDeedSheet(blankSheet, stationStrip, waterWorks, electricity, state);
}
