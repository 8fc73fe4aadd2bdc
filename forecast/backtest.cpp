// SPDX-License-Identifier: MIT
#include "backtest.h"

#include "forecastseries.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct Sums
{
    double absolute = 0;
    double signedError = 0;
    double actual = 0;
    double relative = 0;
    long long withCalls = 0;
    long long compared = 0;

    void add(double forecast, double actual)
    {
        const double error = std::max(forecast, 0.0) - actual;
        absolute += std::abs(error);
        signedError += error;
        this->actual += actual;
        if (actual > 0) {
            relative += std::abs(error) / actual;
            ++withCalls;
        }
        ++compared;
    }

    AccuracyFigures figures() const
    {
        constexpr double none = std::numeric_limits<double>::quiet_NaN();
        return AccuracyFigures{actual > 0 ? absolute / actual : none, actual > 0 ? signedError / actual : none,
                               withCalls > 0 ? relative / static_cast<double>(withCalls) : none, compared};
    }
};

} // namespace

int Backtest::heldOutDays(int dayCount)
{
    const int wanted = std::min(MostHeldOutDays, std::max(14, dayCount - 56));
    return std::max(0, std::min(wanted, dayCount - 7));
}

std::vector<int> Backtest::origins(int dayCount)
{
    std::vector<int> result;
    for (int origin = dayCount - heldOutDays(dayCount); origin < dayCount; ++origin)
        result.push_back(origin);
    return result;
}

Backtest::Figures Backtest::score(const ForecastSeries &series, const std::vector<int> &origins,
                                  const std::vector<DaySlots> &forecasts)
{
    Sums overall;
    std::array<Sums, LeadDays> byLead;
    for (std::size_t o = 0; o < origins.size(); ++o) {
        for (int lead = 0; lead < LeadDays && origins[o] + lead < series.dayCount(); ++lead) {
            const std::vector<double> &forecast = forecasts[o][static_cast<std::size_t>(lead)];
            for (int s = 0; s < series.slotsPerDay(); ++s) {
                const double actual = series.calls(origins[o] + lead, s);
                const double predicted = forecast[static_cast<std::size_t>(s)];
                if (std::isnan(actual) || std::isnan(predicted))
                    continue;
                overall.add(predicted, actual);
                byLead[static_cast<std::size_t>(lead)].add(predicted, actual);
            }
        }
    }
    Figures figures;
    figures.overall = overall.figures();
    for (int lead = 0; lead < LeadDays; ++lead)
        figures.byLead[static_cast<std::size_t>(lead)] = byLead[static_cast<std::size_t>(lead)].figures();
    return figures;
}
