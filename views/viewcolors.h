#pragma once
// The solid fill the redraw and the volume graph give their views before
// anything chooses another.

#include "platform/gditypes.h"

namespace views {

inline constexpr platform::ColorRef kViewFillColor = platform::RGB(0, 150, 0);

}  // namespace views
