#include "model/rounding.h"

#include "model/floaterror.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace model {

double roundTo(double value, int decimals)
{
    checked(value, "Round");
    // The fixed form of to_chars is exact and breaks exact ties to even,
    // which is the decimal rounding wanted; scaling by 10^n would not be.
    char buffer[std::numeric_limits<double>::max_exponent10 + 64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (written.ec != std::errc()) throw FloatError("Round: too many decimals");
    double rounded = 0;
    std::from_chars(buffer, written.ptr, rounded);
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
