// SPDX-License-Identifier: MIT
#include "benchmarkweek.h"

#include "slotlength.h"

#include <algorithm>
#include <cmath>

namespace {

struct Open
{
    int open, close, peak;
};

constexpr Open Days[ShiftWeek::DayCount] = {{6, 22, 120}, {6, 22, 110}, {6, 22, 105}, {6, 22, 100},
                                           {6, 22, 112}, {8, 18, 70},  {9, 17, 45}};

// Seconds per call: three minutes' talk and half a minute's after-call work.
constexpr int HandleSeconds = 210;
// A slot's agents work this share of it on calls, about what the Schedule's
// Erlang C figure gives at the goal for a day this size.
constexpr double Occupancy = 0.9;

} // namespace

std::vector<int> BenchmarkWeek::twoPeakDay(int slotMinutes, int open, int close, int peak)
{
    std::vector<int> values;
    const double length = close - open;
    for (int minute = open * 60; minute < close * 60; minute += slotMinutes) {
        const double hour = (minute + slotMinutes / 2.0) / 60.0;
        const double morning = std::exp(-std::pow((hour - open - length / 3) / (length / 8), 2));
        const double afternoon = 0.8 * std::exp(-std::pow((hour - open - 2 * length / 3) / (length / 8), 2));
        values.push_back(static_cast<int>(std::lround(5 + (peak - 5) * std::max(morning, afternoon))));
    }
    return values;
}

ShiftWeek BenchmarkWeek::shiftWeek(int slotMinutes, bool allDay)
{
    ShiftWeek week;
    week.slotMinutes = slotMinutes;
    for (int d = 0; d < ShiftWeek::DayCount; ++d) {
        const Open o = allDay ? Open{0, 24, Days[d].peak} : Days[d];
        ShiftDay day;
        day.slotMinutes = slotMinutes;
        day.startMinuteOfDay = o.open * 60;
        day.requirement = twoPeakDay(slotMinutes, o.open, o.close, o.peak);
        week.days[static_cast<std::size_t>(d)].shifts = day;
    }
    return week;
}

WeekScenario BenchmarkWeek::scenario(int slotMinutes)
{
    // Only the three slot lengths there are.
    if (slotMinutes != 15 && slotMinutes != 30)
        slotMinutes = 60;
    WeekScenario week;
    week.settings.setText(Field::MaskEdit2, QStringLiteral("03:00"));
    week.settings.setText(Field::MaskEdit3, QStringLiteral("00:30"));
    week.settings.setSlotLength(static_cast<SlotLength>(slotMinutes));
    for (int d = 0; d < ShiftWeek::DayCount; ++d) {
        WeekScenario::Day &day = week.days[static_cast<std::size_t>(d)];
        day.open = true;
        day.startMinute = Days[d].open * 60;
        day.endMinute = Days[d].close * 60;
        for (const int agents : twoPeakDay(slotMinutes, Days[d].open, Days[d].close, Days[d].peak))
            day.calls.push_back(static_cast<int>(std::lround(agents * Occupancy * slotMinutes * 60 / HandleSeconds)));
    }
    return week;
}
