// SPDX-License-Identifier: MIT
#pragma once

#include "agentsearch.h"
#include "resulttable.h"
#include "rowvalues.h"
#include "scenarioinputs.h"
#include "staffingmodel.h"

#include <vector>

// The Agents tab: one row per agent number from the first that can carry
// the period's load, with the model's figures as texts and, beside them, at
// full precision. Reads checked inputs; writes only the table it is given.
class AgentsTable
{
public:
    static constexpr int LastRow = AgentSearch::AgentNumbersTried;
    // The table ends after the first row whose service level is above this:
    // further agents change nothing a planner would see.
    static constexpr double PracticallyFullService = 0.999;

    // `inputs` passed the input check; both must outlive the table.
    AgentsTable(const ScenarioInputs &inputs, const StaffingModel &model);

    // The headers and one empty row.
    static void prepareLayout(ResultTable &grid);
    // Writes the rows below the headers and their values (replacing
    // `values`), and moves the current cell to the first row meeting the
    // goal. Returns that row, 0 when none does; `decidedBy` receives which
    // goals decided it (GoalRule flags, 0 when it is the first row).
    int fill(ResultTable &grid, std::vector<RowValues> &values, unsigned *decidedBy = nullptr) const;

private:
    // Every value of one row, from the model's figures for `agents`.
    static RowValues rowValuesOf(double agents, const AgentFigures &figures);
    static void writeRow(ResultTable &grid, int row, const RowValues &values);
    static void writeTrunks(ResultTable &grid, std::vector<RowValues> &values);

    const ScenarioInputs &m_inputs;
    const StaffingModel &m_model;
};
