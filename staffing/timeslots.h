// SPDX-License-Identifier: MIT
#pragma once

#include "celltext.h"
#include "slotlength.h"

#include <QString>

#include <utility>

// The slot list rebuilt from the two arrival times and the slot length.
struct TimeSlots
{
    // A day holds at most this many slots (96 quarter hours).
    static constexpr int MaxCount = 96;

    SlotLength length = SlotLength::Hour;
    int count = 1;     // 1..96, at most a day's worth of slots
    int hour = 0;      // start of slot 1, 0..23
    int minute = 0;    // a whole number of slot lengths past the hour
    int endHour = 0;   // rounded end, 0..24
    int endMinute = 0; // as minute

    // The slot list for the two arrival-time texts ("hh:mm", "24:00" for the
    // end of the day) and a slot length. The times are rounded to the slot
    // length; an unreadable start counts as 09:00, an unreadable end as
    // 17:00; equal times mean a whole day.
    static TimeSlots of(const QString &startText, const QString &endText, SlotLength length);
    // The two arrival times as `of` reads them, before rounding, as "hh:mm"
    // texts (first the start, then the end).
    static std::pair<QString, QString> readTimes(const QString &startText, const QString &endText);
    // The minutes from the start to the end as read, unrounded; equal times
    // are a whole day.
    static int periodMinutes(const QString &startText, const QString &endText);

    // The slot length in minutes: 15, 30 or 60.
    int lengthMinutes() const { return minutesOf(length); }
    // Minute of the day at which slot 1 starts.
    int startMinuteOfDay() const { return hour * 60 + minute; }
    // "hh:mm" of slot `index` (1-based), on a 24-hour clock.
    QString slotStartText(int index) const;
    Calc::CellText slotStartCellText(int index) const;
    // The slots' total time, "hh:mm" ("09:00", "04:30").
    QString totalTimeText() const;
    // The length of one slot in hours, as the day's agent-hours count it.
    double slotHours() const { return lengthMinutes() / 60.0; }
    QString startText() const { return clockText(hour, minute); }
    QString endText() const { return clockText(endHour, endMinute); }

    static QString clockText(int hour, int minute);
};
