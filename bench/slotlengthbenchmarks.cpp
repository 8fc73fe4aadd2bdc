// SPDX-License-Identifier: MIT
#include "agentscenario.h"

#include "scenarioevents.h"

#include <benchmark/benchmark.h>

// A whole day's Schedule by slot length: 24,000 calls spread over the day in
// 96 quarter hours, 48 half hours or 24 hours, with Erlang C (0) or Erlang A
// (1). A quarter-hour day should cost at most twice a half-hour day.
static void BM_ScheduleDayBySlotLength(benchmark::State &state)
{
    const auto length = slotLengthOfMinutes(static_cast<int>(state.range(0)));
    if (!length) {
        state.SkipWithError("not a slot length");
        return;
    }
    AgentScenario s;
    s.setText(Field::Edit1, QStringLiteral("24000"));
    s.setText(Field::MaskEdit1, QStringLiteral("00:00"));
    s.setText(Field::MaskEdit7, QStringLiteral("24:00"));
    s.setText(Field::MaskEdit2, QStringLiteral("03:00"));
    s.setText(Field::MaskEdit3, QStringLiteral("01:00"));
    s.setText(Field::MaskEdit4, QStringLiteral("01:00"));
    s.setText(Field::MaskEdit5, QStringLiteral("80"));
    s.setText(Field::MaskEdit6, QStringLiteral("20"));
    s.setSlotLength(*length);
    if (state.range(1) == 1) {
        PlanningOptions planning = s.inputs().Planning;
        planning.model = QueueModel::ErlangA;
        s.setPlanning(planning);
    }
    s.DistributeCalls();
    const RecalcResult result = ScenarioEvents(s).TabSet1Click(Tab::Schedule);
    if (!result.valid || s.StringGrid1().rowCount() != 24 * 60 / minutesOf(*length) + 1) {
        state.SkipWithError("the day was not laid out in full");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(s.Recalculate());
    state.counters["slots"] = s.StringGrid1().rowCount() - 1;
}
BENCHMARK(BM_ScheduleDayBySlotLength)
    ->ArgsProduct({{15, 30, 60}, {0, 1}})
    ->ArgNames({"minutes", "erlangA"})
    ->Unit(benchmark::kMicrosecond);
