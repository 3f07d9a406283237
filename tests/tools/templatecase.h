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

// The template file beside the test program, as the wizard holds it once read.
model::Design load(const std::string& name);
// The file committed in the sources.
model::Design loadFromSources(const std::string& name);
// The design the hull description builds.
model::Design described(const std::string& name);

// The wizard's OK once the file is read, with its default inputs but for the
// length and beam (inches), automatic cockpit positioning on and automatic
// waterline off, as the design-data window starts. Returns the last
// hydrostatic results.
model::Hydrostatics makeNewDesign(model::Design& design, double length = 204, double beam = 23);

}  // namespace templatecase
