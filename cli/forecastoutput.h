// SPDX-License-Identifier: MIT
#pragma once

#include "commandline.h"
#include "forecaster.h"

#include <QString>

// The forecast as varnook-calc prints it.
namespace ForecastOutput {

// Table: the week's calls per slot (a column per day, the day's total
// under it), the handle times where the history gave some, then the
// backtest per method (WAPE, bias and MAPE over all, WAPE per lead day,
// or why it was left out) and the method chosen.
QString table(const ForecastOutcome &outcome);
// CSV: the week as an interval file of several days, which the interval
// readers take back (IntervalDaysCsv).
QString csv(const ForecastOutcome &outcome);
// JSON: "forecast" (the week's days with their slots), "backtest" (per
// method: figures over all and per lead day, or "leftOut"), "chosen".
QString json(const ForecastOutcome &outcome);

QString format(const ForecastOutcome &outcome, OutputFormat format);

} // namespace ForecastOutput
