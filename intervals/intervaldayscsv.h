// SPDX-License-Identifier: MIT
#pragma once

#include "intervaldays.h"

#include <QString>

#include <vector>

// Days written as an interval file that IntervalDays reads back into the
// same days: a header "date,interval,calls" ("weekday" for days without a
// date), with "talk,after-call work" after it where some slot has a time
// of its own; then one row per slot that has a row, its time as a range
// ("08:00 - 08:15", so that the ends give the slot length however sparse
// the rows), durations in whole seconds, an empty cell for none. Lines end
// in LF. With a tab as `separator` the same rows are tab-separated, as a
// spreadsheet takes them from the clipboard; the readers take those too.
QString IntervalDaysCsv(const std::vector<IntervalDay> &days, int slotMinutes, QChar separator = QLatin1Char(','));
