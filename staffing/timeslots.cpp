// SPDX-License-Identifier: MIT
#include "agentscenario.h"

#include "conversions.h"
#include "texts.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

namespace {

QString clockText(int hour, int minute)
{
    return Calc::PadNumber(hour, 2) + QLatin1Char(':') + Calc::PadNumber(minute, 2);
}

const char *const scheduleHeaders[ResultTable::ColumnCount] = {
    "Time", "Calls", "Agents", "Srv Lvl", "Queued", "Abndon", "Usage", "Ave Ans", "Trunks"};

// Slot list of a given slot length, from the two arrival-time texts.
TimeSlots slotsFor(const QString &startText, const QString &endText, bool halfHours)
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
    const int slotLength = halfHours ? 30 : 60;
    int count = minutes / slotLength;
    if (count < 1)
        count = 1;
    if (count > AgentScenario::MaxSlots)
        count = AgentScenario::MaxSlots;

    TimeSlots slotList;
    slotList.count = count;
    slotList.hour = startHour;
    slotList.minute = startMinute;
    slotList.endHour = endHour;
    slotList.endMinute = endMinute;
    return slotList;
}

} // namespace

TimeSlots AgentScenario::timeSlots() const
{
    return slotsFor(text(Field::MaskEdit1), text(Field::MaskEdit7), HalfHourSlots);
}

TimeSlots AgentScenario::BuildTimeSlots()
{
    const TimeSlots slotList = timeSlots();
    setText(Field::MaskEdit1, clockText(slotList.hour, slotList.minute));
    setText(Field::MaskEdit7, clockText(slotList.endHour, slotList.endMinute));
    m_totalTime = totalTimeOf(slotList);
    return slotList;
}

void AgentScenario::updateTotalTime()
{
    m_totalTime = totalTimeOf(timeSlots());
}

QString AgentScenario::totalTimeOf(const TimeSlots &slotList) const
{
    if (HalfHourSlots)
        return Calc::PadNumber(slotList.count / 2, 2) + (slotList.count % 2 ? QStringLiteral(":30") : QStringLiteral(":00"));
    return Calc::PadNumber(slotList.count, 2) + QStringLiteral(":00");
}

void AgentScenario::DistributeCalls()
{
    const int count = BuildTimeSlots().count;
    const auto calls = Calc::ParseInteger(text(Field::Edit1));
    if (!calls)
        return;
    CallCount = *calls;
    const double share = CallCount / count;
    double running = 0.0;
    long long assigned = 0;
    for (int i = 1; i <= count; ++i) {
        running = running + share;
        long long volume;
        if (i < count) {
            // running + 0.5 is truncated exactly, not first rounded to a
            // double: long double holds the sum of a double and 0.5 exactly.
            volume = static_cast<long long>(std::trunc(static_cast<long double>(running) + 0.5L)) - assigned;
            assigned += volume;
        } else {
            volume = static_cast<long long>(std::trunc(CallCount)) - assigned;
        }
        SlotCalls[static_cast<std::size_t>(i)] = static_cast<int>(volume);
    }
    if (ScheduleMode) {
        for (int i = 1; i <= count; ++i)
            m_grid.setCell(ResultTable::CallsColumn, i, QString::number(SlotCalls[static_cast<std::size_t>(i)]));
    }
}

void AgentScenario::changeSlotLength(bool fromHalfHours)
{
    // The slots of both lengths are placed on the clock: an hour takes the
    // sum of the half hours that start in it, and a half hour takes its half
    // of the hour it lies in (an odd volume gives the larger half to the
    // second half hour). With whole-hour times this pairs half hours 2k-1 and
    // 2k, and splits each hour into two; half-hour starts and odd counts stay
    // on the clock too. Only the slots in use are written.
    const TimeSlots oldSlots = slotsFor(text(Field::MaskEdit1), text(Field::MaskEdit7), fromHalfHours);
    const int oldCount = oldSlots.count;
    std::vector<int> oldVolumes(static_cast<std::size_t>(oldCount));
    for (int i = 0; i < oldCount; ++i)
        oldVolumes[static_cast<std::size_t>(i)] = SlotCalls[static_cast<std::size_t>(i + 1)];
    const int oldStart = oldSlots.hour * 60 + oldSlots.minute;

    PrepareGrid(); // rebuilds the slot list for the new length
    const TimeSlots newSlots = timeSlots();
    const int newStart = newSlots.hour * 60 + newSlots.minute;
    const int oldLength = fromHalfHours ? 30 : 60;
    const int newLength = fromHalfHours ? 60 : 30;

    // Minutes of a slot start counted from the new list's start, on a
    // 24-hour clock.
    auto offset = [&](int minuteOfDay) { return ((minuteOfDay - newStart) % Calc::MinutesPerDay + Calc::MinutesPerDay) % Calc::MinutesPerDay; };

    std::vector<long long> newVolumes(static_cast<std::size_t>(newSlots.count), 0);
    std::vector<bool> touched(static_cast<std::size_t>(newSlots.count), false);
    for (int i = 0; i < oldCount; ++i) {
        const int slotStart = offset(oldStart + i * oldLength);
        const int v = oldVolumes[static_cast<std::size_t>(i)];
        if (fromHalfHours) {
            const int k = slotStart / newLength;
            if (k < newSlots.count) {
                newVolumes[static_cast<std::size_t>(k)] += v;
                touched[static_cast<std::size_t>(k)] = true;
            }
        } else {
            const int first = v / 2;
            const int parts[2] = {first, v - first};
            for (int h = 0; h < 2; ++h) {
                const int k = (slotStart + h * newLength) / newLength;
                if (k < newSlots.count) {
                    newVolumes[static_cast<std::size_t>(k)] += parts[h];
                    touched[static_cast<std::size_t>(k)] = true;
                }
            }
        }
    }
    for (int k = 0; k < newSlots.count; ++k) {
        if (!touched[static_cast<std::size_t>(k)])
            continue;
        const long long v = std::clamp<long long>(newVolumes[static_cast<std::size_t>(k)], INT_MIN, INT_MAX);
        SlotCalls[static_cast<std::size_t>(k + 1)] = static_cast<int>(v);
        m_grid.setCell(ResultTable::CallsColumn, k + 1, QString::number(v));
    }
}

void AgentScenario::prepareScheduleLayout()
{
    m_grid.setFixedColumns(1);
    for (int row = 1; row < m_grid.rowCount(); ++row) {
        for (int c = 2; c < ResultTable::ColumnCount; ++c)
            m_grid.setCell(c, row, QString());
    }
    TimeSlots slotList = BuildTimeSlots();
    m_grid.setRowCount(slotList.count + 1);
    int hour = slotList.hour;
    int minute = slotList.minute;
    for (int i = 1; i <= slotList.count; ++i) {
        m_grid.setCell(ResultTable::TimeColumn, i, clockText(hour, minute));
        m_grid.setCell(ResultTable::CallsColumn, i, QString::number(SlotCalls[static_cast<std::size_t>(i)]));
        if (HalfHourSlots) {
            if (minute == 30) {
                minute = 0;
                ++hour;
            } else {
                minute = 30;
            }
        } else {
            ++hour;
        }
        if (hour >= 24)
            hour = 0;
    }
    for (int c = 0; c < ResultTable::ColumnCount; ++c)
        m_grid.setCell(c, 0, QString::fromLatin1(scheduleHeaders[c]));
    m_goalRow = 0;
}
