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
    // A thousand bars share a few hundred pixel columns, and every bar of a
    // column reaches down to the same baseline: drawing only the tallest and
    // the deepest of each column paints exactly the same pixels.
    const platform::UserScale& scale = box.userScale();
    const int width = box.width(), height = box.height();
    auto column = [&](const model::VolumeBar& bar) { return scale.toDevice(float(bar.x), 0, width, height).x; };
    auto draw = [&](const model::VolumeBar& bar) { box.Line(float(bar.x), float(bar.v), float(bar.x), 0, kBarColor); };
    const auto& bars = graph.bars;
    for (std::size_t i = 0; i < bars.size();) {
        const int x = column(bars[i]);
        std::size_t tallest = i, deepest = i, j = i;
        for (; j < bars.size() && column(bars[j]) == x; ++j) {
            if (float(bars[j].v) > float(bars[tallest].v)) tallest = j;
            if (float(bars[j].v) < float(bars[deepest].v)) deepest = j;
        }
        draw(bars[tallest]);
        if (float(bars[deepest].v) < 0) draw(bars[deepest]);
        i = j;
    }
}

}  // namespace views
