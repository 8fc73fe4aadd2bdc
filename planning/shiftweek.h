// SPDX-License-Identifier: MIT
#pragma once

#include "serviceday.h"
#include "shiftday.h"

#include <QDate>

#include <array>
#include <optional>

// A week as the week planner staffs it: seven days, Monday first, each
// closed or open with its slots (one slot length for the week) and the
// agents each slot needs; for the service-level goal each open day's
// service curves too.
struct ShiftWeek
{
    static constexpr int DayCount = 7;

    struct Day
    {
        std::optional<QDate> date;     // as the interval file gave it
        std::optional<ShiftDay> shifts; // none: closed
        std::optional<ServiceDay> service;
        bool open() const { return shifts.has_value() && shifts->slotCount() > 0; }
    };

    int slotMinutes = 60;
    std::array<Day, DayCount> days;

    // "Mon" … "Sun".
    static QString dayName(int day);
};
