#pragma once
// The four templates as the tests see them, with what each must hold.

#include "model/design.h"

#include <ostream>
#include <string>
#include <vector>

namespace templatecase {

struct Expected {
    std::string name;
    int panelsPerSide;
    int cockpits;
    double lengthInches;
};

inline void PrintTo(const Expected& e, std::ostream* out) { *out << e.name; }

const std::vector<Expected>& allTemplates();

// The template file beside the test program, as the wizard reads it.
model::Design load(const std::string& name);
// The file committed in the sources.
model::Design loadFromSources(const std::string& name);
// The design the hull description builds.
model::Design described(const std::string& name);

}  // namespace templatecase
