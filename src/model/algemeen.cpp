#include "model/algemeen.h"

std::array<qint32, FactorSlots> DefaultRentFactors()
{
    return {0, 5, 15, 30, 60, 75, 10, 10, 7, 2, 4, 8, 4};
}
