// The main window as the user has it: shown on an X display (xvfb-run) when
// there is one, on the offscreen platform otherwise.

#include "dialogs/frmInfo.h"
#include "mainwindow/Form1.h"
#include "model/design.h"
#include "model/hydrostatics.h"
#include "model/preferencevalues.h"
#include "tests/support/designbuilder.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testapp.h"
#include "tests/tools/templatecase.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kWaitForExposureMs = 5000;
constexpr double kInchesOffTheWaterline = 3;

void useDisplay()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb");
    testsupport::testApp();
}

// Lets the window come up on the screen and paint what it has.
void waitUntilShown(QWidget& window)
{
    QElapsedTimer waited;
    waited.start();
    while (window.windowHandle() && !window.windowHandle()->isExposed() && waited.elapsed() < kWaitForExposureMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::processEvents();
}

// Pending repaints painted and handed to the display.
void paintAndFlush()
{
    QCoreApplication::processEvents();
    QGuiApplication::sync();
}

// The main window at 1600 x 1000 with a design loaded and drawn.
struct LoadedWindow {
    testsupport::ScriptedMessageBox messages;
    testsupport::ScriptedFileDialogs dialogs;
    std::unique_ptr<mainwindow::Form1> form;

    explicit LoadedWindow(model::Design design)
    {
        useDisplay();
        model::currentDesign() = std::move(design);
        form = std::make_unique<mainwindow::Form1>(messages, dialogs);
        form->endProgram = [] {};
        form->resize(1600, 1000);
        form->show();
        waitUntilShown(*form);
        form->GetCalculations();
        form->makesections();
        form->drawscreens();
        paintAndFlush();
    }
    ~LoadedWindow()
    {
        form.reset();
        model::currentDesign() = {};
    }
};

model::Design newTemplateDesign(const char* name)
{
    model::Design d = templatecase::loadFromSources(name);
    templatecase::makeNewDesign(d);
    return d;
}

}  // namespace

static void BM_rebuildCycle_1600x1000(benchmark::State& state)
{
    LoadedWindow w(testsupport::cockpitKayak());
    for (auto _ : state) {
        w.form->GetCalculations();
        w.form->makesections();
        w.form->drawscreens();
    }
}
BENCHMARK(BM_rebuildCycle_1600x1000)->Unit(benchmark::kMillisecond);

// The data window's Detect clicked with the waterline 3" above where tqlk
// floats, until what the search leaves is painted on the screen.
static void BM_Detect_tqlk_3InchesOff(benchmark::State& state, bool dataWindowShown)
{
    LoadedWindow w(newTemplateDesign("tqlk"));
    dialogs::frmInfo& info = w.form->info();
    if (dataWindowShown) {
        w.form->ViewData_Click();
        waitUntilShown(info);
    }
    info.button("cmdDetect")->click();
    w.form->Timer1.setEnabled(false);
    const double floating = model::currentDesign().WaterlineHeight;
    for (auto _ : state) {
        state.PauseTiming();
        model::currentDesign().WaterlineHeight = floating + kInchesOffTheWaterline;
        w.form->GetCalculations();
        w.form->drawscreens();
        paintAndFlush();
        state.ResumeTiming();
        info.button("cmdDetect")->click();
        paintAndFlush();
        state.PauseTiming();
        // Its tick would rebuild once more, after the search.
        w.form->Timer1.setEnabled(false);
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(BM_Detect_tqlk_3InchesOff, DataWindowShown, true)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Detect_tqlk_3InchesOff, DataWindowClosed, false)->Unit(benchmark::kMillisecond)->UseRealTime();

// One mouse move of a point drag in the top view of tqlk at the most stations
// the preferences allow, until the window's repaint is handed to the display.
static void BM_DragStep_tqlk_101Stations_RepaintAndFlush(benchmark::State& state)
{
    model::Design d = newTemplateDesign("tqlk");
    d.StationCount = model::kMostStations + 1;
    LoadedWindow w(std::move(d));
    const model::Design& design = model::currentDesign();
    const model::HullLine& sheer = design.HullLines[model::kSheerLine];
    const model::Point3 grab = design.point(design.CurveSegments[sheer.Segments[1]].EndPoint);
    const float x = float(grab.X * design.HullLength), z = float(grab.Z * design.HullLength);
    w.form->TopView_MouseDown(x, z);
    if (!w.form->drawingState().DragActive) {
        state.SkipWithError("no point under the mouse");
        return;
    }
    int step = 0;
    for (auto _ : state) {
        const float offset = float(step++ % 2) * 0.5f;
        w.form->TopView_MouseMove(x + offset, z + offset);
        paintAndFlush();
    }
    w.form->TopView_MouseUp(x, z);
    w.form->Timer1.setEnabled(false);
}
BENCHMARK(BM_DragStep_tqlk_101Stations_RepaintAndFlush)->Unit(benchmark::kMillisecond)->UseRealTime();
