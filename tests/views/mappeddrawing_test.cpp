#include "model/floaterror.h"
#include "views/mappeddrawing.h"
#include "tests/support/pixels.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace views;
using namespace testsupport;
using platform::kWhite;

namespace {

// A 400 x 200 client area for the window -20..20 across, -5..15 upward: the
// origin at pixel (200, 150), the upper-right corner at (400, 0).
struct PolygonView : TestBox {
    PolygonView() : TestBox(400, 200)
    {
        extents[kFrontView] = {-20, 20, -5, 15};
        box.FillStyle = platform::kFillSolid;
        box.FillColor = kGreen;
        box.ForeColor = kRed;
    }
    ViewExtentTable extents{};
};

// Points 1 to 4: a square 2 inches each side of the origin, 20 pixels.
const std::vector<model::Point2> kSquare{{}, {-2, 2}, {2, 2}, {2, -2}, {-2, -2}};

ViewMapping mappingOf(platform::DeviceContext& dc)
{
    const platform::GdiMapping& m = dc.mapping();
    return {m.viewportOrg(), m.viewportExt(), m.windowOrg(), m.windowExt(), m.mapMode()};
}

}  // namespace

TEST(ViewMapping, LogicalUnitsRoundHalvesToEvenAndWindowsBeyondSixteenBitsStillMap)
{
    EXPECT_EQ(toLogical(100 * 0.125), 12);
    EXPECT_THROW(toLogical(INFINITY), model::FloatError);
    EXPECT_EQ(logicalWindow({-2000, 2000, -400, 400}, 20), (platform::Rect{-40000, 8000, 40000, -8000}));
}

// Under a user scale and an odd mapping of the box's own, both left as they were.
TEST(DrawPolygonInView, LandsOnThePixelsOfTheSameInchesAndPutsTheMappingBack)
{
    PolygonView v;
    v.box.Scale(-20, 15, 20, -5);
    platform::DeviceContext& dc = v.box.hDC();
    dc.SetMapMode(platform::MM_ANISOTROPIC);
    dc.SetWindowExtEx({7, 9});
    dc.SetViewportOrgEx({3, 4});
    const ViewMapping before = mappingOf(dc);
    DrawPolygonInView(v.box, v.extents, kFrontView, 4, kSquare);
    EXPECT_EQ(mappingOf(dc), before);
    v.expect({{200, 150, kGreen}, {180, 130, kRed}, {220, 170, kRed}, {200, 130, kRed}, {177, 150, kWhite},
              {223, 150, kWhite}});
    // The box's user scale puts the same inches on the same pixels.
    v.box.Line(-2, 2, 2, -2, kBlue, platform::LineForm::Box);
    EXPECT_EQ(v.count(kRed), 0);

    DrawPolygonInView(v.box, v.extents, kFrontView, 3, {{}, {18, 13}, {20, 15}, {18, 15}});
    v.expect({{399, 0, kRed}});
}

TEST(DrawPolygonInView, NothingForAnUnknownViewOrTooFewPoints)
{
    PolygonView v;
    for (auto [view, n] : {std::pair{7, 4}, {0, 4}, {kFrontView, 5}, {kFrontView, 0}})
        DrawPolygonInView(v.box, v.extents, std::int16_t(view), std::int16_t(n), kSquare);
    EXPECT_EQ(v.count(kWhite), 400 * 200);
}
