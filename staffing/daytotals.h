// SPDX-License-Identifier: MIT
#pragma once

#include "rowvalues.h"

#include <QString>

#include <optional>
#include <vector>

// The day's figures of a Schedule that a planner takes to the roster.
struct DayTotals
{
    double requiredAgentHours = 0;  // sum of agents x slot length
    double scheduledAgentHours = 0; // the same with shrinkage applied
    double fte = 0;                 // scheduled agent-hours / paid hours
    QString peakSlot;               // the first slot needing the most agents; empty without calls
    double peakAgents = 0;
};

DayTotals ComputeDayTotals(const std::vector<RowValues> &slotRows, double slotHours, int paidMinutes);

// What the day's roster gives, over the slots with a roster value.
struct RosterDay
{
    // Sum of calls x the roster's service level / sum of calls; none when
    // the roster's slots have no calls. An overloaded slot counts 0.
    std::optional<double> serviceLevel;
    int shortSlotCount = 0;             // slots whose roster is below the agents to roster
    double shortfallAgentHours = 0;  // sum of (scheduled - roster) x slot length over them
    double agentHours = 0;           // sum of roster x slot length
};

RosterDay ComputeRosterDay(const std::vector<RowValues> &slotRows, double slotHours);

// The share of calls the roster of one slot answers in time: 0 when it is
// overloaded, none without a roster value or without calls.
std::optional<double> RosterServiceLevel(const RowValues &slot);
