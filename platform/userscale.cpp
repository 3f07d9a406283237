#include "platform/userscale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace platform {

namespace {

std::int32_t toPixel(double v)
{
    constexpr double kLimit = std::numeric_limits<std::int32_t>::max();
    if (std::isnan(v)) return 0;
    return std::int32_t(std::clamp(std::nearbyint(v), -kLimit, kLimit));
}

}  // namespace

UserScale::UserScale(float x1, float y1, float x2, float y2)
    : left_(x1), top_(y1), width_(x2 - x1), height_(y2 - y1)
{
    pixels_ = width_ == 0 || height_ == 0;
}

Point UserScale::toDevice(double x, double y, int clientWidth, int clientHeight) const
{
    if (pixels_) return {toPixel(x), toPixel(y)};
    // Same order of operations as the device context's mapping, so both
    // routes put the same inch on the same pixel.
    return {toPixel((x - double(left_)) * clientWidth / double(width_)),
            toPixel((y - double(top_)) * clientHeight / double(height_))};
}

double UserScale::widthToPixels(double length, int clientWidth) const
{
    if (pixels_) return std::abs(length);
    return std::abs(length * clientWidth / double(width_));
}

UserPoint UserScale::toUser(double px, double py, int clientWidth, int clientHeight) const
{
    if (pixels_ || clientWidth == 0 || clientHeight == 0) return {px, py};
    return {double(left_) + px * double(width_) / clientWidth, double(top_) + py * double(height_) / clientHeight};
}

}  // namespace platform
