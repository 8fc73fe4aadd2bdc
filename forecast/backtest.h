// SPDX-License-Identifier: MIT
#pragma once

#include "forecastmethod.h"

#include <array>
#include <vector>

class ForecastSeries;

// How close forecasts came to what happened, over the slots with data:
// WAPE = sum |forecast - actual| / sum actual; bias = sum (forecast -
// actual) / sum actual (above 0: too many calls forecast); MAPE = the mean
// of |forecast - actual| / actual over the slots with calls. Each is NaN
// where nothing was compared (or, for WAPE and bias, no calls came).
struct AccuracyFigures
{
    double wape;
    double bias;
    double mape;
    long long compared = 0; // the slots compared
};

// The rolling-origin backtest: from every day of the last weeks of the
// history (each an origin), the next `LeadDays` days are forecast from the
// days before it alone and compared with the history, per lead day (1: the
// day of the origin) and over all. Held out are the days after the first
// eight weeks, at least 14 and at most 28 of them, but never the first
// week: the methods gain from every week they see, so the more history
// before the held-out days, the more the backtest says of a forecast from
// all of it.
class Backtest
{
public:
    static constexpr int LeadDays = 7;
    static constexpr int MostHeldOutDays = 28;

    struct Figures
    {
        AccuracyFigures overall;
        std::array<AccuracyFigures, LeadDays> byLead;
    };

    static int heldOutDays(int dayCount);
    // The origins of the held-out days, ascending.
    static std::vector<int> origins(int dayCount);
    // The figures of `forecasts`, one per origin, each of at least LeadDays
    // days; forecasts below 0 count as 0 calls.
    static Figures score(const ForecastSeries &series, const std::vector<int> &origins,
                         const std::vector<DaySlots> &forecasts);
};
