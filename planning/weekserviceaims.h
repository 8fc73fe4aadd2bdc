// SPDX-License-Identifier: MIT
#pragma once

#include "weektourmodel.h"

#include <array>
#include <optional>
#include <vector>

class TourSpace;
struct ShiftWeek;

// What the week's service-level goal aims at day by day, as a day's plan
// of that goal does: each open day with calls reaches the goal, or where
// the tours cannot, the most they give. Before any plan that is each day
// with every slot a tour reaches at its highest level; after a plan of the
// highest levels (with maximums), what that plan gives, and its slots hold
// their lowest level and floor only where it reaches them.
class WeekServiceAims
{
public:
    WeekServiceAims(const ShiftWeek &week, const TourSpace &space, double goal);

    // Takes the levels of a plan of the highest levels, read from the
    // model's values (the layout's columns first).
    void reachedBy(const ShiftWeek &week, const WeekTourModel &layout, const TourSpace &space,
                   const std::vector<double> &values);

    const WeekTourModel::ServiceAims &aims() const { return m_aims; }
    // Per day, the level the tours reach where it falls short of the goal.
    std::array<std::optional<double>, 7> shortOfGoal() const;

private:
    WeekTourModel::ServiceAims m_aims;
    std::array<std::optional<double>, 7> m_reached;
    void setTargets();
};
