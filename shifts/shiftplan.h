// SPDX-License-Identifier: MIT
#pragma once

#include "mipstatus.h"
#include "slotfloor.h"

#include <QString>

#include <optional>
#include <vector>

struct ShiftDay;
struct ShiftType;
struct ShiftVariant;

// What a shift plan aims at: every slot's requirement, or the day's
// service level at the fewest paid hours.
enum class ShiftGoal { Cover, ServiceLevel };

// The shifts chosen for a day and what they give, slot by slot and for the
// day. Times are minutes of the day (0..1439); hours are agent-hours.
struct ShiftPlan
{
    // Agents on one variant of a shift type.
    struct Shift
    {
        int type = 0; // index into the shift types
        QString typeName;
        int startSlot = 0; // from 0
        int start = 0;
        std::optional<int> breakStart;
        int breakMinutes = 0;
        int end = 0;
        int agents = 0;
        double paidHours = 0; // of all its agents
    };
    // One slot of the day.
    struct Slot
    {
        int start = 0;
        int required = 0;
        int staffed = 0;        // agents on shift and not on break
        bool reachable = true;  // some shift type can work this slot
        int difference() const { return staffed - required; } // over (+) or under (-) cover
    };
    // How the solver ended, for the paid hours.
    struct Solver
    {
        MipStatus status = MipStatus::Optimal; // Optimal or Stopped
        bool cancelled = false;
        double objective = 0; // paid hours of the plan
        double bound = 0;     // no plan of the same shortfall pays fewer hours
        double seconds = 0;
        bool optimal() const { return status == MipStatus::Optimal; }
    };

    int slotMinutes = 60;
    std::vector<Shift> shifts; // by start, then type
    std::vector<Slot> coverage; // slot by slot, slot 1 first
    double paidHours = 0;
    double requiredHours = 0; // the requirement of every slot
    // The requirement met (each slot's required agents, at most its staffed
    // ones, in agent-hours) / paid hours: required / paid with full cover;
    // 0 without paid hours.
    double efficiency = 0;
    // That requirement met, in agent-hours.
    double metHours = 0;
    int agents = 0;
    // Agent-slots of requirement left uncovered in reachable slots: more
    // than 0 only when the types' maximums allow no full cover.
    int shortfall = 0;
    std::vector<int> unreachableSlots; // slots (from 0) with a requirement no type can work
    std::vector<int> shortSlots;       // reachable slots staffed below their requirement
    Solver solver;

    // The day's call-weighted service level the roster check gives the
    // staffed agents: the planning layer's answer, given with every plan it
    // hands out (planning/planservicecheck); none from the solver alone.
    std::optional<double> dayServiceLevel;
    // A plan for a day's service level: the level aimed at (0..1) and, when
    // the shift types cannot reach it, the most they reach, which the plan
    // then gives at the fewest paid hours. None for a plan that covers slots.
    std::optional<double> serviceGoal;
    std::optional<double> serviceReachable;
    // A plan for the day's service level under a slot floor: the floor, the
    // slots (from 0) where it is out of the planner's reach and so not held,
    // and the slots with calls whose roster check misses it (the planning
    // layer's answer, as the day's service level is).
    struct FloorCheck
    {
        SlotFloor floor;
        std::vector<int> outOfReachSlots;
        std::vector<int> missedSlots;
    };
    std::optional<FloorCheck> floorCheck;

    ShiftGoal goal() const { return serviceGoal ? ShiftGoal::ServiceLevel : ShiftGoal::Cover; }
    // A plan to cover every slot that leaves some of the requirement
    // unmet (by the maximums, or in slots no type reaches): then the share
    // met is its first figure.
    bool coversShort() const { return !serviceGoal && metHours < requiredHours; }
    // The agents each slot is staffed with, slot 1 first.
    std::vector<int> staffedPerSlot() const;
    // Whether the roster check's day's service level reaches the goal.
    bool meetsServiceGoal() const { return serviceGoal && dayServiceLevel && *dayServiceLevel >= *serviceGoal; }

    // The plan of the solver's column values (agents per variant, the
    // variants' columns first), with each slot's cover and the day's totals.
    static ShiftPlan read(const ShiftDay &day, const std::vector<ShiftType> &types,
                          const std::vector<ShiftVariant> &variants, const std::vector<double> &values);
};
