#include "bench/viewlayout.h"
#include "model/edits/dragedit.h"
#include "model/edits/newdesign.h"
#include "model/file/designreader.h"
#include "model/file/textfile.h"
#include "model/hull/sections.h"
#include "model/hydrostatics/hydrostatics.h"
#include "tests/support/designbuilder.h"
#include "tests/support/testapp.h"
#include "tools/templatelist.h"
#include "views/drawscreens.h"

#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <optional>
#include <string_view>

namespace {

void useOffscreenDisplay()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testsupport::testApp();
}

// A starting design as the wizard reads it before scaling.
std::optional<model::Design> templateDesign(const char* name)
{
    for (const hulls::TemplateEntry& entry : hulls::templateList()) {
        if (std::string_view(entry.fileName) != name) continue;
        const auto text = model::readTextFile(std::filesystem::path(QUILLOCK_TEMPLATES) / name, 1 << 20);
        std::optional<model::Design> d = model::readTemplateText(text.value_or(""), entry.paddlerRows).design;
        if (!d) return d;
        model::flagDeckAndHullPanels(*d);
        d->DesignLoaded = true;
        d->CurveStep = model::kDefaultCurveStep;
        return d;
    }
    return std::nullopt;
}

// The six views of a 1600 x 1000 main window, and a design ready to draw.
struct Scene {
    explicit Scene(model::Design d) : design(std::move(d))
    {
        const testsupport::ViewLayout layout = testsupport::mainWindowLayout(1600, 1000);
        for (int i = 0; i < 3; ++i) boxes[i].resize(layout.longWidth, layout.longHeight);
        for (int i = 3; i < 6; ++i) boxes[i].resize(layout.bandWidth, layout.bandHeight);
        model::makesections(design);
        model::runHydrostatics(design, {}, hydro);
    }
    // Three bulkheads, the middle station current, View > Water Line and all
    // five data-window boxes checked.
    void showEveryOverlay()
    {
        for (int i = 0; i < 3; ++i) model::addBulkhead(design);
        design.CurrentStation = std::int16_t(model::stationBound(design.StationCount) / 2);
        drawing.ViewWaterLine = true;
        drawing.markers = {true, true, true, true, true};
    }
    void draw()
    {
        views::drawscreens(design, hydro, views, drawing);
        // As the window's repaint does after every redraw.
        for (platform::PictureBox& box : boxes) benchmark::DoNotOptimize(box.image());
    }

    // The application exists before the first widget.
    struct Display {
        Display() { useOffscreenDisplay(); }
    } display;
    std::array<platform::PictureBox, 6> boxes;
    const views::ViewBoxes views{&boxes[0], &boxes[1], &boxes[2], &boxes[3], &boxes[4], &boxes[5]};
    model::Design design;
    model::Hydrostatics hydro;
    views::DrawingState drawing;
};

}  // namespace

static void BM_drawscreens_1600x1000(benchmark::State& state)
{
    Scene scene(testsupport::sevenLineKayak());
    for (auto _ : state) scene.draw();
}
BENCHMARK(BM_drawscreens_1600x1000)->Unit(benchmark::kMillisecond);

static void BM_drawscreens_everyOverlay_1600x1000(benchmark::State& state, const char* name)
{
    std::optional<model::Design> d = templateDesign(name);
    if (!d) return state.SkipWithError("template not read");
    Scene scene(*d);
    scene.showEveryOverlay();
    for (auto _ : state) scene.draw();
}
BENCHMARK_CAPTURE(BM_drawscreens_everyOverlay_1600x1000, kqlk22, "kqlk22")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_drawscreens_everyOverlay_1600x1000, kqlk32, "kqlk32")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_drawscreens_everyOverlay_1600x1000, kqlk42, "kqlk42")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_drawscreens_everyOverlay_1600x1000, tqlk, "tqlk")->Unit(benchmark::kMillisecond);

// One mouse move of a point drag in the top view: the move (with the sheer
// re-snap), the station rebuild and the redraw with the view's handles.
static void BM_dragStep_tqlk_1600x1000(benchmark::State& state)
{
    std::optional<model::Design> d = templateDesign("tqlk");
    if (!d) return state.SkipWithError("template not read");
    Scene scene(*d);
    model::Design& design = scene.design;
    scene.drawing.ActiveView = views::kActiveTop;
    scene.draw();

    // The sheer's first end point, picked where the top view draws it.
    const model::HullLine& sheer = design.HullLines[model::kSheerLine];
    const model::Point3 grab = design.point(design.CurveSegments[sheer.Segments[1]].EndPoint);
    const double L = design.HullLength;
    model::DragEditor editor(scene.drawing.DragActive, scene.drawing.WaterlineHandle);
    if (!editor.pressPlan(design, model::PlanView::Top, {grab.X * L, grab.Z * L}, 4)) {
        state.SkipWithError("no point under the mouse");
        return;
    }
    int step = 0;
    for (auto _ : state) {
        const double offset = (step++ % 2) * 0.5;
        editor.move(design, model::Plane::XZ, {grab.X * L + offset, grab.Z * L + offset});
        model::makesections(design);
        scene.draw();
    }
}
BENCHMARK(BM_dragStep_tqlk_1600x1000)->Unit(benchmark::kMillisecond);
