#pragma once
// The rectangle helpers and the mapping record used to draw straight onto a
// view's device context in whole logical units (hundredths or twentieths of
// an inch) over the same window as the view's user scale. Qt-free.

#include "platform/gditypes.h"
#include "views/viewextent.h"

namespace views {

// A device context's mapping, to apply or as saved when one was applied.
struct ViewMapping {
    platform::Point ViewportOrg;
    platform::Size ViewportExt;
    platform::Point WindowOrg;
    platform::Size WindowExt;
    std::int32_t MapMode = platform::MM_TEXT;
    bool operator==(const ViewMapping&) const = default;
};

std::int32_t RectWidth(const platform::Rect& r);
std::int32_t RectHeight(const platform::Rect& r);
platform::Size RectSize(const platform::Rect& r);
platform::Point RectOrigin(const platform::Rect& r);

// The window rectangle mapped onto the viewport rectangle; a window whose
// Bottom is below its Top makes Y grow upward. Isotropic when keepAspect.
ViewMapping MakeViewMapping(const platform::Rect& viewport, const platform::Rect& window, bool keepAspect);

// A view's window in logical units: (XMin, YMax) to (XMax, YMin) times
// unitsPerInch, formed in 32 bits so every 16-bit extent fits.
platform::Rect logicalWindow(const ViewExtent& extent, std::int32_t unitsPerInch);

// A value in logical units rounded to the nearest whole unit (a half to the
// even one); callers form the product with the units per inch themselves.
std::int32_t toLogical(double units);

}  // namespace views
