// SPDX-License-Identifier: MIT
#include "slotvolumes.h"

#include "texts.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace SlotVolumes {

std::vector<int> spread(double calls, int count)
{
    std::vector<int> volumes(static_cast<std::size_t>(count));
    const double share = calls / count;
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
            volume = static_cast<long long>(std::trunc(calls)) - assigned;
        }
        volumes[static_cast<std::size_t>(i - 1)] = static_cast<int>(volume);
    }
    return volumes;
}

std::vector<std::optional<int>> convert(const TimeSlots &from, const std::vector<int> &volumes, bool fromHalfHours,
                                        const TimeSlots &to)
{
    // With whole-hour times this pairs half hours 2k-1 and 2k, and splits
    // each hour into two; half-hour starts and odd counts stay on the clock
    // too.
    const int oldStart = from.startMinuteOfDay();
    const int newStart = to.startMinuteOfDay();
    const int oldLength = TimeSlots::lengthMinutes(fromHalfHours);
    const int newLength = TimeSlots::lengthMinutes(!fromHalfHours);

    // Minutes of a slot start counted from the new list's start, on a
    // 24-hour clock.
    auto offset = [&](int minuteOfDay) {
        return ((minuteOfDay - newStart) % Calc::MinutesPerDay + Calc::MinutesPerDay) % Calc::MinutesPerDay;
    };

    std::vector<long long> sums(static_cast<std::size_t>(to.count), 0);
    std::vector<bool> touched(static_cast<std::size_t>(to.count), false);
    auto add = [&](int k, long long v) {
        if (k < to.count) {
            sums[static_cast<std::size_t>(k)] += v;
            touched[static_cast<std::size_t>(k)] = true;
        }
    };
    for (int i = 0; i < static_cast<int>(volumes.size()); ++i) {
        const int slotStart = offset(oldStart + i * oldLength);
        const int v = volumes[static_cast<std::size_t>(i)];
        if (fromHalfHours) {
            add(slotStart / newLength, v);
        } else {
            const int first = v / 2;
            add(slotStart / newLength, first);
            add((slotStart + newLength) / newLength, v - first);
        }
    }

    std::vector<std::optional<int>> result(static_cast<std::size_t>(to.count));
    for (std::size_t k = 0; k < result.size(); ++k) {
        if (touched[k])
            result[k] = static_cast<int>(std::clamp<long long>(sums[k], INT_MIN, INT_MAX));
    }
    return result;
}

} // namespace SlotVolumes
