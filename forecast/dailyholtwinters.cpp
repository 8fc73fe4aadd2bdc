// SPDX-License-Identifier: MIT
#include "dailyholtwinters.h"

#include "forecastseries.h"
#include "holtwinters.h"
#include "intradayprofile.h"

#include <cmath>
#include <limits>

MethodForecasts DailyHoltWinters::forecast(const ForecastSeries &series, const std::vector<int> &origins, int horizon) const
{
    constexpr double NoData = std::numeric_limits<double>::quiet_NaN();
    const int daySlots = series.slotsPerDay();
    std::vector<double> totals(static_cast<std::size_t>(series.dayCount()), NoData);
    for (int day = 0; day < series.dayCount(); ++day) {
        for (int s = 0; s < daySlots; ++s) {
            const double calls = series.calls(day, s);
            if (!std::isnan(calls))
                totals[static_cast<std::size_t>(day)] = (std::isnan(totals[static_cast<std::size_t>(day)]) ? 0.0 : totals[static_cast<std::size_t>(day)]) + calls;
        }
    }
    MethodForecasts result;
    for (const int origin : origins) {
        DaySlots days(static_cast<std::size_t>(horizon), std::vector<double>(static_cast<std::size_t>(daySlots), NoData));
        const std::vector<double> seen(totals.begin(), totals.begin() + origin);
        const std::optional<HoltWinters::Fit> fit = HoltWinters::fit(seen, 7);
        if (fit) {
            const std::vector<double> ahead = HoltWinters::forecast(seen, 7, *fit, horizon);
            const IntradayProfile profile = IntradayProfile::before(series, origin);
            for (int h = 0; h < horizon; ++h) {
                const int weekday = series.date(origin + h).dayOfWeek();
                for (int s = 0; s < daySlots; ++s)
                    days[static_cast<std::size_t>(h)][static_cast<std::size_t>(s)] = ahead[static_cast<std::size_t>(h)] * profile.share(weekday, s);
            }
            result.parameters = fit->text();
        } else {
            result.parameters = QStringLiteral("no fit: the first two weeks lack data");
        }
        result.fromOrigin.push_back(std::move(days));
    }
    return result;
}
