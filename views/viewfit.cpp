#include "views/viewfit.h"

#include <cmath>
#include <limits>

namespace views {

namespace {

// Margins around the hull box, as fractions of its size.
constexpr double kLengthMargin = 0.025;     // before its smallest X
constexpr double kLengthFactor = 1.025;     // its largest X and 2.5 % beyond
constexpr double kHeightMarginAbove = 0.1;  // profile, above the top
constexpr double kHeightMarginBelow = 0.025;
constexpr double kBeamFactor = 1.1;         // plan views, on each side
constexpr double kBeamMargin = 0.1;
constexpr double kFrontBeamFactor = 1.025;  // front and section views
constexpr double kProfileTestFactor = 0.9;  // only the profile test carries it
constexpr double kOriginRight = 0.975;      // X = 0 sits 2.5 % from the left edge
constexpr double kOriginLeft = -0.025;

// The hull box's proportion; an empty denominator counts as infinitely wide.
double boxRatio(double across, double up)
{
    return up == 0 ? std::numeric_limits<double>::infinity() : across / up;
}

struct Box {
    double L, x0, y0, x1, y1, z1;
};

// Length filling the width: shared by the profile and plan views.
void fitLengthAcross(const Box& b, ViewExtent& e)
{
    e.XMin = toExtent(b.L * b.x0 - kLengthMargin * b.L * (b.x1 - b.x0));
    e.XMax = toExtent(kLengthFactor * b.L * b.x1);
}

// Height centred on the hull's, the window as tall as the view's proportion
// makes it: profile, front and section views fitted across.
void centreHeight(const Box& b, ViewSize s, ViewExtent& e)
{
    const double hw = double(s.Height) / double(s.Width);
    const int width = e.XMax - e.XMin;
    e.YMin = toExtent(b.L * b.y0 + b.L * (b.y1 - b.y0) / 2 - hw * width / 2);
    e.YMax = toExtent(e.YMin + hw * width);
}

// X = 0 at 2.5 % from the left edge, the window as wide as the view's
// proportion makes it: profile and plan views fitted the other way.
void widthFromHeight(ViewSize s, ViewExtent& e)
{
    const double wh = double(s.Width) / double(s.Height);
    const int height = e.YMax - e.YMin;
    e.XMax = toExtent(kOriginRight * wh * height);
    e.XMin = toExtent(kOriginLeft * wh * height);
}

ViewExtent fitProfile(const Box& b, ViewSize s, ViewExtent e)
{
    const double view = kProfileTestFactor * double(s.Width) / double(s.Height);
    if (view <= boxRatio(std::abs(kLengthFactor * b.x0) + b.x1, std::abs(b.y0) + b.y1)) {
        fitLengthAcross(b, e);
        centreHeight(b, s, e);
    } else {
        e.YMax = toExtent(b.L * b.y1 + kHeightMarginAbove * b.L * (b.y1 - b.y0));
        e.YMin = toExtent(b.L * b.y0 - kHeightMarginBelow * b.L * (b.y1 - b.y0));
        widthFromHeight(s, e);
    }
    return e;
}

ViewExtent fitPlan(const Box& b, ViewSize s, ViewExtent e)
{
    if (double(s.Width) / double(s.Height) < boxRatio(std::abs(b.x0) + b.x1, 2 * b.z1)) {
        fitLengthAcross(b, e);
        const double half = 0.5 * (double(s.Height) / double(s.Width)) * (e.XMax - e.XMin);
        e.YMax = toExtent(half);
        e.YMin = toExtent(-half);
    } else {
        e.YMax = toExtent(kBeamFactor * b.L * b.z1);
        e.YMin = toExtent(-(b.L * b.z1 + kBeamMargin * b.L * b.z1));
        widthFromHeight(s, e);
    }
    return e;
}

// `profile` is the profile view's fitted window, before zoom and scroll.
ViewExtent fitFront(const Box& b, ViewSize s, const ViewExtent& profile, ViewExtent e)
{
    if (double(s.Width) / double(s.Height) < boxRatio(2 * b.z1, std::abs(b.y0) + b.y1)) {
        e.XMin = toExtent(-kFrontBeamFactor * b.L * b.z1);
        e.XMax = toExtent(kFrontBeamFactor * b.L * b.z1);
        centreHeight(b, s, e);
    } else {
        e.YMax = profile.YMax;
        e.YMin = profile.YMin;
        const double half = 0.5 * (double(s.Width) / double(s.Height)) * (e.YMax - e.YMin);
        e.XMax = toExtent(half);
        e.XMin = toExtent(-half);
    }
    return e;
}

}  // namespace

void fitViews(double hullLength, const model::Point3& drawMin, const model::Point3& drawMax, const FitSizes& sizes,
              ViewExtentTable& extents)
{
    const Box box{hullLength, drawMin.X, drawMin.Y, drawMax.X, drawMax.Y, drawMax.Z};
    if (sizes.right.hasArea()) extents[kRightView] = fitProfile(box, sizes.right, extents[kRightView]);
    if (sizes.top.hasArea()) extents[kTopView] = fitPlan(box, sizes.top, extents[kTopView]);
    if (sizes.bottom.hasArea()) extents[kBottomView] = fitPlan(box, sizes.bottom, extents[kBottomView]);
    if (sizes.front.hasArea()) {
        extents[kFrontView] = fitFront(box, sizes.front, extents[kRightView], extents[kFrontView]);
        extents[kSectionEdit] = extents[kFrontView];
    }
}

}  // namespace views
