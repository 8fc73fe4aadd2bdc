// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class AgentScenario;

// The line under an agent window's inputs while a planning option is set,
// so that no planner forgets it is on: "Planning: Erlang A · Shrinkage 30%
// · Max occupancy 85%". On the Agents tab it adds what decided the goal row
// when a limit, not the service level, did: "— the occupancy cap decided
// the goal row". On the Schedule a second line gives the day's figures
// (agent-hours, FTE and peak slot with an option set; the roster's service
// level, short slots and agent-hours with a roster). Empty while no option
// is set and the Schedule has no roster: the line is then hidden and the
// window laid out as without them.
QString PlanningLineText(const AgentScenario &scenario);
