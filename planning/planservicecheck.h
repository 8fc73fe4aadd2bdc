// SPDX-License-Identifier: MIT
#pragma once

#include "daytotals.h"
#include "scenarioinputs.h"
#include "serviceday.h"
#include "staffingmodel.h"

#include <memory>
#include <vector>

struct ShiftPlan;

// The roster check of a shift plan, apart from the window it was made in:
// a copy of the Schedule's inputs as they stood when the day was planned,
// with the staffing model their options choose. A solve on a thread of its
// own takes a copy.
class PlanServiceCheck
{
public:
    // The most answering agents a slot's curve runs over: far beyond the
    // few dozen from the load to practically full service of any real slot.
    static constexpr int MaxCurveSteps = 200;

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
    // The Schedule's staffing thus always meets every lowest level.
    ServiceDay serviceDay() const;
    // The roster check's day when slot s (from 0) has staffed[s] agents on
    // the roster.
    RosterDay rosterDay(const std::vector<int> &staffed) const;
    // Sets the plan's day's service level to the roster check's.
    void checkPlan(ShiftPlan &plan) const;

private:
    // The Schedule's row values for `inputs`.
    std::vector<RowValues> schedule(const ScenarioInputs &inputs) const;

    ScenarioInputs m_inputs;
    std::shared_ptr<const StaffingModel> m_model;
};
