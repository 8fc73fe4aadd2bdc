// SPDX-License-Identifier: MIT
#include "agentscenario.h"
#include "evaluation.h"
#include "scenarioevents.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// The longest handle time the "mm:ss" fields accept: 23:59 talk plus 23:59
// after-call work.
constexpr double LongestHandleSeconds = 2 * 1439;

// The slots of a whole day in 30-minute slots.
constexpr int HalfHoursInADay = 48;

void setFields(AgentScenario &s, const char *calls, const char *start, const char *end, const char *talk,
               const char *wrap, const char *abandon, const char *goal, const char *goalSeconds)
{
    s.setText(Field::Edit1, QString::fromLatin1(calls));
    s.setText(Field::MaskEdit1, QString::fromLatin1(start));
    s.setText(Field::MaskEdit7, QString::fromLatin1(end));
    s.setText(Field::MaskEdit2, QString::fromLatin1(talk));
    s.setText(Field::MaskEdit3, QString::fromLatin1(wrap));
    s.setText(Field::MaskEdit4, QString::fromLatin1(abandon));
    s.setText(Field::MaskEdit5, QString::fromLatin1(goal));
    s.setText(Field::MaskEdit6, QString::fromLatin1(goalSeconds));
}

// The largest whole number of calls over `periodMinutes` whose load the
// input check still accepts.
int largestAcceptedCalls(double periodMinutes, double handleSeconds)
{
    int calls = static_cast<int>(ScenarioInputs::MaxTrafficLoad * periodMinutes * 60 / handleSeconds) + 2;
    while (ComputeCallLoad(calls, periodMinutes, handleSeconds).trafficLoad > ScenarioInputs::MaxTrafficLoad)
        --calls;
    return calls;
}

bool recalculates(benchmark::State &state, AgentScenario &s, const RecalcResult &result)
{
    if (result.ran && result.valid)
        return true;
    state.SkipWithError(qPrintable(QStringLiteral("input refused in %1").arg(s.inputs().FailingField.name())));
    return false;
}

// Switches to the Schedule tab with 30-minute slots over the whole day and
// the given slot volumes; false (and the benchmark skipped) when refused.
bool prepareDaySchedule(benchmark::State &state, AgentScenario &s, const int (&volumes)[HalfHoursInADay],
                        const char *talk, const char *wrap, const char *goal, const char *goalSeconds)
{
    long long total = 0;
    for (int i = 1; i <= HalfHoursInADay; ++i) {
        s.setSlotCalls(i, volumes[i - 1]);
        total += volumes[i - 1];
    }
    setFields(s, QByteArray::number(total).constData(), "00:00", "24:00", talk, wrap, "00:30", goal, goalSeconds);
    s.setSlotLength(SlotLength::HalfHour);
    s.setSlotCallsEdited(true);
    if (!recalculates(state, s, ScenarioEvents(s).TabSet1Click(Tab::Schedule)))
        return false;
    if (s.StringGrid1().rowCount() != HalfHoursInADay + 1) {
        state.SkipWithError("the day did not give 48 slots");
        return false;
    }
    // Every slot is staffed: a pass that skipped slots would time nothing.
    for (int row = 1; row <= HalfHoursInADay; ++row) {
        const QString agents = s.StringGrid1().cell(2, row);
        if (agents.isEmpty() || agents == QLatin1String("0")) {
            state.SkipWithError("a slot was left unstaffed");
            return false;
        }
    }
    return true;
}

// Volumes rising evenly from 10 to 2000 calls over the 48 slots.
void risingVolumes(int (&volumes)[HalfHoursInADay])
{
    for (int i = 1; i <= HalfHoursInADay; ++i)
        volumes[i - 1] = static_cast<int>(std::lround(10 + (2000.0 - 10) * (i - 1) / 47));
}

} // namespace

// The Agents table of the planners' worked example: 100 calls in an hour.
static void BM_AgentsWorkedExample(benchmark::State &state)
{
    AgentScenario s;
    setFields(s, "100", "08:00", "09:00", "03:00", "00:30", "00:25", "80", "20");
    if (!recalculates(state, s, s.Recalculate()))
        return;
    if (s.results().goalRow == 0 || s.StringGrid1().cell(0, s.results().goalRow) != QLatin1String("9")) {
        state.SkipWithError("the goal row is not at 9 agents");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(s.Recalculate());
}
BENCHMARK(BM_AgentsWorkedExample)->Unit(benchmark::kMicrosecond);

// The worst the Agents tab accepts: the largest load under the bound, from a
// one-minute arrival period and the longest handle time.
static void BM_AgentsWorstAccepted(benchmark::State &state)
{
    const int calls = largestAcceptedCalls(1, LongestHandleSeconds);
    AgentScenario s;
    setFields(s, QByteArray::number(calls).constData(), "00:00", "00:01", "23:59", "23:59", "23:59", "100", "0");
    if (!recalculates(state, s, s.Recalculate()))
        return;
    // One more call must be refused, or this is not the worst input.
    AgentScenario over;
    setFields(over, QByteArray::number(calls + 1).constData(), "00:00", "00:01", "23:59", "23:59", "23:59", "100", "0");
    if (over.Recalculate().valid) {
        state.SkipWithError("one call more is still accepted");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(s.Recalculate());
    state.counters["calls"] = calls;
    state.counters["load"] = ComputeCallLoad(calls, 1, LongestHandleSeconds).trafficLoad;
}
BENCHMARK(BM_AgentsWorstAccepted)->Unit(benchmark::kMillisecond);

// A day of 48 half-hour slots rising from 10 to 2000 calls: one schedule
// pass, trunks included, on a grid already laid out.
static void BM_ScheduleRisingDay(benchmark::State &state)
{
    int volumes[HalfHoursInADay];
    risingVolumes(volumes);
    AgentScenario s;
    if (!prepareDaySchedule(state, s, volumes, "03:00", "01:00", "80", "20"))
        return;
    for (auto _ : state)
        s.FillTable();
}
BENCHMARK(BM_ScheduleRisingDay)->Unit(benchmark::kMicrosecond);

// The same day, a whole recalculation: input check, slots, grid and schedule.
static void BM_ScheduleRisingDayRecalculate(benchmark::State &state)
{
    int volumes[HalfHoursInADay];
    risingVolumes(volumes);
    AgentScenario s;
    if (!prepareDaySchedule(state, s, volumes, "03:00", "01:00", "80", "20"))
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.Recalculate());
}
BENCHMARK(BM_ScheduleRisingDayRecalculate)->Unit(benchmark::kMicrosecond);

// The same day with its own talk and after-call times in every slot, each
// slot's different from the others': the model is asked slot by slot.
static void BM_ScheduleRisingDayWithSlotTimes(benchmark::State &state)
{
    int volumes[HalfHoursInADay];
    risingVolumes(volumes);
    AgentScenario s;
    for (int i = 1; i <= HalfHoursInADay; ++i)
        s.setSlotTimes(i, 150 + i, 60 - i / 2);
    if (!prepareDaySchedule(state, s, volumes, "03:00", "01:00", "80", "20"))
        return;
    for (auto _ : state)
        s.FillTable();
}
BENCHMARK(BM_ScheduleRisingDayWithSlotTimes)->Unit(benchmark::kMicrosecond);

// The worst the Schedule tab accepts: 48 half-hour slots, each at the
// largest volume under the load bound with the longest handle time, and a
// goal no agent number meets, so every slot tries its 19 agent numbers.
static bool prepareWorstSchedule(benchmark::State &state, AgentScenario &s, int volume)
{
    int volumes[HalfHoursInADay];
    for (int &v : volumes)
        v = volume;
    return prepareDaySchedule(state, s, volumes, "23:59", "23:59", "100", "0");
}

// The worst Schedule input, recalculated.
static void BM_ScheduleWorstAccepted(benchmark::State &state)
{
    const int volume = largestAcceptedCalls(30, LongestHandleSeconds);
    AgentScenario s;
    if (!prepareWorstSchedule(state, s, volume))
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.Recalculate());
    state.counters["slotCalls"] = volume;
    state.counters["slotLoad"] = ComputeCallLoad(volume, 30, LongestHandleSeconds).trafficLoad;
}
BENCHMARK(BM_ScheduleWorstAccepted)->Unit(benchmark::kMillisecond);

// The worst Agents input again with an occupancy cap (the argument, in
// percent) and 30 % shrinkage: a tight cap puts the goal row far above the
// load, which must not cost more than the load's own start does.
static void BM_AgentsWorstAcceptedWithCap(benchmark::State &state)
{
    const int calls = largestAcceptedCalls(1, LongestHandleSeconds);
    AgentScenario s;
    setFields(s, QByteArray::number(calls).constData(), "00:00", "00:01", "23:59", "23:59", "23:59", "100", "0");
    PlanningOptions planning = s.inputs().Planning;
    planning.maxOccupancyPercent = static_cast<double>(state.range(0));
    planning.shrinkagePercent = 30;
    s.setPlanning(planning);
    if (!recalculates(state, s, s.Recalculate()))
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.Recalculate());
}
BENCHMARK(BM_AgentsWorstAcceptedWithCap)->Arg(1)->Arg(50)->Arg(90)->Arg(98)->Arg(99)->Unit(benchmark::kMillisecond);

// The worst Schedule input with a cap and a roster in every slot, half the
// slots below the agents needed and half above.
static void BM_ScheduleWorstAcceptedWithRoster(benchmark::State &state)
{
    const int volume = largestAcceptedCalls(30, LongestHandleSeconds);
    AgentScenario s;
    if (!prepareWorstSchedule(state, s, volume))
        return;
    PlanningOptions planning = s.inputs().Planning;
    planning.maxOccupancyPercent = 90;
    s.setPlanning(planning);
    const double load = ComputeCallLoad(volume, 30, LongestHandleSeconds).trafficLoad;
    for (int slot = 1; slot <= HalfHoursInADay; ++slot)
        s.setSlotHave(slot, static_cast<int>(load) + (slot % 2 ? -10 : 20000));
    for (auto _ : state)
        benchmark::DoNotOptimize(s.Recalculate());
}
BENCHMARK(BM_ScheduleWorstAcceptedWithRoster)->Unit(benchmark::kMillisecond);
