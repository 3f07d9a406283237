#include "model/file/designreader.h"
#include "model/file/designwriter.h"
#include "tests/support/designbuilder.h"

#include <benchmark/benchmark.h>

static void BM_writeDesignText_7line(benchmark::State& state)
{
    const model::Design d = testsupport::sevenLineKayak();
    for (auto _ : state) benchmark::DoNotOptimize(model::writeDesignText(d));
}
BENCHMARK(BM_writeDesignText_7line)->Unit(benchmark::kMicrosecond);

static void BM_readDesignText_7line(benchmark::State& state)
{
    const std::string text = model::writeDesignText(testsupport::sevenLineKayak());
    for (auto _ : state) {
        model::DesignRead read = model::readDesignText(text);
        if (!read.design) state.SkipWithError(read.fault.c_str());
        benchmark::DoNotOptimize(read);
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(text.size()));
}
BENCHMARK(BM_readDesignText_7line)->Unit(benchmark::kMicrosecond);
