#include "model/hull/design.h"

#include <cmath>

namespace model {

Design& currentDesign()
{
    static Design design;
    return design;
}

int stationBound(double stationCount)
{
    // Conversions to integers round halves to even (the default rounding mode).
    return int(std::nearbyint(stationCount));
}

int Design::cockpitCount() const
{
    const double n = std::nearbyint(CockpitCount);
    return (n >= 1 && n <= kMaxCockpits) ? int(n) : 0;
}

}  // namespace model
