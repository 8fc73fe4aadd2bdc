// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

struct WeekPlan;

// What the heat map shows, in sentences a screen reader can say: per day
// the slots short of their requirement and those over it, as time ranges
// ("Mon: short at 08:00–09:00; over at 12:00."), a day with exact cover or
// closed said so.
QString WeekHeatMapDescription(const WeekPlan &plan);
