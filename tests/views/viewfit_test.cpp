#include "model/floaterror.h"
#include "views/viewfit.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace views;

namespace {

// The box of a 100-inch hull 10 inches deep and 20 wide (half-beam 10).
constexpr double kLength = 100;
const model::Point3 kMin{0, 0, 0, 0};
const model::Point3 kMax{1, 0.1, 0.1, 0};

ViewExtentTable fit(FitSizes sizes, ViewExtentTable extents = {})
{
    fitViews(kLength, kMin, kMax, sizes, extents);
    return extents;
}

ViewExtent e(int xMin, int xMax, int yMin, int yMax)
{
    return {std::int16_t(xMin), std::int16_t(xMax), std::int16_t(yMin), std::int16_t(yMax)};
}

}  // namespace

TEST(ViewExtentRounding, HalvesGoToTheEvenInchAndTheRangeIsClamped)
{
    EXPECT_EQ(toExtent(12.5), 12);
    EXPECT_EQ(toExtent(13.5), 14);
    EXPECT_EQ(toExtent(-2.5), -2);
    EXPECT_EQ(toExtent(1e9), 32767);
    EXPECT_EQ(toExtent(-1e9), -32768);
    EXPECT_THROW(toExtent(std::nan("")), model::FloatError);
}

// The box's proportion is 10 (length over height). 0.9 x 1000 / 90 is exactly
// 10, so the length fills the width: -2.5 -> -2 and 102.4999.. -> 102, then
// heights centred on 5 with 0.09 x 104 = 9.36 of window: 0.32 -> 0, 9.
TEST(ViewFit, ProfileEqualToTheBoxRatioFitsAcross)
{
    EXPECT_EQ(fit({{1000, 90}})[kRightView], e(-2, 102, 0, 9));
}

// One pixel lower and the height fills it: 11 above (10 % margin), -0.25 -> 0
// below, 11 x 1000 / 89 = 123.6 inches across with X = 0 at 2.5 %.
TEST(ViewFit, ProfileWiderThanTheBoxFitsItsHeight)
{
    EXPECT_EQ(fit({{1000, 89}})[kRightView], e(-3, 121, 0, 11));
}

// Plan proportion 100 / 20 = 5: strictly narrower fits across with the centre
// line in the middle; exactly 5 fits the beam with 10 % each side.
TEST(ViewFit, PlanViewsAreStrictAndEachUsesItsOwnSize)
{
    const ViewExtentTable t = fit({{}, {400, 100}, {500, 100}});
    EXPECT_EQ(t[kTopView], e(-2, 102, -13, 13));
    EXPECT_EQ(t[kBottomView], e(-3, 107, -11, 11));  // 0.975 x 5 x 22 = 107.25
}

// Front proportion 20 / 10 = 2. Narrower: the beam with 2.5 % margins across
// and the height centred; exactly 2: the profile's heights, beam centred.
TEST(ViewFit, FrontAndSectionShareOneWindow)
{
    ViewExtentTable t = fit({{1000, 89}, {}, {}, {150, 100}});
    EXPECT_EQ(t[kFrontView], e(-10, 10, -2, 11));
    EXPECT_EQ(t[kSectionEdit], t[kFrontView]);

    t = fit({{1000, 89}, {}, {}, {200, 100}});
    EXPECT_EQ(t[kFrontView], e(-11, 11, 0, 11));
    EXPECT_EQ(t[kSectionEdit], t[kFrontView]);
}

TEST(ViewFit, AViewWithoutAreaKeepsItsWindow)
{
    ViewExtentTable before;
    before[kRightView] = e(1, 2, 3, 4);
    before[kTopView] = e(5, 6, 7, 8);
    before[kFrontView] = before[kSectionEdit] = e(9, 10, 11, 12);
    const ViewExtentTable t = fit({{0, 89}, {400, 0}, {500, 100}, {0, 0}}, before);
    EXPECT_EQ(t[kRightView], before[kRightView]);
    EXPECT_EQ(t[kTopView], before[kTopView]);
    EXPECT_EQ(t[kFrontView], before[kFrontView]);
    EXPECT_EQ(t[kSectionEdit], before[kSectionEdit]);
    EXPECT_EQ(t[kBottomView], e(-3, 107, -11, 11));
}

TEST(ViewFit, AFlatBoxCountsAsInfinitelyWide)
{
    ViewExtentTable t;
    const model::Point3 flat{1, 0, 0, 0};
    fitViews(kLength, kMin, flat, {{1000, 90}, {400, 100}, {}, {150, 100}}, t);
    EXPECT_EQ(t[kRightView].XMin, -2);
    EXPECT_EQ(t[kTopView].XMax, 102);
    EXPECT_EQ(t[kFrontView], e(0, 0, 0, 0));
}
