// SPDX-License-Identifier: MIT
#include "scenarioevents.h"
#include "agentscenario.h"
#include "mipsolver.h"
#include "planservicecheck.h"
#include "scheduleshiftday.h"
#include "shiftcovermodel.h"
#include "shiftday.h"
#include "serviceplanner.h"
#include "shifttype.h"
#include "shiftvariant.h"
#include "shiftplan.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// The day's shape in agents at `hour`: a handful at night, a morning peak
// near 11:00 and a smaller one near 15:00 of about 40.
double agentsAt(double hour)
{
    const double pi = std::acos(-1.0);
    const double morning = 34 * std::exp(-std::pow((hour - 11) / 2.5, 2));
    const double afternoon = 26 * std::exp(-std::pow((hour - 15.5) / 2.0, 2));
    return 3 + 3 * std::sin(pi * hour / 24) + morning + afternoon;
}

// A whole day's requirement built directly from that shape.
ShiftDay wholeDay(int slotMinutes)
{
    ShiftDay day;
    day.slotMinutes = slotMinutes;
    day.startMinuteOfDay = 0;
    for (int minute = 0; minute < 24 * 60; minute += slotMinutes)
        day.requirement.push_back(static_cast<int>(std::lround(agentsAt((minute + slotMinutes / 2.0) / 60.0))));
    return day;
}

// A whole day's Schedule whose load follows the same shape (the offered
// load about 85 % of it; talk 03:00, wrap 01:00, 80 % in 20 s, Erlang C),
// computed: its day and its slots' service curves.
struct ServiceBenchDay
{
    ShiftDay day;
    ServiceDay service;
};

ServiceBenchDay wholeServiceDay(int slotMinutes)
{
    AgentScenario s;
    for (const auto &[field, text] : {std::pair{Field::MaskEdit1, "00:00"}, {Field::MaskEdit7, "24:00"}, {Field::Edit1, "1000"},
                                      {Field::MaskEdit2, "03:00"}, {Field::MaskEdit3, "01:00"}, {Field::MaskEdit4, "00:30"},
                                      {Field::MaskEdit5, "80"}, {Field::MaskEdit6, "20"}})
        s.setText(field, QString::fromLatin1(text));
    s.setSlotLength(slotMinutes == 15 ? SlotLength::Quarter : SlotLength::HalfHour);
    const int count = 24 * 60 / slotMinutes;
    for (int slot = 1; slot <= count; ++slot) {
        const double hour = ((slot - 1) * slotMinutes + slotMinutes / 2.0) / 60.0;
        s.setSlotCalls(slot, static_cast<int>(std::lround(0.85 * agentsAt(hour) * slotMinutes * 60 / 240)));
    }
    s.setSlotCallsEdited(true);
    ScenarioEvents(s).TabSet1Click(Tab::Schedule);
    return {ScheduleShiftDay(s), PlanServiceCheck(s.inputs()).serviceDay()};
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

// The cheapest shifts whose day's service level reaches 80 %: reported with
// whether the plan was proven optimal, its paid hours and the bound.
void planServiceDay(benchmark::State &state, int slotMinutes)
{
    const ServiceBenchDay bench = wholeServiceDay(slotMinutes);
    const std::vector<ShiftType> types = threeTypes(bench.day);
    MipSettings settings;
    settings.timeLimitSeconds = 60;
    ShiftPlan::Solver solver;
    for (auto _ : state) {
        const ShiftPlanResult result = PlanShiftsForService(bench.day, types, bench.service, settings);
        if (!result.plan) {
            state.SkipWithError("no plan");
            return;
        }
        solver = result.plan->solver;
    }
    state.counters["optimal"] = solver.optimal() ? 1 : 0;
    state.counters["paidHours"] = solver.objective;
    state.counters["bound"] = solver.bound;
}

void BM_ShiftServicePlan96Slots(benchmark::State &state)
{
    planServiceDay(state, 15);
}
BENCHMARK(BM_ShiftServicePlan96Slots)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ShiftServicePlan48Slots(benchmark::State &state)
{
    planServiceDay(state, 30);
}
BENCHMARK(BM_ShiftServicePlan48Slots)->Unit(benchmark::kMillisecond)->UseRealTime();

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
