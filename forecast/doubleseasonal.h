// SPDX-License-Identifier: MIT
#pragma once

#include "forecastmethod.h"

#include <QString>

#include <vector>

// Holt-Winters over the slots with two seasons, the day's and the week's
// (Taylor, "Short-term electricity demand forecasting using double seasonal
// exponential smoothing", J. Oper. Res. Soc. 54, 2003), in its additive form
// without a trend:
//   level    l = alpha (y - d - w) + (1 - alpha) l
//   daily    d = delta (y - l - w) + (1 - delta) d     (one per slot of the day)
//   weekly   w = omega (y - l - d) + (1 - omega) w     (one per slot of the week)
// and the forecast l + d + w of the slot's latest seasons. Added seasons
// carry the nights' zeros that a multiplied one could not. A slot without
// data is its own one-step forecast and changes nothing. At each origin
// the whole weeks before it (at least two) start the level and both
// seasons as their means, and the smoothing runs from the first day to the
// origin. Alpha, delta and omega minimise the squared one-step errors from
// the second week to the first origin (NelderMead on [0,1]^3) and serve
// every origin: a fit costs a few hundred runs over the history.
class DoubleSeasonal : public ForecastMethod
{
public:
    struct Parameters
    {
        double alpha = 0;
        double delta = 0;
        double omega = 0;
    };

    ForecastMethodKind kind() const override { return ForecastMethodKind::Double; }
    int daysNeeded() const override { return 14; }
    MethodForecasts forecast(const ForecastSeries &series, const std::vector<int> &origins, int horizon) const override;

    // The parameters that fit the first `days` days best.
    static Parameters fit(const ForecastSeries &series, int days);

private:
    struct State;
    // Runs the smoothing over the slots before `end` (a slot index); the
    // squared one-step errors from the second week on.
    static double run(const ForecastSeries &series, const Parameters &p, State &state, std::size_t from, std::size_t end);
};
