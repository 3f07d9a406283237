#include "model/hull/curves.h"
#include "model/hull/sections.h"
#include "tests/support/designbuilder.h"

#include <benchmark/benchmark.h>

static void BM_PointOnLineAtX_7line(benchmark::State& state)
{
    const model::Design d = testsupport::sevenLineKayak();
    double x = 0;
    for (auto _ : state) {
        x += 0.001;
        if (x > 1) x = 0;
        for (int j = 1; j <= d.LineCount; ++j) benchmark::DoNotOptimize(model::PointOnLineAtX(d, d.HullLines[j], x));
    }
    state.SetItemsProcessed(state.iterations() * d.LineCount);
}
BENCHMARK(BM_PointOnLineAtX_7line);

static void BM_makesections_7line_101stations(benchmark::State& state)
{
    model::Design d = testsupport::sevenLineKayak();
    d.StationCount = 101;
    for (auto _ : state) {
        model::makesections(d);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_makesections_7line_101stations)->Unit(benchmark::kMicrosecond);
