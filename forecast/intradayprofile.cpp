// SPDX-License-Identifier: MIT
#include "intradayprofile.h"

#include "forecastseries.h"

#include <cmath>
#include <limits>

IntradayProfile IntradayProfile::before(const ForecastSeries &series, int origin)
{
    IntradayProfile profile;
    const auto daySlots = static_cast<std::size_t>(series.slotsPerDay());
    for (int weekday = 1; weekday <= 7; ++weekday) {
        std::vector<double> sums(daySlots, std::numeric_limits<double>::quiet_NaN());
        int daysTaken = 0;
        for (int day = origin - 1; day >= 0 && daysTaken < ProfileWeeks; --day) {
            if (series.weekday(day) != weekday || series.excluded(day))
                continue;
            bool any = false;
            for (std::size_t s = 0; s < daySlots; ++s) {
                const double calls = series.calls(day, static_cast<int>(s));
                if (std::isnan(calls))
                    continue;
                sums[s] = (std::isnan(sums[s]) ? 0.0 : sums[s]) + calls;
                any = true;
            }
            daysTaken += any ? 1 : 0;
        }
        double total = 0;
        int withData = 0;
        for (const double sum : sums) {
            if (!std::isnan(sum)) {
                total += sum;
                ++withData;
            }
        }
        for (double &sum : sums) {
            if (!std::isnan(sum))
                sum = total > 0 ? sum / total : 1.0 / withData;
        }
        profile.m_shares[static_cast<std::size_t>(weekday - 1)] = std::move(sums);
    }
    return profile;
}
