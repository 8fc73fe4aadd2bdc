// SPDX-License-Identifier: MIT
#include "queueing.h"
#include "texts.h"

#include <benchmark/benchmark.h>

// One blocking probability from scratch: one recursion step per server.
static void BM_LossProbability(benchmark::State &state)
{
    const double servers = static_cast<double>(state.range(0));
    double load = servers * 0.9;
    for (auto _ : state) {
        benchmark::DoNotOptimize(load);
        benchmark::DoNotOptimize(Calc::LossProbability(servers, load, 1.0));
    }
}
BENCHMARK(BM_LossProbability)->Arg(100)->Arg(1000);

// The lines of an Agents table of 19 rows at the load bound (100,000
// agent-hours per hour): each row's lines carry a load of its own, a little
// above the agents' because callers hold a line while they wait.
static void BM_TrunksOfATableAtTheLoadBound(benchmark::State &state)
{
    double agents[19];
    double lineLoads[19];
    int lines[19];
    for (int row = 0; row < 19; ++row) {
        agents[row] = 100300 + row;
        lineLoads[row] = 100000 * (1 + 0.05 / (row + 1));
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(lineLoads);
        Calc::TrunksNeededSideBySide(agents, lineLoads, lines, 19);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_TrunksOfATableAtTheLoadBound)->Unit(benchmark::kMicrosecond);

static void BM_PercentText(benchmark::State &state)
{
    double fraction = 0.855;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fraction);
        benchmark::DoNotOptimize(Calc::PercentText(fraction, 0));
    }
}
BENCHMARK(BM_PercentText);

static void BM_DurationText(benchmark::State &state)
{
    double hours = 125.0 / 3600;
    for (auto _ : state) {
        benchmark::DoNotOptimize(hours);
        benchmark::DoNotOptimize(Calc::DurationText(hours));
    }
}
BENCHMARK(BM_DurationText);
