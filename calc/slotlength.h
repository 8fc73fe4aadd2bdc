// SPDX-License-Identifier: MIT
#pragma once

#include <QLatin1String>
#include <QString>

#include <iterator>
#include <optional>

// The length of a scenario's time slots, in minutes. The value is the
// minutes themselves, so static_cast<int> reads them.
enum class SlotLength { Quarter = 15, HalfHour = 30, Hour = 60 };

// What each slot length is called and how a scenario file keeps it: the
// one table every window, file and check reads. A new length is a row
// here; README "Where one fact lives" names the few rules beside it.
struct SlotLengthInfo
{
    SlotLength length;
    QLatin1String caption;    // the window's button
    QLatin1String buttonName; // and its object name
    // The scenario file's slot-length line: "0" or "1". A length that
    // shares its code with an older one is also written as an option line.
    QLatin1String fileCode;
    bool optionLine;

    constexpr int minutes() const { return static_cast<int>(length); }
    constexpr int slotsPerHour() const { return 60 / minutes(); }
    // The spacing of an interval file's rows in this length, in seconds.
    constexpr int spacingSeconds() const { return minutes() * 60; }
};

// From the shortest up, as the window offers them.
inline constexpr SlotLengthInfo SlotLengthTable[] = {
    {SlotLength::Quarter, QLatin1String("15 min"), QLatin1String("RadioButton3"), QLatin1String("0"), true},
    {SlotLength::HalfHour, QLatin1String("30 min"), QLatin1String("RadioButton1"), QLatin1String("0"), false},
    {SlotLength::Hour, QLatin1String("60 min"), QLatin1String("RadioButton2"), QLatin1String("1"), false},
};

// The lengths alone, in the table's order.
inline constexpr SlotLength SlotLengths[] = {SlotLength::Quarter, SlotLength::HalfHour, SlotLength::Hour};
static_assert(std::size(SlotLengths) == std::size(SlotLengthTable) && SlotLengths[0] == SlotLengthTable[0].length
                  && SlotLengths[1] == SlotLengthTable[1].length && SlotLengths[2] == SlotLengthTable[2].length,
              "SlotLengths lists the table's lengths in its order");

constexpr const SlotLengthInfo &slotLengthInfo(SlotLength length)
{
    for (const SlotLengthInfo &info : SlotLengthTable) {
        if (info.length == length)
            return info;
    }
    return SlotLengthTable[0];
}

constexpr int minutesOf(SlotLength length)
{
    return static_cast<int>(length);
}

// The length of so many minutes; none for any other number.
constexpr std::optional<SlotLength> slotLengthOfMinutes(int minutes)
{
    for (const SlotLengthInfo &info : SlotLengthTable) {
        if (info.minutes() == minutes)
            return info.length;
    }
    return std::nullopt;
}

// The minutes of every length: "15, 30 or 60".
QString SlotMinutesListText();
