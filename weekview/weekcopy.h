// SPDX-License-Identifier: MIT
#pragma once

#include "tablecopy.h"

struct WeekPlan;

// A staffed week as it goes to a spreadsheet (TableCopy gives the
// tab-separated text, the HTML table and both for the clipboard).
namespace WeekCopy {

// The agents' weeks as the window and the report show them: agent, tour,
// Monday to Sunday (shift times or "off"), paid hours; the headings first.
TableCopy agentWeeks(const WeekPlan &plan);
// Every open day's slots: day, slot start, required, staffed and staffed
// minus required as a plain signed number, so that a spreadsheet sums it.
TableCopy cover(const WeekPlan &plan);
// Both, the agents' weeks first, an empty row between them.
TableCopy week(const WeekPlan &plan);

} // namespace WeekCopy
