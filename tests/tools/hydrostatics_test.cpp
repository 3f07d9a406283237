// Each template, made into a new design with the wizard's defaults, floats
// at its own waterline like the touring kayak it is meant to be.

#include "tests/tools/templatecase.h"
#include "tests/tools/wizardsteps.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace model;
using templatecase::Expected;

namespace {

constexpr double kDisplacementTolerance = 0.05;  // of the target

class AtWizardDefaults : public ::testing::TestWithParam<Expected> {
protected:
    void SetUp() override
    {
        d = templatecase::load(GetParam().name);
        wizardsteps::Inputs in;
        in.length = GetParam().lengthInches;  // the slider's default, 204 in, for the tandem too
        r = wizardsteps::makeNewDesign(d, in);
    }
    Design d;
    Hydrostatics r;
};

TEST_P(AtWizardDefaults, FloatsAtItsWaterlineWithinFivePercentOfItsLoad)
{
    ASSERT_GT(r.TargetDisplacement, 0);
    EXPECT_LE(std::abs(r.Displacement - r.TargetDisplacement), kDisplacementTolerance * r.TargetDisplacement)
        << "displacement " << r.Displacement << " lb, target " << r.TargetDisplacement << " lb";
}

TEST_P(AtWizardDefaults, HasTheFormOfATouringKayak)
{
    EXPECT_GE(r.Draft, 3);
    EXPECT_LE(r.Draft, 7);
    EXPECT_GE(r.Cp, 0.50);
    EXPECT_LE(r.Cp, 0.62);
    EXPECT_GE(r.LCBFraction, 0.45);
    EXPECT_LE(r.LCBFraction, 0.55);
    EXPECT_GE(r.EntryHalfAngle, 8);
    EXPECT_LE(r.EntryHalfAngle, 30);
}

INSTANTIATE_TEST_SUITE_P(Templates, AtWizardDefaults, ::testing::ValuesIn(templatecase::allTemplates()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
