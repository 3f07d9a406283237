#include "model/edits/preferencevalues.h"

#include "model/file/textreading.h"
#include "model/hull/floaterror.h"

#include <cmath>
#include <limits>

namespace model {

namespace {

constexpr int kSmallestStitchSpacing = 1;  // inches

// The leading number; one too large to hold reads as an infinity of its sign.
double leadingOrInfinite(std::string_view text)
{
    try {
        return leadingNumber(text);
    } catch (const FloatError&) {
        const std::size_t first = text.find_first_not_of(' ');
        const bool negative = first != std::string_view::npos && text[first] == '-';
        return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    }
}

}  // namespace

StationsEntry stationsFromText(std::string_view text)
{
    const double n = leadingOrInfinite(text);
    if (n < kFewestStations) return {kFewestStations + 1, true};
    if (n > kMostStations) return {kMostStations + 1, true};
    // nearbyint rounds halves to even in the default rounding mode.
    return {std::nearbyint(n) + 1, false};
}

std::optional<std::int16_t> stitchSpacingFromText(std::string_view text)
{
    const double whole = std::nearbyint(leadingOrInfinite(text));
    if (!(whole >= kSmallestStitchSpacing && whole <= std::numeric_limits<std::int16_t>::max())) return std::nullopt;
    return std::int16_t(whole);
}

std::optional<double> stitchMarkLengthFromText(std::string_view text)
{
    const double length = leadingOrInfinite(text);
    if (!std::isfinite(length)) return std::nullopt;
    return length;
}

}  // namespace model
