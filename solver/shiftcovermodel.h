// SPDX-License-Identifier: MIT
#pragma once

#include "mipmodel.h"

#include <optional>
#include <vector>

struct ShiftDay;
struct ShiftType;
struct ShiftVariant;

// The set-covering model of a day: one integer column per shift variant
// (columns 0.. in variant order, agents on it), one cover row per slot that
// needs agents and some variant works: agents working the slot >= its
// requirement. Slots no variant works are left out.
//
// With per-type maximums full cover may be impossible, so each cover row
// then gets a shortfall column (the agents it lacks) and the planner solves
// twice: first the smallest total shortfall, then the fewest paid hours with
// the shortfall held at that.
struct ShiftCoverModel
{
    enum class Goal {
        PaidHours, // minimise paid agent-hours; cover in full
        Shortfall, // minimise the total shortfall in agent-slots
        PaidHoursWithShortfall, // minimise paid agent-hours, shortfall <= a cap
    };

    static MipModel build(const ShiftDay &day, const std::vector<ShiftType> &types,
                          const std::vector<ShiftVariant> &variants, Goal goal, int shortfallCap = 0);

    // What the cover model shares with the service-level model: the
    // variants' columns (0.., costing their paid hours or nothing) with the
    // comments naming the types, each capped type's maximum row, and a
    // slot's name in rows and columns ("0830").
    static void addShiftColumns(MipModel &model, const ShiftDay &day, const std::vector<ShiftType> &types,
                                const std::vector<ShiftVariant> &variants, bool paidHoursCost);
    static void addMaximumRows(MipModel &model, const std::vector<ShiftType> &types,
                               const std::vector<ShiftVariant> &variants);
    static std::string slotName(const ShiftDay &day, int slot);
};
