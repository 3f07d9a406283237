#pragma once
// Fitting the hull's drawing box into the profile, plan, front and section
// views. Qt-free.

#include "model/hull/records.h"
#include "views/viewextent.h"

namespace views {

// A picture box's outer size in the main window's units.
struct ViewSize {
    float Width = 0;
    float Height = 0;
    bool hasArea() const { return Width > 0 && Height > 0; }
};

struct FitSizes {
    ViewSize right{}, top{}, bottom{}, front{};  // the section editor takes the front view's size
};

// Rewrites records 1 to 5 from the box (drawMin, drawMax normalised by
// hullLength). The box fills a view's width when the view is proportionally
// narrower than it, else its height; margins as the views have always had.
// A view without area keeps its record.
void fitViews(double hullLength, const model::Point3& drawMin, const model::Point3& drawMax, const FitSizes& sizes,
              ViewExtentTable& extents);

}  // namespace views
