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
