#pragma once
// The four templates as the tests see them, what each must hold, and what
// the new-design wizard makes of them.

#include "model/design.h"
#include "model/hydrostatics.h"

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
