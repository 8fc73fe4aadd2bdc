// SPDX-License-Identifier: MIT
#pragma once

#include "forecastmethod.h"

// Day totals forecast by Holt-Winters with a weekly season (HoltWinters,
// additive or multiplicative, whichever fits the days before the origin
// better), each spread over its slots by the weekday's intraday profile
// (IntradayProfile). A day's total is the calls of its slots with data; a
// day without any (left out, or missing) is a missing value. Refitted at
// every origin: a day series is short.
class DailyHoltWinters : public ForecastMethod
{
public:
    ForecastMethodKind kind() const override { return ForecastMethodKind::Daily; }
    int daysNeeded() const override { return 14; }
    MethodForecasts forecast(const ForecastSeries &series, const std::vector<int> &origins, int horizon) const override;
};
