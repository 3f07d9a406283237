#include "views/bodyplanorder.h"

#include <algorithm>
#include <cmath>

namespace views {

namespace {

using platform::RGB;

constexpr double kForwardStart = 0.75;  // of the station count
constexpr double kAfterStart = 0.25;
constexpr double kFullShade = 255;
constexpr double kShadeOffset = 50;
constexpr platform::ColorRef kDarkestFill = RGB(0, 15, 15);
constexpr platform::ColorRef kOutline = platform::kBlack;
constexpr platform::ColorRef kCurrentOutline = RGB(0, 255, 0);

platform::ColorRef fillFor(double f)
{
    if (f <= kShadeOffset) return kDarkestFill;
    const int v = int(std::nearbyint(f - kShadeOffset));  // a half to the even neighbour
    return RGB(0, v, v);
}

}  // namespace

std::vector<BodyPlanStation> bodyPlanOrder(double stationCount, int lastBuilt, int currentStation)
{
    std::vector<BodyPlanStation> order;
    if (!(stationCount > 0) || !std::isfinite(stationCount) || lastBuilt < 0) return order;
    const auto firstOf = [&](double fraction) {
        return int(std::min<double>(std::floor(fraction * stationCount), lastBuilt));
    };
    auto add = [&](int i, int side, double f) {
        order.push_back({i, side, fillFor(f), i == currentStation ? kCurrentOutline : kOutline});
    };
    for (int i = firstOf(kForwardStart); i >= 0; --i) add(i, -1, kFullShade * (stationCount - i) / stationCount);
    for (int i = firstOf(kAfterStart); i <= stationCount && i <= lastBuilt; ++i)
        add(i, 1, kFullShade * i / stationCount);
    return order;
}

}  // namespace views
