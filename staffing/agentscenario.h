// SPDX-License-Identifier: MIT
#pragma once

#include "agentsearch.h"
#include "agentstable.h"
#include "daytotals.h"
#include "recalcresult.h"
#include "resulttable.h"
#include "roster.h"
#include "rowvalues.h"
#include "scenarioinputs.h"
#include "staffingmodel.h"
#include "timeslots.h"

#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

enum class Tab { Agents = 0, Schedule = 1 };

// One agent window's scenario, held apart from widgets: its inputs (the
// field texts, the slot volumes and flags), the result table and the
// window's events. The window and the command-line calculator both drive
// this model, so every staffing rule is written once: the inputs and their
// check in ScenarioInputs, the two tables in AgentsTable and ScheduleTable.
// The inputs change only through the operations below, each naming what
// it changes.
class AgentScenario
{
public:
    // The window's state at creation: default texts, 60-minute slots with
    // neither slot button checked, the Agents layout with one empty row.
    AgentScenario();

    static constexpr int AgentNumbersTried = AgentSearch::AgentNumbersTried;
    static constexpr int AgentsTableLastRow = AgentsTable::LastRow;
    static constexpr double PracticallyFullService = AgentsTable::PracticallyFullService;

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
    // Whether the planner asked for the roster's or the slot times' columns.
    void setRosterView(bool asked) { m_inputs.RosterView = asked; }
    void setSlotTimesView(bool asked) { m_inputs.SlotTimesView = asked; }

    // --- results shared with files, reports and graphs ----------------------
    Tab tab() const { return m_tab; }
    const ResultTable &StringGrid1() const { return m_grid; }
    ResultTable &StringGrid1() { return m_grid; }
    // The Agents table's first row meeting the goal, 0 when none.
    int goalRow() const { return m_goalRow; }
    // The figures of the table's rows 1, 2, ... at full precision: one per
    // agent number of the Agents table, one per slot of the Schedule; none
    // until a table was filled.
    const std::vector<RowValues> &rowValues() const { return m_rowValues; }
    // The queueing model the tables are computed with: the one the planning
    // options choose; in place of the default (Erlang C) the model set here.
    const StaffingModel &staffingModel() const;
    void setStaffingModel(std::shared_ptr<const StaffingModel> model);
    // The Agents table: which goals decided its goal row (GoalRule flags; 0
    // without a goal row or when the first row shown is the goal row).
    unsigned goalDecidedBy() const { return m_goalDecidedBy; }
    // The Schedule: the day's agent-hours and FTE, and what the roster gives.
    DayTotals dayTotals() const;
    RosterDay rosterDay() const;
    // Whether `column` is an extra column that takes typing: "Have",
    // "Talk" or "ACW" while shown.
    bool typedExtraColumn(int column) const;
    // A typed extra column's cell as the scenario holds it: the roster
    // value, or a slot time as mm:ss; empty without a value.
    QString typedCellText(int column, int row) const;

    // --- hooks for the window ------------------------------------------------
    // Called by a failed recalculation after the check and before the grid is
    // laid out again: the window focuses the failing field and shows the
    // message there.
    std::function<void(const RecalcResult &)> onInvalidInput;
    // Called after each table was filled, in the order added; the graph
    // window follows the table through one. The handle removes it again.
    int addTableFilledListener(std::function<void()> listener);
    void removeTableFilledListener(int handle);

    // --- the recalculation ----------------------------------------------------
    void PrepareGrid();
    RecalcResult Recalculate();
    // How many recalculations ran, refused ones included.
    int recalculationCount() const { return m_recalculations; }
    // The field text the shown table was computed with. The goal, talk and
    // after-call fields take effect only at the next recalculation, so a
    // field may hold another text meanwhile.
    QString computedText(Field field) const;
    // Whether a shown table was computed with field texts other than the
    // fields hold now; false while no table is shown.
    bool inputsChangedSinceTable() const;
    // Spreads the number of calls over the slots (and the Schedule's Calls
    // column), rebuilding the slot list first.
    void DistributeCalls();

    // --- window events --------------------------------------------------------
    RecalcResult Edit1Exit(bool modified);
    RecalcResult MaskEdit1Exit(bool modified);
    RecalcResult MaskEdit7Exit(bool modified);
    RecalcResult MaskEdit4Exit();
    RecalcResult SpeedButton2Click() { return Recalculate(); }
    // A slot button: checks it and, when the slot length changed, converts
    // the volumes and the roster by clock time, then recalculates.
    RecalcResult RadioButton1Click(SlotLength chosen);
    RecalcResult TabSet1Click(Tab tab);
    // Grid events; the window first reports its current cell with
    // StringGrid1().setCurrentCell().
    RecalcResult StringGrid1Click();
    void StringGrid1Enter();
    RecalcResult StringGrid1Exit();
    RecalcResult StringGrid1KeyPress(QChar key);
    void StringGrid1SetEditText(int column, int row, const QString &text);

    // The two table computations, run by Recalculate after a passed check
    // and the grid's layout.
    void FillAgentsTable();
    void ComputeSchedule();

private:
    void changeSlotLength(SlotLength from);
    void showExtraColumns();
    void tableFilled();

    ScenarioInputs m_inputs;
    Tab m_tab = Tab::Agents;
    ResultTable m_grid;
    int m_goalRow = 0;
    int m_recalculations = 0;
    std::vector<RowValues> m_rowValues;
    std::vector<std::pair<int, std::function<void()>>> m_tableFilledListeners;
    int m_nextListenerHandle = 1;
    // One instance per entry of StaffingModelInfo::all(), in its order.
    std::vector<std::shared_ptr<const StaffingModel>> m_models;
    unsigned m_goalDecidedBy = 0;
    std::array<QString, FieldCount> m_computedTexts;
    bool m_tableShown = false;
};
