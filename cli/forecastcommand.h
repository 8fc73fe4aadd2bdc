// SPDX-License-Identifier: MIT
#pragma once

#include "calculator.h"

struct CommandLine;

// varnook-calc forecast: reads the history (an interval file of several
// days, "-" for standard input), leaves out the excluded days, backtests
// every method and prints the week after the history with the backtest.
// A history that cannot be used exits 1 naming the line or the reason; an
// excluded date that is no day of the history is a warning.
CalculatorRun RunForecast(const CommandLine &line, const StandardInput &standardInput);
