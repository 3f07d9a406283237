#pragma once
// Checks a design read from a file before the program trusts it: every index
// lies in the list it points into, the length and station count are usable
// and the derived section tables stay within bounds.

#include "model/file/stationlimits.h"
#include "model/hull/design.h"

#include <cstdint>
#include <optional>
#include <string>

namespace model {

// StationCount is the stations + 1, at most what the preferences can set:
// the panel preview and the 3D view work through every station of every
// panel, and far more stations would freeze the one and swell the other.
inline constexpr double kMaxStationCount = kMostStations + 1;
// Opening a design samples every line at each section and at the
// hydrostatics' slices, and each sample looks through the line's segment
// entries (each also a prepared piece of a few hundred bytes); the slices'
// samples are kept, some 41 kB a line. Bounding the looking keeps the check
// of any design that opens well under a second and its memory small: at most
// 2048 lines and entries in all.
inline constexpr double kMaxLineSampleWork = 1 << 22;
inline constexpr double kSamplesBesideSections = 2048;
// A real design has fewer than twenty panels a side; every panel is drawn in
// the views at every station, so their number bounds the drawing's work.
inline constexpr int kMaxPanelsPerSide = 32;
// An anchor links to the points that share its place in the other views, a
// handful at most; the links are followed on every drag.
inline constexpr int kMaxLinksPerPoint = 16;
// The largest template is 6 kB and a design file has the same rows; a file
// no design could need is not even read, so reading and checking stay quick.
inline constexpr std::uintmax_t kMaxDesignFileBytes = std::uintmax_t(1) << 20;

// What is wrong with the design, or nothing when it is sound. Its lists must
// hold an entry for every count, as the reader makes them. Index 0 is
// accepted everywhere: element 0 of every list exists (and old files use it
// for the ends of their later panels).
std::optional<std::string> designFault(const Design& design);

}  // namespace model
