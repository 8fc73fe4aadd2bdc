// SPDX-License-Identifier: MIT
#include "holtwinters.h"

#include "neldermead.h"

#include <algorithm>
#include <cmath>

namespace {

double meanOf(const std::vector<double> &values, std::size_t first, std::size_t count)
{
    double sum = 0;
    int n = 0;
    for (std::size_t i = first; i < first + count && i < values.size(); ++i) {
        if (!std::isnan(values[i])) {
            sum += values[i];
            ++n;
        }
    }
    return n > 0 ? sum / n : std::nan("");
}

} // namespace

QString HoltWinters::Fit::text() const
{
    return QStringLiteral("%1, alpha %2, beta %3, gamma %4")
        .arg(season == Season::Additive ? QStringLiteral("additive") : QStringLiteral("multiplicative"))
        .arg(alpha, 0, 'f', 2)
        .arg(beta, 0, 'f', 2)
        .arg(gamma, 0, 'f', 2);
}

std::optional<HoltWinters::Fit> HoltWinters::fit(const std::vector<double> &values, int period)
{
    const auto seasons = static_cast<std::size_t>(period);
    if (values.size() < 2 * seasons || std::isnan(meanOf(values, 0, seasons)) || std::isnan(meanOf(values, seasons, seasons)))
        return std::nullopt;
    Fit best = fitSeason(values, period, Season::Additive);
    const bool positive = std::all_of(values.begin(), values.end(), [](double v) { return std::isnan(v) || v > 0; });
    if (positive) {
        const Fit multiplied = fitSeason(values, period, Season::Multiplicative);
        if (multiplied.sse < best.sse)
            best = multiplied;
    }
    return best;
}

HoltWinters::Fit HoltWinters::fitSeason(const std::vector<double> &values, int period, Season season)
{
    auto sse = [&](const std::vector<double> &x) {
        Fit fit{season, x[0], x[1], x[2], 0};
        return run(values, period, fit, 0, nullptr);
    };
    const NelderMead::Result found = NelderMead::minimise(sse, {0.3, 0.05, 0.2}, 0.2, 200);
    return Fit{season, found.x[0], found.x[1], found.x[2], found.value};
}

std::vector<double> HoltWinters::forecast(const std::vector<double> &values, int period, const Fit &fit, int horizon)
{
    std::vector<double> forecasts;
    run(values, period, fit, horizon, &forecasts);
    return forecasts;
}

double HoltWinters::run(const std::vector<double> &values, int period, const Fit &fit, int horizon,
                        std::vector<double> *forecasts)
{
    const auto m = static_cast<std::size_t>(period);
    const bool added = fit.season == Season::Additive;
    const double first = meanOf(values, 0, m);
    const double second = meanOf(values, m, m);
    double trend = (second - first) / period;
    // The level just before the first value: the first season's mean lies
    // at its middle.
    double level = first - trend * (period + 1) / 2.0;
    std::vector<double> season(m);
    for (std::size_t i = 0; i < m; ++i) {
        double sum = 0;
        int n = 0;
        for (std::size_t k = 0; k < 2; ++k) {
            const double v = values[i + k * m];
            const double seasonMean = k == 0 ? first : second;
            if (!std::isnan(v)) {
                sum += added ? v - seasonMean : v / seasonMean;
                ++n;
            }
        }
        season[i] = n > 0 ? sum / n : (added ? 0.0 : 1.0);
    }
    double sse = 0;
    for (std::size_t t = 0; t < values.size(); ++t) {
        double &s = season[t % m];
        const double predicted = added ? level + trend + s : (level + trend) * s;
        const double y = std::isnan(values[t]) ? predicted : values[t];
        if (t >= m)
            sse += (y - predicted) * (y - predicted);
        const double previous = level;
        level = added ? fit.alpha * (y - s) + (1 - fit.alpha) * (level + trend)
                      : fit.alpha * (y / s) + (1 - fit.alpha) * (level + trend);
        trend = fit.beta * (level - previous) + (1 - fit.beta) * trend;
        s = added ? fit.gamma * (y - level) + (1 - fit.gamma) * s : fit.gamma * (y / level) + (1 - fit.gamma) * s;
        if (!added && (level <= 0 || s <= 0 || !std::isfinite(level)))
            return HUGE_VAL;
    }
    if (forecasts) {
        forecasts->clear();
        for (int h = 1; h <= horizon; ++h) {
            const double s = season[(values.size() + static_cast<std::size_t>(h) - 1) % m];
            forecasts->push_back(added ? level + h * trend + s : (level + h * trend) * s);
        }
    }
    return sse;
}
