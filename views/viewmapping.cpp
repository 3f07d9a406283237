#include "views/viewmapping.h"

#include "model/hull/floaterror.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace views {

using platform::Point;
using platform::Rect;
using platform::Size;

std::int32_t RectWidth(const Rect& r) { return r.Right - r.Left; }
std::int32_t RectHeight(const Rect& r) { return r.Bottom - r.Top; }
Size RectSize(const Rect& r) { return {RectWidth(r), RectHeight(r)}; }
Point RectOrigin(const Rect& r) { return {r.Left, r.Top}; }

ViewMapping MakeViewMapping(const Rect& viewport, const Rect& window, bool keepAspect)
{
    ViewMapping m;
    m.ViewportOrg = RectOrigin(viewport);
    m.ViewportExt = RectSize(viewport);
    m.WindowOrg = RectOrigin(window);
    m.WindowExt = RectSize(window);
    m.MapMode = keepAspect ? platform::MM_ISOTROPIC : platform::MM_ANISOTROPIC;
    return m;
}

Rect logicalWindow(const ViewExtent& e, std::int32_t unitsPerInch)
{
    return {e.XMin * unitsPerInch, e.YMax * unitsPerInch, e.XMax * unitsPerInch, e.YMin * unitsPerInch};
}

std::int32_t toLogical(double units)
{
    constexpr double kLimit = std::numeric_limits<std::int32_t>::max();
    const double v = model::checked(units, "logical coordinate");
    return std::int32_t(std::clamp(std::nearbyint(v), -kLimit, kLimit));
}

}  // namespace views
