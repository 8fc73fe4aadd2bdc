// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

class AgentScenario;

// What a planner should read beside an Agents table's goal row, in words,
// each without a closing full stop; none on the Schedule or without a goal
// row:
// - when a limit rather than the service level decided the goal row, the
//   row above it and its figure that broke the limit: "39 agents: usage
//   85.5 % is above the 85 % cap";
// - with Erlang A and no abandonment limit, a goal row that loses more than
//   one caller in twenty: "at the goal row 20.5 % of callers hang up: set
//   Max abandoned % to limit them".
QStringList GoalRowNotes(const AgentScenario &scenario);

// `percent` with one decimal, or more where one would not show it above
// `limit` (85.47 against 85 is "85.5", 85.004 is "85.004").
QString PercentAbove(double percent, double limit);
