#include "views/volumegraph.h"

namespace views {

namespace {

constexpr platform::ColorRef kBarColor = platform::RGB(100, 100, 255);
constexpr platform::ColorRef kGraphFillColor = platform::RGB(0, 150, 0);

}  // namespace

void drawVolumeGraph(platform::PictureBox& box, const VolumeGraph& graph)
{
    const ViewExtent& e = graph.extent;
    box.FillStyle = platform::kFillSolid;
    box.FillColor = kGraphFillColor;
    box.ForeColor = platform::kBlack;
    box.Cls();
    if (e.XMax == e.XMin || e.YMax == e.YMin) return;
    box.Scale(e.XMin, e.YMax, e.XMax, e.YMin);
    for (const VolumeBar& bar : graph.bars) box.Line(float(bar.x), float(bar.volume), float(bar.x), 0, kBarColor);
}

}  // namespace views
