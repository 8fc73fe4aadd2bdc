// SPDX-License-Identifier: MIT
#include "erlanga.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double LoadBound = 100000; // agent-hours per hour
constexpr int TableRows = 20;

// Figures for the agent numbers first, first + 1, ... (TableRows of them),
// as a table of agent numbers evaluates them.
void evaluateTable(const Calc::ErlangATraffic &traffic, long long first, double goalSeconds)
{
    for (long long n = first; n < first + TableRows; ++n)
        benchmark::DoNotOptimize(Calc::ErlangA(traffic, n, goalSeconds));
}

Calc::ErlangATraffic atLoad(double load, double handleSeconds, double patienceSeconds)
{
    return Calc::ErlangATraffic{load * 3600 / handleSeconds, handleSeconds, patienceSeconds};
}

} // namespace

// One agent number: 100 calls in 30 minutes, 180 s handling, 300 s
// patience, 14 agents, 20 s goal.
static void BM_ErlangAOneAgentNumber(benchmark::State &state)
{
    const Calc::ErlangATraffic traffic{200, 180, 300};
    for (auto _ : state)
        benchmark::DoNotOptimize(Calc::ErlangA(traffic, 14, 20));
}
BENCHMARK(BM_ErlangAOneAgentNumber)->Unit(benchmark::kMicrosecond);

// The planners' worked example (100 calls in an hour, 03:30 handling, 00:25
// patience, 20 s goal, 5.8 agent-hours per hour) over 20 agent numbers from
// 1 up, below the load as well.
static void BM_ErlangAWorkedExampleTable(benchmark::State &state)
{
    const Calc::ErlangATraffic traffic{100, 210, 25};
    for (auto _ : state)
        evaluateTable(traffic, 1, 20);
}
BENCHMARK(BM_ErlangAWorkedExampleTable)->Unit(benchmark::kMicrosecond);

// 20 agent numbers at the load bound, starting `range(0)` agents above the
// load (negative: below it). Handling and patience pick the shape: 1 s
// handling with 23:59 patience gives the largest n mu / theta (1.4e8), where
// the incomplete gamma arguments are largest; 47:58 handling the other end.
static void BM_ErlangAWorstTable(benchmark::State &state)
{
    const double handle = static_cast<double>(state.range(1));
    const double patience = static_cast<double>(state.range(2));
    const Calc::ErlangATraffic traffic = atLoad(LoadBound, handle, patience);
    const long long first = static_cast<long long>(LoadBound) + state.range(0);
    for (auto _ : state)
        evaluateTable(traffic, first, 20);
}
BENCHMARK(BM_ErlangAWorstTable)
    ->Unit(benchmark::kMillisecond)
    ->ArgNames({"offset", "handle", "patience"})
    ->Args({-10, 1, 1439})
    ->Args({150, 1, 1439})
    ->Args({500, 1, 1439})
    ->Args({2000, 1, 1439})
    ->Args({-1000, 1, 1439})
    ->Args({-10, 180, 30})
    ->Args({500, 180, 30})
    ->Args({-10, 2878, 1439})
    ->Args({-10, 2878, 1});

// A day of 48 half-hour slots rising from 10 to 2000 calls (04:00 handling,
// 00:30 patience): each slot tries agent numbers from ten below its load up
// to the first with 80 % answered within 20 s.
static void BM_ErlangARisingDaySchedule(benchmark::State &state)
{
    for (auto _ : state) {
        for (int i = 0; i < 48; ++i) {
            const double calls = std::round(10 + (2000.0 - 10) * i / 47);
            const Calc::ErlangATraffic traffic{calls * 2, 240, 30};
            const double load = calls * 2 * 240 / 3600;
            for (long long n = std::max(1LL, std::llround(load) - 10);; ++n) {
                const auto f = Calc::ErlangA(traffic, n, 20);
                if (!f || f->serviceLevel >= 0.8)
                    break;
            }
        }
    }
}
BENCHMARK(BM_ErlangARisingDaySchedule)->Unit(benchmark::kMillisecond);

// 48 slots all at the load bound, each evaluating 20 agent numbers around
// the load (no goal met), with the largest n mu / theta.
static void BM_ErlangAWorstSchedule(benchmark::State &state)
{
    const Calc::ErlangATraffic traffic = atLoad(LoadBound, 1, 1439);
    for (auto _ : state) {
        for (int i = 0; i < 48; ++i)
            evaluateTable(traffic, static_cast<long long>(LoadBound) - 10, 0);
    }
}
BENCHMARK(BM_ErlangAWorstSchedule)->Unit(benchmark::kMillisecond);
