#include "views/mappeddrawing.h"

namespace views {

namespace {

constexpr std::int32_t kPolygonUnitsPerInch = 100;

}  // namespace

ViewMapping ApplyViewMapping(platform::DeviceContext& dc, const ViewMapping& m)
{
    ViewMapping previous;
    previous.MapMode = dc.SetMapMode(m.MapMode);
    previous.WindowOrg = dc.SetWindowOrgEx(m.WindowOrg);
    previous.WindowExt = dc.SetWindowExtEx(m.WindowExt);
    previous.ViewportOrg = dc.SetViewportOrgEx(m.ViewportOrg);
    previous.ViewportExt = dc.SetViewportExtEx(m.ViewportExt);
    return previous;
}

namespace {

bool knownView(std::int16_t view) { return view >= kRightView && view <= kVolumeGraph; }

bool drawable(std::int16_t view, std::int16_t n, const std::vector<model::Point2>& points)
{
    return knownView(view) && n >= 1 && int(points.size()) >= n + 1;
}

std::vector<platform::Point> logicalPolygon(std::int16_t n, const std::vector<model::Point2>& points)
{
    std::vector<platform::Point> logical;
    logical.reserve(std::size_t(n));
    for (int i = 1; i <= n; ++i)
        logical.push_back({toLogical(kPolygonUnitsPerInch * points[i].X), toLogical(kPolygonUnitsPerInch * points[i].Y)});
    return logical;
}

}  // namespace

platform::GdiMapping viewDeviceMapping(const platform::PictureBox& box, const ViewExtent& extent,
                                       std::int32_t unitsPerInch)
{
    // Set in the order ApplyViewMapping sets them.
    const ViewMapping m = MakeViewMapping(box.clientRect(), logicalWindow(extent, unitsPerInch), false);
    platform::GdiMapping mapping;
    mapping.setMapMode(m.MapMode);
    mapping.setWindowOrg(m.WindowOrg);
    mapping.setWindowExt(m.WindowExt);
    mapping.setViewportOrg(m.ViewportOrg);
    mapping.setViewportExt(m.ViewportExt);
    return mapping;
}

void DrawPolygonInView(platform::PictureBox& box, const ViewExtentTable& extents, std::int16_t view, std::int16_t n,
                       const std::vector<model::Point2>& points)
{
    if (!drawable(view, n, points)) return;
    const std::vector<platform::Point> logical = logicalPolygon(n, points);
    withViewMapping(box, extents[view], kPolygonUnitsPerInch, [&](platform::DeviceContext& dc) { dc.Polygon(logical); });
}

ViewPolygonPixels::ViewPolygonPixels(const platform::PictureBox& box, const ViewExtentTable& extents,
                                     std::int16_t view)
    : view_(view)
{
    if (knownView(view)) mapping_ = viewDeviceMapping(box, extents[view], kPolygonUnitsPerInch);
}

std::vector<platform::Point> ViewPolygonPixels::operator()(std::int16_t n,
                                                           const std::vector<model::Point2>& points) const
{
    if (!drawable(view_, n, points)) return {};
    std::vector<platform::Point> pixels;
    for (const platform::Point& p : logicalPolygon(n, points)) pixels.push_back(mapping_.toDevice(p));
    return pixels;
}

}  // namespace views
