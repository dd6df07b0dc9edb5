// SPDX-License-Identifier: MIT
// Time of the window's load event without a display: folders, settings, every data table,
// the catalogue, the colour and resource files, and the job at start-up.
#include "support/installation.h"

#include <benchmark/benchmark.h>

namespace {

void HeadlessStartUp(benchmark::State& state) {
    tw::test::Installation installation;
    for (auto _ : state) {
        auto window = installation.Start();
        benchmark::DoNotOptimize(window.get());
    }
}
BENCHMARK(HeadlessStartUp)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
