// SPDX-License-Identifier: MIT
#include "seasonalnaive.h"

#include "forecastseries.h"

#include <cmath>
#include <limits>

MethodForecasts SeasonalNaive::forecast(const ForecastSeries &series, const std::vector<int> &origins, int horizon) const
{
    MethodForecasts result;
    const int daySlots = series.slotsPerDay();
    for (const int origin : origins) {
        DaySlots days(static_cast<std::size_t>(horizon),
                      std::vector<double>(static_cast<std::size_t>(daySlots), std::numeric_limits<double>::quiet_NaN()));
        for (int h = 0; h < horizon; ++h) {
            // The latest day of the same weekday before the origin.
            const int latest = origin + h - 7 * (h / 7 + 1);
            for (int s = 0; s < daySlots; ++s) {
                for (int d = latest; d >= 0; d -= 7) {
                    if (!std::isnan(series.calls(d, s))) {
                        days[static_cast<std::size_t>(h)][static_cast<std::size_t>(s)] = series.calls(d, s);
                        break;
                    }
                }
            }
        }
        result.fromOrigin.push_back(std::move(days));
    }
    return result;
}
