#pragma once
// Six picture boxes as the main window holds them, a drawing state and a
// design, for drawing tests.

#include "model/hull/sections.h"
#include "tests/support/designbuilder.h"
#include "tests/support/pixels.h"
#include "views/drawscreens.h"
#include "views/redraw.h"

namespace testsupport {

inline constexpr platform::ColorRef kWater = platform::RGB(150, 150, 255);
inline constexpr platform::ColorRef kAir = platform::RGB(200, 200, 255);

struct ViewsFixture {
    // The box hull of 100 x 20 x 10 inches with its waterline at 5, in views
    // sized so the fit of each can be worked out by hand, erased and filling
    // solid as a redraw leaves them.
    ViewsFixture() : design(boxHull(100, 20, 10, 5))
    {
        model::makesections(design);
        sizeViews({1000, 89}, {400, 100}, {500, 100}, {150, 100});
        for (int view = views::kRightView; view <= views::kVolumeGraph; ++view) {
            views.box(view).Cls();
            views.box(view).FillStyle = platform::kFillSolid;
        }
    }
    void sizeViews(QSize right, QSize top, QSize bottom, QSize bottomBand)
    {
        right_.resize(right);
        top_.resize(top);
        bottom_.resize(bottom);
        for (platform::PictureBox* box : {&front_, &section_, &graph_}) box->resize(bottomBand);
    }
    void setWindow(int view, views::ViewExtent e)
    {
        state.ViewExtents[view] = e;
        views.box(view).Scale(e.XMin, e.YMax, e.XMax, e.YMin);
    }
    void run() { drawscreens(design, hydro, views, state); }
    views::Redraw redraw() { return {design, hydro, views, state}; }
    const views::ViewExtent& extent(int view) const { return state.ViewExtents[view]; }
    QImage image(int view) { return views.box(view).image(); }
    int count(int view, platform::ColorRef color) { return countPixels(image(view), color); }
    void expect(int view, std::initializer_list<Pixel> pixels)
    {
        SCOPED_TRACE(testing::Message() << "view " << view);
        expectPixels(image(view), pixels);
    }
    // Where (x, y) inches land in a view, and the pixel there.
    platform::Point pixel(int view, double x, double y)
    {
        const platform::PictureBox& box = views.box(view);
        return box.userScale().toDevice(x, y, box.width(), box.height());
    }
    QRgb at(int view, double x, double y)
    {
        const platform::Point p = pixel(view, x, y);
        return image(view).pixel(p.x, p.y);
    }

    QApplication& app = testApp();
    platform::PictureBox right_, top_, bottom_, front_, section_, graph_;
    views::ViewBoxes views{&right_, &top_, &bottom_, &front_, &section_, &graph_};
    model::Design design;
    model::Hydrostatics hydro;
    views::DrawingState state;
};

}  // namespace testsupport
