// SPDX-License-Identifier: MIT
#pragma once

#include "agentstable.h"
#include "recalcresult.h"
#include "resulttable.h"
#include "roster.h"
#include "scenariohooks.h"
#include "scenarioinputs.h"
#include "slotvaluesundo.h"
#include "staffingmodel.h"
#include "tableresults.h"
#include "timeslots.h"

#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

enum class Tab { Agents = 0, Schedule = 1 };

// One agent window's scenario, held apart from widgets: its inputs (the
// field texts, the slot volumes and flags), the result table and the
// recalculation that fills it. The window and the command-line calculator
// both drive this model, so every staffing rule is written once: the inputs
// and their check in ScenarioInputs, the two tables in AgentsTable and
// ScheduleTable, the window's events in ScenarioEvents. The inputs change
// only through the operations below, each naming what it changes.
class AgentScenario
{
public:
    // The window's state at creation: default texts, 60-minute slots with
    // neither slot button checked, the Agents layout with one empty row.
    AgentScenario();
    // The same, with `model` in place of the default queueing model (Erlang
    // C); a null model leaves the default.
    explicit AgentScenario(std::shared_ptr<const StaffingModel> model);

    // --- the inputs -----------------------------------------------------------
    const ScenarioInputs &inputs() const { return m_inputs; }
    // The inputs as a whole: a loaded or imported file's, or a copy of
    // another scenario's. ScheduleMode stays with the tab shown.
    void setInputs(ScenarioInputs inputs);
    void setText(Field field, const QString &text) { m_inputs.setText(field, text); }
    // The slot length as a whole, without converting any volumes; with
    // buttonChecked false no button shows it.
    void setSlotLength(SlotLength length, bool buttonChecked = true) { m_inputs.setSlotLength(length, buttonChecked); }
    void setPlanning(const PlanningOptions &options) { m_inputs.Planning = options; }
    // One time slot's volume, roster value or own times (slot 1 to
    // SlotCapacity; any other slot number changes nothing).
    void setSlotCalls(int slot, int calls);
    void setSlotHave(int slot, std::optional<int> agents);
    // The whole roster, slot 1 first; the slots past it have no value.
    void setRoster(const RosterValues &roster);
    void setSlotTimes(int slot, std::optional<int> talkSeconds, std::optional<int> wrapSeconds);
    // Whether the slot volumes were set by hand (typed, pasted, given).
    void setSlotCallsEdited(bool edited) { m_inputs.SlotCallsEdited = edited; }
    void setShiftTypes(std::vector<ShiftType> types) { m_inputs.ShiftTypes = std::move(types); }
    void setServiceFloor(const SlotFloor &floor) { m_inputs.ServiceFloor = floor; }
    // Whether the planner asked for the roster's or the slot times' columns.
    void setRosterView(bool asked) { m_inputs.RosterView = asked; }
    void setSlotTimesView(bool asked) { m_inputs.SlotTimesView = asked; }

    // --- the tab and the result table ---------------------------------------
    Tab tab() const { return m_inputs.ScheduleMode ? Tab::Schedule : Tab::Agents; }
    // The tab shown: the Schedule or the Agents table (ScheduleMode).
    void setTab(Tab tab) { m_inputs.ScheduleMode = tab == Tab::Schedule; }
    const ResultTable &StringGrid1() const { return m_grid; }
    ResultTable &StringGrid1() { return m_grid; }
    // The goal row, the row figures and the recalculation's number.
    const TableResults &results() const { return m_results; }
    // What the scenario tells the window: a refused input, a table filled.
    ScenarioHooks &hooks() { return m_hooks; }
    // The slot values that commands replaced, for Edit > Undo.
    SlotValuesUndo &undo() { return m_undo; }
    const SlotValuesUndo &undo() const { return m_undo; }

    // --- the recalculation ----------------------------------------------------
    void PrepareGrid();
    RecalcResult Recalculate();
    // Whether a shown table was computed with field texts other than the
    // fields hold now; false while no table is shown. The goal, talk and
    // after-call fields take effect only at the next recalculation.
    bool inputsChangedSinceTable() const;
    // Spreads the number of calls over the slots (and the Schedule's Calls
    // column), rebuilding the slot list first.
    void DistributeCalls();
    // Checks the slot button of `chosen`; when the slot length changes, the
    // volumes, the roster and the slot times follow the slots by clock time
    // and the grid is laid out again. Whether the length changed.
    bool changeSlotLength(SlotLength chosen);
    // The table computation of the tab shown (the Schedule or the Agents
    // table), run by Recalculate after a passed check and the grid's layout.
    void FillTable();

private:
    // The queueing model the tables are computed with: the one the planning
    // options choose.
    const StaffingModel &staffingModel() const;
    // The field text the shown table was computed with.
    QString computedText(Field field) const;
    void FillAgentsTable();
    void ComputeSchedule();
    void convertSlots(SlotLength from);
    void showExtraColumns();

    ScenarioInputs m_inputs;
    ResultTable m_grid;
    TableResults m_results;
    ScenarioHooks m_hooks;
    SlotValuesUndo m_undo;
    // One instance per entry of StaffingModelInfo::all(), in its order.
    std::vector<std::shared_ptr<const StaffingModel>> m_models;
    std::array<QString, FieldCount> m_computedTexts;
    bool m_tableShown = false;
};
