// SPDX-License-Identifier: MIT
#pragma once

#include "agentscenario.h"
#include "daytotals.h"
#include "roster.h"
#include "scenarioinputs.h"
#include "shifttype.h"
#include "shiftweek.h"
#include "tourtype.h"
#include "weekplan.h"

#include <QDate>

#include <array>
#include <optional>
#include <vector>

// What the week planner is given, as a planner sets it up: one set of call
// settings for the week and seven days, Monday first, each open with its
// period and slot volumes or closed; the week's shift and tour types. Each
// open day is staffed exactly as an agent window's Schedule of that day
// would be: a day scenario is made from the settings and the day, and the
// Schedule's own recalculation gives its requirement.
class WeekScenario
{
public:
    static constexpr int DayCount = ShiftWeek::DayCount;

    struct Day
    {
        bool open = false;
        // The open period as times of day: the start 0..1439 and the end
        // 1..1440 (24:00), both on the week's slots; an end at or before the
        // start runs past midnight (equal times: the whole day).
        int startMinute = 0;
        int endMinute = 0;
        // Per slot from the first: its calls, and its own talk and after-call
        // seconds (an empty entry: the settings' time). Slots past a list
        // have no calls, or the settings' times.
        std::vector<int> calls;
        RosterValues talkSeconds;
        RosterValues wrapSeconds;
        std::optional<QDate> date;

        // The day's slots of `slotMinutes`: 0 when closed.
        int slotCount(int slotMinutes) const;
        // Whether the period starts and ends on slots of that length.
        bool onSlots(int slotMinutes) const;
        bool hasCalls() const;
        bool operator==(const Day &other) const;
        bool operator!=(const Day &other) const { return !(*this == other); }
    };

    // The settings every day shares: the talk, after-call, abandon and goal
    // fields, the planning options (model, shrinkage, caps, paid hours) and
    // the slot length, as an agent window holds them. Its start, end, number
    // of calls, volumes, roster and slot times are not used: each day has
    // its own.
    ScenarioInputs settings;
    std::array<Day, DayCount> days;
    // None: the defaults (plannedShiftTypes, plannedTourTypes).
    std::vector<ShiftType> shiftTypes;
    std::vector<TourType> tourTypes;

    int slotMinutes() const { return minutesOf(settings.slotLength()); }
    // "Monday" ... "Sunday", as messages name a day (0 is Monday).
    static QString dayTitle(int day);

    // The shift types the week is planned with: its own, or the default set
    // over its widest open period (from the earliest start to the latest
    // end over the open days, at most a day).
    std::vector<ShiftType> plannedShiftTypes() const;
    // Its own tour types, or the default full- and part-time ones.
    std::vector<TourType> plannedTourTypes() const;
    // The widest open period as a day with no requirement; none without an
    // open day.
    std::optional<ShiftDay> widestPeriod() const;

    // The day scenario of an open day (0 is Monday) on the Schedule tab, not
    // yet recalculated: the settings with the day's period, its volumes as
    // typed and their sum as the number of calls, and its slot times.
    ScenarioInputs dayInputs(int day) const;
    // The same with the plan's staffed agents of that day as its roster
    // (Have), so that the roster check gives the day's service slot by slot.
    ScenarioInputs dayInputs(int day, const WeekPlan &plan) const;
    // The day scenario recalculated, as the Schedule shows it; `result`
    // tells whether its input check passed and, if not, what it refused.
    AgentScenario daySchedule(int day, RecalcResult *result = nullptr) const;
    AgentScenario daySchedule(int day, const WeekPlan &plan, RecalcResult *result = nullptr) const;

    // What the week planner staffs: each open day's slots and requirement
    // from its Schedule, the dates, and with `serviceCurves` each open day's
    // service curves for the service-level goal. A day without calls needs
    // no agent and is not recalculated (an agent window refuses 0 calls).
    struct Build
    {
        std::optional<ShiftWeek> week;
        // Without a week: the first day (0 is Monday) whose Schedule refused
        // its inputs, and what it refused.
        int failingDay = -1;
        RecalcResult refused;
    };
    Build shiftWeek(bool serviceCurves = false) const;

    // Why the week's slot floor cannot be planned for (its cap on abandoned
    // calls without Erlang A), as for a day; none when it can.
    std::optional<QString> floorProblem() const;

    // The roster check of one open day with calls whose Schedule passes its
    // input check (as shiftWeek found), with the plan's staffing.
    RosterDay rosterDay(int day, const WeekPlan &plan) const;
    // Sets each open day's service level with calls to the roster check's.
    void checkPlan(WeekPlan &plan) const;
};
