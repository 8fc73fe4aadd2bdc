// SPDX-License-Identifier: MIT
#pragma once

#include "reportcontent.h"
#include "shiftplan.h"

// The report of a shift plan: the inputs of `base` (an agent window's
// report content) with the plan's shifts, its cover per slot and its totals
// and solver status in place of the window's table.
ReportContent ShiftPlanReport(const ReportContent &base, const ShiftPlan &plan);
