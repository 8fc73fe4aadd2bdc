// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstddef>

// One column of an interval file as its header names it: what it holds and
// in which unit its durations are written.
struct IntervalColumn
{
    enum class Role {
        None,       // a column Varnook does not read
        Time,       // the interval's start: "time", "interval", "start"
        Calls,      // "calls", "offered", "volume"
        HandleTime, // "AHT", "handle time": talk and after-call work together
        Talk,       // "talk"
        Wrap,       // "after-call work", "ACW", "wrap"
        Day,        // the interval's day: "date", "day", "weekday"; read by IntervalDays alone
    };
    // How many roles there are: Day is the last.
    static constexpr std::size_t RoleCount = static_cast<std::size_t>(Role::Day) + 1;

    QString header;   // as written in the file, blanks trimmed
    Role role = Role::None;
    // A duration column: seconds per plain number (60 for a unit of
    // minutes); 0 when its bracketed unit is none Varnook knows. Texts with
    // colons are mm:ss or hh:mm:ss whatever the unit.
    int secondsPerNumber = 1;
    // What the file takes the column for, in the preview's words ("calls",
    // "talk time, no after-call work", "not used"); set by IntervalFile.
    QString use;
    // Whether the file reads the column: not a second column of one role,
    // nor an AHT beside both talk and after-call work.
    bool used = false;

    // The column a header names, in any case, with a unit in round or square
    // brackets or none: "Offered", "AHT (hh:mm:ss)", "talk_time [s]",
    // "ACW (min)". A header Varnook does not know has Role::None.
    static IntervalColumn recognise(const QString &header);
    bool isDuration() const { return role == Role::HandleTime || role == Role::Talk || role == Role::Wrap; }
};
