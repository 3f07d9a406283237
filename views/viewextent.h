#pragma once
// The window of one drawing view in whole inches, mapped with (XMin, YMax)
// at the upper-left corner and (XMax, YMin) at the lower-right, so Y grows
// upward. Qt-free.

#include <array>
#include <cstdint>

namespace views {

struct ViewExtent {
    std::int16_t XMin = 0;
    std::int16_t XMax = 0;
    std::int16_t YMin = 0;
    std::int16_t YMax = 0;
    bool operator==(const ViewExtent&) const = default;
};

// The drawing code's view numbers. The main window's ActiveView numbers the
// section editor 4 and the front view 5.
enum ViewNumber : std::int16_t {
    kRightView = 1,
    kTopView = 2,
    kBottomView = 3,
    kFrontView = 4,
    kSectionEdit = 5,
    kVolumeGraph = 6,
};
inline constexpr int kViewCount = 6;

// One extent per view number; entry 0 is unused.
using ViewExtentTable = std::array<ViewExtent, kViewCount + 1>;

// Inches rounded to the nearest whole number (a half to the even one) and
// held in 16 bits, clamped to that range. A value that is not a number
// raises model::FloatError.
std::int16_t toExtent(double inches);

}  // namespace views
