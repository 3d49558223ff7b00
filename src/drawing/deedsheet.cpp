#include "drawing/deedsheet.h"

#include "model/algemeen.h"
#include "model/defaultcontent.h"
#include "drawing/deeddrawing.h"
#include "model/rentfactors.h"

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

PastedDeed DefaultDeedRecord(const Algemeen &state, int n)
{
    const BoardSquare &square = state.project.Board[qBound(0, n, SquareSlots - 1)];
    PastedDeed deed;
    deed.kind = DeedKindOfSquare(n);
    deed.street = square.Street;
    deed.city = square.City;
    deed.base = baseAsFloat(BaseRentFromAmountText(square.Amount));
    deed.factors = state.RentFactors;
    deed.stationImage = state.project.StationImage;
    return deed;
}

void DrawPastedDeed(QPainter &p, int n, const PastedDeed &deed, RgbColour colour,
                    const QImage &stationStrip, const QImage &utilityPicture,
                    const StripArt &stationArt)
{
    switch (deed.kind) {
    case DeedKind::Utility:
        DrawUtilityDeed(p, n == 8 ? UtilityDeed::WaterWorks : UtilityDeed::Electricity, utilityPicture);
        break;
    case DeedKind::Station:
        DrawStationDeed(p, deed.street, stationStrip, deed.stationImage, deed.base, deed.factors, stationArt);
        break;
    case DeedKind::Street:
        DrawStreetDeed(p, n, deed.street, deed.city, colour, deed.base, deed.factors);
        break;
    }
}

QImage DrawDefaultDeed(const Algemeen &state, int n, const QImage &waterWorks,
                       const QImage &electricity)
{
    QImage deed = NewDeedCanvas();
    QPainter p(&deed);
    DrawPastedDeed(p, n, DefaultDeedRecord(state, n), state.squareColour[qBound(0, n, SquareSlots - 1)],
                   state.pictures.TreinPic, n == 8 ? waterWorks : electricity);
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
