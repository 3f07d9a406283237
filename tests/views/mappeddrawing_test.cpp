#include "views/mappeddrawing.h"
#include "tests/support/pixels.h"

#include <gtest/gtest.h>

using namespace views;
using namespace testsupport;
using platform::DeviceContext;

namespace {

// A 400 x 200 client area for the window -20..20 across, -5..15 upward.
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

std::vector<model::Point2> square(double half)
{
    return {{}, {-half, half}, {half, half}, {half, -half}, {-half, -half}};
}

ViewMapping stateOf(const DeviceContext& dc)
{
    const platform::GdiMapping& m = dc.mapping();
    return {m.viewportOrg(), m.viewportExt(), m.windowOrg(), m.windowExt(), m.mapMode()};
}

}  // namespace

TEST(ApplyViewMapping, ReturnsWhatReappliedRestoresTheFormerMapping)
{
    PolygonView v;
    DeviceContext& dc = v.box.hDC();
    const ViewMapping before = stateOf(dc);
    const ViewMapping m = MakeViewMapping({0, 0, 400, 200}, logicalWindow(v.extents[kFrontView], 100), false);
    const ViewMapping saved = ApplyViewMapping(dc, m);
    EXPECT_EQ(saved, before);
    EXPECT_EQ(stateOf(dc), m);
    ApplyViewMapping(dc, saved);
    EXPECT_EQ(stateOf(dc), before);
}

TEST(DrawPolygonInView, LandsOnThePixelsOfTheSameInches)
{
    PolygonView v;
    // The window's origin is pixel (200, 150) and its upper-right corner (400, 0).
    DrawPolygonInView(v.box, v.extents, kFrontView, 4, square(2));  // 20 pixels each side of (200, 150)
    EXPECT_EQ(v.at(200, 150), rgbOf(kGreen));
    EXPECT_EQ(v.at(180, 130), rgbOf(kRed));
    EXPECT_EQ(v.at(220, 170), rgbOf(kRed));
    EXPECT_EQ(v.at(200, 130), rgbOf(kRed));
    EXPECT_EQ(v.at(177, 150), rgbOf(platform::kWhite));
    EXPECT_EQ(v.at(223, 150), rgbOf(platform::kWhite));

    DrawPolygonInView(v.box, v.extents, kFrontView, 3, {{}, {18, 13}, {20, 15}, {18, 15}});
    EXPECT_EQ(v.at(399, 0), rgbOf(kRed));
}

TEST(DrawPolygonInView, LeavesTheMappingAndTheUserScaleAsTheyWere)
{
    PolygonView v;
    v.box.Scale(-20, 15, 20, -5);
    DeviceContext& dc = v.box.hDC();
    dc.SetMapMode(platform::MM_ANISOTROPIC);
    dc.SetWindowExtEx({7, 9});
    dc.SetViewportOrgEx({3, 4});
    const ViewMapping before = stateOf(dc);
    DrawPolygonInView(v.box, v.extents, kFrontView, 4, square(1));
    EXPECT_EQ(stateOf(dc), before);

    // The user scale draws the same inches onto the same outline.
    v.box.Line(-1, 1, 1, -1, kBlue, platform::LineForm::Box);
    EXPECT_EQ(v.at(190, 140), rgbOf(kBlue));
    EXPECT_EQ(v.count(kRed), 0);
}

TEST(DrawPolygonInView, NothingForAnUnknownViewOrTooFewPoints)
{
    PolygonView v;
    DrawPolygonInView(v.box, v.extents, 7, 4, square(2));
    DrawPolygonInView(v.box, v.extents, 0, 4, square(2));
    DrawPolygonInView(v.box, v.extents, kFrontView, 5, square(2));
    DrawPolygonInView(v.box, v.extents, kFrontView, 0, square(2));
    EXPECT_EQ(v.at(200, 150), rgbOf(platform::kWhite));
}
