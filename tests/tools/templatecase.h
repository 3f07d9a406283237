#pragma once
// The four templates as the tests see them, what each must hold, what the
// new-design wizard makes of them, and geometric checks of a hull.

#include "model/hull/design.h"
#include "model/hydrostatics/hydrostatics.h"

#include <ostream>
#include <string>
#include <vector>

namespace templatecase {

struct Expected {
    std::string name;
    int panelsPerSide;
    int cockpits;
};

inline void PrintTo(const Expected& e, std::ostream* out) { *out << e.name; }

const std::vector<Expected>& allTemplates();

model::Design load(const std::string& name);  // the copy beside the test program
model::Design loadFromSources(const std::string& name);  // the committed file
model::Design described(const std::string& name);  // what the hull description builds

// The wizard's OK once the file is read, with its defaults but for the length
// and beam (inches), cockpit positioning on and the waterline search off, as
// the design-data window starts. Returns the last hydrostatic results.
model::Hydrostatics makeNewDesign(model::Design& design, double length = 204, double beam = 23);

}  // namespace templatecase

// Each check returns its faults one a line (a dozen at most), empty when the hull passes.
namespace hullchecks {

// On a fine grid of stations: lines top to keel in descending height, deck
// lines inside the sheer and hull lines flaring out to it, depth between the ends.
std::string lineOrder(const model::Design& design);

// Each segment's four X strictly increasing and clearly off the thirds of its
// span, and the closed-form cubic finding every X the segment covers.
std::string segments(const model::Design& design);

// Handles and anchors name each other, smooth handles their partner, and
// where two segments of a line meet their handles are in line through the anchor.
std::string handles(const model::Design& design);

}  // namespace hullchecks
