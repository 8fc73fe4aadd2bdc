// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>
#include <vector>

// Holt-Winters exponential smoothing with a trend and one season of
// `period` values (Winters 1960; Hyndman and Athanasopoulos, "Forecasting:
// principles and practice", 7.3), the season added or multiplied. A value
// that is missing (NaN) is taken as its one-step forecast, so that it
// changes no state. The first two seasons give the starting level, trend
// and season; the smoothing parameters are those that minimise the squared
// one-step errors from the second season on (NelderMead on [0,1]^3).
class HoltWinters
{
public:
    enum class Season { Additive, Multiplicative };
    struct Fit
    {
        Season season = Season::Additive;
        double alpha = 0; // level
        double beta = 0;  // trend
        double gamma = 0; // season
        double sse = 0;
        QString text() const; // "additive, alpha 0.21, beta 0.00, gamma 0.35"
    };

    // The better fit of the additive and, where every value is above 0, the
    // multiplicative season; none with fewer than two seasons of values.
    static std::optional<Fit> fit(const std::vector<double> &values, int period);
    // The `horizon` values after `values`, smoothed with `fit`.
    static std::vector<double> forecast(const std::vector<double> &values, int period, const Fit &fit, int horizon);

private:
    static Fit fitSeason(const std::vector<double> &values, int period, Season season);
    // The one-step squared errors from the second season on; with
    // `forecasts`, the `horizon` values after the last.
    static double run(const std::vector<double> &values, int period, const Fit &fit, int horizon,
                      std::vector<double> *forecasts);
};
