#include "model/hydrostatics/hydrostatics.h"
#include "model/hydrostatics/waterlinesearch.h"
#include "tests/support/designbuilder.h"
#include "tests/tools/templatecase.h"

#include <benchmark/benchmark.h>

namespace {

// The bench hull's lines share their X control values, which lets a slice
// solve each X once for all of them. This copy nudges every line's handles
// apart so each line is solved on its own: the slower, general case.
model::Design kayakWithDistinctX()
{
    model::Design d = testsupport::sevenLineKayak();
    for (int j = 1; j <= d.LineCount; ++j)
        for (int k = 1; k <= d.HullLines[j].SegmentCount; ++k) {
            const model::CurveSegment& s = d.CurveSegments[d.HullLines[j].Segments[k]];
            d.ControlPoints[s.StartHandle].Position.X += j * 1e-4;
            d.ControlPoints[s.EndHandle].Position.X -= j * 1e-4;
        }
    return d;
}

void runGetCalculations(benchmark::State& state, model::Design d)
{
    model::Hydrostatics h;
    const model::HydroInputs inputs;
    for (auto _ : state) {
        model::runHydrostatics(d, inputs, h);
        benchmark::DoNotOptimize(h.WetVolume);
    }
}

// All 41 passes at the hull's working waterline: after each recalculation the
// target is held half a tenth of a pound off, which no displacement can equal.
void runFullSearch(benchmark::State& state, const model::Design& start)
{
    const model::HydroInputs inputs;
    int passes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        model::Design d = start;
        model::Hydrostatics h;
        model::runHydrostatics(d, inputs, h);
        h.TargetDisplacement = h.Displacement + 0.05;
        const model::SearchHooks hooks{[&] {
                                           model::runHydrostatics(d, inputs, h);
                                           h.TargetDisplacement = h.Displacement + 0.05;
                                       },
                                       {}};
        state.ResumeTiming();
        passes = model::detect(d, h, hooks).passes;
    }
    state.counters["passes"] = passes;
}

}  // namespace

static void BM_GetCalculations_7line(benchmark::State& state) { runGetCalculations(state, testsupport::sevenLineKayak()); }
BENCHMARK(BM_GetCalculations_7line)->Unit(benchmark::kMicrosecond);

static void BM_GetCalculations_7line_distinctX(benchmark::State& state) { runGetCalculations(state, kayakWithDistinctX()); }
BENCHMARK(BM_GetCalculations_7line_distinctX)->Unit(benchmark::kMicrosecond);

static void BM_detect_7line_41passes(benchmark::State& state) { runFullSearch(state, testsupport::sevenLineKayak()); }
BENCHMARK(BM_detect_7line_41passes)->Unit(benchmark::kMillisecond);

static void BM_detect_7line_distinctX_41passes(benchmark::State& state) { runFullSearch(state, kayakWithDistinctX()); }
BENCHMARK(BM_detect_7line_distinctX_41passes)->Unit(benchmark::kMillisecond);

// The templates as File > New makes them, outside any window: a run after a
// drag step (one control point moved), after an edit that moves every line
// (each point's height nudged), and after the waterline alone moved.
namespace {

enum class Change { onePoint, everyLine, waterline };

void templateGetCalculations(benchmark::State& state, const char* name, Change change)
{
    model::Design d = templatecase::loadFromSources(name);
    templatecase::makeNewDesign(d);
    model::Hydrostatics h;
    const model::Design start = d;
    int k = 0;
    for (auto _ : state) {
        const double nudge = (++k & 1) ? 1e-6 : 0.0;
        switch (change) {
        case Change::onePoint: d.ControlPoints[2].Position.Y = start.ControlPoints[2].Position.Y + nudge; break;
        case Change::everyLine:
            for (std::size_t i = 1; i < d.ControlPoints.size(); ++i)
                d.ControlPoints[i].Position.Y = start.ControlPoints[i].Position.Y + nudge;
            break;
        case Change::waterline: d.WaterlineHeight = start.WaterlineHeight + 1e4 * nudge; break;
        }
        model::runHydrostatics(d, {}, h);
        benchmark::DoNotOptimize(h.WetVolume);
    }
}

}  // namespace

#define QUILLOCK_ALONE_BENCH(name)                                                                              \
    BENCHMARK_CAPTURE(templateGetCalculations, name##_onePointMoved, #name, Change::onePoint)                 \
        ->Unit(benchmark::kMicrosecond);                                                                     \
    BENCHMARK_CAPTURE(templateGetCalculations, name##_everyLineMoved, #name, Change::everyLine)               \
        ->Unit(benchmark::kMicrosecond);                                                                     \
    BENCHMARK_CAPTURE(templateGetCalculations, name##_waterlineMoved, #name, Change::waterline)               \
        ->Unit(benchmark::kMicrosecond)
QUILLOCK_ALONE_BENCH(kqlk22);
QUILLOCK_ALONE_BENCH(kqlk32);
QUILLOCK_ALONE_BENCH(kqlk42);
QUILLOCK_ALONE_BENCH(tqlk);
