#pragma once
// Six picture boxes as the main window holds them, a drawing state and a
// design, for drawing tests.

#include "tests/support/designbuilder.h"
#include "tests/support/pixels.h"
#include "views/redraw.h"

#include <memory>

namespace testsupport {

inline constexpr platform::ColorRef kWater = platform::RGB(150, 150, 255);
inline constexpr platform::ColorRef kAir = platform::RGB(200, 200, 255);

struct ViewsFixture {
    // The box hull of 100 x 20 x 10 inches with its waterline at 5, in views
    // sized so the fit of each can be worked out by hand.
    ViewsFixture() : design(boxHull(100, 20, 10, 5))
    {
        sizeViews({1000, 89}, {400, 100}, {500, 100}, {150, 100});
        for (platform::PictureBox* box : boxList()) box->Cls();
    }

    void sizeViews(QSize right, QSize top, QSize bottom, QSize bottomBand)
    {
        right_.resize(right);
        top_.resize(top);
        bottom_.resize(bottom);
        for (platform::PictureBox* box : {&front_, &section_, &graph_}) box->resize(bottomBand);
    }

    std::array<platform::PictureBox*, 6> boxList() { return {&right_, &top_, &bottom_, &front_, &section_, &graph_}; }
    views::Redraw redraw() { return {design, hydro, views, state}; }
    QRgb at(int view, int x, int y) { return views.box(view).image().pixel(x, y); }
    // How many pixels of the view have the colour.
    int count(int view, platform::ColorRef color) { return countPixels(views.box(view).image(), color); }

    QApplication& app = testApp();
    platform::PictureBox right_, top_, bottom_, front_, section_, graph_;
    views::ViewBoxes views{&right_, &top_, &bottom_, &front_, &section_, &graph_};
    model::Design design;
    model::Hydrostatics hydro;
    views::DrawingState state;
};

}  // namespace testsupport
