// SPDX-License-Identifier: MIT
#include "benchmarkweek.h"

#include "slotlength.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

struct Open
{
    int open, close, peak;
};

constexpr Open Days[ShiftWeek::DayCount] = {{6, 22, 120}, {6, 22, 110}, {6, 22, 105}, {6, 22, 100},
                                           {6, 22, 112}, {8, 18, 70},  {9, 17, 45}};

// The calls one agent of the two-peak day's count answers in an hour.
constexpr int CallsPerAgentHour = 12;

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
    const std::optional<SlotLength> length = slotLengthOfMinutes(slotMinutes);
    WeekScenario week;
    const std::pair<Field, const char *> fields[] = {{Field::MaskEdit2, "03:00"}, {Field::MaskEdit3, "01:00"},
                                                     {Field::MaskEdit4, "00:45"}, {Field::MaskEdit5, "80"},
                                                     {Field::MaskEdit6, "20"}};
    for (const auto &[field, text] : fields)
        week.settings.setText(field, QString::fromLatin1(text));
    week.settings.setSlotLength(length.value_or(SlotLength::Hour));
    const ShiftWeek shape = shiftWeek(minutesOf(week.settings.slotLength()));
    for (std::size_t d = 0; d < week.days.size(); ++d) {
        const ShiftDay &day = *shape.days[d].shifts;
        WeekScenario::Day &planned = week.days[d];
        planned.open = true;
        planned.startMinute = day.startMinuteOfDay;
        planned.endMinute = day.startMinuteOfDay + day.dayMinutes();
        for (const int agents : day.requirement)
            planned.calls.push_back(agents * CallsPerAgentHour * day.slotMinutes / 60);
    }
    return week;
}
