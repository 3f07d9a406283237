// The templates as the wizard leaves them: where the template has them at
// its defaults, and still sound hulls at the other lengths and beams it
// offers.

#include "tests/tools/faultlist.h"
#include "tests/tools/hullchecks.h"
#include "tests/tools/templatecase.h"
#include "tests/tools/wizardsteps.h"

#include "model/maxbeam.h"

#include <gtest/gtest.h>

using namespace model;
using templatecase::Expected;

namespace {

// The cockpits slide to the centre of buoyancy the hydrostatics find; the
// template already has them there to within this.
constexpr double kCockpitSettles = 0.1;  // inches

class WizardOnTemplate : public ::testing::TestWithParam<Expected> {
protected:
    void SetUp() override { original = templatecase::load(GetParam().name); }
    Design made(double length, double beam) const
    {
        Design d = original;
        wizardsteps::Inputs in;
        in.length = length;
        in.beam = beam;
        wizardsteps::makeNewDesign(d, in);
        return d;
    }
    Design original;
};

TEST_P(WizardOnTemplate, DefaultsLeaveEveryPointWhereTheTemplateHasIt)
{
    const Design d = made(GetParam().lengthInches, 23);
    ASSERT_EQ(d.PointCount, original.PointCount);
    for (int i = 1; i <= d.PointCount; ++i) {
        const Point3& a = d.point(i);
        const Point3& b = original.point(i);
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
            const Design d = made(length, beam);
            SCOPED_TRACE(testing::Message() << length << " by " << beam);
            EXPECT_NEAR(MaxBeam(d), beam, 1e-9);
            const auto order = hullchecks::lineOrderFaults(d);
            EXPECT_TRUE(order.empty()) << listed(order);
            const auto segments = hullchecks::segmentFaults(d);
            EXPECT_TRUE(segments.empty()) << listed(segments);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, WizardOnTemplate, ::testing::ValuesIn(templatecase::allTemplates()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
