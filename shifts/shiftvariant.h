// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

struct ShiftDay;
struct ShiftType;

// One way to work a shift type: a start slot and, when the type has a break,
// the slot the break begins in. Slots are counted from 0.
struct ShiftVariant
{
    int type = 0;
    int startSlot = 0;
    int lengthSlots = 0;
    int breakSlot = -1; // -1: no break
    int breakSlots = 0;
    int paidMinutes = 0;

    // Whether an agent on this variant takes calls in `slot` (on shift and
    // not on break).
    bool works(int slot) const
    {
        if (slot < startSlot || slot >= startSlot + lengthSlots)
            return false;
        return breakSlot < 0 || slot < breakSlot || slot >= breakSlot + breakSlots;
    }

    // Every variant of checked types: for each type, each start from the
    // earliest to the latest, and for each, each break start in its window.
    static std::vector<ShiftVariant> of(const ShiftDay &day, const std::vector<ShiftType> &types);
    // Appends the variants of `type` (number `typeIndex` of the types) that
    // start in slot `startSlot` of slots of `slotMinutes`: one, or with a
    // break one for each break start in its window.
    static void addStart(std::vector<ShiftVariant> &variants, const ShiftType &type, int typeIndex, int slotMinutes,
                         int startSlot);
    // Whether some variant works each slot of the day.
    static std::vector<bool> reachableSlots(const ShiftDay &day, const std::vector<ShiftVariant> &variants);
};
