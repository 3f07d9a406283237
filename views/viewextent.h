#pragma once
// The windows of the drawing views in whole inches, each mapped with (XMin,
// YMax) at the upper-left corner and (XMax, YMin) at the lower-right, so Y
// grows upward. Qt-free.

#include "model/hull/records.h"

#include <array>
#include <cstdint>

namespace views {

using model::ViewExtent;

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
