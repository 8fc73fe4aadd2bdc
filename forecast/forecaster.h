// SPDX-License-Identifier: MIT
#pragma once

#include "backtest.h"
#include "forecastmethod.h"
#include "intervaldays.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

class ForecastSeries;

// One method's backtest: its figures, or why it was left out.
struct MethodBacktest
{
    ForecastMethodKind kind = ForecastMethodKind::Naive;
    QString parameters; // at the last origin ("k = 4 week(s)")
    QString leftOut;    // why there are no figures; empty when there are
    Backtest::Figures figures{};
};

// Next week's forecast from a history and how each method did on it.
struct ForecastOutcome
{
    // Why the method the planner picked cannot forecast; nothing else is
    // set then.
    QString refusal;
    std::vector<MethodBacktest> backtests; // every method, in table order
    int heldOutDays = 0;
    ForecastMethodKind chosen = ForecastMethodKind::Naive;
    bool picked = false;         // by the planner, not by the backtest
    QString chosenParameters;    // of the forecast itself
    int averageWeeks = 1;        // k of the weekday average and the handle times
    QDate monday;                // of the week forecast
    int slotMinutes = 60;
    // The week's days that are open, Monday first, dated: whole calls per
    // slot and the handle times. A slot no recent week of that weekday had
    // data for has no row; a weekday without any is left out (closed).
    std::vector<IntervalDay> week;
};

// Backtests every method on a history and forecasts the week after it.
// The forecast week is the first Monday to Sunday after the history's last
// day. The method is the planner's, or else the backtested one with the
// lowest WAPE (the earlier in the table where equal; the seasonal naive
// where none could be backtested). The weekday average is backtested with
// k = 1 to 8 weeks and keeps the k of the lowest WAPE, which the handle
// times share.
class Forecaster
{
public:
    static constexpr int MostAverageWeeks = 8;
    // The weeks of history that say which slots of a weekday are open.
    static constexpr int OpenSlotWeeks = 4;

    static ForecastOutcome run(const ForecastSeries &series, std::optional<ForecastMethodKind> picked = {});
};
