// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The slot list rebuilt from the two arrival times and the slot length.
struct TimeSlots
{
    // A day holds at most this many slots (48 half hours).
    static constexpr int MaxCount = 48;

    int count = 1;     // 1..48
    int hour = 0;      // start of slot 1, 0..23
    int minute = 0;    // 0 or 30
    int endHour = 0;   // rounded end, 0..24
    int endMinute = 0; // 0 or 30

    // The slot list for the two arrival-time texts ("hh:mm", "24:00" for the
    // end of the day) and a slot length of 30 or 60 minutes. The times are
    // rounded to the slot length; an unreadable start counts as 09:00, an
    // unreadable end as 17:00; equal times mean a whole day.
    static TimeSlots of(const QString &startText, const QString &endText, bool halfHours);

    // The slot length in minutes: 30 or 60.
    static int lengthMinutes(bool halfHours) { return halfHours ? 30 : 60; }
    // Minute of the day at which slot 1 starts.
    int startMinuteOfDay() const { return hour * 60 + minute; }
    // "hh:mm" of slot `index` (1-based), on a 24-hour clock.
    QString slotStartText(int index, bool halfHours) const;
    // The slots' total time, "hh:mm" ("09:00", "04:30").
    QString totalTimeText(bool halfHours) const;
    QString startText() const { return clockText(hour, minute); }
    QString endText() const { return clockText(endHour, endMinute); }

    static QString clockText(int hour, int minute);
};
