// SPDX-License-Identifier: MIT
#pragma once

#include "chartmodel.h"
#include "forecaster.h"
#include "forecastseries.h"

// The forecast's chart: the calls per slot of the history's last weeks and
// of the week forecast, each in a colour of its own, on one time axis of
// slots. Every day shown takes the same hours, from the earliest slot with
// calls or a forecast on any of them to the latest, so that closed nights
// take no room; the first slot of each day carries the day's label ("Mon
// 14"), and a label step is always whole days. A slot without data (a day
// left out, a day between the history and the week) is a gap in the line,
// never 0 calls. The chart's earlier series are replaced.
class ForecastChart
{
public:
    // The weeks of history shown before the week forecast.
    static constexpr int HistoryWeeks = 3;

    // The first day shown, as a day of the series: the Monday HistoryWeeks
    // weeks before the forecast, or the history's first day when it starts
    // later.
    static int firstDay(const ForecastSeries &series, const ForecastOutcome &outcome);
    // The slots of a day shown: [first, last] of the series' slots.
    struct Hours
    {
        int first = 0;
        int last = -1;
    };
    static Hours hours(const ForecastSeries &series, const ForecastOutcome &outcome);

    static void build(ChartModel &model, const ForecastSeries &series, const ForecastOutcome &outcome);
};
