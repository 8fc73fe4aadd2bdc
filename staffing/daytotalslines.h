// SPDX-License-Identifier: MIT
#pragma once

#include "daytotals.h"

#include <QString>

#include <vector>

class AgentScenario;

// One line of the figures under a Schedule's rows: "Required agent-hours"
// and "12.5", written out as "caption: value" by the calculator's table and
// as two cells by a copy and a report.
struct TotalsLine
{
    QString caption;
    QString value;
    bool roster = false; // one of the roster's figures
};

// A Schedule's day from the figures of its last table: the agent-hours and
// FTE its slots need, and what the roster gives.
DayTotals ScheduleDayTotals(const AgentScenario &scenario);
RosterDay ScheduleRosterDay(const AgentScenario &scenario);

// The day's totals of a Schedule (with a planning option set) and the day's
// roster figures (with a roster), in that order; none on the Agents tab or
// for a Schedule without either, so such a table is written out as before.
std::vector<TotalsLine> DayTotalsLines(const AgentScenario &scenario);

// Agent-hours as shown under the table: one decimal ("12.5"); slots are
// half or whole hours, so nothing is lost for whole agents.
QString AgentHoursText(double hours);

// An agent's paid hours as a number of hours ("8", "7.5"), for the FTE line.
QString PaidHoursPerAgentText(int paidMinutes);
