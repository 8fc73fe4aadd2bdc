// SPDX-License-Identifier: MIT
#include "forecastchart.h"

#include "forecasttext.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

// The days of the series from the first shown to the last day of the week
// forecast.
int dayCountShown(const ForecastSeries &series, const ForecastOutcome &outcome, int first)
{
    return static_cast<int>(series.date(first).daysTo(outcome.monday)) + 7;
}

} // namespace

int ForecastChart::firstDay(const ForecastSeries &series, const ForecastOutcome &outcome)
{
    const QDate first = outcome.monday.addDays(-7 * HistoryWeeks);
    return std::max(0, static_cast<int>(series.date(0).daysTo(first)));
}

ForecastChart::Hours ForecastChart::hours(const ForecastSeries &series, const ForecastOutcome &outcome)
{
    Hours hours{std::numeric_limits<int>::max(), -1};
    for (int day = firstDay(series, outcome); day < series.dayCount(); ++day) {
        for (int s = 0; s < series.slotsPerDay(); ++s) {
            if (!std::isnan(series.calls(day, s))) {
                hours.first = std::min(hours.first, s);
                hours.last = std::max(hours.last, s);
            }
        }
    }
    const int slotMinutes = outcome.slotMinutes;
    for (const IntervalDay &day : outcome.week) {
        for (std::size_t s = 0; s < day.slotValues.size(); ++s) {
            if (!day.slotValues[s].fromRow)
                continue;
            const int slot = day.firstMinute / slotMinutes + static_cast<int>(s);
            hours.first = std::min(hours.first, slot);
            hours.last = std::max(hours.last, slot);
        }
    }
    if (hours.last < 0)
        return Hours{0, series.slotsPerDay() - 1};
    return hours;
}

void ForecastChart::build(ChartModel &model, const ForecastSeries &series, const ForecastOutcome &outcome)
{
    model.series.clear();
    model.title = QStringLiteral("Calls per slot: history and forecast");
    model.view3D = false;
    model.bottomAxis.title = QStringLiteral("Day");
    model.leftAxis.title = QStringLiteral("Calls");
    model.leftAxis.headroom = 0.1;
    const int first = firstDay(series, outcome);
    const Hours shown = hours(series, outcome);
    const int perDay = shown.last - shown.first + 1;
    model.bottomAxis.labelGroup = perDay;

    ChartSeries history{QStringLiteral("History"), QStringLiteral("Calls in the history"), QString(),
                        ChartSeriesStyle::Line, QColor(0x40, 0x60, 0xa0), false, ChartVerticalAxis::Left, {}};
    ChartSeries forecast{QStringLiteral("Forecast"), QStringLiteral("Calls forecast"), QString(),
                         ChartSeriesStyle::Line, QColor(0xd0, 0x60, 0x10), false, ChartVerticalAxis::Left, {}};
    const double noData = std::numeric_limits<double>::quiet_NaN();
    const int days = dayCountShown(series, outcome, first);
    for (int d = 0; d < days; ++d) {
        const int day = first + d;
        const QString label = ForecastText::shortDayHeading(series.date(day));
        for (int s = shown.first; s <= shown.last; ++s) {
            const double x = d * perDay + (s - shown.first) + 1;
            const double calls = day < series.dayCount() ? series.calls(day, s) : noData;
            // Every slot shown has a history point, no data as a gap, so
            // that each day's label stands at its first slot.
            history.points.push_back({x, calls, s == shown.first ? label : QString(), history.colour});
        }
    }
    // The week's days in order, a closed one or a slot without a forecast
    // a gap.
    std::array<const IntervalDay *, 7> weekDays{};
    for (const IntervalDay &day : outcome.week)
        weekDays[static_cast<std::size_t>(day.weekday - 1)] = &day;
    const int weekStart = static_cast<int>(series.date(first).daysTo(outcome.monday));
    for (int w = 0; w < 7; ++w) {
        const IntervalDay *day = weekDays[static_cast<std::size_t>(w)];
        for (int s = shown.first; s <= shown.last; ++s) {
            const double x = (weekStart + w) * perDay + (s - shown.first) + 1;
            double calls = noData;
            const int index = day ? s - day->firstMinute / outcome.slotMinutes : -1;
            if (day && index >= 0 && index < static_cast<int>(day->slotValues.size())
                && day->slotValues[static_cast<std::size_t>(index)].fromRow)
                calls = day->slotValues[static_cast<std::size_t>(index)].calls;
            forecast.points.push_back({x, calls, QString(), forecast.colour});
        }
    }
    model.series = {history, forecast};
}
