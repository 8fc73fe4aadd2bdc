// SPDX-License-Identifier: MIT
#pragma once

#include "shiftplan.h"
#include "shiftweek.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

// A staffed week: every agent's week, and what they give day by day and
// slot by slot. Times are minutes of the day (0..1439, a day running past
// midnight goes on counting); hours are agent-hours.
struct WeekPlan
{
    // One day's shift of one agent.
    struct DayShift
    {
        int type = 0; // index into the week's shift types
        QString typeName;
        int startSlot = 0; // from 0, in the day's slots
        int endSlot = 0;   // the first slot after the shift
        int breakSlot = -1; // -1: no break
        int breakSlots = 0;
        int start = 0;
        std::optional<int> breakStart;
        int breakMinutes = 0;
        int end = 0;
        int paidMinutes = 0;
        // Whether the agent takes calls in `slot` (on shift, not on break).
        bool works(int slot) const
        {
            return slot >= startSlot && slot < endSlot && (breakSlot < 0 || slot < breakSlot || slot >= breakSlot + breakSlots);
        }
    };
    // One agent's week.
    struct AgentWeek
    {
        int tour = 0; // index into the tour types
        QString tourName;
        std::array<std::optional<DayShift>, ShiftWeek::DayCount> days; // none: off
        int paidMinutes = 0;
        int daysWorked() const;
    };
    // One day of the week.
    struct Day
    {
        bool open = false;
        std::vector<ShiftPlan::Slot> coverage; // slot 1 first; empty when closed
        double paidHours = 0;
        double requiredHours = 0;
        double metHours = 0;
        int shortfall = 0;
        std::vector<int> unreachableSlots;
        std::vector<int> shortSlots;
        // The roster check's day's service level with the plan's staffing;
        // none without the day's service curves.
        std::optional<double> serviceLevel;
        // For the service-level goal: the most the tours give the day by
        // its curves, where that falls short of the goal.
        std::optional<double> serviceReachable;
        // Under a slot floor: the slots where no agent number meets it, and
        // those whose roster check misses it with the plan's staffing.
        std::optional<ShiftPlan::FloorCheck> floorCheck;
        std::vector<int> staffedPerSlot() const;
    };
    // One tour type's share of the week.
    struct TourTotal
    {
        QString name;
        int headcount = 0;
        double paidHours = 0;
        // Paid hours in full-time weeks of FullTimeWeekHours.
        double fte() const { return paidHours / FullTimeWeekHours; }
    };

    // The paid hours one full-time equivalent stands for.
    static constexpr double FullTimeWeekHours = 40.0;

    int slotMinutes = 60;
    std::vector<AgentWeek> agents; // by tour type, then first start
    std::array<Day, ShiftWeek::DayCount> days;
    std::vector<TourTotal> tours; // one per tour type, in order
    double paidHours = 0;
    double requiredHours = 0;
    double metHours = 0;
    int shortfall = 0;
    ShiftPlan::Solver solver;

    // For the service-level goal: the level every open day aims at, the
    // most the tours reach where they cannot, as for a day's plan (the
    // lowest of the days').
    std::optional<double> serviceGoal;
    std::optional<double> serviceReachable;

    ShiftGoal goal() const { return serviceGoal ? ShiftGoal::ServiceLevel : ShiftGoal::Cover; }
    // The share of the week's requirement met, 0..1 (1 without any).
    double requirementMet() const { return requiredHours > 0 ? metHours / requiredHours : 1.0; }
    // Marks the plan as one of the service-level goal, with each day's
    // level where the tours fall short of it.
    void setServiceGoal(double goal, const std::array<std::optional<double>, ShiftWeek::DayCount> &shortOfGoal);
    bool coversShort() const { return !serviceGoal && metHours < requiredHours; }

    // The plan the agents' weeks give: each day's cover slot by slot (a
    // slot with a requirement that no tour's week can work, per
    // `reachable`, is named apart from the short ones), the days' and the
    // week's hours and shortfall, each tour type's headcount. No solver
    // figures.
    static WeekPlan of(const ShiftWeek &week, const std::vector<QString> &tourNames, std::vector<AgentWeek> agents,
                       const std::array<std::vector<bool>, ShiftWeek::DayCount> &reachable);
};
