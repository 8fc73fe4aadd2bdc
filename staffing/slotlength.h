// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

// The length of a scenario's time slots, in minutes. The value is the
// minutes themselves, so static_cast<int> reads them.
enum class SlotLength { Quarter = 15, HalfHour = 30, Hour = 60 };

// The lengths from the shortest up, as the window offers them.
inline constexpr SlotLength SlotLengths[] = {SlotLength::Quarter, SlotLength::HalfHour, SlotLength::Hour};

constexpr int minutesOf(SlotLength length)
{
    return static_cast<int>(length);
}

// The length of so many minutes; none for any other number.
constexpr std::optional<SlotLength> slotLengthOfMinutes(int minutes)
{
    for (SlotLength length : SlotLengths) {
        if (minutesOf(length) == minutes)
            return length;
    }
    return std::nullopt;
}
