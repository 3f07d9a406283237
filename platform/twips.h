#pragma once
// Twips, the windows' own screen unit: 1440 to the inch, so how many fall on
// a pixel follows the dots per inch of the screen a window is on.

class QWidget;

namespace platform {

inline constexpr double kTwipsPerInch = 1440;
inline constexpr double kTwipsPerPixelAt96Dpi = 15;  // where no screen is known

double twipsPerPixel(const QWidget& window);
// The nearest whole pixel count of a length in twips.
int twipsToPixels(double twips, const QWidget& window);

}  // namespace platform
