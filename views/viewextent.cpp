#include "views/viewextent.h"

#include "model/hull/floaterror.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace views {

std::int16_t toExtent(double inches)
{
    constexpr double kLow = std::numeric_limits<std::int16_t>::min();
    constexpr double kHigh = std::numeric_limits<std::int16_t>::max();
    const double rounded = std::nearbyint(model::checked(inches, "view extent"));
    return std::int16_t(std::clamp(rounded, kLow, kHigh));
}

}  // namespace views
