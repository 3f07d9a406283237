#include "model/wizardchecks.h"

#include <gtest/gtest.h>

using namespace model;

namespace {

SingleCockpitBoxes single() { return {"23", "190", "32", "18", "11"}; }
DoubleCockpitBoxes tandem() { return {"23", "190", "32", "18", "11", "190", "32", "18", "11"}; }

}  // namespace

TEST(WizardChecks, SingleCockpitInOrder)
{
    EXPECT_FALSE(checkSingleCockpit(single()));
    auto b = single();
    b.beam = "";
    b.paddlerWeight = "";
    EXPECT_EQ(*checkSingleCockpit(b), "Please enter width in inches");
    b = single();
    b.cockpitLength = "";
    EXPECT_EQ(*checkSingleCockpit(b), "Please enter cockpit length in inches");
    b = single();
    b.cockpitWidth = "23";  // a beam equal to the cockpit fails; one inch more passes
    EXPECT_EQ(*checkSingleCockpit(b), "Cockpit width cannot be greater than kayak width");
    b.beam = "24";
    EXPECT_FALSE(checkSingleCockpit(b));
    b = single();
    b.cockpitAftToCG = "";
    EXPECT_EQ(*checkSingleCockpit(b), "Please enter cockpit aft to paddlers center of gravity in inches");
    b = single();
    b.cockpitWidth = "";
    EXPECT_EQ(*checkSingleCockpit(b), "Please enter cockpit width in inches");
}

TEST(WizardChecks, DoubleCockpitInOrder)
{
    EXPECT_FALSE(checkDoubleCockpit(tandem()));
    auto b = tandem();
    b.cockpit1AftToCG = "";
    EXPECT_EQ(*checkDoubleCockpit(b), "Please enter cockpit 1 aft to paddlers center of gravity in inches");
    b = tandem();
    b.cockpit2Width = "30";
    EXPECT_EQ(*checkDoubleCockpit(b), "Cockpit width cannot be greater than kayak width");
    b = tandem();
    b.paddler2Weight = "";
    EXPECT_EQ(*checkDoubleCockpit(b), "Please enter paddler weight in lbs");
    b = tandem();
    b.cockpit2AftToCG = "";
    EXPECT_EQ(*checkDoubleCockpit(b), "Please enter cockpit 2 aft to paddlers center of gravity in inches");
    // A box of one blank is not empty, and reads as 0.
    EXPECT_FALSE(checkDoubleCockpit({"23", "190", "32", "18", "11", " ", "32", "18", "11"}));
    // No leading number reads as 0, which is not wider than any cockpit.
    EXPECT_EQ(*checkDoubleCockpit({"abc", "190", "32", "18", "11", "190", "32", "18", "11"}),
              "Cockpit width cannot be greater than kayak width");
}
