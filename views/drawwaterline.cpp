#include "views/drawwaterline.h"

#include "views/waterlineplot.h"

namespace views {

namespace {

constexpr platform::ColorRef kCrossingColor = platform::RGB(255, 0, 0);

}  // namespace

void DrawWaterline(const model::Design& design, platform::PictureBox& topView)
{
    if (!design.DesignLoaded) return;
    for (const model::Point2& p : waterlineCrossings(design)) {
        topView.PSet(float(p.X), float(p.Y), kCrossingColor);
        topView.PSet(float(p.X), float(-p.Y), kCrossingColor);
    }
}

}  // namespace views
