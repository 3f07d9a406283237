#include "model/hydrostatics.h"
#include "model/sections.h"
#include "tests/support/designbuilder.h"
#include "tests/support/testapp.h"
#include "tests/support/viewlayout.h"
#include "views/drawscreens.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

void useOffscreenDisplay()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testsupport::testApp();
}

}  // namespace

static void BM_drawscreens_1600x1000(benchmark::State& state)
{
    useOffscreenDisplay();
    const testsupport::ViewLayout layout = testsupport::mainWindowLayout(1600, 1000);
    std::array<platform::PictureBox, 6> boxes;
    for (int i = 0; i < 3; ++i) boxes[i].resize(layout.longWidth, layout.longHeight);
    for (int i = 3; i < 6; ++i) boxes[i].resize(layout.bandWidth, layout.bandHeight);
    const views::ViewBoxes views{&boxes[0], &boxes[1], &boxes[2], &boxes[3], &boxes[4], &boxes[5]};

    model::Design design = testsupport::sevenLineKayak();
    model::makesections(design);
    model::Hydrostatics hydro;
    model::runHydrostatics(design, {}, hydro);
    views::DrawingState drawing;
    for (auto _ : state) {
        views::drawscreens(design, hydro, views, drawing);
        // As the window's repaint does after every redraw.
        for (platform::PictureBox& box : boxes) benchmark::DoNotOptimize(box.image());
    }
}
BENCHMARK(BM_drawscreens_1600x1000)->Unit(benchmark::kMillisecond);
