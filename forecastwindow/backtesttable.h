// SPDX-License-Identifier: MIT
#pragma once

#include "forecaster.h"

#include <QString>
#include <QStringList>

#include <vector>

// The backtest as the forecast window's table shows it: a row per method,
// in the forecaster's order, with its name, its figures (WAPE, bias and
// MAPE over all, then WAPE per lead day) and a note: the method's
// parameters at the last origin, or why it was left out. Every row is as
// wide as the headings.
class BacktestTable
{
public:
    static QStringList headings();
    static std::vector<QStringList> rows(const ForecastOutcome &outcome);
    // The row of the method the forecast was made with.
    static int chosenRow(const ForecastOutcome &outcome);
    // The columns that hold figures, right-aligned: from 1 to the note.
    static bool isFigureColumn(int column);
};
