// SPDX-License-Identifier: MIT
#include "doubleseasonal.h"

#include "forecastseries.h"
#include "neldermead.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double Tiny = 1e-9;

} // namespace

struct DoubleSeasonal::State
{
    double level = 0;
    std::vector<double> daily;  // by slot of the day
    std::vector<double> weekly; // by slot of the week, counted from the history's first day

    // Starts the level and the seasons from the whole weeks of the first
    // `days` days (at least two): the mean, each slot of the day's mean
    // above it, and each slot of the week's mean above both.
    State(const ForecastSeries &series, int days)
    {
        const int daySlots = series.slotsPerDay();
        const int weekSlots = 7 * daySlots;
        const int initDays = 7 * std::max(2, days / 7);
        double sum = 0;
        int count = 0;
        for (int day = 0; day < initDays; ++day) {
            for (int s = 0; s < daySlots; ++s) {
                if (!std::isnan(series.calls(day, s))) {
                    sum += series.calls(day, s);
                    ++count;
                }
            }
        }
        level = count > 0 && sum > 0 ? sum / count : 1;
        daily.assign(static_cast<std::size_t>(daySlots), 1.0);
        weekly.assign(static_cast<std::size_t>(weekSlots), 1.0);
        for (int s = 0; s < daySlots; ++s) {
            double deviation = 0;
            int n = 0;
            for (int day = 0; day < initDays; ++day) {
                if (!std::isnan(series.calls(day, s))) {
                    deviation += series.calls(day, s) / level;
                    ++n;
                }
            }
            daily[static_cast<std::size_t>(s)] = n > 0 ? deviation / n : 1;
        }
        for (int i = 0; i < weekSlots; ++i) {
            double deviation = 0;
            int n = 0;
            for (int week = 0; week < initDays / 7; ++week) {
                const double y = series.calls(week * 7 + i / daySlots, i % daySlots);
                if (!std::isnan(y)) {
                    deviation += y / (level * daily[static_cast<std::size_t>(i % daySlots)]);
                    ++n;
                }
            }
            weekly[static_cast<std::size_t>(i)] = n > 0 ? deviation / n : 1;
        }
    }
};

double DoubleSeasonal::run(const ForecastSeries &series, const Parameters &p, State &state, std::size_t from, std::size_t end)
{
    const auto daySlots = static_cast<std::size_t>(series.slotsPerDay());
    const std::size_t weekSlots = 7 * daySlots;
    double sse = 0;
    for (std::size_t t = from; t < end; ++t) {
        const double y = series.calls(static_cast<int>(t / daySlots), static_cast<int>(t % daySlots));
        if (std::isnan(y))
            continue; // its own forecast: no state changes
        double &d = state.daily[t % daySlots];
        double &w = state.weekly[t % weekSlots];
        const double error = y - state.level * d * w;
        if (t >= weekSlots)
            sse += error * error;
        // A factor near 0 (a slot that never has calls) leaves what it
        // would divide by unchanged.
        if (d * w > Tiny)
            state.level = p.alpha * (y / (d * w)) + (1 - p.alpha) * state.level;
        if (state.level * w > Tiny)
            d = p.delta * (y / (state.level * w)) + (1 - p.delta) * d;
        if (state.level * d > Tiny)
            w = p.omega * (y / (state.level * d)) + (1 - p.omega) * w;
    }
    return sse;
}

DoubleSeasonal::Parameters DoubleSeasonal::fit(const ForecastSeries &series, int days)
{
    const std::size_t end = static_cast<std::size_t>(days) * static_cast<std::size_t>(series.slotsPerDay());
    const State start(series, days);
    auto sse = [&](const std::vector<double> &x) {
        State state = start;
        return run(series, Parameters{x[0], x[1], x[2]}, state, 0, end);
    };
    const NelderMead::Result found = NelderMead::minimise(sse, {0.1, 0.1, 0.1}, 0.2, 150, 1e-7);
    return Parameters{found.x[0], found.x[1], found.x[2]};
}

MethodForecasts DoubleSeasonal::forecast(const ForecastSeries &series, const std::vector<int> &origins, int horizon) const
{
    MethodForecasts result;
    if (origins.empty())
        return result;
    const Parameters p = fit(series, origins.front());
    result.parameters = QStringLiteral("alpha %1, delta %2, omega %3")
                            .arg(p.alpha, 0, 'f', 2)
                            .arg(p.delta, 0, 'f', 2)
                            .arg(p.omega, 0, 'f', 2);
    const auto daySlots = static_cast<std::size_t>(series.slotsPerDay());
    const std::size_t weekSlots = 7 * daySlots;
    for (const int origin : origins) {
        const std::size_t end = static_cast<std::size_t>(origin) * daySlots;
        State state(series, origin);
        run(series, p, state, 0, end);
        DaySlots days(static_cast<std::size_t>(horizon), std::vector<double>(daySlots));
        for (std::size_t j = 0; j < static_cast<std::size_t>(horizon) * daySlots; ++j) {
            const std::size_t t = end + j;
            days[j / daySlots][j % daySlots] = state.level * state.daily[t % daySlots] * state.weekly[t % weekSlots];
        }
        result.fromOrigin.push_back(std::move(days));
    }
    return result;
}
