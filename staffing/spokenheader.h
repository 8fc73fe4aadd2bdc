// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// A result column's header in words, as a screen reader should say it: the
// grid's short headers ("Srv Lvl", "Abndon", "Q Time") spelt out. A header
// the tables do not use is returned as it is.
QString SpokenHeader(const QString &shown);

// The hint of a Schedule cell in `column` (a ResultTable column): what the
// roster's columns hold and which figure the roster is set against (Sched
// when a shrinkage is set, else Agents); the Calls hint elsewhere.
QString ScheduleColumnHint(int column, bool shrinkage);
