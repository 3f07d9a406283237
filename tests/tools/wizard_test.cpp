// The templates as the wizard leaves them: at its defaults, unchanged and
// floating at their own waterline like touring kayaks; at the other lengths
// and beams it offers, still sound hulls.

#include "tests/tools/hullchecks.h"
#include "tests/tools/templatecase.h"

#include "model/maxbeam.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace model;
using templatecase::Expected;

namespace {

// The cockpits slide to the centre of buoyancy; the template has them there to within this.
constexpr double kCockpitSettles = 0.1;  // inches

class WizardOnTemplate : public ::testing::TestWithParam<Expected> {};

// 204 by 23 with one or two paddlers of 190 lb, the tandem's 60 in apart.
TEST_P(WizardOnTemplate, DefaultsGiveATouringKayakWhereTheTemplateHasIt)
{
    const Design original = templatecase::load(GetParam().name);
    Design d = original;
    const Hydrostatics r = templatecase::makeNewDesign(d);
    ASSERT_GT(r.TargetDisplacement, 0);
    EXPECT_LE(std::abs(r.Displacement - r.TargetDisplacement), 0.05 * r.TargetDisplacement) << r.Displacement;
    const struct { const char* what; double value, least, most; } ranges[] = {{"draft", r.Draft, 3, 7},
        {"Cp", r.Cp, 0.50, 0.62}, {"LCB of LWL", r.LCBFraction, 0.45, 0.55}, {"entry", r.EntryHalfAngle, 8, 30}};
    for (const auto& c : ranges) EXPECT_TRUE(c.value >= c.least && c.value <= c.most) << c.what << " " << c.value;

    ASSERT_EQ(d.PointCount, original.PointCount);
    for (int i = 1; i <= d.PointCount; ++i) {
        const Point3 &a = d.point(i), &b = original.point(i);
        EXPECT_NEAR(a.X * d.HullLength, b.X * original.HullLength, kCockpitSettles) << "point " << i;
        EXPECT_LT(std::hypot(a.Y * d.HullLength - b.Y * original.HullLength, a.Z * d.HullLength - b.Z * original.HullLength), 1e-9) << i;
    }

    // Two paddlers 60 in apart need a tandem of 16 ft at least.
    const double shortest = GetParam().cockpits == 2 ? 192 : 96;
    for (double length : {shortest, (shortest + 276) / 2, 276.0}) {
        for (double beam : {20.0, 30.0, 48.0}) {
            Design sized = original;
            templatecase::makeNewDesign(sized, length, beam);
            SCOPED_TRACE(testing::Message() << length << " by " << beam);
            EXPECT_NEAR(MaxBeam(sized), beam, 1e-9);
            EXPECT_EQ(hullchecks::lineOrder(sized), "");
            EXPECT_EQ(hullchecks::segments(sized), "");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, WizardOnTemplate, ::testing::ValuesIn(templatecase::allTemplates()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
