// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// The properties every interval file has, whatever its bytes, read both as
// one day (IntervalFile) and as several (IntervalDays): a refused file says
// why, naming a line the file has, and holds no slots; an accepted one holds
// slots from a row to a row within the day, on its slot length, days in
// order and never twice; the days written back (IntervalDaysCsv) read into
// the same days and are written again byte for byte.
// Returns the first property that does not hold, in words; empty when all hold.
QString BrokenIntervalInvariant(const QByteArray &bytes);
