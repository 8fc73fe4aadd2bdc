// SPDX-License-Identifier: MIT
#include "erlangamodel.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr double LoadBound = 100000; // agent-hours per hour
constexpr int TableRows = 19;
constexpr int ScheduleSlots = 48;

// The work of the Agents table through the model: one evaluation, its
// first agent number, then TableRows agent numbers from there.
void agentsTable(const CallLoad &load, const ServiceInputs &inputs, const GoalRule &rule)
{
    const auto evaluation = std::move(ErlangAModel().evaluations({load}, inputs).front());
    const double first = evaluation->firstAgents(load, rule);
    for (double n = first; n < first + TableRows; ++n)
        benchmark::DoNotOptimize(evaluation->evaluate(n));
}

// The work of a Schedule through the model: all slots' evaluations at once,
// then in each slot its first agent number and the agent numbers from there
// up to the first that meets the rule (at most TableRows of them).
void schedule(const std::vector<CallLoad> &loads, const ServiceInputs &inputs, const GoalRule &rule)
{
    const auto evaluations = ErlangAModel().evaluations(loads, inputs);
    for (std::size_t s = 0; s < loads.size(); ++s) {
        LoadEvaluation &evaluation = *evaluations[s];
        double n = evaluation.firstAgents(loads[s], rule);
        for (int tried = 1; tried <= TableRows; ++tried, ++n) {
            if (rule.met(evaluation.evaluate(n)))
                break;
        }
        benchmark::DoNotOptimize(n);
    }
}

} // namespace

// The worked example (100 calls in an hour, 03:30 handling, 00:25 patience,
// 80 % in 20 s).
static void BM_ErlangAModelWorkedExampleAgentsTable(benchmark::State &state)
{
    const CallLoad load = ComputeCallLoad(100, 60, 210);
    const ServiceInputs inputs{210, 180, 25, 20};
    for (auto _ : state)
        agentsTable(load, inputs, GoalRule{80, {}, {}});
}
BENCHMARK(BM_ErlangAModelWorkedExampleAgentsTable)->Unit(benchmark::kMicrosecond);

// The largest load accepted, 100,000 agent-hours per hour, 80 % in 20 s,
// with the handling and patience of `range(0)` and `range(1)` seconds (1 s
// handling with 23:59 patience makes the incomplete gamma arguments largest)
// and, from `range(2)` on, an occupancy cap of that many percent (1: the
// table ten million agents out).
static void BM_ErlangAModelWorstAgentsTable(benchmark::State &state)
{
    const double handle = static_cast<double>(state.range(0));
    const double patience = static_cast<double>(state.range(1));
    const CallLoad load = ComputeCallLoad(LoadBound * 3600 / handle, 60, handle);
    const ServiceInputs inputs{handle, handle, patience, 20};
    GoalRule rule{80, {}, {}};
    if (state.range(2) > 0)
        rule.maxOccupancyPercent = static_cast<double>(state.range(2));
    for (auto _ : state)
        agentsTable(load, inputs, rule);
}
BENCHMARK(BM_ErlangAModelWorstAgentsTable)
    ->Unit(benchmark::kMillisecond)
    ->ArgNames({"handle", "patience", "cap"})
    ->Args({1, 1439, 0})
    ->Args({180, 30, 0})
    ->Args({2878, 1, 0})
    ->Args({1, 1439, 1})
    ->Args({1, 1439, 99});

// A day of 48 half-hour slots rising from 10 to 2000 calls (04:00 handling,
// 00:30 patience, 80 % in 20 s).
static void BM_ErlangAModelRisingDaySchedule(benchmark::State &state)
{
    std::vector<CallLoad> loads;
    for (int i = 0; i < ScheduleSlots; ++i)
        loads.push_back(ComputeCallLoad(std::round(10 + (2000.0 - 10) * i / (ScheduleSlots - 1)), 30, 240));
    const ServiceInputs inputs{240, 240, 30, 20};
    for (auto _ : state)
        schedule(loads, inputs, GoalRule{80, {}, {}});
}
BENCHMARK(BM_ErlangAModelRisingDaySchedule)->Unit(benchmark::kMillisecond);

// 48 slots all at the largest load (1 s handling, 23:59 patience), 80 % in
// 20 s.
static void BM_ErlangAModelWorstSchedule(benchmark::State &state)
{
    // Calls in 30 minutes of 1 s each for the load bound.
    const double calls = LoadBound * 3600 / 2;
    const std::vector<CallLoad> loads(ScheduleSlots, ComputeCallLoad(calls, 30, 1));
    const ServiceInputs inputs{1, 1, 1439, 20};
    for (auto _ : state)
        schedule(loads, inputs, GoalRule{80, {}, {}});
}
BENCHMARK(BM_ErlangAModelWorstSchedule)->Unit(benchmark::kMillisecond);
