// SPDX-License-Identifier: MIT
#include "benchmarkweek.h"
#include "lpformat.h"
#include "mipsolver.h"
#include "shifttype.h"
#include "tourtype.h"
#include "weekplanner.h"
#include "weekscenario.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

std::vector<ShiftType> WeekTypes(const ShiftWeek &week)
{
    ShiftDay widest;
    widest.slotMinutes = week.slotMinutes;
    int open = 24 * 60;
    int close = 0;
    for (const ShiftWeek::Day &day : week.days) {
        open = std::min(open, day.shifts->startMinuteOfDay);
        close = std::max(close, day.shifts->startMinuteOfDay + day.shifts->dayMinutes());
    }
    widest.startMinuteOfDay = open;
    widest.requirement.assign(static_cast<std::size_t>((close - open) / week.slotMinutes), 0);
    return ShiftType::defaultSet(widest);
}

// The counters of a planned week: its paid hours, its gap to the bound in
// per cent, whether it was proven and the model's columns and rows; false,
// the run skipped with the reason, without a plan.
bool CountPlan(benchmark::State &state, const WeekPlanResult &result)
{
    if (!result.plan) {
        const QString why = result.problem ? result.problem->message : result.failure;
        state.SkipWithError(why.toUtf8().constData());
        return false;
    }
    const ShiftPlan::Solver &solver = result.plan->solver;
    state.counters["paidHours"] = result.plan->paidHours;
    state.counters["gapPercent"] = solver.objective > 0 ? 100 * (solver.objective - solver.bound) / solver.objective : 0;
    state.counters["proven"] = solver.optimal() ? 1 : 0;
    state.counters["columns"] = static_cast<double>(result.model.columns.size());
    state.counters["rows"] = static_cast<double>(result.model.rows.size());
    return true;
}

// The benchmark week with the two usual tours, to the time limit: the
// counters of CountPlan and the plan's agents.
void PlanBenchmarkWeek(benchmark::State &state, int slotMinutes, bool allDay)
{
    const ShiftWeek week = BenchmarkWeek::shiftWeek(slotMinutes, allDay);
    const std::vector<ShiftType> types = WeekTypes(week);
    const std::vector<TourType> tours = TourType::defaultSet();
    MipSettings settings;
    settings.timeLimitSeconds = static_cast<double>(state.range(0));
    for (auto _ : state) {
        const WeekPlanResult result = PlanWeek(week, types, tours, settings);
        if (!CountPlan(state, result))
            return;
        state.counters["agents"] = static_cast<double>(result.plan->agents.size());
        // VARNOOK_WEEK_LP=DIR writes each week's model as DIR/week-<slot>[-allday].lp,
        // for another solver to time on the same model.
        if (const char *dir = std::getenv("VARNOOK_WEEK_LP"))
            std::ofstream(std::string(dir) + "/week-" + std::to_string(slotMinutes) + (allDay ? "-allday" : "") + ".lp")
                << LpFormatText(result.model);
    }
}

// The benchmark week as a planner types it (BenchmarkWeek::scenario: the
// requirement's two peaks as calls, twelve an agent, 03:00 talk, 01:00
// after-call work, 80 % in 20 s), planned for every day's service level
// with the two usual tours.
void BM_WeekServiceHalfHours(benchmark::State &state)
{
    const WeekScenario scenario = BenchmarkWeek::scenario(30);
    const WeekScenario::Build build = scenario.shiftWeek(true);
    const ShiftWeek &week = *build.week;
    MipSettings settings;
    settings.timeLimitSeconds = static_cast<double>(state.range(0));
    for (auto _ : state) {
        const WeekPlanResult result = PlanWeek(week, scenario.plannedShiftTypes(), scenario.plannedTourTypes(), settings,
                                               week.days[0].service->goal);
        if (!CountPlan(state, result))
            return;
    }
}

void BM_WeekQuarterHours(benchmark::State &state) { PlanBenchmarkWeek(state, 15, false); }
void BM_WeekHalfHours(benchmark::State &state) { PlanBenchmarkWeek(state, 30, false); }
void BM_WeekAllDayQuarterHours(benchmark::State &state) { PlanBenchmarkWeek(state, 15, true); }

} // namespace

BENCHMARK(BM_WeekQuarterHours)->Arg(120)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_WeekHalfHours)->Arg(60)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_WeekServiceHalfHours)->Arg(10)->Arg(60)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_WeekAllDayQuarterHours)->Arg(10)->Arg(60)->Unit(benchmark::kSecond)->Iterations(1);
