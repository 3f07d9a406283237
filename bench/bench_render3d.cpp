// Frames per second of the 3D view's render loop with its picture at
// 800 x 800, every box ticked, on each template. Needs an X display
// (xvfb-run); the GL work is Mesa's software renderer there.

#include "model/edits/newdesign.h"
#include "platform/device3d.h"
#include "render3d/frmRender.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testapp.h"
#include "tests/tools/templatecase.h"

#include <QCheckBox>

#include <algorithm>

#include <benchmark/benchmark.h>

namespace {

constexpr int kPictureSide = 800;

bool useXDisplay()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) return false;
    qputenv("QT_QPA_PLATFORM", "xcb");
    testsupport::testApp();
    return true;
}

void runView(benchmark::State& state, const std::string& name)
{
    if (!useXDisplay()) return state.SkipWithError("needs an X display");
    model::Design design = templatecase::loadFromSources(name);
    templatecase::makeNewDesign(design);
    model::flagDeckAndHullPanels(design);
    testsupport::ScriptedMessageBox messages;
    render3d::frmRender view(design, messages, QDBusConnection("no bus"));
    view.Check3->setChecked(true);
    view.Form_Load();
    if (!view.RenderRunning()) return state.SkipWithError("no OpenGL");
    view.resize(std::max(view.width(), kPictureSide), std::max(view.height(), kPictureSide));
    view.Picture1->setGeometry(0, 0, kPictureSide, kPictureSide);
    int frames = 0;
    QObject::connect(view.Picture1, &platform::Device3D::frameSwapped, [&frames] { ++frames; });
    for (auto _ : state) {
        const int before = frames;
        while (frames == before && view.RenderRunning()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    state.counters["fps"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    // What each frame draws: both sides' strips, four ribbons per panel, the water.
    const render3d::KayakVerts& v = view.verts();
    int vertices = 6 + 4 * v.panels * (v.LineVertCount - 38);
    for (int p = 1; p <= v.panels; ++p) vertices += 2 * v.PanelStripCounts[p];
    state.counters["vertices"] = vertices;
}

}  // namespace

static void BM_render3d_800x800_kqlk22(benchmark::State& state) { runView(state, "kqlk22"); }
static void BM_render3d_800x800_kqlk32(benchmark::State& state) { runView(state, "kqlk32"); }
static void BM_render3d_800x800_kqlk42(benchmark::State& state) { runView(state, "kqlk42"); }
static void BM_render3d_800x800_tqlk(benchmark::State& state) { runView(state, "tqlk"); }
BENCHMARK(BM_render3d_800x800_kqlk22)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_render3d_800x800_kqlk32)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_render3d_800x800_kqlk42)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_render3d_800x800_tqlk)->Unit(benchmark::kMillisecond)->UseRealTime();
