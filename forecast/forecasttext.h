// SPDX-License-Identifier: MIT
#pragma once

#include "forecaster.h"

#include <QString>
#include <QStringList>

#include <vector>

// The words and figures of a forecast as tables print and show them, for
// varnook-calc, the forecast window and its report alike.
namespace ForecastText {

// A fraction as a percentage with one decimal ("12.3%"); "-" for NaN, a
// figure with nothing to compare.
QString percent(double fraction);
// A day of the week forecast as a column heading: "Mon 12-14".
QString dayHeading(const IntervalDay &day);
// A date as its weekday and day of the month alone ("Mon 14"), where the
// month is given elsewhere: a chart's day marks, a narrow column.
QString shortDayHeading(const QDate &date);
// Whether some slot of the week forecast has a talk or after-call time.
bool hasHandleTimes(const ForecastOutcome &outcome);
// The week forecast as a table, row 0 the headings ("Slot", then each open
// day), then a row per slot time that some day has, empty where that day
// has none. Calls end with a "Total" row; handle times (`handleTimes`,
// headed "AHT") are mm:ss, "-" for a slot on the settings' times.
std::vector<QStringList> weekRows(const ForecastOutcome &outcome, bool handleTimes);
// The headings of a method's backtest figures: WAPE, bias and MAPE over
// all, then WAPE per lead day ("Day 1" ... "Day 7").
QStringList figureHeadings();
// A method's figures under those headings; a method left out has "-" for
// the three over all and nothing after them.
QStringList figureCells(const MethodBacktest &method);
// "Chosen by the backtest: Weekday average (k = 4 week(s))", or with
// "Method:" when the planner picked it; a method without parameters has no
// brackets.
QString chosenText(const ForecastOutcome &outcome);

} // namespace ForecastText
