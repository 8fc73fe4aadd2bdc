// SPDX-License-Identifier: MIT
#pragma once

#include "evaluation.h"
#include "goalrule.h"

#include <memory>
#include <vector>

// The agent numbers of one call load, evaluated one after another (the
// Agents table's period, or one staffed slot of the Schedule).
class LoadEvaluation
{
public:
    virtual ~LoadEvaluation() = default;
    // Whether `agents` can carry the load at all: an agent number that
    // cannot gets no row and no figures.
    virtual bool carries(double agents) const = 0;
    // Every figure for `agents`, one that carries the load, at full
    // precision. A model may need the agent numbers asked for in rising
    // order from firstAgents (Erlang C's recursion does); the tables ask so.
    virtual AgentFigures evaluate(double agents) = 0;
    // For a search that keeps one agent number of many: the figures a goal
    // rule reads for `agents`, in the same order as evaluate. A model may
    // leave the other figures for complete() to add to the agent number
    // kept. By default every figure, and complete() has nothing to add.
    virtual AgentFigures goalFigures(double agents) { return evaluate(agents); }
    virtual void complete(double /*agents*/, AgentFigures & /*figures*/) {}
    // The first agent number a table tries for this load (`load` is the one
    // this evaluation was made for). By default the first whole number above
    // the load, load.startAgents, where a queue whose callers never hang up
    // starts to keep up; a model that is stable below the load starts where
    // the planner sees what fewer agents than the goal row would give.
    virtual double firstAgents(const CallLoad &load, const GoalRule & /*goal*/) { return load.startAgents; }

    // The rows a table shows above a goal row that lies far from the load's
    // own first agent number: enough to see what fewer agents would give.
    static constexpr int RowsAboveGoal = 5;
};

// The queueing model that turns a call load and an agent number into the
// service figures. The Agents table and the Schedule ask it, and only it,
// for figures: their search for the goal row, the trunk rule and the texts
// are the same whatever the model.
class StaffingModel
{
public:
    virtual ~StaffingModel() = default;
    // One evaluation per load, in the order given, all with the same
    // service inputs. Asked for every load of a table at once, so that a
    // model can share work between them.
    virtual std::vector<std::unique_ptr<LoadEvaluation>> evaluations(const std::vector<CallLoad> &loads,
                                                                     const ServiceInputs &inputs) const = 0;
    // The same with each load's own service inputs (`inputs[i]` for
    // `loads[i]`, as slots with their own handle times have them). By
    // default the loads of equal inputs are asked for together.
    virtual std::vector<std::unique_ptr<LoadEvaluation>> slotEvaluations(const std::vector<CallLoad> &loads,
                                                                         const std::vector<ServiceInputs> &inputs) const;
};
