// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

class TourSpace;
struct ShiftType;
struct ShiftWeek;
struct TourType;
struct WeekTourModel;

// A first plan of the week for the solver to start from, found greedily:
// agent by agent, the tour week (and each of its days' variant) that
// covers the most slots still short per paid minute, within the tours'
// and the shift types' maximums, until no week covers a short slot. Given
// as the tour model's column values, the slots left short in its
// shortfall columns; every row of the model holds, so a model without
// shortfall columns gets it only when the greedy plan covers every
// reachable slot (always, without maximums).
class WeekStartPlan
{
public:
    static std::vector<double> values(const ShiftWeek &week, const std::vector<ShiftType> &types,
                                      const std::vector<TourType> &tours, const TourSpace &space,
                                      const WeekTourModel &model);
};
