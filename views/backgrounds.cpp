#include "views/backgrounds.h"

#include <algorithm>

namespace views {

namespace {

using platform::LineForm;
using platform::PictureBox;

constexpr platform::ColorRef kWater = platform::RGB(150, 150, 255);
constexpr platform::ColorRef kAir = platform::RGB(200, 200, 255);
constexpr platform::ColorRef kRuler = platform::kBlack;
constexpr int kInchesPerFoot = 12;
constexpr int kFootTick = 2;  // inches
constexpr int kInchTick = 1;

void allWater(PictureBox& box, const ViewExtent& e)
{
    box.Line(e.XMax, e.YMax, e.XMin, e.YMin, kWater, LineForm::FilledBox);
}

// Water drawn last, so the row of pixels at the waterline is water. A
// waterline above or below the view leaves it all water or all air; keeping
// it inside the view also keeps absurd heights finite in single precision.
void splitAtWaterline(PictureBox& box, const ViewExtent& e, double height)
{
    const float waterline = float(std::clamp(height, double(e.YMin), double(e.YMax)));
    box.Line(e.XMin, waterline, e.XMax, e.YMax, kAir, LineForm::FilledBox);
    box.Line(e.XMin, waterline, e.XMax, e.YMin, kWater, LineForm::FilledBox);
}

int tickLength(int inch)
{
    return inch % kInchesPerFoot == 0 ? kFootTick : kInchTick;
}

void horizontalRuler(PictureBox& box, const ViewExtent& e)
{
    std::vector<PictureBox::VerticalSegment> ticks;
    for (int i = e.XMin; i <= e.XMax; ++i) ticks.push_back({float(i), float(e.YMax), float(e.YMax - tickLength(i))});
    box.VerticalSegments(ticks, kRuler);
}

void verticalRuler(PictureBox& box, const ViewExtent& e)
{
    for (int i = e.YMin; i <= e.YMax; ++i) box.Line(e.XMin, float(i), float(e.XMin + tickLength(i)), float(i), kRuler);
}

}  // namespace

void paintBackgrounds(const Redraw& r)
{
    allWater(r.box(kTopView), r.extent(kTopView));
    allWater(r.box(kBottomView), r.extent(kBottomView));
    for (int view : {kRightView, kFrontView, kSectionEdit}) splitAtWaterline(r.box(view), r.extent(view), r.design.WaterlineHeight);
}

void drawRulers(const Redraw& r)
{
    for (int view = kRightView; view <= kSectionEdit; ++view) {
        horizontalRuler(r.box(view), r.extent(view));
        verticalRuler(r.box(view), r.extent(view));
    }
}

}  // namespace views
