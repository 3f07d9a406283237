#pragma once
// The new-design wizard's checks of its boxes, in the order the user is told
// about them. Texts are the boxes' texts; a box is empty only when its text
// is exactly empty.

#include <optional>
#include <string>
#include <string_view>

namespace model {

struct SingleCockpitBoxes {
    std::string beam, paddlerWeight, cockpitLength, cockpitWidth, cockpitAftToCG;
};

struct DoubleCockpitBoxes {
    std::string beam;
    std::string paddler1Weight, cockpit1Length, cockpit1Width, cockpit1AftToCG;
    std::string paddler2Weight, cockpit2Length, cockpit2Width, cockpit2AftToCG;
};

// What the user is asked to enter in the wizard's box of that name (empty
// for a name it does not have): the message when its text cannot be used.
std::string requestFor(std::string_view box);

// The first failed check's message, or nothing when all pass. A width too
// large to read fails with its own box's request.
std::optional<std::string> checkSingleCockpit(const SingleCockpitBoxes& boxes);
std::optional<std::string> checkDoubleCockpit(const DoubleCockpitBoxes& boxes);

}  // namespace model
