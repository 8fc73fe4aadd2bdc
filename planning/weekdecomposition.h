// SPDX-License-Identifier: MIT
#pragma once

#include "weekplan.h"

#include <vector>

class TourSpace;
struct ShiftType;
struct TourType;
struct WeekTourModel;

// Splits a solution of the tour model into agents' weeks. Per tour type
// and band each y agent gets the days of its week; on each such day the
// band's z starts are handed out, first those of the paid time a day of a
// week needs, then the rest; each start then takes one of its variants'
// x agents, and with it its break. The model's links make every hand-out
// come out even, so every agent's week obeys its tour; a solution that
// does not (a fault of the model) is thrown as std::logic_error.
class WeekDecomposition
{
public:
    static std::vector<WeekPlan::AgentWeek> agents(const ShiftWeek &week, const std::vector<ShiftType> &types,
                                                   const std::vector<TourType> &tours, const TourSpace &space,
                                                   const WeekTourModel &model, const std::vector<double> &values);
};
