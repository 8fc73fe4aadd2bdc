// SPDX-License-Identifier: MIT
#pragma once

#include "reportcontent.h"
#include "shiftplan.h"
#include "shiftplancomparison.h"

// The report of a shift plan: the inputs of `base` (an agent window's
// report content) with the plan's shifts, its cover per slot and its totals
// and solver status in place of the window's table; with a comparison, each
// plan's paid hours and day's service level follow. The plan's chart, as the
// shift-plan window draws it, closes the report.
ReportContent ShiftPlanReport(const ReportContent &base, const ShiftPlan &plan,
                              const ShiftPlanComparison *comparison = nullptr);
