// SPDX-License-Identifier: MIT
#pragma once

#include "forecastmethod.h"

// Each slot as the mean of the same weekday and slot over the last k weeks
// before the origin, of the weeks that have data for it.
class WeekdayAverage : public ForecastMethod
{
public:
    explicit WeekdayAverage(int weeks) : m_weeks(weeks) {}
    int weeks() const { return m_weeks; }

    ForecastMethodKind kind() const override { return ForecastMethodKind::Average; }
    int daysNeeded() const override { return 7 * m_weeks; }
    MethodForecasts forecast(const ForecastSeries &series, const std::vector<int> &origins, int horizon) const override;

private:
    int m_weeks;
};
