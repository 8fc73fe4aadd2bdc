// SPDX-License-Identifier: MIT
#include "shiftday.h"

int ShiftDay::offsetOf(int minuteOfDay) const
{
    return ((minuteOfDay - startMinuteOfDay) % MinutesPerDay + MinutesPerDay) % MinutesPerDay;
}

int ShiftDay::minuteOfDayAt(int offset) const
{
    return ((startMinuteOfDay + offset) % MinutesPerDay + MinutesPerDay) % MinutesPerDay;
}
