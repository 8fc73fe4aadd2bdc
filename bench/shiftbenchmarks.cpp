// SPDX-License-Identifier: MIT
#include "mipsolver.h"
#include "shiftcovermodel.h"
#include "shiftday.h"
#include "shiftplanner.h"
#include "shifttype.h"
#include "shiftvariant.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// A whole day's requirement built directly: a handful of agents at night,
// a morning peak near 11:00 and a smaller one near 15:00 of about 40.
ShiftDay wholeDay(int slotMinutes)
{
    ShiftDay day;
    day.slotMinutes = slotMinutes;
    day.startMinuteOfDay = 0;
    const double pi = std::acos(-1.0);
    for (int minute = 0; minute < 24 * 60; minute += slotMinutes) {
        const double hour = (minute + slotMinutes / 2.0) / 60.0;
        const double morning = 34 * std::exp(-std::pow((hour - 11) / 2.5, 2));
        const double afternoon = 26 * std::exp(-std::pow((hour - 15.5) / 2.0, 2));
        const double base = 3 + 3 * std::sin(pi * hour / 24);
        day.requirement.push_back(static_cast<int>(std::lround(base + morning + afternoon)));
    }
    return day;
}

// 8 hours with a half-hour unpaid break 3 to 5 hours in, 6 hours and 4
// hours, each starting at every slot of the day that lets it end in it.
std::vector<ShiftType> threeTypes(const ShiftDay &day)
{
    return ShiftType::defaultSet(day);
}

void planDay(benchmark::State &state, int slotMinutes)
{
    const ShiftDay day = wholeDay(slotMinutes);
    const std::vector<ShiftType> types = threeTypes(day);
    MipSettings settings;
    settings.timeLimitSeconds = 60;
    for (auto _ : state) {
        const ShiftPlanResult result = PlanShifts(day, types, settings);
        if (!result.plan || !result.plan->solver.optimal()) {
            state.SkipWithError("the plan is not proven optimal");
            return;
        }
        benchmark::DoNotOptimize(result.plan->paidHours);
    }
    state.counters["variants"] = static_cast<double>(ShiftVariant::of(day, types).size());
}

// 96 quarter-hour slots: the target is proven optimal with a median under 2 s.
void BM_ShiftPlan96Slots(benchmark::State &state)
{
    planDay(state, 15);
}
BENCHMARK(BM_ShiftPlan96Slots)->Unit(benchmark::kMillisecond)->UseRealTime();

// 48 half-hour slots: under 0.5 s.
void BM_ShiftPlan48Slots(benchmark::State &state)
{
    planDay(state, 30);
}
BENCHMARK(BM_ShiftPlan48Slots)->Unit(benchmark::kMillisecond)->UseRealTime();

// Enumerating the variants and building the cover model of the 96-slot day,
// which must take well under the solve.
void BM_ShiftModelBuild96Slots(benchmark::State &state)
{
    const ShiftDay day = wholeDay(15);
    const std::vector<ShiftType> types = threeTypes(day);
    for (auto _ : state) {
        const std::vector<ShiftVariant> variants = ShiftVariant::of(day, types);
        const MipModel model = ShiftCoverModel::build(day, types, variants, ShiftCoverModel::Goal::PaidHours);
        benchmark::DoNotOptimize(model.rows.size());
    }
}
BENCHMARK(BM_ShiftModelBuild96Slots)->Unit(benchmark::kMicrosecond);

} // namespace
