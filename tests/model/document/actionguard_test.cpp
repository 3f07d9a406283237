#include "model/document/actionguard.h"
#include "model/hull/design.h"
#include "model/hydrostatics/hydrostatics.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct OpenDesign : ::testing::Test {
    void SetUp() override
    {
        model::currentDesign() = model::Design{};
        model::currentDesign().HullLength = 200;
        model::currentHydrostatics() = model::Hydrostatics{};
        model::currentHydrostatics().Displacement = 250;
    }
};

TEST_F(OpenDesign, AnActionThatRaisesLeavesDesignAndResultsAsTheyWereAndIsReported)
{
    std::string reported;
    const bool done = model::runRestoringOnError(
        [] {
            model::currentDesign().HullLength = 1e300;
            model::currentHydrostatics().Displacement = 7;
            model::checked(1e300 * 1e300, "displacement");
        },
        [&](const model::FloatError& e) {
            // Reported after the restore, so a redraw shows the old state.
            reported = std::string(e.what()) + " " + std::to_string(model::currentDesign().HullLength);
        });
    EXPECT_FALSE(done);
    EXPECT_EQ(reported, "displacement 200.000000");
    EXPECT_EQ(model::currentHydrostatics().Displacement, 250);
}

TEST_F(OpenDesign, AnActionThatCompletesKeepsItsChangesAndReportsNothing)
{
    bool reported = false;
    EXPECT_TRUE(model::runRestoringOnError([] { model::currentDesign().HullLength = 210; },
                                           [&](const model::FloatError&) { reported = true; }));
    EXPECT_FALSE(reported);
    EXPECT_EQ(model::currentDesign().HullLength, 210);
}

}  // namespace
