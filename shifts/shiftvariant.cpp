// SPDX-License-Identifier: MIT
#include "shiftvariant.h"

#include "shiftday.h"
#include "shifttype.h"

std::vector<ShiftVariant> ShiftVariant::of(const ShiftDay &day, const std::vector<ShiftType> &types)
{
    std::vector<ShiftVariant> variants;
    const int slot = day.slotMinutes;
    for (std::size_t t = 0; t < types.size(); ++t) {
        const ShiftType &type = types[t];
        const int first = day.offsetOf(type.earliestStart) / slot;
        const int last = day.offsetOf(type.latestStart) / slot;
        for (int start = first; start <= last; ++start)
            addStart(variants, type, static_cast<int>(t), slot, start);
    }
    return variants;
}

void ShiftVariant::addStart(std::vector<ShiftVariant> &variants, const ShiftType &type, int typeIndex, int slotMinutes,
                            int startSlot)
{
    ShiftVariant v;
    v.type = typeIndex;
    v.startSlot = startSlot;
    v.lengthSlots = type.lengthMinutes / slotMinutes;
    v.paidMinutes = type.paidMinutes();
    if (!type.breakRule) {
        variants.push_back(v);
        return;
    }
    v.breakSlots = type.breakRule->lengthMinutes / slotMinutes;
    for (int b = type.breakRule->earliestMinutes / slotMinutes; b <= type.breakRule->latestMinutes / slotMinutes; ++b) {
        v.breakSlot = startSlot + b;
        variants.push_back(v);
    }
}

std::vector<bool> ShiftVariant::reachableSlots(const ShiftDay &day, const std::vector<ShiftVariant> &variants)
{
    std::vector<bool> reachable(static_cast<std::size_t>(day.slotCount()), false);
    for (const ShiftVariant &v : variants)
        for (int s = v.startSlot; s < v.startSlot + v.lengthSlots; ++s)
            reachable[static_cast<std::size_t>(s)] = reachable[static_cast<std::size_t>(s)] || v.works(s);
    return reachable;
}
