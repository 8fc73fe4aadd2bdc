// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <vector>

class ForecastSeries;

// The forecasting methods, in the order tables list them.
enum class ForecastMethodKind { Naive, Average, Daily, Double };

// Calls per slot of the days after an origin: [day after the origin][slot
// of the day], NaN where the method has nothing to go on.
using DaySlots = std::vector<std::vector<double>>;

// What a method forecast from each origin, and the parameters it used at
// the last one, in words ("k = 4 weeks", "alpha 0.12, ...").
struct MethodForecasts
{
    std::vector<DaySlots> fromOrigin;
    QString parameters;
};

// One way of forecasting calls per slot from a history. An origin is a
// number of days: the method sees the history's days [0, origin) only.
class ForecastMethod
{
public:
    virtual ~ForecastMethod() = default;
    virtual ForecastMethodKind kind() const = 0;
    // The days of history the method needs before an origin.
    virtual int daysNeeded() const = 0;
    // The `horizon` days after each origin; origins ascending, each at least
    // daysNeeded() and at most the history's days.
    virtual MethodForecasts forecast(const ForecastSeries &series, const std::vector<int> &origins, int horizon) const = 0;
};
