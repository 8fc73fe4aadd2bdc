// SPDX-License-Identifier: MIT
#include "weekdayaverage.h"

#include "forecastseries.h"

#include <cmath>
#include <limits>

MethodForecasts WeekdayAverage::forecast(const ForecastSeries &series, const std::vector<int> &origins, int horizon) const
{
    MethodForecasts result;
    result.parameters = QStringLiteral("k = %1 week(s)").arg(m_weeks);
    const int daySlots = series.slotsPerDay();
    for (const int origin : origins) {
        DaySlots days(static_cast<std::size_t>(horizon),
                      std::vector<double>(static_cast<std::size_t>(daySlots), std::numeric_limits<double>::quiet_NaN()));
        for (int h = 0; h < horizon; ++h) {
            const int latest = origin + h - 7 * (h / 7 + 1);
            for (int s = 0; s < daySlots; ++s) {
                double sum = 0;
                int count = 0;
                for (int w = 0; w < m_weeks && latest - 7 * w >= 0; ++w) {
                    const double calls = series.calls(latest - 7 * w, s);
                    if (!std::isnan(calls)) {
                        sum += calls;
                        ++count;
                    }
                }
                if (count > 0)
                    days[static_cast<std::size_t>(h)][static_cast<std::size_t>(s)] = sum / count;
            }
        }
        result.fromOrigin.push_back(std::move(days));
    }
    return result;
}
