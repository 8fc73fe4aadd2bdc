// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// The properties every week file has, whatever its bytes: a refused file
// changes nothing and says why; a read one is written into a file that
// reads back into the same week (settings, days, shift and tour types) and
// is then written again byte for byte, so reading, writing and reading is a
// fixed point; its days' Schedules pass or fail their input check alike
// both times. Returns the first property that does not hold, in words;
// empty when all hold.
QString BrokenWeekInvariant(const QByteArray &bytes);
