// One preview tick, colour computation for all keys, per mode. Budget: under
// 100 us for the worst mode.
#include <benchmark/benchmark.h>

#include "ui/mainwindow/preview/PreviewEngine.h"

namespace {

void previewTick(benchmark::State &bench) {
    preview::PreviewEngine engine;
    lighting::LightingState state;
    state.viewOn = true;
    state.mode = int(bench.range(0));
    state.multicolour = bench.range(1) != 0;
    state.colour = lighting::makeColour(40, 160, 220);
    state.direction = lighting::kDirectionForward;
    for (auto _ : bench) benchmark::DoNotOptimize(engine.tick(state));
}

void allModes(benchmark::internal::Benchmark *bench) {
    for (int mode : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20})
        for (int multicolour : {0, 1}) bench->Args({mode, multicolour});
}

}  // namespace

BENCHMARK(previewTick)->Apply(allModes)->ArgNames({"mode", "multicolour"});
