#include "mainwindow/layout.h"

namespace mainwindow {

namespace {

constexpr double kLongViewTenths = 2;
constexpr double kBandTenths = 4;

}  // namespace

std::array<ScrollBars, 3> layOutScrollBars(const std::array<Rect, kViewCount>& views, double thickness)
{
    std::array<ScrollBars, 3> bars;
    for (int v = kRight; v <= kBottom; ++v) {
        const Rect& view = views[v];
        ScrollBars& b = bars[v];
        b.vertical.height = view.height;
        b.vertical.width = thickness;
        b.horizontal.width = view.width - thickness;
        b.horizontal.height = thickness;
        b.vertical.top = view.top;
        b.horizontal.left = view.left;
        b.horizontal.top = view.top + view.height - thickness;
        b.vertical.left = view.left + view.width - thickness;
    }
    return bars;
}

Layout layOut(double sw, double sh, const ControlSizes& sizes)
{
    const double g = kViewGap / 2;
    Layout l;
    auto& v = l.views;
    v[kRight] = {g, g, sw - g, kLongViewTenths * (sh / 10)};
    v[kTop] = {g, v[kRight].height, sw - g, kLongViewTenths * (sh / 10)};
    v[kBottom] = {g, v[kTop].top + v[kTop].height, sw - g, kLongViewTenths * (sh / 10)};
    const double bandTop = v[kBottom].top + v[kBottom].height;
    v[kFront] = {g, bandTop, sw / 3, kBandTenths * (sh / 10)};
    v[kSection] = {v[kFront].left + v[kFront].width, bandTop, sw / 3, kBandTenths * (sh / 10)};
    v[kGraph] = {v[kSection].left + v[kSection].width, bandTop, sw / 3, kBandTenths * (sh / 10)};

    // The station row is centred on the section editor's width.
    const double rowTop = v[kSection].top;
    l.command2 = {v[kSection].width - sizes.command2Width - sizes.text1Width / 2, rowTop, sizes.command2Width,
                  sizes.buttonHeight};
    l.text1 = {l.command2.left + sizes.command2Width, rowTop, sizes.text1Width, sizes.text1Height};
    l.command1 = {v[kSection].width + sizes.text1Width / 2, rowTop, sizes.command1Width, sizes.buttonHeight};

    l.scrollBars = layOutScrollBars(v, sizes.scrollThickness);
    return l;
}

}  // namespace mainwindow

namespace mainwindow {

namespace {

constexpr std::int16_t kLongViewMargin = 5;  // inches either side of the hull
constexpr std::int16_t kSectionHalfSpan = 13;
constexpr std::int16_t kGraphYMin = -10, kGraphYMax = 60;

views::ViewExtent longView(const Rect& view, double hullLength, double below, double above)
{
    views::ViewExtent e;
    e.XMin = -kLongViewMargin;
    e.XMax = views::toExtent(hullLength + kLongViewMargin);
    const std::int16_t range = std::int16_t(e.XMax - e.XMin);
    const double aspect = view.height / view.width;
    e.YMin = views::toExtent(aspect * below * range);
    e.YMax = views::toExtent(aspect * above * range);
    return e;
}

}  // namespace

views::ViewExtentTable defaultViewExtents(const std::array<Rect, kViewCount>& v, double hullLength)
{
    views::ViewExtentTable t{};
    t[views::kRightView] = longView(v[kRight], hullLength, -0.25, 0.75);
    t[views::kTopView] = longView(v[kTop], hullLength, -0.5, 0.5);
    t[views::kBottomView] = longView(v[kBottom], hullLength, -0.5, 0.5);
    const double sectionAspect = v[kSection].height / v[kSection].width;
    const std::int16_t span = 2 * kSectionHalfSpan;
    t[views::kSectionEdit] = {-kSectionHalfSpan, kSectionHalfSpan, views::toExtent(sectionAspect * -0.25 * span),
                              views::toExtent(sectionAspect * 0.75 * span)};
    t[views::kVolumeGraph] = {t[views::kRightView].XMin, t[views::kRightView].XMax, kGraphYMin, kGraphYMax};
    return t;
}

}  // namespace mainwindow
