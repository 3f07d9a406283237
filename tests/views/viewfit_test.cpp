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

}  // namespace

TEST(ViewExtentRounding, HalvesGoToTheEvenInchAndTheRangeIsClamped)
{
    EXPECT_EQ(toExtent(12.5), 12);
    EXPECT_EQ(toExtent(-2.5), -2);
    EXPECT_EQ(toExtent(1e9), 32767);
    EXPECT_EQ(toExtent(-1e9), -32768);
    EXPECT_THROW(toExtent(std::nan("")), model::FloatError);
}

// Each view fits the hull's length across or its height up, as the view's
// proportion against the box's chooses; each case worked by hand.
TEST(ViewFit, EachViewFitsAcrossOrUpByItsProportion)
{
    struct Case {
        FitSizes sizes;
        int view;
        ViewExtent expected;
    };
    const Case cases[] = {
        // Profile, box 10: exactly 10 (0.9 x 1000 / 90) fits across, centring
        // 9.36 of height on 5; wider fits 11 up, 123.6 across with X = 0 at 2.5 %.
        {{{1000, 90}}, kRightView, {-2, 102, 0, 9}},
        {{{1000, 89}}, kRightView, {-3, 121, 0, 11}},
        // Plans, box 5: narrower fits across, exactly 5 the beam and 10 % a side.
        {{{}, {400, 100}}, kTopView, {-2, 102, -13, 13}},
        {{{}, {}, {500, 100}}, kBottomView, {-3, 107, -11, 11}},
        // Front, box 2: narrower fits the beam and 2.5 %, exactly 2 the profile's heights.
        {{{1000, 89}, {}, {}, {150, 100}}, kFrontView, {-10, 10, -2, 11}},
        {{{1000, 89}, {}, {}, {200, 100}}, kFrontView, {-11, 11, 0, 11}},
    };
    for (const Case& c : cases) {
        const ViewExtentTable t = fit(c.sizes);
        EXPECT_EQ(t[c.view], c.expected) << "case " << &c - cases;
        EXPECT_EQ(t[kSectionEdit], t[kFrontView]);
    }
}

TEST(ViewFit, AViewWithoutAreaKeepsItsWindow)
{
    ViewExtentTable before;
    before.fill({1, 2, 3, 4});
    const ViewExtentTable t = fit({{0, 89}, {400, 0}, {500, 100}, {0, 0}}, before);
    for (int view : {kRightView, kTopView, kFrontView, kSectionEdit}) EXPECT_EQ(t[view], before[view]) << view;
    EXPECT_EQ(t[kBottomView], (ViewExtent{-3, 107, -11, 11}));
}

// A box without height or breadth counts as infinitely wide.
TEST(ViewFit, AFlatBoxFitsAcross)
{
    ViewExtentTable t;
    fitViews(kLength, kMin, {1, 0, 0, 0}, {{1000, 90}, {400, 100}, {}, {150, 100}}, t);
    EXPECT_EQ(t[kRightView].XMin, -2);
    EXPECT_EQ(t[kTopView].XMax, 102);
    EXPECT_EQ(t[kFrontView], ViewExtent{});
}
