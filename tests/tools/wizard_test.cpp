// The templates as the wizard leaves them: unchanged at its defaults, and
// still sound hulls at the other lengths and beams it offers.

#include "tests/tools/faultlist.h"
#include "tests/tools/hullchecks.h"
#include "tests/tools/templatecase.h"
#include "tests/tools/wizardsteps.h"

#include <gtest/gtest.h>

using namespace model;
using templatecase::Expected;

namespace {

constexpr double kUnchanged = 1e-9;  // inches

class WizardOnTemplate : public ::testing::TestWithParam<Expected> {
protected:
    void SetUp() override { original = templatecase::load(GetParam().name); }
    Design made(double length, double beam) const
    {
        Design d = original;
        wizardsteps::Inputs in;
        in.length = length;
        in.beam = beam;
        wizardsteps::stretchAndScale(d, in);
        wizardsteps::shapeCockpits(d);
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
        EXPECT_NEAR(a.X * d.HullLength, b.X * original.HullLength, kUnchanged) << "point " << i;
        EXPECT_NEAR(a.Y * d.HullLength, b.Y * original.HullLength, kUnchanged) << "point " << i;
        EXPECT_NEAR(a.Z * d.HullLength, b.Z * original.HullLength, kUnchanged) << "point " << i;
    }
    for (int k = 1; k <= d.PanelsPerSide; ++k) EXPECT_EQ(d.HullPanels[k].IsHull, k > 2 ? 1 : 0);
}

TEST_P(WizardOnTemplate, EveryLengthAndBeamOnOfferGivesASoundHull)
{
    for (double length : {96.0, 150.0, 276.0}) {
        for (double beam : {20.0, 30.0, 48.0}) {
            const Design d = made(length, beam);
            SCOPED_TRACE(testing::Message() << length << " by " << beam);
            EXPECT_NEAR(hullchecks::measuredBeam(d, kSheerLine), beam, 1e-9);
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
