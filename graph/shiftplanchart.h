// SPDX-License-Identifier: MIT
#pragma once

#include "chartmodel.h"
#include "shiftplan.h"

// The shift plan's chart: per slot the agents required (bars) against the
// agents the plan staffs (a line), on one axis of agents, flat. The chart's
// earlier series are replaced.
void BuildShiftPlanChart(ChartModel &model, const ShiftPlan &plan);
