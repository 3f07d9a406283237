#include "model/wizardchecks.h"

#include <gtest/gtest.h>

using namespace model;

TEST(WizardChecks, TheFirstFailingCheckSpeaks)
{
    const std::string width = "Please enter width in inches", narrow = "Cockpit width cannot be greater than kayak width";
    const struct { SingleCockpitBoxes boxes; std::optional<std::string> message; } singles[] = {
        {{"23", "190", "32", "18", "11"}, std::nullopt},
        {{"", "", "32", "18", "11"}, width},  // the first of two empty boxes
        {{"23", "190", "", "18", "11"}, "Please enter cockpit length in inches"},
        {{"23", "190", "32", "", "11"}, "Please enter cockpit width in inches"},
        {{"23", "190", "32", "23", "11"}, narrow},  // equal widths fail; an inch more passes
        {{"24", "190", "32", "23", "11"}, std::nullopt},
        {{"23", "190", "32", "18", ""}, "Please enter cockpit aft to paddlers center of gravity in inches"},
    };
    for (const auto& c : singles) EXPECT_EQ(checkSingleCockpit(c.boxes), c.message);

    const struct { DoubleCockpitBoxes boxes; std::optional<std::string> message; } doubles[] = {
        {{"23", "190", "32", "18", "11", "190", "32", "18", "11"}, std::nullopt},
        {{"23", "190", "32", "18", "", "190", "32", "18", "11"},
         "Please enter cockpit 1 aft to paddlers center of gravity in inches"},
        {{"23", "190", "32", "18", "11", "", "32", "18", "11"}, "Please enter paddler weight in lbs"},
        {{"23", "190", "32", "18", "11", "190", "32", "30", "11"}, narrow},
        {{"23", "190", "32", "18", "11", "190", "32", "18", ""},
         "Please enter cockpit 2 aft to paddlers center of gravity in inches"},
        {{"23", "190", "32", "18", "11", " ", "32", "18", "11"}, std::nullopt},  // a blank is not empty
        {{"abc", "190", "32", "18", "11", "190", "32", "18", "11"}, narrow},  // no number reads as 0
    };
    for (const auto& c : doubles) EXPECT_EQ(checkDoubleCockpit(c.boxes), c.message);
}
