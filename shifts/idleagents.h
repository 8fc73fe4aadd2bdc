// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <vector>

struct ShiftVariant;

// Takes out of a plan's agents per variant (`counts`, one per variant, any
// columns after them untouched) every agent whose going costs nothing the
// plan was solved for: one at a time, the longest paid variants first,
// while every slot the agent works may lose one, as `mayLoseOne(slot,
// staffed)` says for a slot now staffed by `staffed`. A plan of a search
// stopped before its hours were weighed keeps its shortfall or its level
// and pays no hours for agents that add nothing.
void DropIdleAgents(std::vector<double> &counts, const std::vector<ShiftVariant> &variants, int slotCount,
                    const std::function<bool(int slot, int staffed)> &mayLoseOne);
