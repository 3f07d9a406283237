#include "views/volumegraph.h"

#include "views/viewcolors.h"

#include <algorithm>
#include <vector>

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
    auto device = [&](double x, double v) { return scale.toDevice(float(x), float(v), width, height); };
    const bool thinSolid = box.DrawWidth <= 1 && box.DrawStyle == platform::kDrawSolid;
    std::vector<platform::PictureBox::Column> columns;
    const auto& bars = graph.bars;
    // Each bar's pixel column, worked out once.
    std::vector<platform::Point> base(bars.size());
    std::transform(bars.begin(), bars.end(), base.begin(), [&](const model::VolumeBar& b) { return device(b.x, 0); });
    auto draw = [&](std::size_t k) {
        const model::VolumeBar& bar = bars[k];
        if (!thinSolid) return box.Line(float(bar.x), float(bar.v), float(bar.x), 0, kBarColor);
        const int x = base[k].x, y0 = base[k].y, y = device(bar.x, bar.v).y;
        // Both bars of a column include the baseline row, so together they
        // cover one run of rows; a column met again apart is simply drawn again.
        if (!columns.empty() && columns.back().x == x) {
            columns.back().top = std::min({columns.back().top, y, y0});
            columns.back().bottom = std::max({columns.back().bottom, y, y0});
        } else {
            columns.push_back({x, std::min(y, y0), std::max(y, y0)});
        }
    };
    for (std::size_t i = 0; i < bars.size();) {
        const int x = base[i].x;
        std::size_t tallest = i, deepest = i, j = i;
        for (; j < bars.size() && base[j].x == x; ++j) {
            if (float(bars[j].v) > float(bars[tallest].v)) tallest = j;
            if (float(bars[j].v) < float(bars[deepest].v)) deepest = j;
        }
        draw(tallest);
        if (float(bars[deepest].v) < 0) draw(deepest);
        i = j;
    }
    box.Columns(columns, kBarColor);
}

}  // namespace views
