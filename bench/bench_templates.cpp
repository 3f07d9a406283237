// The four templates inside a running program: a window shown, the design
// made with File > New, then the work each edit and the waterline search do.

#include "dialogs/frmInfo.h"
#include "dialogs/frmNew.h"
#include "mainwindow/Form1.h"
#include "model/hull/design.h"
#include "model/hull/sections.h"
#include "model/hydrostatics/hydrostatics.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testapp.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

enum class Template { kqlk22, kqlk32, kqlk42, tqlk };

// The main window at 1600 x 1000 after File > New with the wizard's defaults.
struct RunningProgram {
    testsupport::ScriptedMessageBox messages;
    testsupport::ScriptedFileDialogs dialogs;
    std::unique_ptr<mainwindow::Form1> form;

    explicit RunningProgram(Template which)
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        testsupport::testApp();
        model::currentDesign() = model::Design{};
        form = std::make_unique<mainwindow::Form1>(messages, dialogs);
        form->resize(1600, 1000);
        form->show();
        QApplication::processEvents();
        dialogs::frmNew& wizard = form->wizard();
        wizard.templateFolder = QUILLOCK_TEMPLATES;
        form->menu("New").click();
        if (which == Template::tqlk) wizard.SSTab1->setCurrentIndex(1);
        if (which == Template::kqlk22) wizard.opt4hullpan->setChecked(true);
        if (which == Template::kqlk32) wizard.opt6hullpan->setChecked(true);
        if (which == Template::kqlk42) wizard.opt8hullpan->setChecked(true);
        wizard.Command1->click();
        QApplication::processEvents();
        if (!messages.shown.empty()) throw std::runtime_error("New failed");
    }
};

// A hydrostatics run whose geometry changed since the last one: one control
// point nudged back and forth, as a drag would.
void getCalculationsChanged(benchmark::State& state, Template which)
{
    RunningProgram program(which);
    model::Design& d = model::currentDesign();
    model::Hydrostatics h;
    const double y = d.ControlPoints[2].Position.Y;
    int k = 0;
    for (auto _ : state) {
        d.ControlPoints[2].Position.Y = y + ((++k & 1) ? 1e-6 : 0.0);
        model::runHydrostatics(d, {}, h);
        benchmark::DoNotOptimize(h.WetVolume);
    }
}

// Only the waterline moves, as in the search's passes and the weight buttons.
void getCalculationsWaterline(benchmark::State& state, Template which)
{
    RunningProgram program(which);
    model::Design& d = model::currentDesign();
    model::Hydrostatics h;
    const double w = d.WaterlineHeight;
    int k = 0;
    for (auto _ : state) {
        d.WaterlineHeight = w + ((++k & 1) ? 0.01 : 0.0);
        model::runHydrostatics(d, {}, h);
        benchmark::DoNotOptimize(h.WetVolume);
    }
}

void detectWithRedraws(benchmark::State& state, Template which)
{
    RunningProgram program(which);
    program.form->info().detect();
    const double floating = model::currentDesign().WaterlineHeight;
    for (auto _ : state) {
        state.PauseTiming();
        model::currentDesign().WaterlineHeight = floating + 3;
        program.form->GetCalculations();
        state.ResumeTiming();
        program.form->info().detect();
    }
}

// What each drag step runs, with the stations of a finely divided hull: 1001,
// or 101 (the most the preferences allow). The sheer's first anchor moves half
// an inch out and back, so every view really changes.
void sectionsAndRedraw(benchmark::State& state, Template which, double stationCount)
{
    RunningProgram program(which);
    model::Design& d = model::currentDesign();
    d.StationCount = stationCount;
    program.form->makesections();
    const model::HullLine& sheer = d.HullLines[model::kSheerLine];
    model::Point3& anchor = d.ControlPoints[d.CurveSegments[sheer.Segments[1]].EndPoint].Position;
    const double z = anchor.Z;
    int step = 0;
    for (auto _ : state) {
        anchor.Z = z + (step++ % 2) * 0.5 / d.HullLength;
        program.form->makesections();
        program.form->drawscreens();
    }
}

}  // namespace

#define QUILLOCK_TEMPLATE_BENCH(fn, unit)                                                   \
    BENCHMARK_CAPTURE(fn, kqlk22, Template::kqlk22)->Unit(benchmark::unit);                 \
    BENCHMARK_CAPTURE(fn, kqlk32, Template::kqlk32)->Unit(benchmark::unit);                 \
    BENCHMARK_CAPTURE(fn, kqlk42, Template::kqlk42)->Unit(benchmark::unit);                 \
    BENCHMARK_CAPTURE(fn, tqlk, Template::tqlk)->Unit(benchmark::unit)

QUILLOCK_TEMPLATE_BENCH(getCalculationsChanged, kMicrosecond);
QUILLOCK_TEMPLATE_BENCH(getCalculationsWaterline, kMicrosecond);
QUILLOCK_TEMPLATE_BENCH(detectWithRedraws, kMillisecond);
BENCHMARK_CAPTURE(sectionsAndRedraw, tqlk_1001stations, Template::tqlk, 1000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sectionsAndRedraw, tqlk_101stations, Template::tqlk, 100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sectionsAndRedraw, kqlk42_1001stations, Template::kqlk42, 1000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sectionsAndRedraw, kqlk42_101stations, Template::kqlk42, 100)->Unit(benchmark::kMillisecond);

