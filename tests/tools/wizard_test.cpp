// The templates as the wizard leaves them: at its defaults, unchanged and
// floating at their own waterline like the touring kayaks they are meant to
// be; at the other lengths and beams it offers, still sound hulls.

#include "tests/tools/hullchecks.h"
#include "tests/tools/templatecase.h"

#include "model/maxbeam.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace model;
using templatecase::Expected;

namespace {

// The cockpits slide to the centre of buoyancy the hydrostatics find; the
// template already has them there to within this.
constexpr double kCockpitSettles = 0.1;  // inches

class WizardOnTemplate : public ::testing::TestWithParam<Expected> {
protected:
    void SetUp() override { original = templatecase::load(GetParam().name); }
    Design original;
};

// 204 by 23 with one or two paddlers of 190 lb, the tandem's 60 in apart.
TEST_P(WizardOnTemplate, DefaultsGiveATouringKayakWhereTheTemplateHasIt)
{
    Design d = original;
    const Hydrostatics r = templatecase::makeNewDesign(d);
    ASSERT_GT(r.TargetDisplacement, 0);
    EXPECT_LE(std::abs(r.Displacement - r.TargetDisplacement), 0.05 * r.TargetDisplacement)
        << "displacement " << r.Displacement << " lb, target " << r.TargetDisplacement << " lb";
    EXPECT_TRUE(r.Draft >= 3 && r.Draft <= 7) << "draft " << r.Draft;
    EXPECT_TRUE(r.Cp >= 0.50 && r.Cp <= 0.62) << "Cp " << r.Cp;
    EXPECT_TRUE(r.LCBFraction >= 0.45 && r.LCBFraction <= 0.55) << "LCB at " << r.LCBFraction << " of LWL";
    EXPECT_TRUE(r.EntryHalfAngle >= 8 && r.EntryHalfAngle <= 30) << "entry half angle " << r.EntryHalfAngle;

    ASSERT_EQ(d.PointCount, original.PointCount);
    for (int i = 1; i <= d.PointCount; ++i) {
        const Point3 &a = d.point(i), &b = original.point(i);
        EXPECT_NEAR(a.X * d.HullLength, b.X * original.HullLength, kCockpitSettles) << "point " << i;
        EXPECT_NEAR(a.Y * d.HullLength, b.Y * original.HullLength, 1e-9) << "point " << i;
        EXPECT_NEAR(a.Z * d.HullLength, b.Z * original.HullLength, 1e-9) << "point " << i;
    }
}

TEST_P(WizardOnTemplate, EveryLengthAndBeamOnOfferGivesASoundHull)
{
    // Two paddlers 60 in apart need a tandem of 16 ft at least.
    const double shortest = GetParam().cockpits == 2 ? 192 : 96;
    for (double length : {shortest, (shortest + 276) / 2, 276.0}) {
        for (double beam : {20.0, 30.0, 48.0}) {
            Design d = original;
            templatecase::makeNewDesign(d, length, beam);
            SCOPED_TRACE(testing::Message() << length << " by " << beam);
            EXPECT_NEAR(MaxBeam(d), beam, 1e-9);
            EXPECT_EQ(hullchecks::lineOrder(d), "");
            EXPECT_EQ(hullchecks::segments(d), "");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, WizardOnTemplate, ::testing::ValuesIn(templatecase::allTemplates()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
