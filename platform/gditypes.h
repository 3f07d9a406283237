#pragma once
// The small value types of the graphics device interface the drawing code was
// written against: rectangles, points and sizes in 32-bit integers, colours
// packed as 0x00BBGGRR and the mapping modes. Qt-free, so the view maths can
// use them without the widget layer.

#include <cstdint>

namespace platform {

struct Rect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
    bool operator==(const Rect&) const = default;
};

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    std::int32_t cx = 0;
    std::int32_t cy = 0;
    bool operator==(const Size&) const = default;
};

// Red in the low byte, blue in the third.
using ColorRef = std::uint32_t;

constexpr ColorRef RGB(int red, int green, int blue)
{
    return ColorRef(red & 0xFF) | (ColorRef(green & 0xFF) << 8) | (ColorRef(blue & 0xFF) << 16);
}
constexpr int redOf(ColorRef c) { return int(c & 0xFF); }
constexpr int greenOf(ColorRef c) { return int((c >> 8) & 0xFF); }
constexpr int blueOf(ColorRef c) { return int((c >> 16) & 0xFF); }

inline constexpr ColorRef kBlack = RGB(0, 0, 0);
inline constexpr ColorRef kWhite = RGB(255, 255, 255);

// Mapping modes. Text maps one logical unit to one pixel with Y downward;
// the two scalable modes use the window and viewport extents.
enum MapMode : std::int32_t {
    MM_TEXT = 1,
    MM_ISOTROPIC = 7,
    MM_ANISOTROPIC = 8,
};

}  // namespace platform
