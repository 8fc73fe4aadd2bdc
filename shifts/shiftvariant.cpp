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
        ShiftVariant v;
        v.type = static_cast<int>(t);
        v.lengthSlots = type.lengthMinutes / slot;
        v.paidMinutes = type.paidMinutes();
        const int first = day.offsetOf(type.earliestStart) / slot;
        const int last = day.offsetOf(type.latestStart) / slot;
        for (v.startSlot = first; v.startSlot <= last; ++v.startSlot) {
            if (!type.breakRule) {
                variants.push_back(v);
                continue;
            }
            v.breakSlots = type.breakRule->lengthMinutes / slot;
            for (int b = type.breakRule->earliestMinutes / slot; b <= type.breakRule->latestMinutes / slot; ++b) {
                v.breakSlot = v.startSlot + b;
                variants.push_back(v);
            }
        }
    }
    return variants;
}

std::vector<bool> ShiftVariant::reachableSlots(const ShiftDay &day, const std::vector<ShiftVariant> &variants)
{
    std::vector<bool> reachable(static_cast<std::size_t>(day.slotCount()), false);
    for (const ShiftVariant &v : variants)
        for (int s = v.startSlot; s < v.startSlot + v.lengthSlots; ++s)
            reachable[static_cast<std::size_t>(s)] = reachable[static_cast<std::size_t>(s)] || v.works(s);
    return reachable;
}
