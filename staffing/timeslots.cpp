// SPDX-License-Identifier: MIT
#include "timeslots.h"

#include "conversions.h"
#include "texts.h"

QString TimeSlots::clockText(int hour, int minute)
{
    return Calc::PadNumber(hour, 2) + QLatin1Char(':') + Calc::PadNumber(minute, 2);
}

TimeSlots TimeSlots::of(const QString &startText, const QString &endText, bool halfHours)
{
    int startHour = 9, startMinute = 0;
    if (const auto start = Calc::ParseTime(startText)) {
        startHour = start->hour;
        startMinute = start->minute;
    }
    int endHour = 17, endMinute = 0;
    if (endText == Calc::EndOfDayText) {
        endHour = 24;
        endMinute = 0;
    } else if (const auto end = Calc::ParseTime(endText)) {
        endHour = end->hour;
        endMinute = end->minute;
    }

    if (halfHours) {
        startMinute = startMinute >= 30 ? 30 : 0;
        endMinute = endMinute >= 30 ? 30 : 0;
    } else {
        startMinute = 0;
        if (endMinute >= 30) {
            endMinute = 0;
            endHour += 1;
            if (endHour > 24)
                endHour -= 24;
        } else {
            endMinute = 0;
        }
    }

    // Counted in minutes from the rounded times, so that a period shorter
    // than an hour keeps its slots; equal times mean a whole day.
    int minutes = (endHour * 60 + endMinute) - (startHour * 60 + startMinute);
    if (minutes <= 0)
        minutes += Calc::MinutesPerDay;
    int count = minutes / lengthMinutes(halfHours);
    if (count < 1)
        count = 1;
    if (count > MaxCount)
        count = MaxCount;

    TimeSlots slotList;
    slotList.count = count;
    slotList.hour = startHour;
    slotList.minute = startMinute;
    slotList.endHour = endHour;
    slotList.endMinute = endMinute;
    return slotList;
}

QString TimeSlots::slotStartText(int index, bool halfHours) const
{
    // Slot 1 starts on the hour or the half hour, so each later start is a
    // whole number of slot lengths on, wrapped at midnight.
    const int minuteOfDay = (startMinuteOfDay() + (index - 1) * lengthMinutes(halfHours)) % Calc::MinutesPerDay;
    return clockText(minuteOfDay / 60, minuteOfDay % 60);
}

QString TimeSlots::totalTimeText(bool halfHours) const
{
    if (halfHours)
        return Calc::PadNumber(count / 2, 2) + (count % 2 ? QStringLiteral(":30") : QStringLiteral(":00"));
    return Calc::PadNumber(count, 2) + QStringLiteral(":00");
}
