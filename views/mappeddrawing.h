#pragma once
// Drawing on a view's device context in whole logical units under a mapping
// that shows the view's window, put back afterwards.

#include "model/hull/records.h"
#include "platform/devicecontext.h"
#include "platform/picturebox.h"
#include "views/viewextent.h"
#include "views/viewmapping.h"

#include <vector>

namespace views {

// Applies m to the device context; returns the mapping it replaced, which
// applied again restores the former state. The mode is set first and each
// window value before its viewport twin.
ViewMapping ApplyViewMapping(platform::DeviceContext& dc, const ViewMapping& m);

// Runs draw() while the box's device context maps the view's window, in
// unitsPerInch logical units, onto its whole client area with Y upward.
template <typename Draw>
void withViewMapping(platform::PictureBox& box, const ViewExtent& extent, std::int32_t unitsPerInch, Draw draw)
{
    const ViewMapping m = MakeViewMapping(box.clientRect(), logicalWindow(extent, unitsPerInch), false);
    const ViewMapping saved = ApplyViewMapping(box.hDC(), m);
    draw(box.hDC());
    ApplyViewMapping(box.hDC(), saved);
}

// Fills the polygon points[1..n] (inches in the view's axes) in the view,
// outlined in the box's ForeColor and filled by its FillStyle and FillColor,
// where the view's user scale would draw the same inches. Nothing for a view
// number outside 1 to 6 or fewer than n points.
void DrawPolygonInView(platform::PictureBox& box, const ViewExtentTable& extents, std::int16_t view, std::int16_t n,
                       const std::vector<model::Point2>& points);

// The mapping withViewMapping applies, for working out device pixels ahead.
platform::GdiMapping viewDeviceMapping(const platform::PictureBox& box, const ViewExtent& extent,
                                       std::int32_t unitsPerInch);

// The device pixels DrawPolygonInView would put polygons of one view on, the
// mapping worked out once; empty where it would draw nothing. Two polygons on
// the same pixels paint the same pixels.
class ViewPolygonPixels {
public:
    ViewPolygonPixels(const platform::PictureBox& box, const ViewExtentTable& extents, std::int16_t view);
    std::vector<platform::Point> operator()(std::int16_t n, const std::vector<model::Point2>& points) const;

private:
    std::int16_t view_;
    platform::GdiMapping mapping_;
};

}  // namespace views
