// The main window as the user has it: shown on an X display (xvfb-run) when
// there is one, on the offscreen platform otherwise. The 3D view needs the
// display with OpenGL: QT_QPA_PLATFORM=xcb.

#include "dialogs/frmInfo.h"
#include "mainwindow/Form1.h"
#include "model/document/actionguard.h"
#include "model/file/designcheck.h"
#include "model/file/designwriter.h"
#include "model/hull/design.h"
#include "model/edits/preferencevalues.h"
#include "model/hull/sections.h"
#include "model/hydrostatics/hydrostatics.h"
#include "panels/frmPanels.h"
#include "platform/device3d.h"
#include "render3d/frmRender.h"
#include "tests/support/designbuilder.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testapp.h"
#include "tests/tools/templatecase.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>

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

namespace {

// The largest files Open accepts, all with the most panels and bulkheads:
// the most stations; the most stations and as many lines as the sampling
// bound leaves; 20 stations and as many lines; 20 stations and the file
// filled with points of the most links.
struct Extreme {
    double stations;
    bool moreLines, linkedPoints;
};
constexpr Extreme kExtremes[] = {
    {model::kMaxStationCount, false, false},
    {model::kMaxStationCount, true, false},
    {20, true, false},
    {20, false, true},
};
// The worst the panel preview and the 3D view get: every panel at the most
// stations, with the lines the 3D view needs for them (two a panel).
constexpr int kMostStationsAndLines = 1;

// Copies of the hull's panels, each running from bow to stern as the 3D view
// needs its ends.
void addPanels(model::Design& d)
{
    const int own = d.PanelsPerSide;
    d.HullPanels.resize(model::kMaxPanelsPerSide + 1);
    for (int k = own + 1; k <= model::kMaxPanelsPerSide; ++k) d.HullPanels[k] = d.HullPanels[(k - 1) % own + 1];
    d.PanelEnds.assign(model::kMaxPanelsPerSide + 1, {0, model::kBowPoint, model::kSternPoint});
    d.PanelsPerSide = model::kMaxPanelsPerSide;
}

double lineWork(const model::Design& d)
{
    double lines = d.LineCount;
    for (int i = 1; i <= d.LineCount; ++i) lines += d.HullLines[i].SegmentCount;
    return (d.StationCount + 2 + d.BulkheadCount + model::kSamplesBesideSections) * lines;
}

// Copies of the hull's lines until the next would pass the sampling bound.
void addLines(model::Design& d)
{
    const int own = d.LineCount;
    for (int i = 1;; ++i) {
        d.HullLines.push_back(d.HullLines[(i - 1) % own + 1]);
        ++d.LineCount;
        if (lineWork(d) > model::kMaxLineSampleWork) break;
    }
    d.HullLines.pop_back();
    --d.LineCount;
}

void addBulkheads(model::Design& d)
{
    d.Bulkheads.assign(model::kMaxBulkheads + 1, model::Section{});
    for (int b = 1; b <= model::kMaxBulkheads; ++b) d.Bulkheads[b].X = (b + 0.5) / (model::kMaxBulkheads + 2);
    d.BulkheadCount = model::kMaxBulkheads;
}

// Points of the most links, linked among themselves, until the file is full.
void addLinkedPoints(model::Design& d)
{
    model::ControlPoint linked = d.ControlPoints[2];
    linked.Kind = model::kAnchor;
    linked.LinkCount = model::kMaxLinksPerPoint;
    linked.Links.assign(model::kMaxLinksPerPoint + 1, 2);
    const std::size_t without = model::writeDesignText(d).size();
    d.ControlPoints.push_back(linked);
    ++d.PointCount;
    const std::size_t pointBytes = model::writeDesignText(d).size() - without;
    const std::size_t points = (model::kMaxDesignFileBytes - without) / pointBytes;
    d.ControlPoints.resize(d.ControlPoints.size() + points - 1, linked);
    d.PointCount = std::int16_t(d.PointCount + points - 1);
}

model::Design extremeDesign(const Extreme& shape)
{
    model::Design d = testsupport::cockpitKayak();
    addPanels(d);
    addBulkheads(d);
    d.StationCount = shape.stations;
    if (shape.moreLines) addLines(d);
    if (shape.linkedPoints) addLinkedPoints(d);
    return d;
}

long statusKiB(const char* field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(field)) return std::stol(line.substr(std::strlen(field)));
    return -1;
}

// Hands freed heap back to the system, so what the next step allocates is
// counted, and resets the peak resident size to the present one (Linux).
void resetPeakMemory()
{
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

// An extreme written to a design file, as Open takes it.
struct ExtremeFile {
    model::Design design;
    std::string text;
    QTemporaryDir folder;
    std::string path = (folder.path() + "/largest.QLK").toStdString();

    explicit ExtremeFile(int shape) : design(extremeDesign(kExtremes[shape])), text(model::writeDesignText(design))
    {
        std::ofstream(path, std::ios::binary) << text;
    }
    // Why Open would refuse it, or nothing.
    std::optional<std::string> refusal() const
    {
        if (auto fault = model::designFault(design)) return fault;
        if (text.size() > model::kMaxDesignFileBytes) return "larger than a design file may be";
        return std::nullopt;
    }
    void count(benchmark::State& state) const
    {
        state.counters["panels"] = design.PanelsPerSide;
        state.counters["stations"] = design.StationCount;
        state.counters["bulkheads"] = design.BulkheadCount;
        state.counters["lines"] = design.LineCount;
    }
};

// File > Open of the file in the main window, as the user does.
bool openThroughMenu(LoadedWindow& w, const std::string& path)
{
    model::currentDesign().DesignChanged = false;
    w.dialogs.answers = {path};
    w.form->Open_Click();
    paintAndFlush();
    return model::currentDesign().FileName == path;
}

// The largest growth of the peak resident size (VmHWM, reset before each
// step) over the resident size before the step, or over the baseline given.
struct PeakGrowth {
    std::optional<long> baselineKiB;
    long largestKiB = 0;

    template <class Step> void measure(const Step& step)
    {
        resetPeakMemory();
        const long before = baselineKiB.value_or(statusKiB("VmRSS:"));
        step();
        largestKiB = std::max(largestKiB, statusKiB("VmHWM:") - before);
    }
    double MiB() const { return double(largestKiB) / 1024; }
};

template <class Window> Window* shownWindow()
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(top); window && window->isVisible()) return window;
    return nullptr;
}

// Runs events until the view presents a frame or stops; false when it stopped.
bool waitForFrame(render3d::frmRender& view)
{
    bool swapped = false;
    const QMetaObject::Connection c =
        QObject::connect(view.Picture1, &platform::Device3D::frameSwapped, [&swapped] { swapped = true; });
    while (!swapped && view.RenderRunning()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QObject::disconnect(c);
    return swapped;
}

}  // namespace

// File > Open of each extreme through the window's own handler: read, check,
// rebuild and the first redraw, each open replacing the one before. Its peak
// memory is the largest growth over the resident size before an open.
static void BM_openLargestAcceptedFile(benchmark::State& state)
{
    const ExtremeFile file(int(state.range(0)));
    if (auto refusal = file.refusal()) return state.SkipWithError(refusal->c_str());
    LoadedWindow w(testsupport::cockpitKayak());
    PeakGrowth peak;
    for (auto _ : state) {
        model::currentDesign().DesignChanged = false;
        w.dialogs.answers = {file.path};
        peak.measure([&] { w.form->Open_Click(); });
        if (model::currentDesign().FileName != file.path) return state.SkipWithError("refused");
    }
    file.count(state);
    state.counters["file_kB"] = double(file.text.size()) / 1000;
    state.counters["peak_MiB"] = peak.MiB();
    state.counters["points"] = file.design.PointCount;
}
BENCHMARK(BM_openLargestAcceptedFile)
    ->ArgName("shape")
    ->DenseRange(0, int(std::size(kExtremes)) - 1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

namespace {

// The worst file Open accepts for the panel preview and the 3D view, opened
// through File > Open in the window; the peak memory of what follows counts
// over the resident size then.
struct WorstFileOpened {
    ExtremeFile file{kMostStationsAndLines};
    LoadedWindow w{testsupport::cockpitKayak()};
    std::optional<std::string> refusal = file.refusal();
    PeakGrowth peak;

    WorstFileOpened()
    {
        if (!refusal && !openThroughMenu(w, file.path)) refusal = "refused";
        resetPeakMemory();
        peak.baselineKiB = statusKiB("VmRSS:");
    }
    void count(benchmark::State& state) const
    {
        file.count(state);
        state.counters["peak_MiB"] = peak.MiB();
    }
};

}  // namespace

// Plans > Preview Panels on the worst file: each activation develops every
// panel at every station and draws the sheet, until it is on the screen.
static void BM_previewPanelsLargestAcceptedFile(benchmark::State& state)
{
    WorstFileOpened opened;
    if (opened.refusal) return state.SkipWithError(opened.refusal->c_str());
    for (auto _ : state)
        opened.peak.measure([&] {
            opened.w.form->menu("PreviewPanels").click();
            paintAndFlush();
        });
    auto* preview = shownWindow<panels::frmPanels>();
    if (!preview || preview->developedPanels().empty()) return state.SkipWithError("no panels developed");
    opened.count(state);
}
BENCHMARK(BM_previewPanelsLargestAcceptedFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// View > 3D Rendering on the worst file: each time a fresh view builds its
// lists, until its first frame is presented. Needs an X display with OpenGL
// (xvfb-run, QT_QPA_PLATFORM=xcb).
static void BM_render3DLargestAcceptedFile(benchmark::State& state)
{
    WorstFileOpened opened;
    if (opened.refusal) return state.SkipWithError(opened.refusal->c_str());
    for (auto _ : state) {
        bool presented = false;
        opened.peak.measure([&] {
            opened.w.form->menu("Render3D").click();
            auto* view = shownWindow<render3d::frmRender>();
            presented = view && waitForFrame(*view);
        });
        // The view says why it could not start: no OpenGL, or a design it cannot draw.
        const auto& said = opened.w.messages.shown;
        if (!presented) return state.SkipWithError(said.empty() ? "the view stopped" : said.back().text.c_str());
    }
    opened.count(state);
}
BENCHMARK(BM_render3DLargestAcceptedFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

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
        // As the event loop delivers it: through the view's signal and the
        // window's guard, not straight into the handler.
        emit w.form->boxes.TopView->mouseMove(Qt::LeftButton, Qt::NoModifier, x + offset, z + offset);
        paintAndFlush();
    }
    w.form->TopView_MouseUp(x, z);
    w.form->Timer1.setEnabled(false);
}
BENCHMARK(BM_DragStep_tqlk_101Stations_RepaintAndFlush)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the guard of every handler adds to a drag step: the copy of the design
// and its results it would put back after an error.
static void BM_HandlerGuard_tqlk_101Stations(benchmark::State& state)
{
    model::Design d = newTemplateDesign("tqlk");
    d.StationCount = model::kMostStations + 1;
    LoadedWindow w(std::move(d));
    for (auto _ : state) benchmark::DoNotOptimize(model::runRestoringOnError([] {}, nullptr));
}
BENCHMARK(BM_HandlerGuard_tqlk_101Stations)->Unit(benchmark::kMicrosecond);
