#include "views/volumegraph.h"

#include "views/viewcolors.h"

namespace views {

namespace {

constexpr platform::ColorRef kBarColor = platform::RGB(100, 100, 255);

}  // namespace

void drawVolumeGraph(platform::PictureBox& box, const model::VolumeGraph& graph, DrawingState& state)
{
    const ViewExtent& e = graph.extent;
    state.ViewExtents[kVolumeGraph] = e;
    box.FillStyle = platform::kFillSolid;
    box.FillColor = kViewFillColor;
    box.ForeColor = platform::kBlack;
    box.Cls();
    if (e.XMax == e.XMin || e.YMax == e.YMin) return;
    box.Scale(e.XMin, e.YMax, e.XMax, e.YMin);
    for (const model::VolumeBar& bar : graph.bars) box.Line(float(bar.x), float(bar.v), float(bar.x), 0, kBarColor);
}

}  // namespace views
