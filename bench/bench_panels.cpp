#include "model/hull/design.h"
#include "model/hull/sections.h"
#include "panels/development.h"
#include "panels/frmPanels.h"
#include "platform/picturebox.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testapp.h"
#include "tests/tools/templatecase.h"

#include <benchmark/benchmark.h>

namespace {

// A template as the wizard makes it at its own length.
model::Design newDesign(const char* name)
{
    model::Design d = templatecase::loadFromSources(name);
    templatecase::makeNewDesign(d, d.HullLength, 24);
    return d;
}

void developTemplate(benchmark::State& state, const char* name)
{
    const model::Design design = newDesign(name);
    for (auto _ : state) benchmark::DoNotOptimize(panels::DevelopPanels(design));
}

// The preview laid out on the screen as the menu opens it, with two
// bulkheads; each round redraws it (or, with `activate`, runs the whole
// activation: layout, development and redraw) and takes its picture as the
// window's repaint does.
void previewTemplate(benchmark::State& state, const char* name, bool activate)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testsupport::testApp();
    model::Design& design = model::currentDesign();
    design = newDesign(name);
    for (double x : {0.3, 0.6}) {
        model::addBulkhead(design);
        design.Bulkheads[design.BulkheadCount].X = x;
    }
    model::makesections(design);
    testsupport::ScriptedMessageBox messages;
    panels::frmPanels window(messages);
    window.showPreview();
    state.counters["width"] = window.PanelView->width();
    for (auto _ : state) {
        if (activate) window.Form_Activate();
        else window.drawpanels();
        benchmark::DoNotOptimize(window.PanelView->image());
    }
    model::currentDesign() = {};
}

}  // namespace

BENCHMARK_CAPTURE(developTemplate, kqlk22, "kqlk22")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(developTemplate, kqlk32, "kqlk32")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(developTemplate, kqlk42, "kqlk42")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(developTemplate, tqlk, "tqlk")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(previewTemplate, drawpanels_kqlk42, "kqlk42", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(previewTemplate, drawpanels_tqlk, "tqlk", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(previewTemplate, Form_Activate_kqlk42, "kqlk42", true)->Unit(benchmark::kMillisecond);
