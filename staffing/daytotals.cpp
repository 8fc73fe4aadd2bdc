// SPDX-License-Identifier: MIT
#include "daytotals.h"

DayTotals ComputeDayTotals(const std::vector<RowValues> &slotRows, double slotHours, int paidMinutes)
{
    DayTotals totals;
    for (const RowValues &slot : slotRows) {
        if (!slot.evaluated)
            continue;
        totals.requiredAgentHours += slot.agents * slotHours;
        totals.scheduledAgentHours += slot.scheduled * slotHours;
        if (totals.peakSlot.isEmpty() || slot.agents > totals.peakAgents) {
            totals.peakSlot = slot.slot;
            totals.peakAgents = slot.agents;
        }
    }
    totals.fte = totals.scheduledAgentHours / (paidMinutes / 60.0);
    return totals;
}

std::optional<double> RosterServiceLevel(const RowValues &slot)
{
    if (!slot.have || !slot.evaluated)
        return std::nullopt;
    return slot.haveCarries ? slot.haveFigures.serviceLevel : 0.0;
}

RosterDay ComputeRosterDay(const std::vector<RowValues> &slotRows, double slotHours)
{
    RosterDay day;
    double calls = 0;
    double answered = 0;
    for (const RowValues &slot : slotRows) {
        if (!slot.have)
            continue;
        day.agentHours += *slot.have * slotHours;
        if (const std::optional<double> level = RosterServiceLevel(slot)) {
            calls += slot.calls;
            answered += slot.calls * *level;
        }
        if (slot.evaluated && *slot.rosterGap() < 0) {
            ++day.shortSlotCount;
            day.shortfallAgentHours += -*slot.rosterGap() * slotHours;
        }
    }
    if (calls > 0)
        day.serviceLevel = answered / calls;
    return day;
}
