// SPDX-License-Identifier: MIT
#pragma once

#include "commandline.h"
#include "shiftweek.h"
#include "weekplan.h"

#include <QString>

// A week's plan as varnook-calc prints it.
namespace WeekPlanOutput {

// table: the agents' weeks (agent, tour, each day's shift or "off", paid
// hours), the days (paid and required hours, service level), the tour
// types (headcount, paid hours, FTE), the week's totals and the notes on
// short slots, each after an empty line.
// csv: RFC 4180 rows with CR LF, sections apart by an empty row: one row
// per agent and day worked (agent, tour, day, date, shift, start, break,
// end, paid hours), one per open day's slot (day, date, time, required,
// staffed, +/-), then the days, the tour types and the totals.
// json: one object with "slotMinutes", "goal", "agents", "days", "totals"
// and "solver" (and "service" for the service-level goal).
QString format(const WeekPlan &plan, const ShiftWeek &week, OutputFormat format);

} // namespace WeekPlanOutput
