#include "views/markers.h"

namespace views {

namespace {

using platform::PictureBox;
using platform::RGB;

constexpr platform::ColorRef kLcbColor = RGB(225, 0, 0);
constexpr platform::ColorRef kLcfGraphColor = RGB(0, 0, 255);
constexpr platform::ColorRef kLcfViewColor = RGB(0, 0, 225);
constexpr platform::ColorRef kHalfAngleColor = RGB(255, 0, 0);
constexpr float kGraphSpan = 100;  // covers the graph's whole height either way

void dottedLine(PictureBox& box, float x, float lower, float upper, platform::ColorRef color)
{
    box.DrawStyle = platform::kDrawDot;
    box.Line(x, lower, x, upper, color);
    box.DrawStyle = platform::kDrawSolid;
}

void centreLine(const Redraw& r, double x, platform::ColorRef graphColor, platform::ColorRef viewColor)
{
    dottedLine(r.box(kVolumeGraph), float(x), -kGraphSpan, kGraphSpan, graphColor);
    for (int view : {kRightView, kTopView, kBottomView}) {
        const ViewExtent& e = r.extent(view);
        dottedLine(r.box(view), float(x), e.YMin, e.YMax, viewColor);
    }
}

// A right triangle on the centre line: from the waterline's end `a` to the
// measuring station `b`, where the half-width stands.
void halfAngleTriangle(PictureBox& box, double a, double b, double halfWidth)
{
    box.Line(float(a), 0, float(b), float(halfWidth), kHalfAngleColor);
    box.Line(float(a), 0, float(b), 0, kHalfAngleColor);
    box.Line(float(b), 0, float(b), float(halfWidth), kHalfAngleColor);
}

}  // namespace

void drawAnalysisMarkers(const Redraw& r)
{
    const MarkerSwitches& on = r.state.markers;
    const model::Hydrostatics& h = r.hydro;
    if (on.chkLCBVisible) centreLine(r, h.LCBPosition, kLcbColor, kLcbColor);
    if (on.chkLCFVisible) centreLine(r, h.WaterlineStart + h.LCF, kLcfGraphColor, kLcfViewColor);
    PictureBox& bottom = r.box(kBottomView);
    if (on.chkEntryHalfAngle)
        halfAngleTriangle(bottom, h.WaterlineStart, h.WaterlineStart + h.EntryMeasuredFrom, h.EntryHalfWidth);
    if (on.chkExitHalfAngle)
        halfAngleTriangle(bottom, h.WaterlineEnd, h.WaterlineEnd - h.ExitMeasuredFrom, h.ExitHalfWidth);
}

}  // namespace views
