// SPDX-License-Identifier: MIT
#pragma once

#include "field.h"
#include "planningoptions.h"
#include "recalcresult.h"
#include "resulttable.h"
#include "rowvalues.h"
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

// One agent window's scenario, held apart from widgets: the field texts, the
// slot volumes and flags, and the result table. The window and the
// command-line calculator both drive this model, so every staffing rule is
// written once, here.
class AgentScenario
{
public:
    // The window's state at creation: default texts, 60-minute slots with
    // neither slot button checked, the Agents layout with one empty row.
    AgentScenario();

    // Loads beyond this offered load (in agent-hours per hour, i.e. about as
    // many agents) are refused as invalid input: the queueing recursion costs
    // one step per agent, and this keeps a recalculation within a few
    // milliseconds while lying far above any real call centre.
    static constexpr double MaxTrafficLoad = 100000.0;
    static constexpr int SlotCapacity = 100; // SlotCalls[1..100]
    static constexpr int MaxSlots = 48;
    // The most agent numbers a table tries for one load: the Agents table
    // shows at most this many rows (1 to 19), and a Schedule slot whose goal
    // none of them meets keeps the last one.
    static constexpr int AgentNumbersTried = 19;
    static constexpr int AgentsTableLastRow = AgentNumbersTried;
    // The Agents table ends after the first row whose service level is above
    // this: further agents change nothing a planner would see.
    static constexpr double PracticallyFullService = 0.999;

    // --- field texts -------------------------------------------------------
    QString text(Field field) const;
    // Stores the text as the field would hold it: cut to its maximum length.
    void setText(Field field, const QString &text);
    // StaticText1: the total time of the slots ("09:00 hrs" until first built).
    QString totalTimeText() const { return m_totalTime; }

    // --- slot length buttons ----------------------------------------------
    bool radioButton1Checked() const { return m_radio1; } // "30 min"
    bool radioButton2Checked() const { return m_radio2; } // "60 min"
    // Checking one button unchecks the other; false leaves both unchecked.
    // The window sets the buttons so, then runs RadioButton1Click.
    void setRadioButtons(bool thirtyChecked, bool sixtyChecked);
    // The slot length as a whole, without converting any volumes: the two
    // buttons and HalfHourSlots together (30-minute slots only while "30
    // min" is checked). Neither button checked means 60-minute slots.
    void setSlotLength(bool thirtyChecked, bool sixtyChecked);
    void setSlotLength(bool halfHours) { setSlotLength(halfHours, !halfHours); }

    // --- state shared with files, reports and graphs ------------------------
    std::array<int, SlotCapacity + 1> SlotCalls{}; // index 1..100; 0 unused
    bool HalfHourSlots = false;
    bool SlotCallsEdited = false;
    bool ScheduleMode = false;
    double CallCount = 0;
    Tab tab() const { return m_tab; }
    const ResultTable &StringGrid1() const { return m_grid; }
    ResultTable &grid() { return m_grid; }
    // The Agents table's first row meeting the goal, 0 when none.
    int goalRow() const { return m_goalRow; }
    // The figures of the table's rows 1, 2, ... at full precision: one per
    // agent number of the Agents table, one per slot of the Schedule; none
    // until a table was filled.
    const std::vector<RowValues> &rowValues() const { return m_rowValues; }
    // The queueing model the tables are computed with (Erlang C unless
    // another is set).
    const StaffingModel &staffingModel() const { return *m_model; }
    void setStaffingModel(std::shared_ptr<const StaffingModel> model);
    // The planner's options beyond the eight fields: the queueing model,
    // shrinkage, the occupancy cap, the abandonment goal, paid hours.
    PlanningOptions Planning;
    // The agents on the roster per time slot (index 1..100, 0 unused); a
    // slot without a value has no roster figures.
    std::array<std::optional<int>, SlotCapacity + 1> SlotHave{};
    bool hasRoster() const;
    // The input the last check refused; none after a check that passed.
    FailingInput FailingField;

    // Scenario values set by the input check.
    double PeriodMinutes = 0;
    double HandleSeconds = 0;
    double TalkSeconds = 0;
    double AbandonWaitSeconds = 0;
    int GoalPercent = 0;
    int GoalSeconds = 0;

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
    bool ValidateInputs();
    void PrepareGrid();
    RecalcResult Recalculate();
    // How many recalculations ran, refused ones included.
    int recalculationCount() const { return m_recalculations; }

    // --- time slots -----------------------------------------------------------
    // The slot list for the current fields and slot length, changing nothing.
    TimeSlots timeSlots() const;
    // The same, rewriting MaskEdit1, MaskEdit7 and the total time.
    TimeSlots BuildTimeSlots();
    // Only the total time, from the fields as they stand (after a load).
    void updateTotalTime();
    void DistributeCalls();

    // --- window events --------------------------------------------------------
    RecalcResult Edit1Exit(bool modified);
    RecalcResult MaskEdit1Exit(bool modified);
    RecalcResult MaskEdit7Exit(bool modified);
    RecalcResult MaskEdit4Exit();
    RecalcResult SpeedButton2Click() { return Recalculate(); }
    // Both slot buttons: converts the volumes when the 30-minute choice
    // changed, then recalculates. Set the buttons first.
    RecalcResult RadioButton1Click();
    RecalcResult TabSet1Click(Tab tab);
    // Grid events; the window first reports its current cell with
    // grid().setCurrentCell().
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
    void prepareAgentsLayout();
    QString totalTimeOf(const TimeSlots &slotList) const;
    void prepareScheduleLayout();
    void changeSlotLength(bool fromHalfHours);
    void tableFilled();
    bool checkSlotVolumes();

    std::array<QString, FieldCount> m_texts;
    QString m_totalTime;
    bool m_radio1 = false;
    bool m_radio2 = false;
    Tab m_tab = Tab::Agents;
    ResultTable m_grid;
    int m_goalRow = 0;
    int m_recalculations = 0;
    std::vector<RowValues> m_rowValues;
    std::vector<std::pair<int, std::function<void()>>> m_tableFilledListeners;
    int m_nextListenerHandle = 1;
    std::shared_ptr<const StaffingModel> m_model;
};
