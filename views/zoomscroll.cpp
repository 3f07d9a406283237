#include "views/zoomscroll.h"

namespace views {

namespace {

double share(const ScrollBar& bar)
{
    return bar.Max > 0 ? double(bar.Value) / double(bar.Max) : 0.0;
}

constexpr int kLongViews[] = {kRightView, kTopView, kBottomView};

}  // namespace

ViewExtent visibleWindow(const ViewExtent& fitted, double zoom, const ScrollBar& horizontal, const ScrollBar& vertical)
{
    const int width = fitted.XMax - fitted.XMin;
    const int height = fitted.YMax - fitted.YMin;
    ViewExtent shown;
    shown.XMin = toExtent(fitted.XMin + share(horizontal) * width);
    shown.XMax = toExtent(shown.XMin + width / zoom);
    shown.YMax = toExtent(fitted.YMax - share(vertical) * height);
    shown.YMin = toExtent(shown.YMax - height / zoom);
    return shown;
}

void setScrollBarsByZoom(DrawingState& state)
{
    const bool zoomedIn = state.ZoomFactor > 1;
    for (int view : kLongViews) {
        for (ScrollBar* bar : {&state.verticalBar(view), &state.horizontalBar(view)}) {
            bar->Visible = zoomedIn;
            if (!zoomedIn) bar->Value = 0;
        }
    }
}

void applyZoomAndScroll(DrawingState& state)
{
    if (state.ZoomFactor == 1) return;
    for (int view : kLongViews) {
        state.VisibleWindows[view] = visibleWindow(state.ViewExtents[view], state.ZoomFactor,
                                                   state.horizontalBar(view), state.verticalBar(view));
        state.ViewExtents[view] = state.VisibleWindows[view];
    }
}

}  // namespace views
