// SPDX-License-Identifier: MIT
#include "shiftweek.h"

QString ShiftWeek::dayName(int day)
{
    static const char *const names[DayCount] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    return day >= 0 && day < DayCount ? QString::fromLatin1(names[day]) : QString();
}
