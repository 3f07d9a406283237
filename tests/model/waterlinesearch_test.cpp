#include "model/waterlinesearch.h"
#include "tests/model/hydrotestsupport.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace model;

namespace {

constexpr double kL = 100, kB = 40, kD = 10;  // about 148 pounds per inch of draft

// A box of no weight with one paddler aboard; at 2" it displaces 296.3 pounds.
struct Floating {
    explicit Floating(double paddler, double waterline = 2) : d(prismHull(kL, boxSection(kB, kD), waterline))
    {
        d.PaddlerWeights = {0, paddler, 0};
        runHydrostatics(d, {}, h);
    }
    SearchOutcome run(const std::function<void()>& afterPass = {}) { return detect(d, HydroInputs{}, h, afterPass); }
    Design d;
    Hydrostatics h;
};

}  // namespace

TEST(WaterlineSearch, StepsAnInchPerHundredPoundsAndTurnsBackAtATenth)
{
    Floating f(546.3);  // 250 pounds short
    std::vector<double> heights;
    const SearchOutcome out = f.run([&] { heights.push_back(f.d.WaterlineHeight); });
    ASSERT_GE(heights.size(), 6u);
    const double expected[6] = {4.5, 4.25, 4.0, 3.75, 3.5, 3.525};
    for (int k = 0; k < 6; ++k) EXPECT_NEAR(heights[k], expected[k], 1e-12) << k;
    EXPECT_TRUE(out.reached);
    EXPECT_EQ(f.h.Displacement, f.h.TargetDisplacement);
}

TEST(WaterlineSearch, StopsAtTheHullsBoundsOrAfterFortyOnePasses)
{
    // More than the whole box displaces; a negative weight, below the keel.
    for (auto [paddler, bound] : {std::pair{5000.0, kD}, std::pair{-50.0, 0.0}}) {
        Floating f(paddler);
        const SearchOutcome out = f.run();
        EXPECT_EQ(f.d.WaterlineHeight, bound);
        EXPECT_FALSE(out.reached);
        EXPECT_LT(out.passes, kMaxSearchPasses);
    }
    // Results that cross the target every third pass and never meet it.
    Floating f(0, 5);
    f.h.TargetDisplacement = 100;
    f.h.Displacement = 90;
    int pass = 0;
    const SearchOutcome out = detect(f.d, f.h, {[&] { f.h.Displacement = (++pass / 3) % 2 == 0 ? 90 : 110; }, {}});
    EXPECT_EQ(out.passes, kMaxSearchPasses);
    EXPECT_FALSE(out.reached);
}

TEST(WaterlineSearch, NoSearchWithoutADesignOrInsideASearch)
{
    Floating unloaded(400);
    unloaded.d.DesignLoaded = false;
    EXPECT_FALSE(unloaded.run().ran);
    EXPECT_EQ(unloaded.d.WaterlineHeight, 2);

    Floating f(400);
    SearchOutcome inner{true};
    EXPECT_TRUE(f.run([&] { inner = f.run(); }).reached);
    EXPECT_FALSE(inner.ran);
    EXPECT_TRUE(f.run().ran);  // and the guard is released
}
