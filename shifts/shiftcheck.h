// SPDX-License-Identifier: MIT
#pragma once

#include "shiftinputproblem.h"

#include <optional>
#include <vector>

struct ShiftDay;
struct ShiftType;

// The first problem with a day and its shift types, checked day first, then
// the list, then each type in order and its fields in the order a planner
// types them; empty when the planner can solve them. Every length and start
// must fall on the day's slots, every shift lie within the day and every
// break within its shift.
std::optional<ShiftInputProblem> CheckShiftInput(const ShiftDay &day, const std::vector<ShiftType> &types);
// The same for the types alone, against the day's slots whatever their
// requirement: what the shift types dialog checks before the day is known.
std::optional<ShiftInputProblem> CheckShiftTypes(const ShiftDay &day, const std::vector<ShiftType> &types);
