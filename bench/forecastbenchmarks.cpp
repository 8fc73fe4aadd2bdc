// SPDX-License-Identifier: MIT
// The forecast of a year of quarter-hour history, 24 hours a day (about
// 35,000 slots): every method backtested and the chosen one's week; and
// the reading of that history from its interval file. Target: under a
// second for the forecast.
#include "forecaster.h"
#include "generatedhistory.h"

#include <benchmark/benchmark.h>

namespace {

GeneratedHistory yearOfQuarterHours()
{
    GeneratedHistory history;
    history.days = 364;
    history.slotMinutes = 15;
    history.openMinute = 0;
    history.closeMinute = 24 * 60;
    history.level = 20;
    history.trendPerDay = 0.001;
    history.handleTimes = true;
    return history;
}

void BM_ForecastYearOfQuarterHours(benchmark::State &state)
{
    const ForecastSeries series = yearOfQuarterHours().series();
    for (auto _ : state) {
        const ForecastOutcome outcome = Forecaster::run(series);
        benchmark::DoNotOptimize(outcome.week.size());
    }
}
BENCHMARK(BM_ForecastYearOfQuarterHours)->Unit(benchmark::kMillisecond);

void BM_ReadYearOfQuarterHoursHistory(benchmark::State &state)
{
    const QString text = yearOfQuarterHours().text();
    for (auto _ : state) {
        const IntervalDays days = IntervalDays::read(text);
        benchmark::DoNotOptimize(days.days().size());
    }
}
BENCHMARK(BM_ReadYearOfQuarterHoursHistory)->Unit(benchmark::kMillisecond);

} // namespace
