// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct ShiftType;

// What one agent's week may be: how many days worked, whether the days off
// lie together, the shift types of its days, how far its starts may spread
// over the week and the paid hours it adds up to.
struct TourType
{
    QString name;
    int minDays = 5; // days worked in the week, 1..7
    int maxDays = 5;
    // The days off form one run, which may wrap from Sunday to Monday.
    bool consecutiveDaysOff = true;
    // The shift types (by name, among the week's) its days may be worked in,
    // any of them on any day.
    QStringList shiftTypes;
    // Every start of the week lies within this many minutes of every other
    // (clock times); none: starts are free.
    std::optional<int> bandMinutes;
    // The week's paid minutes, both ends included.
    int minPaidMinutes = 0;
    int maxPaidMinutes = 0;
    std::optional<int> maxAgents;

    bool operator==(const TourType &other) const;
    bool operator!=(const TourType &other) const { return !(*this == other); }

    // Full time (five days, the two days off together, the 8-hour type,
    // starts within an hour, 37.5 to 40 paid hours) and part time (three or
    // four days, the 6- and 4-hour types, free starts, 16 to 28 paid hours),
    // over the shift types of ShiftType::defaultSet.
    static std::vector<TourType> defaultSet();
};
