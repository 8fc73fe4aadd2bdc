// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class AgentScenario;

// The line under an agent window's inputs while a planning option is set,
// so that no planner forgets it is on: "Planning: Erlang A · Shrinkage 30%
// · Max occupancy 85%". On the Agents tab it adds what decided the goal row
// when a limit, not the service level, did: "— the occupancy cap decided
// the goal row". Empty while every option is at its default: the line is
// then hidden and the window laid out as without options.
QString PlanningLineText(const AgentScenario &scenario);
