// SPDX-License-Identifier: MIT
#include "forecaster.h"

#include "dailyholtwinters.h"
#include "doubleseasonal.h"
#include "forecastmethodinfo.h"
#include "forecastseries.h"
#include "handletimes.h"
#include "seasonalnaive.h"
#include "weekdayaverage.h"
#include "wholecalls.h"

#include <cmath>
#include <memory>

namespace {

std::unique_ptr<ForecastMethod> methodOf(ForecastMethodKind kind, int averageWeeks)
{
    switch (kind) {
    case ForecastMethodKind::Naive: return std::make_unique<SeasonalNaive>();
    case ForecastMethodKind::Average: return std::make_unique<WeekdayAverage>(averageWeeks);
    case ForecastMethodKind::Daily: return std::make_unique<DailyHoltWinters>();
    case ForecastMethodKind::Double: return std::make_unique<DoubleSeasonal>();
    }
    return std::make_unique<SeasonalNaive>();
}

bool better(const AccuracyFigures &a, const AccuracyFigures &b)
{
    return !std::isnan(a.wape) && (std::isnan(b.wape) || a.wape < b.wape);
}

// One method's backtest; the weekday average's for the k that did best.
MethodBacktest backtestOf(const ForecastSeries &series, ForecastMethodKind kind, const std::vector<int> &origins,
                          int *averageWeeks)
{
    MethodBacktest result;
    result.kind = kind;
    const QString name = QLatin1String(ForecastMethodInfo::of(kind).name);
    if (origins.empty()) {
        result.leftOut = QStringLiteral("the history of %1 days holds no day to test on after its first week")
                             .arg(series.dayCount());
        return result;
    }
    const int mostWeeks = kind == ForecastMethodKind::Average ? Forecaster::MostAverageWeeks : 1;
    bool tested = false;
    for (int weeks = 1; weeks <= mostWeeks; ++weeks) {
        const std::unique_ptr<ForecastMethod> method = methodOf(kind, weeks);
        if (method->daysNeeded() > origins.front()) {
            if (!tested)
                result.leftOut = QStringLiteral("%1 needs %2 days of history before the %3 days held out; the "
                                                "history has %4")
                                     .arg(name)
                                     .arg(method->daysNeeded())
                                     .arg(static_cast<int>(origins.size()))
                                     .arg(origins.front());
            break;
        }
        const MethodForecasts forecasts = method->forecast(series, origins, Backtest::LeadDays);
        const Backtest::Figures figures = Backtest::score(series, origins, forecasts.fromOrigin);
        if (!tested || better(figures.overall, result.figures.overall)) {
            result.figures = figures;
            result.parameters = forecasts.parameters;
            *averageWeeks = weeks;
        }
        tested = true;
        result.leftOut.clear();
    }
    return result;
}

// The slots of a weekday that had data on one of its last OpenSlotWeeks
// days with data.
std::vector<bool> openSlots(const ForecastSeries &series, int weekday)
{
    std::vector<bool> open(static_cast<std::size_t>(series.slotsPerDay()), false);
    int daysSeen = 0;
    for (int day = series.dayCount() - 1; day >= 0 && daysSeen < Forecaster::OpenSlotWeeks; --day) {
        if (series.weekday(day) != weekday)
            continue;
        bool any = false;
        for (int s = 0; s < series.slotsPerDay(); ++s) {
            if (!std::isnan(series.calls(day, s))) {
                open[static_cast<std::size_t>(s)] = true;
                any = true;
            }
        }
        daysSeen += any ? 1 : 0;
    }
    return open;
}

// The week's open days from a forecast that starts at the history's end.
std::vector<IntervalDay> weekOf(const ForecastSeries &series, const DaySlots &ahead, int firstLead,
                                const HandleTimes &times, const QDate &monday)
{
    std::vector<IntervalDay> week;
    for (int d = 0; d < 7; ++d) {
        const int weekday = d + 1;
        const std::vector<bool> open = openSlots(series, weekday);
        int first = -1;
        int last = -1;
        std::vector<double> raw;
        for (int s = 0; s < series.slotsPerDay(); ++s) {
            if (!open[static_cast<std::size_t>(s)])
                continue;
            first = first < 0 ? s : first;
            last = s;
            raw.push_back(ahead[static_cast<std::size_t>(firstLead + d)][static_cast<std::size_t>(s)]);
        }
        if (first < 0)
            continue;
        const std::vector<int> whole = WholeCalls(raw);
        IntervalDay day;
        day.date = monday.addDays(d);
        day.weekday = weekday;
        day.firstMinute = first * series.slotMinutes();
        day.slotValues.assign(static_cast<std::size_t>(last - first + 1), IntervalSlot());
        std::size_t next = 0;
        for (int s = first; s <= last; ++s) {
            if (!open[static_cast<std::size_t>(s)])
                continue;
            IntervalSlot &slot = day.slotValues[static_cast<std::size_t>(s - first)];
            slot.fromRow = true;
            slot.calls = whole[next++];
            slot.talkSeconds = times.of(weekday, s).talkSeconds;
            slot.wrapSeconds = times.of(weekday, s).wrapSeconds;
        }
        week.push_back(std::move(day));
    }
    return week;
}

} // namespace

ForecastOutcome Forecaster::run(const ForecastSeries &series, std::optional<ForecastMethodKind> picked)
{
    ForecastOutcome outcome;
    const std::vector<int> origins = Backtest::origins(series.dayCount());
    outcome.heldOutDays = static_cast<int>(origins.size());
    int averageWeeks = 0;
    std::optional<ForecastMethodKind> best;
    for (const ForecastMethodInfo &info : ForecastMethodInfo::all()) {
        int weeks = 0;
        MethodBacktest tested = backtestOf(series, info.kind, origins, &weeks);
        if (info.kind == ForecastMethodKind::Average)
            averageWeeks = weeks;
        if (tested.leftOut.isEmpty() && (!best || better(tested.figures.overall, outcome.backtests[static_cast<std::size_t>(*best)].figures.overall)))
            best = info.kind;
        outcome.backtests.push_back(std::move(tested));
    }
    const int historyWeeks = series.dayCount() / 7;
    outcome.averageWeeks = averageWeeks > 0 ? averageWeeks : std::min(OpenSlotWeeks, historyWeeks);
    outcome.picked = picked.has_value();
    outcome.chosen = picked.value_or(best.value_or(ForecastMethodKind::Naive));

    const std::unique_ptr<ForecastMethod> method = methodOf(outcome.chosen, outcome.averageWeeks);
    if (method->daysNeeded() > series.dayCount()) {
        outcome.refusal = QStringLiteral("%1 needs at least %2 days of history; the history has %3")
                              .arg(QLatin1String(ForecastMethodInfo::of(outcome.chosen).name))
                              .arg(method->daysNeeded())
                              .arg(series.dayCount());
        return outcome;
    }
    const QDate last = series.date(series.dayCount() - 1);
    outcome.monday = last.addDays(8 - last.dayOfWeek());
    outcome.slotMinutes = series.slotMinutes();
    const int firstLead = static_cast<int>(series.date(series.dayCount()).daysTo(outcome.monday));
    const MethodForecasts ahead = method->forecast(series, {series.dayCount()}, firstLead + 7);
    outcome.chosenParameters = ahead.parameters;
    const HandleTimes times = HandleTimes::before(series, series.dayCount(), outcome.averageWeeks);
    outcome.week = weekOf(series, ahead.fromOrigin.front(), firstLead, times, outcome.monday);
    return outcome;
}
