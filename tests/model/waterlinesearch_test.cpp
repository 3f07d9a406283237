#include "model/waterlinesearch.h"
#include "tests/model/hydrotestsupport.h"

#include <gtest/gtest.h>

#include <vector>

using namespace model;
using testsupport::prismHull;

namespace {

constexpr double kL = 100, kB = 40, kD = 10;  // about 148 pounds per inch of draft

struct Floating {
    Design d;
    Hydrostatics h;
    std::vector<double> heights;  // the waterline after each pass
    SearchOutcome run()
    {
        return detect(d, HydroInputs{}, h, [&] { heights.push_back(d.WaterlineHeight); });
    }
};

Floating boxCarrying(double paddler, double waterline)
{
    Floating f{prismHull(kL, boxSection(kB, kD), waterline), {}, {}};
    f.d.PaddlerWeights = {0, paddler, 0};
    runHydrostatics(f.d, {}, f.h);
    return f;
}

}  // namespace

TEST(WaterlineSearch, StepsAnInchPerHundredPoundsAndTurnsBackAtATenth)
{
    Floating f = boxCarrying(546.3, 2);  // 296.3 pounds at 2": 250 short
    ASSERT_EQ(f.h.Displacement, 296.3);
    const SearchOutcome out = f.run();
    ASSERT_GE(f.heights.size(), 6u);
    const double expected[6] = {4.5, 4.25, 4.0, 3.75, 3.5, 3.525};
    for (int k = 0; k < 6; ++k) EXPECT_NEAR(f.heights[k], expected[k], 1e-12) << k;
    EXPECT_TRUE(out.reached);
    EXPECT_LE(out.passes, kMaxSearchPasses);
    EXPECT_EQ(f.h.Displacement, f.h.TargetDisplacement);
    EXPECT_NEAR(f.d.WaterlineHeight, 546.3 / (kL * kB * 0.000578703704 * 64), 0.001);
}

TEST(WaterlineSearch, NoPassWhenAlreadyFloatingOrWithoutADesign)
{
    Floating f = boxCarrying(296.3, 2);
    SearchOutcome out = f.run();
    EXPECT_TRUE(out.ran);
    EXPECT_EQ(out.passes, 0);
    EXPECT_TRUE(out.reached);

    f = boxCarrying(400, 2);
    f.d.DesignLoaded = false;
    out = f.run();
    EXPECT_FALSE(out.ran);
    EXPECT_EQ(f.d.WaterlineHeight, 2);
}

TEST(WaterlineSearch, UnreachableTargetsStopAtTheHullsBounds)
{
    Floating heavy = boxCarrying(5000, 2);  // more than the whole box displaces
    SearchOutcome out = heavy.run();
    EXPECT_EQ(heavy.d.WaterlineHeight, kD);
    EXPECT_FALSE(out.reached);
    EXPECT_LT(out.passes, kMaxSearchPasses);

    Floating light = boxCarrying(-50, 2);  // a negative weight: below the keel
    out = light.run();
    EXPECT_EQ(light.d.WaterlineHeight, 0);
    EXPECT_FALSE(out.reached);
    EXPECT_LT(out.passes, kMaxSearchPasses);
}

TEST(WaterlineSearch, GivesUpAfterFortyOnePasses)
{
    // Results that cross the target every third pass and never meet it.
    Design d = prismHull(kL, boxSection(kB, kD), 5);
    Hydrostatics h;
    h.hullSeen = true;
    h.lowestLineHeight = -1e9;
    h.highestLineHeight = 1e9;
    h.TargetDisplacement = 100;
    h.Displacement = 90;
    int pass = 0;
    std::vector<double> steps;
    double last = d.WaterlineHeight;
    const SearchHooks hooks{[&] { h.Displacement = (++pass / 3) % 2 == 0 ? 90 : 110; },
                            [&] { steps.push_back(d.WaterlineHeight - last); last = d.WaterlineHeight; }};
    const SearchOutcome out = detect(d, h, hooks);
    EXPECT_EQ(out.passes, kMaxSearchPasses);
    EXPECT_FALSE(out.reached);
    const double expected[7] = {0.1, 0.1, 0.1, -0.01, -0.01, -0.01, 0.001};
    for (int k = 0; k < 7; ++k) EXPECT_NEAR(steps[k], expected[k], 1e-14) << k;
}

TEST(WaterlineSearch, ASearchStartedInsideASearchReturnsAtOnce)
{
    Floating f = boxCarrying(400, 2);
    SearchOutcome inner;
    const SearchOutcome outer = detect(f.d, HydroInputs{}, f.h, [&] {
        if (!inner.ran && f.heights.empty()) inner = detect(f.d, HydroInputs{}, f.h);
        f.heights.push_back(f.d.WaterlineHeight);
    });
    EXPECT_FALSE(inner.ran);
    EXPECT_TRUE(outer.reached);
    EXPECT_TRUE(detect(f.d, HydroInputs{}, f.h).ran);  // and the guard is released
}
