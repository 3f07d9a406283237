#pragma once
// Checks a design read from a file before the program trusts it: every index
// lies in the list it points into, the length and station count are usable
// and the derived section tables stay within bounds.

#include "model/design.h"

#include <optional>
#include <string>

namespace model {

// StationCount is stepped through by a 16-bit station index.
inline constexpr double kMaxStationCount = 32767;
// The section tables makesections derives (stations and bulkheads, one point
// per line each) must stay a modest allocation.
inline constexpr double kMaxSectionPoints = 1 << 22;

// What is wrong with the design, or nothing when it is sound. Its lists must
// hold an entry for every count, as the reader makes them. Index 0 is
// accepted everywhere: element 0 of every list exists (and old files use it
// for the ends of their later panels).
std::optional<std::string> designFault(const Design& design);

}  // namespace model
