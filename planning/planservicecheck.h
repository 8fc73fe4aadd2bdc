// SPDX-License-Identifier: MIT
#pragma once

#include "daytotals.h"
#include "scenarioinputs.h"
#include "serviceday.h"
#include "shiftinputproblem.h"
#include "staffingmodel.h"

#include <memory>
#include <optional>
#include <vector>

struct ShiftPlan;

// The roster check of a shift plan, apart from the window it was made in:
// a copy of the Schedule's inputs as they stood when the day was planned,
// with the staffing model their options choose. A solve on a thread of its
// own takes a copy.
class PlanServiceCheck
{
public:
    // `inputs` passed the input check: the Schedule was just computed from
    // them.
    explicit PlanServiceCheck(const ScenarioInputs &inputs);

    // What the shift planner weighs for the scenario's service-level goal:
    // per slot with calls, the roster check's level from the first agent
    // number above the load that carries it (where a queue whose callers
    // never hang up starts to keep up; the roster check counts Erlang C
    // below it as answering nothing), or from the slot's own goal row where
    // that is lower (Erlang A's may be), up to practically full service, in
    // answering agents; shrinkage's share of the staffed agents who answer.
    // The Schedule's staffing thus always meets every lowest level. Under
    // the scenario's slot floor each curve has the fewest answering agents
    // that meet it, by the same figures.
    ServiceDay serviceDay() const;
    // Why the scenario's slot floor cannot be planned for: its cap on
    // abandoned calls without Erlang A. None when it can.
    std::optional<ShiftInputProblem> floorProblem() const;
    // The roster check's day when slot s (from 0) has staffed[s] agents on
    // the roster.
    RosterDay rosterDay(const std::vector<int> &staffed) const;
    // Sets the plan's day's service level to the roster check's and, for a
    // plan under a slot floor, the slots whose roster check misses it.
    void checkPlan(ShiftPlan &plan) const;
    // The slots (from 0) whose roster check with staffed[s] agents misses
    // `floor`.
    std::vector<int> missedFloorSlots(const std::vector<int> &staffed, const SlotFloor &floor) const;

private:
    static std::vector<int> missedSlots(const std::vector<RowValues> &rows, const SlotFloor &floor);
    // The Schedule's row values for `inputs`.
    std::vector<RowValues> schedule(const ScenarioInputs &inputs) const;
    // The Schedule's row values with slot s (from 0) rostered at staffed[s].
    std::vector<RowValues> rosterRows(const std::vector<int> &staffed) const;

    ScenarioInputs m_inputs;
    std::shared_ptr<const StaffingModel> m_model;
};
