#include "views/edithandles.h"

#include "model/edits/dragedit.h"

namespace views {

namespace {

using model::ControlPoint;
using model::CurveSegment;
using model::Design;

constexpr float kHandleRadius = 0.5f;     // inches at zoom 1
constexpr float kEndPointRadius = 0.65f;  // inches at zoom 1
constexpr float kWaterlineHandleRadius = 1.0f;
constexpr platform::ColorRef kArmColor = platform::RGB(0, 0, 0);
constexpr platform::ColorRef kWaterlineHandleFill = platform::RGB(20, 20, 200);

struct HandleView {
    int view;
    std::int16_t panelFlag;  // the IsHull value of its panels; -1 for all
    bool plan;               // shows half-breadth upward
    bool lockTest;           // hides points held in plan on the first line of a panel
};

constexpr std::int16_t kAllPanels = -1;
constexpr HandleView kHandleViews[] = {
    {kRightView, kAllPanels, false, false},
    {kTopView, std::int16_t(model::PlanView::Top), true, true},
    {kBottomView, std::int16_t(model::PlanView::Bottom), true, false},
};

class HandlePainter {
public:
    HandlePainter(const Design& design, platform::PictureBox& box, const HandleView& view, double zoom)
        : d_(design), box_(box), view_(view), zoom_(float(zoom))
    {
    }

    void line(int index, bool isLineA)
    {
        if (!d_.hasLine(index)) return;
        const model::HullLine& l = d_.HullLines[index];
        box_.FillColor = l.Color;
        const int count = std::min<int>(l.SegmentCount, int(l.Segments.size()) - 1);
        for (int j = 1; j <= count; ++j) {
            const int s = l.Segments[j];
            if (s < 1 || s >= int(d_.CurveSegments.size())) continue;
            segment(d_.CurveSegments[s], view_.lockTest && isLineA);
        }
    }

private:
    void segment(const CurveSegment& s, bool lockTest)
    {
        // Segments bounded by another point's X get no handles.
        if (s.Kind != model::kCoversStartToEnd) return;
        for (int p : {s.StartPoint, s.StartHandle, s.EndHandle, s.EndPoint})
            if (!d_.hasPoint(p)) return;
        auto hidden = [&](int p) { return lockTest && fixedInPlan(d_.ControlPoints[p]); };
        box_.DrawStyle = platform::kDrawDot;
        arm(s.StartPoint, s.StartHandle, hidden);
        arm(s.EndPoint, s.EndHandle, hidden);
        box_.DrawStyle = platform::kDrawSolid;
        circle(s.StartHandle, kHandleRadius, hidden);
        circle(s.EndHandle, kHandleRadius, hidden);
        circle(s.StartPoint, kEndPointRadius, hidden);
        circle(s.EndPoint, kEndPointRadius, hidden);
    }

    template <class Hidden>
    void arm(int from, int to, const Hidden& hidden)
    {
        if (hidden(from) && hidden(to)) return;
        const auto [x1, y1] = at(from);
        const auto [x2, y2] = at(to);
        box_.Line(x1, y1, x2, y2, kArmColor);
    }

    template <class Hidden>
    void circle(int p, float radius, const Hidden& hidden)
    {
        if (hidden(p)) return;
        const auto [x, y] = at(p);
        box_.Circle(x, y, radius / zoom_);
    }

    static bool fixedInPlan(const ControlPoint& cp) { return cp.LockX != 0 && cp.LockZ != 0; }

    std::pair<float, float> at(int p) const
    {
        const model::Point3& q = d_.point(p);
        return {float(d_.HullLength * q.X), float(d_.HullLength * (view_.plan ? q.Z : q.Y))};
    }

    const Design& d_;
    platform::PictureBox& box_;
    const HandleView& view_;
    float zoom_;
};

void drawWaterlineHandle(const Redraw& r)
{
    model::Point3& handle = r.state.WaterlineHandle;
    model::placeWaterlineHandle(handle, r.extent(kRightView).XMax, r.design.WaterlineHeight);
    platform::PictureBox& box = r.box(kRightView);
    box.FillColor = kWaterlineHandleFill;
    box.Circle(float(handle.X), float(handle.Y), kWaterlineHandleRadius / float(r.state.ZoomFactor));
}

}  // namespace

void drawEditHandles(const Redraw& r)
{
    for (const HandleView& view : kHandleViews) {
        if (view.view != r.state.ActiveView) continue;
        HandlePainter painter(r.design, r.box(view.view), view, r.state.ZoomFactor);
        const int panels = std::min<int>(r.design.PanelsPerSide, int(r.design.HullPanels.size()) - 1);
        for (int i = 1; i <= panels; ++i) {
            const model::HullPanel& panel = r.design.HullPanels[i];
            if (view.panelFlag != kAllPanels && panel.IsHull != view.panelFlag) continue;
            painter.line(panel.LineA, true);
            painter.line(panel.LineB, false);
        }
        if (view.view == kRightView) drawWaterlineHandle(r);
    }
}

}  // namespace views
