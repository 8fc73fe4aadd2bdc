// SPDX-License-Identifier: MIT
#pragma once

#include "forecastsession.h"
#include "reportcontent.h"

#include <QString>

// The printed report of a forecast window, titled "Forecast": the history
// file, the week, the slot length, the method and the days left out; the
// week's calls per slot (and handle times where the history gave some);
// the backtest over all and per lead day; the methods left out and why;
// then the chart the window shows.
class ForecastReport
{
public:
    static ReportContent content(const ForecastSession &session, const QString &caption);
};
