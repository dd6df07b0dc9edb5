// SPDX-License-Identifier: MIT
// Reading and comparing version lists of many thousand lines: both grow linearly with the
// length of the lists (a map by file name and target, no search per line).
#include "update/version_list.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> List(int lines, const char* stamp) {
    std::vector<std::string> list;
    for (int i = 0; i < lines; ++i)
        list.push_back("file" + std::to_string(i) + ".data\tdata" + std::to_string(i % 50) +
                       "\topdata\t" + stamp);
    return list;
}

void ReadAndCompare(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    const auto installed = List(lines, "2020-01-01");
    const auto newest = List(lines, "2021-01-01");
    for (auto _ : state) {
        auto comparison =
            tw::CompareVersionLists(tw::ReadVersionList(installed), tw::ReadVersionList(newest));
        benchmark::DoNotOptimize(comparison);
    }
    state.SetComplexityN(lines);
}
BENCHMARK(ReadAndCompare)->Arg(10000)->Arg(80000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace

BENCHMARK_MAIN();
