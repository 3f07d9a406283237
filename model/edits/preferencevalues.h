#pragma once
// The values the preferences window's boxes give the design, each read as
// the leading number of its text.

#include "model/file/stationlimits.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace model {

struct StationsEntry {
    double StationCount = 0;  // stations + 1, a whole number
    bool outOfRange = false;  // replaced by the nearer limit
};

// n stations give StationCount n + 1; a fraction is rounded, halves to even,
// and n outside 10..100 is replaced by the nearer limit.
StationsEntry stationsFromText(std::string_view text);

// The distance between stitches rounded to whole inches, halves to even;
// nothing when that is below 1 or too large for a 16-bit integer.
std::optional<std::int16_t> stitchSpacingFromText(std::string_view text);

// The stitch mark length; nothing when the number is too large to hold.
std::optional<double> stitchMarkLengthFromText(std::string_view text);

}  // namespace model
