// SPDX-License-Identifier: MIT
#include "handletimes.h"

#include "forecastseries.h"
#include "texts.h"

#include <algorithm>
#include <cmath>

namespace {

struct Mean
{
    double weighted = 0;
    double weights = 0;
    double plain = 0;
    int count = 0;

    void add(double seconds, double calls)
    {
        if (std::isnan(seconds))
            return;
        weighted += seconds * calls;
        weights += calls;
        plain += seconds;
        ++count;
    }

    std::optional<int> seconds() const
    {
        if (count == 0)
            return std::nullopt;
        const double mean = weights > 0 ? weighted / weights : plain / count;
        return std::clamp(static_cast<int>(std::floor(mean + 0.5)), 0, Calc::LongestDurationSeconds);
    }
};

} // namespace

HandleTimes HandleTimes::before(const ForecastSeries &series, int origin, int weeks)
{
    HandleTimes times;
    const int daySlots = series.slotsPerDay();
    for (auto &day : times.byWeekday)
        day.assign(static_cast<std::size_t>(daySlots), Times{});
    for (int latest = origin - 1; latest >= origin - 7 && latest >= 0; --latest) {
        const int weekday = series.weekday(latest);
        for (int s = 0; s < daySlots; ++s) {
            Mean talk;
            Mean wrap;
            for (int w = 0; w < weeks && latest - 7 * w >= 0; ++w) {
                const int day = latest - 7 * w;
                const double calls = series.calls(day, s);
                if (std::isnan(calls))
                    continue;
                talk.add(series.talkSeconds(day, s), calls);
                wrap.add(series.wrapSeconds(day, s), calls);
            }
            times.byWeekday[static_cast<std::size_t>(weekday - 1)][static_cast<std::size_t>(s)] =
                Times{talk.seconds(), wrap.seconds()};
        }
    }
    return times;
}
