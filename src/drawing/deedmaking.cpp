#include "drawing/deedmaking.h"

#include "drawing/deeddrawing.h"
#include "model/rentfactors.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace {
// A base too large for the deed: every amount row stays empty.
constexpr float NoBase = std::numeric_limits<float>::infinity();

bool isUtility(int n) { return n == 8 || n == 29; }
}

std::optional<float> DeedBaseFor(const QString &amountText)
{
    const double base = BaseRentFromAmountText(amountText);
    if (!std::isfinite(base) || std::fabs(base) > double(FLT_MAX))
        return std::nullopt;
    return float(base);
}

PastedDeed DeedRecordFor(const Algemeen &state, int n, const QString &street, const QString &city,
                         const QString &amountText)
{
    PastedDeed record;
    record.kind = isUtility(n) ? DeedKind::Utility : IsStationSquare(n) ? DeedKind::Station : DeedKind::Street;
    record.street = street;
    record.city = city;
    record.base = DeedBaseFor(amountText).value_or(NoBase);
    record.factors = state.RentFactors;
    record.stationImage = state.project.StationImage;
    return record;
}

MadeDeed MakeDeed(const Algemeen &state, int n, const QString &street, const QString &city,
                  const QString &amountText, const QImage &utilityPicture)
{
    MadeDeed made;
    made.base = DeedBaseFor(amountText);
    made.record = DeedRecordFor(state, n, street, city, amountText);
    const float base = made.record.base;
    if (isUtility(n)) {
        DrawUtilityDeed(made.picture, n == 8 ? UtilityDeed::WaterWorks : UtilityDeed::Electricity,
                        utilityPicture);
    } else if (IsStationSquare(n)) {
        DrawStationDeed(made.picture, street, state.pictures.TreinPic, state.project.StationImage, base,
                        state.RentFactors);
    } else {
        const RgbColour colour = n >= 0 && n < SquareSlots ? state.squareColour[n] : RgbColour{};
        DrawStreetDeed(made.picture, n, street, city, colour, base, state.RentFactors);
    }
    return made;
}
