// SPDX-License-Identifier: MIT
#pragma once

#include "forecastmethod.h"

// Each slot as it was one week before; a day further ahead than a week, or
// a slot without data that week, goes back a week more, to the latest of
// that weekday the history has data for.
class SeasonalNaive : public ForecastMethod
{
public:
    ForecastMethodKind kind() const override { return ForecastMethodKind::Naive; }
    int daysNeeded() const override { return 7; }
    MethodForecasts forecast(const ForecastSeries &series, const std::vector<int> &origins, int horizon) const override;
};
