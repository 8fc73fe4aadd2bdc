// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class AgentScenario;

// The line under an agent window's inputs while a planning option is set,
// so that no planner forgets it is on: "Planning: Erlang A · Shrinkage 30%
// · Max occupancy 85%". On the Agents tab it adds the goal row's notes
// (GoalRowNotes): "— 39 agents: usage 85.5 % is above the 85 % cap". On
// the Schedule a second line gives the day's figures
// (agent-hours, FTE and peak slot with an option set; the roster's service
// level, short slots and agent-hours with a roster). Empty while no option
// is set and the Schedule has no roster: the line is then hidden and the
// window laid out as without them. While the fields differ from those the
// table was computed with, it begins with StaleTableText; while the slots
// hold what a command that replaced their values left, with that command's
// note ("200 calls spread evenly over 2 slots: ... Undo: Ctrl+Z").
QString PlanningLineText(const AgentScenario &scenario);

// The line's first line while a field holds another text than the shown
// table was computed with; the graph window's caption ends with it too.
inline const QString StaleTableText = QStringLiteral("Inputs changed: Recalculate (F9)");
