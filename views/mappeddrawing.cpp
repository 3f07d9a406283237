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

void DrawPolygonInView(platform::PictureBox& box, const ViewExtentTable& extents, std::int16_t view, std::int16_t n,
                       const std::vector<model::Point2>& points)
{
    if (view < kRightView || view > kVolumeGraph || n < 1 || int(points.size()) < n + 1) return;
    std::vector<platform::Point> logical;
    logical.reserve(std::size_t(n));
    for (int i = 1; i <= n; ++i)
        logical.push_back({toLogical(kPolygonUnitsPerInch * points[i].X), toLogical(kPolygonUnitsPerInch * points[i].Y)});
    withViewMapping(box, extents[view], kPolygonUnitsPerInch, [&](platform::DeviceContext& dc) { dc.Polygon(logical); });
}

}  // namespace views
