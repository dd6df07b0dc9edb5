// SPDX-License-Identifier: MIT
// Time of one recalculation on the started window without a display: the input check, the
// four loads, the total and the equipment selection that follows.
#include "core/calc_sample_job.h"
#include "support/installation.h"

#include <benchmark/benchmark.h>

namespace {

// The template job as the program starts with it.
void CalculateTemplateJob(benchmark::State& state) {
    tw::test::Installation installation;
    auto window = installation.Start();
    for (auto _ : state) {
        window->Calculate();
        benchmark::DoNotOptimize(window->GetFieldValue(503));
    }
}
BENCHMARK(CalculateTemplateJob)->Unit(benchmark::kMicrosecond);

// A job with a four-wall room, the door method and the default product.
void CalculateSampleJob(benchmark::State& state) {
    tw::test::Installation installation;
    auto window = installation.Start();
    tw::test::LoadSampleJob(*window);
    for (auto _ : state) {
        window->Calculate();
        benchmark::DoNotOptimize(window->GetFieldValue(503));
    }
}
BENCHMARK(CalculateSampleJob)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
