// The 3D view with its picture at 800 x 800, every box ticked, on each
// template: frames a second while the mouse orbits it, and the share of one
// core it takes while nothing moves. Needs an X display (xvfb-run); the GL
// work is Mesa's software renderer there.

#include "model/edits/newdesign.h"
#include "platform/device3d.h"
#include "render3d/frmRender.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testapp.h"
#include "tests/tools/templatecase.h"

#include <QCheckBox>
#include <QTimer>

#include <algorithm>
#include <ctime>
#include <memory>

#include <benchmark/benchmark.h>

namespace {

constexpr int kPictureSide = 800;
constexpr int kIdleWindowMs = 1000;  // each iteration of the idle figure
constexpr int kOrbitStepPixels = 3;
constexpr int kOrbitSpanPixels = 300;

bool useXDisplay()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) return false;
    qputenv("QT_QPA_PLATFORM", "xcb");
    testsupport::testApp();
    return true;
}

double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// An open view of a template, its frames counted.
struct OpenView {
    model::Design design;
    testsupport::ScriptedMessageBox messages;
    std::unique_ptr<render3d::frmRender> view;
    int frames = 0;

    bool open(const std::string& name)
    {
        if (!useXDisplay()) return false;
        design = templatecase::loadFromSources(name);
        templatecase::makeNewDesign(design);
        model::flagDeckAndHullPanels(design);
        view = std::make_unique<render3d::frmRender>(design, messages, QDBusConnection("no bus"));
        view->Check3->setChecked(true);
        view->Form_Load();
        if (!view->RenderRunning()) return false;
        view->resize(std::max(view->width(), kPictureSide), std::max(view->height(), kPictureSide));
        view->Picture1->setGeometry(0, 0, kPictureSide, kPictureSide);
        QObject::connect(view->Picture1, &platform::Device3D::frameSwapped, [this] { ++frames; });
        return true;
    }
    // The next frame presented, or false when the view stopped.
    bool nextFrame()
    {
        const int before = frames;
        while (frames == before && view->RenderRunning())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return view->RenderRunning();
    }
    void runEventLoopFor(int ms)
    {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    }
};

void orbit(benchmark::State& state, const std::string& name)
{
    OpenView v;
    if (!v.open(name)) return state.SkipWithError("needs an X display with OpenGL");
    emit v.view->Picture1->mouseDown(0, 0);
    int step = 0;
    for (auto _ : state) {
        ++step;
        emit v.view->Picture1->mouseMove(double(step * kOrbitStepPixels % kOrbitSpanPixels), 0);
        if (!v.nextFrame()) return state.SkipWithError("the view stopped");
    }
    emit v.view->Picture1->mouseUp(0, 0);
    state.counters["fps"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    // What each frame draws: both sides' strips, four ribbons per panel, the water.
    const render3d::KayakVerts& verts = v.view->verts();
    int vertices = 6 + 4 * verts.panels * (verts.LineVertCount - 38);
    for (int p = 1; p <= verts.panels; ++p) vertices += 2 * verts.PanelStripCounts[p];
    state.counters["vertices"] = vertices;
}

}  // namespace

static void BM_Render3D_Orbit_800x800_kqlk22(benchmark::State& state) { orbit(state, "kqlk22"); }
static void BM_Render3D_Orbit_800x800_kqlk32(benchmark::State& state) { orbit(state, "kqlk32"); }
static void BM_Render3D_Orbit_800x800_kqlk42(benchmark::State& state) { orbit(state, "kqlk42"); }
static void BM_Render3D_Orbit_800x800_tqlk(benchmark::State& state) { orbit(state, "tqlk"); }
BENCHMARK(BM_Render3D_Orbit_800x800_kqlk22)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Render3D_Orbit_800x800_kqlk32)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Render3D_Orbit_800x800_kqlk42)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Render3D_Orbit_800x800_tqlk)->Unit(benchmark::kMillisecond)->UseRealTime();

// The view open on tqlk with nothing moving: the process's CPU time over each
// second of the running event loop, as a share of one core.
static void BM_Render3D_Idle_800x800_tqlk_CoreShare(benchmark::State& state)
{
    OpenView v;
    if (!v.open("tqlk") || !v.nextFrame()) return state.SkipWithError("needs an X display with OpenGL");
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        const double cpuBefore = processCpuSeconds();
        v.runEventLoopFor(kIdleWindowMs);
        cpu += processCpuSeconds() - cpuBefore;
        wall += kIdleWindowMs / 1000.0;
    }
    state.counters["core_share"] = cpu / std::max(wall, 1e-9);
    state.counters["frames"] = v.frames;
}
BENCHMARK(BM_Render3D_Idle_800x800_tqlk_CoreShare)->Unit(benchmark::kMillisecond)->UseRealTime();
