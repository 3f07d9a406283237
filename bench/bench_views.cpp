#include "model/designreader.h"
#include "model/hydrostatics.h"
#include "model/sections.h"
#include "model/textfile.h"
#include "tests/support/designbuilder.h"
#include "tests/support/testapp.h"
#include "tests/support/viewlayout.h"
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

std::optional<model::Design> templateDesign(const char* name)
{
    for (const hulls::TemplateEntry& entry : hulls::templateList()) {
        if (std::string_view(entry.fileName) != name) continue;
        const auto text = model::readTextFile(std::filesystem::path(QUILLOCK_TEMPLATES) / name, 1 << 20);
        std::optional<model::Design> d = model::readTemplateText(text.value_or(""), entry.paddlerRows).design;
        if (!d) return d;
        d->DesignLoaded = true;
        d->CurveStep = model::kDefaultCurveStep;
        return d;
    }
    return std::nullopt;
}

void timeRedraws(benchmark::State& state, model::Design design, bool everyOverlay)
{
    useOffscreenDisplay();
    const testsupport::ViewLayout layout = testsupport::mainWindowLayout(1600, 1000);
    std::array<platform::PictureBox, 6> boxes;
    for (int i = 0; i < 3; ++i) boxes[i].resize(layout.longWidth, layout.longHeight);
    for (int i = 3; i < 6; ++i) boxes[i].resize(layout.bandWidth, layout.bandHeight);
    const views::ViewBoxes views{&boxes[0], &boxes[1], &boxes[2], &boxes[3], &boxes[4], &boxes[5]};

    model::makesections(design);
    model::Hydrostatics hydro;
    model::runHydrostatics(design, {}, hydro);
    views::DrawingState drawing;
    if (everyOverlay) {
        for (int i = 0; i < 3; ++i) model::addBulkhead(design);
        design.CurrentStation = std::int16_t(model::stationBound(design.StationCount) / 2);
        drawing.ViewWaterLine = true;
        drawing.markers = {true, true, true, true, true};
    }
    for (auto _ : state) {
        views::drawscreens(design, hydro, views, drawing);
        // As the window's repaint does after every redraw.
        for (platform::PictureBox& box : boxes) benchmark::DoNotOptimize(box.image());
    }
}

}  // namespace

static void BM_drawscreens_1600x1000(benchmark::State& state)
{
    timeRedraws(state, testsupport::sevenLineKayak(), false);
}
BENCHMARK(BM_drawscreens_1600x1000)->Unit(benchmark::kMillisecond);

// Every overlay, marker and the body plan on: three bulkheads, the middle
// station current, View > Water Line and all five data-window boxes checked.
static void BM_drawscreens_everyOverlay_1600x1000(benchmark::State& state, const char* name)
{
    if (std::optional<model::Design> d = templateDesign(name)) timeRedraws(state, *d, true);
    else state.SkipWithError("template not read");
}
BENCHMARK_CAPTURE(BM_drawscreens_everyOverlay_1600x1000, kqlk22, "kqlk22")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_drawscreens_everyOverlay_1600x1000, kqlk32, "kqlk32")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_drawscreens_everyOverlay_1600x1000, kqlk42, "kqlk42")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_drawscreens_everyOverlay_1600x1000, tqlk, "tqlk")->Unit(benchmark::kMillisecond);
