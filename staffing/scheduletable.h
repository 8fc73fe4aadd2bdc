// SPDX-License-Identifier: MIT
#pragma once

#include "agentsearch.h"
#include "resulttable.h"
#include "rowvalues.h"
#include "scenarioinputs.h"
#include "staffingmodel.h"
#include "timeslots.h"

#include <optional>
#include <vector>

// The Schedule tab: one row per time slot, each with its calls (the one
// column a user edits) and the first agent number meeting the goal for the
// slot's load. Reads checked inputs; writes only the table it is given.
class ScheduleTable
{
public:
    // What a filled Schedule tells the scenario about its calls.
    struct CallTotals
    {
        std::optional<double> lastReadable; // the last slot's calls
        long long day = 0;                  // the whole calls of every staffed slot
    };

    // `inputs` passed the input check; both must outlive the table.
    ScheduleTable(const ScenarioInputs &inputs, const StaffingModel &model);

    // The headers, one row per slot with its start time and its volume from
    // `inputs`, and the figures' cells emptied.
    static void prepareLayout(ResultTable &grid, const TimeSlots &slotList, const ScenarioInputs &inputs);
    // Takes each slot's volume from `inputs` (the Calls cells only show
    // them) and writes its figures and values (replacing `values`).
    CallTotals fill(ResultTable &grid, std::vector<RowValues> &values) const;

private:
    struct Slot;

    std::vector<Slot> readSlots(const ResultTable &grid, CallTotals &totals) const;
    // Searches each staffed slot's agents with its own times.
    void evaluateSlots(const std::vector<Slot *> &staffed) const;
    void searchAgents(LoadEvaluation &evaluation, const GoalRule &rule, Slot &slot) const;
    // What the slot's roster gives, where it has a roster value.
    static void evaluateRoster(LoadEvaluation &evaluation, Slot &slot);
    static void findTrunks(std::vector<Slot> &slotRows);
    static RowValues rowValuesOf(const Slot &slot, const QString &slotText);
    static void writeRow(ResultTable &grid, int row, const Slot &slot);
    // The roster's cells: empty without a roster value, "overloaded" where
    // the roster cannot carry the slot's load.
    static void writeRosterCells(ResultTable &grid, int row, const Slot &slot);

    const ScenarioInputs &m_inputs;
    const StaffingModel &m_model;
};
