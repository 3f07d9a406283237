#include "model/hydrostatics/rounding.h"

#include "model/hull/floaterror.h"

#include <cmath>
#include <limits>

namespace model {

namespace {
constexpr double kNoFractionFrom = 4503599627370496.0;  // 2^52
}  // namespace

double roundTo(double value, int decimals)
{
    checked(value, "Round");
    if (decimals < 0 || decimals > std::numeric_limits<double>::max_exponent10)
        throw FloatError("Round: decimals out of range");
    // Scaling first rounds the decimal the user reads: 76.55 is stored just
    // below the half, but 76.55 x 10 is exactly 765.5 and goes to 76.6.
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    // From 2^52 up a double holds no fraction, so a value that large once
    // scaled has no digits left to round at that many decimals.
    if (!(std::fabs(scaled) < kNoFractionFrom)) return value;
    // nearbyint follows the default rounding mode: to nearest, halves to even.
    const double rounded = std::nearbyint(scaled) / scale;
    return rounded == 0 ? 0.0 : rounded;  // no negative zero
}

std::int16_t roundToInt16(double value)
{
    // nearbyint follows the default rounding mode: to nearest, halves to even.
    const double whole = std::nearbyint(checked(value, "integer conversion"));
    if (whole < std::numeric_limits<std::int16_t>::min() || whole > std::numeric_limits<std::int16_t>::max())
        throw FloatError("integer conversion: overflow");
    return std::int16_t(whole);
}

}  // namespace model
