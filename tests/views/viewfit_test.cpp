#include "model/floaterror.h"
#include "views/mappeddrawing.h"
#include "views/viewfit.h"
#include "tests/support/pixels.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace views;
using namespace testsupport;
using platform::kWhite;

namespace {

// The box of a 100-inch hull 10 inches deep and 20 wide.
ViewExtentTable fit(FitSizes sizes, ViewExtentTable extents = {}, model::Point3 max = {1, 0.1, 0.1, 0})
{
    fitViews(100, {0, 0, 0, 0}, max, sizes, extents);
    return extents;
}

// Points 1 to 4: a square 2 inches each side of the origin, 20 pixels.
const std::vector<model::Point2> kSquare{{}, {-2, 2}, {2, 2}, {2, -2}, {-2, -2}};

ViewMapping mappingOf(platform::DeviceContext& dc)
{
    const platform::GdiMapping& m = dc.mapping();
    return {m.viewportOrg(), m.viewportExt(), m.windowOrg(), m.windowExt(), m.mapMode()};
}

}  // namespace

TEST(ViewExtentRounding, HalvesToEvenClampedAndNaNThrows)
{
    for (auto [v, inches] : {std::pair{12.5, 12}, {-2.5, -2}, {1e9, 32767}, {-1e9, -32768}}) EXPECT_EQ(toExtent(v), inches);
    EXPECT_THROW(toExtent(std::nan("")), model::FloatError);
    EXPECT_EQ(toLogical(100 * 0.125), 12);
    EXPECT_THROW(toLogical(INFINITY), model::FloatError);
    EXPECT_EQ(logicalWindow({-2000, 2000, -400, 400}, 20), (platform::Rect{-40000, 8000, 40000, -8000}));
}

// Each view fits the hull's length across or its height up, as the view's
// proportion against the box's chooses; each case worked by hand.
TEST(ViewFit, EachViewFitsAcrossOrUpByItsProportion)
{
    const struct {
        FitSizes sizes;
        int view;
        ViewExtent expected;
    } cases[] = {
        // Profile, box 10: exactly 10 fits across, centring 9.36 of height on 5;
        // wider fits 11 up, 123.6 across with X = 0 at 2.5 %.
        {{{1000, 90}}, kRightView, {-2, 102, 0, 9}},
        {{{1000, 89}}, kRightView, {-3, 121, 0, 11}},
        // Plans, box 5: narrower fits across, exactly 5 the beam and 10 % a side.
        {{{}, {400, 100}}, kTopView, {-2, 102, -13, 13}},
        {{{}, {}, {500, 100}}, kBottomView, {-3, 107, -11, 11}},
        // Front, box 2: narrower fits the beam and 2.5 %, exactly 2 the profile's heights.
        {{{1000, 89}, {}, {}, {150, 100}}, kFrontView, {-10, 10, -2, 11}},
        {{{1000, 89}, {}, {}, {200, 100}}, kFrontView, {-11, 11, 0, 11}},
    };
    for (const auto& c : cases) {
        const ViewExtentTable t = fit(c.sizes);
        EXPECT_EQ(t[c.view], c.expected) << "case " << &c - cases;
        EXPECT_EQ(t[kSectionEdit], t[kFrontView]);
    }
    // A view without area keeps its window; a box without height or breadth counts as infinitely wide.
    ViewExtentTable before;
    before.fill({1, 2, 3, 4});
    const ViewExtentTable t = fit({{0, 89}, {400, 0}, {500, 100}, {0, 0}}, before);
    for (int view : {kRightView, kTopView, kFrontView, kSectionEdit}) EXPECT_EQ(t[view], before[view]) << view;
    EXPECT_EQ(t[kBottomView], (ViewExtent{-3, 107, -11, 11}));
    const ViewExtentTable flat = fit({{1000, 90}, {400, 100}, {}, {150, 100}}, {}, {1, 0, 0, 0});
    EXPECT_EQ(flat[kRightView].XMin, -2);
    EXPECT_EQ(flat[kTopView].XMax, 102);
    EXPECT_EQ(flat[kFrontView], ViewExtent{});
}

// A 400 x 200 box showing -20..20 across, -5..15 upward (the origin at pixel
// (200, 150)), under a user scale and an odd mapping of its own, both left as
// they were; an unknown view or too few points draw nothing.
TEST(DrawPolygonInView, LandsOnThePixelsOfTheSameInchesAndPutsTheMappingBack)
{
    TestBox v(400, 200);
    ViewExtentTable extents{};
    extents[kFrontView] = {-20, 20, -5, 15};
    v.box.FillStyle = platform::kFillSolid;
    v.box.FillColor = kGreen;
    v.box.ForeColor = kRed;
    for (auto [view, n] : {std::pair{7, 4}, {0, 4}, {kFrontView, 5}, {kFrontView, 0}})
        DrawPolygonInView(v.box, extents, std::int16_t(view), std::int16_t(n), kSquare);
    EXPECT_EQ(v.count(kWhite), 400 * 200);
    v.box.Scale(-20, 15, 20, -5);
    platform::DeviceContext& dc = v.box.hDC();
    dc.SetMapMode(platform::MM_ANISOTROPIC);
    dc.SetWindowExtEx({7, 9});
    dc.SetViewportOrgEx({3, 4});
    const ViewMapping before = mappingOf(dc);
    DrawPolygonInView(v.box, extents, kFrontView, 4, kSquare);
    EXPECT_EQ(mappingOf(dc), before);
    v.expect({{200, 150, kGreen}, {180, 130, kRed}, {220, 170, kRed}, {200, 130, kRed}, {177, 150, kWhite},
              {223, 150, kWhite}});
    v.box.Line(-2, 2, 2, -2, kBlue, platform::LineForm::Box);  // the user scale's same inches cover it
    EXPECT_EQ(v.count(kRed), 0);
    DrawPolygonInView(v.box, extents, kFrontView, 3, {{}, {18, 13}, {20, 15}, {18, 15}});
    v.expect({{399, 0, kRed}});
}
