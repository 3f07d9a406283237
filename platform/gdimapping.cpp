#include "platform/gdimapping.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace platform {

namespace {

constexpr Size kUnitExtent{1, 1};

std::int32_t toDeviceUnit(double v)
{
    // Far-off points still land somewhere the rasteriser can clip.
    constexpr double kLimit = std::numeric_limits<std::int32_t>::max();
    return std::int32_t(std::clamp(std::nearbyint(v), -kLimit, kLimit));
}

// (l - org) * vext / wext, in that order, so a mapping in hundredths of an
// inch and a user scale in inches give the same pixel for the same inch.
double mapAxis(double logical, std::int32_t windowOrg, double scaleNum, double scaleDen, std::int32_t viewportOrg)
{
    return (logical - windowOrg) * scaleNum / scaleDen + viewportOrg;
}

}  // namespace

std::int32_t GdiMapping::setMapMode(std::int32_t mode)
{
    const std::int32_t previous = mode_;
    if (mode != MM_TEXT && mode != MM_ISOTROPIC && mode != MM_ANISOTROPIC) return previous;
    mode_ = mode;
    if (!scalable()) {
        windowExt_ = kUnitExtent;
        viewportExt_ = kUnitExtent;
    }
    return previous;
}

Point GdiMapping::setWindowOrg(Point origin)
{
    return std::exchange(windowOrg_, origin);
}

Point GdiMapping::setViewportOrg(Point origin)
{
    return std::exchange(viewportOrg_, origin);
}

Size GdiMapping::setWindowExt(Size extent)
{
    const Size previous = windowExt_;
    if (scalable() && extent.cx != 0 && extent.cy != 0) windowExt_ = extent;
    return previous;
}

Size GdiMapping::setViewportExt(Size extent)
{
    const Size previous = viewportExt_;
    if (scalable() && extent.cx != 0 && extent.cy != 0) viewportExt_ = extent;
    return previous;
}

Point GdiMapping::toDevice(double x, double y) const
{
    double nx = viewportExt_.cx, dx = windowExt_.cx;
    double ny = viewportExt_.cy, dy = windowExt_.cy;
    if (mode_ == MM_ISOTROPIC) {
        // Equal units on both axes: the smaller scale wins, signs kept.
        const double sx = nx / dx, sy = ny / dy;
        const double s = std::min(std::abs(sx), std::abs(sy));
        nx = std::copysign(s, sx);
        ny = std::copysign(s, sy);
        dx = dy = 1;
    }
    return {toDeviceUnit(mapAxis(x, windowOrg_.x, nx, dx, viewportOrg_.x)),
            toDeviceUnit(mapAxis(y, windowOrg_.y, ny, dy, viewportOrg_.y))};
}

}  // namespace platform
