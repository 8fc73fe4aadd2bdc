// SPDX-License-Identifier: MIT
#pragma once

#include "evaluation.h"
#include "failinginput.h"
#include "field.h"
#include "goalrule.h"
#include "planningoptions.h"
#include "shifttype.h"
#include "slotfloor.h"
#include "timeslots.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

// What a scenario is computed from: the field texts, the slot length, the
// slot volumes and flags (the tab and the extra columns asked for among
// them), and the values the input check reads out of the texts. Holds no
// results.
class ScenarioInputs
{
public:
    // The window's state at creation: default texts, 60-minute slots with no
    // slot button checked.
    ScenarioInputs();

    // Loads beyond this offered load (in agent-hours per hour, i.e. about as
    // many agents) are refused as invalid input: the queueing recursion costs
    // one step per agent, and this keeps a recalculation within a few
    // milliseconds while lying far above any real call centre.
    static constexpr double MaxTrafficLoad = 100000.0;
    static constexpr int SlotCapacity = 100; // SlotCalls[1..100]

    // --- field texts -------------------------------------------------------
    QString text(Field field) const;
    // Stores the text as the field would hold it: cut to its maximum length.
    void setText(Field field, const QString &text);
    // StaticText1: the total time of the slots ("09:00 hrs" until first built).
    QString totalTimeText() const { return m_totalTime; }

    // --- slot length ------------------------------------------------------
    // The length of the Schedule's slots: 60 minutes in a new window.
    SlotLength slotLength() const { return m_slotLength; }
    // The slot button shown checked: none in a new window (and after a file
    // whose line 11 names no length), while 60-minute slots are used.
    std::optional<SlotLength> checkedSlotButton() const;
    // The slot length as a whole, without converting any volumes; with
    // buttonChecked false no button shows it.
    void setSlotLength(SlotLength length, bool buttonChecked = true);

    // --- slot volumes and flags ---------------------------------------------
    std::array<int, SlotCapacity + 1> SlotCalls{}; // index 1..100; 0 unused
    bool SlotCallsEdited = false;
    // The Schedule tab is shown (AgentScenario::tab()).
    bool ScheduleMode = false;
    double CallCount = 0;

    // --- planning options and roster -----------------------------------------
    // The planner's options beyond the eight fields: the queueing model,
    // shrinkage, the occupancy cap, the abandonment goal, paid hours.
    PlanningOptions Planning;
    // The agents on the roster per time slot (index 1..100, 0 unused); a
    // slot without a value has no roster figures.
    std::array<std::optional<int>, SlotCapacity + 1> SlotHave{};
    bool hasRoster() const;
    // Each slot's own talk and after-call times in whole seconds (index
    // 1..100, 0 unused; 0 to 1439 each, as the fields take). An empty value
    // is the fields' time; every figure of the slot follows these.
    std::array<std::optional<int>, SlotCapacity + 1> SlotTalkSeconds{};
    std::array<std::optional<int>, SlotCapacity + 1> SlotWrapSeconds{};
    bool hasSlotTimes() const;
    // The roster's columns show on the Schedule while the roster holds a
    // value or the planner asked for them (to type the first values);
    // the same for the slots' own talk and after-call times ("Talk", "ACW").
    bool RosterView = false;
    bool SlotTimesView = false;
    bool rosterColumnsShown() const { return RosterView || hasRoster(); }
    bool slotTimesColumnsShown() const { return SlotTimesView || hasSlotTimes(); }
    // A typed extra column's cell (ResultTable's "Have", "Talk" or "ACW")
    // as the inputs hold it: the roster value, or a slot time as mm:ss;
    // empty without a value.
    QString typedCellText(int column, int row) const;
    // The shift types the shift planner may staff the day with, in the
    // planner's order; none until the planner sets some.
    std::vector<ShiftType> ShiftTypes;
    // The floor under every slot of a plan for the day's service level;
    // unset until the planner sets one. Saved with the shift types.
    SlotFloor ServiceFloor;

    // --- time slots -----------------------------------------------------------
    // The slot list for the current fields and slot length, changing nothing.
    TimeSlots timeSlots() const;
    // The same, rewriting MaskEdit1, MaskEdit7 and the total time.
    TimeSlots BuildTimeSlots();
    // Only the total time, from the fields as they stand (after a load).
    void updateTotalTime();
    // Spreads the number of calls evenly over the slots. The Schedule
    // rebuilds its slot list first and shows its slots' rounded times in the
    // fields; the Agents table works on the typed period, so there the
    // fields keep their times, only written in full ("08:00" for " 8:00", an
    // unreadable time replaced). The number of slots spread over; 0 when
    // the number of calls is unreadable, which leaves the volumes as they are.
    int spreadCalls();

    // --- the input check --------------------------------------------------------
    // Reads every field in order and stops at the first it refuses, which
    // FailingField then names; a passed check leaves FailingField empty and
    // sets the values below.
    bool ValidateInputs();
    // The input the last check refused; none after a check that passed.
    FailingInput FailingField;

    // Scenario values set by the input check.
    double PeriodMinutes = 0;
    double HandleSeconds = 0;
    double TalkSeconds = 0;
    double AbandonWaitSeconds = 0;
    int GoalPercent = 0;
    int GoalSeconds = 0;
    // The checked durations and goal time as the staffing model takes them.
    ServiceInputs serviceInputs() const { return {HandleSeconds, TalkSeconds, AbandonWaitSeconds, GoalSeconds}; }
    // The same for time slot `slot` (1-based), with its own times where it
    // has them.
    ServiceInputs slotServiceInputs(int slot) const;
    // What a goal row must meet: the checked goal and the planning options'
    // cap and abandonment limit.
    GoalRule goalRule() const;

private:
    bool checkPeriod();
    bool checkCallsAndDurations();
    bool checkGoal();
    bool checkLoads();
    bool checkSlotVolumes();

    std::array<QString, FieldCount> m_texts;
    QString m_totalTime;
    SlotLength m_slotLength = SlotLength::Hour;
    bool m_slotButtonChecked = false;
};
