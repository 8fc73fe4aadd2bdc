// SPDX-License-Identifier: MIT
#include "shiftday.h"

#include "texts.h"

int ShiftDay::offsetOf(int minuteOfDay) const
{
    return ((minuteOfDay - startMinuteOfDay) % Calc::MinutesPerDay + Calc::MinutesPerDay) % Calc::MinutesPerDay;
}

int ShiftDay::minuteOfDayAt(int offset) const
{
    return ((startMinuteOfDay + offset) % Calc::MinutesPerDay + Calc::MinutesPerDay) % Calc::MinutesPerDay;
}
