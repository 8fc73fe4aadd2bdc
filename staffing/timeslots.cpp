// SPDX-License-Identifier: MIT
#include "timeslots.h"

#include "celltext.h"
#include "conversions.h"
#include "texts.h"

namespace {

struct ClockTime
{
    int hour;
    int minute;
};

// Rounds the start and the end of the arrival period to the slot length.
// Half hours and hours keep the rules planners know from the two-length
// window: a half-hour slot takes the half hour a time lies in, start and end
// alike; an hourly end from half past on goes to the next hour. Quarter hours
// round a start down to its slot and an end inside a slot up to the slot's
// end, so the typed period lies within the slots. A read end lies at 24:00
// at the latest, and so does a rounded one.
void roundToSlots(ClockTime &start, ClockTime &end, SlotLength length)
{
    switch (length) {
    case SlotLength::HalfHour:
        start.minute = start.minute >= 30 ? 30 : 0;
        end.minute = end.minute >= 30 ? 30 : 0;
        break;
    case SlotLength::Hour:
        start.minute = 0;
        if (end.minute >= 30)
            end.hour += 1;
        end.minute = 0;
        break;
    case SlotLength::Quarter: {
        const int slot = minutesOf(length);
        start.minute -= start.minute % slot;
        const int endMinute = end.hour * 60 + end.minute + (slot - end.minute % slot) % slot;
        end.hour = endMinute / 60;
        end.minute = endMinute % 60;
        break;
    }
    }
}

// The arrival times with their fallbacks: an unreadable start is 09:00, an
// unreadable end 17:00; "24:00" is the end of the day.
std::pair<ClockTime, ClockTime> readClockTimes(const QString &startText, const QString &endText)
{
    ClockTime start{9, 0};
    if (const auto parsed = Calc::ParseTime(startText))
        start = {parsed->hour, parsed->minute};
    ClockTime end{17, 0};
    if (endText == Calc::EndOfDayText)
        end = {24, 0};
    else if (const auto parsed = Calc::ParseTime(endText))
        end = {parsed->hour, parsed->minute};
    return {start, end};
}

} // namespace

std::pair<QString, QString> TimeSlots::readTimes(const QString &startText, const QString &endText)
{
    const auto [start, end] = readClockTimes(startText, endText);
    return {clockText(start.hour, start.minute), clockText(end.hour, end.minute)};
}

int TimeSlots::periodMinutes(const QString &startText, const QString &endText)
{
    const auto [start, end] = readClockTimes(startText, endText);
    const int minutes = (end.hour * 60 + end.minute) - (start.hour * 60 + start.minute);
    return minutes <= 0 ? minutes + Calc::MinutesPerDay : minutes;
}

QString TimeSlots::clockText(int hour, int minute)
{
    return Calc::ClockCellText(hour, minute).toString();
}

TimeSlots TimeSlots::of(const QString &startText, const QString &endText, SlotLength length)
{
    auto [start, end] = readClockTimes(startText, endText);
    roundToSlots(start, end, length);

    // Counted in minutes from the rounded times, so that a period shorter
    // than an hour keeps its slots; equal times mean a whole day. The
    // rounded times lie a whole number of slots apart, so the count is at
    // least one slot and at most a day's worth.
    int minutes = (end.hour * 60 + end.minute) - (start.hour * 60 + start.minute);
    if (minutes <= 0)
        minutes += Calc::MinutesPerDay;

    TimeSlots slotList;
    slotList.length = length;
    slotList.count = minutes / minutesOf(length);
    slotList.hour = start.hour;
    slotList.minute = start.minute;
    slotList.endHour = end.hour;
    slotList.endMinute = end.minute;
    return slotList;
}

QString TimeSlots::slotStartText(int index) const
{
    return slotStartCellText(index).toString();
}

Calc::CellText TimeSlots::slotStartCellText(int index) const
{
    // Slot 1 starts on a slot boundary, so each later start is a whole
    // number of slot lengths on, wrapped at midnight.
    const int minuteOfDay = (startMinuteOfDay() + (index - 1) * lengthMinutes()) % Calc::MinutesPerDay;
    return Calc::ClockCellText(minuteOfDay / 60, minuteOfDay % 60);
}

QString TimeSlots::totalTimeText() const
{
    const int minutes = count * lengthMinutes();
    return clockText(minutes / 60, minutes % 60);
}
