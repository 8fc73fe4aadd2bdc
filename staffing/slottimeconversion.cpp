// SPDX-License-Identifier: MIT
#include "slottimeconversion.h"

#include "texts.h"

#include <algorithm>
#include <cmath>

namespace SlotTimeConversion {

std::vector<std::optional<int>> convert(const TimeSlots &from, const std::vector<std::optional<int>> &times,
                                        const std::vector<int> &volumes, const TimeSlots &to)
{
    const int oldLength = from.lengthMinutes();
    const int newLength = to.lengthMinutes();
    // How many new slots one old slot covers: more than 1 when splitting.
    const int parts = std::max(1, oldLength / newLength);
    // The new slot (0-based, maybe past the list's end) that old slot i
    // starts in, counted on a 24-hour clock from the new list's start.
    auto firstNewSlot = [&](int i) {
        const int start = from.startMinuteOfDay() + i * oldLength;
        const int offset = ((start - to.startMinuteOfDay()) % Calc::MinutesPerDay + Calc::MinutesPerDay)
                           % Calc::MinutesPerDay;
        return offset / newLength;
    };

    struct Mean
    {
        double weighted = 0;
        double calls = 0;
        double plain = 0;
        int count = 0;
    };
    std::vector<Mean> means(static_cast<std::size_t>(to.count));
    std::vector<std::optional<int>> result(static_cast<std::size_t>(to.count));
    for (int i = 0; i < static_cast<int>(times.size()); ++i) {
        const std::optional<int> &time = times[static_cast<std::size_t>(i)];
        if (!time)
            continue;
        const int k = firstNewSlot(i);
        if (parts > 1) {
            // Split: every part keeps the longer slot's time.
            for (int part = 0; part < parts; ++part) {
                if (k + part < to.count)
                    result[static_cast<std::size_t>(k + part)] = time;
            }
            continue;
        }
        if (k >= to.count)
            continue;
        const double calls = i < static_cast<int>(volumes.size()) ? std::max(0, volumes[static_cast<std::size_t>(i)]) : 0;
        Mean &mean = means[static_cast<std::size_t>(k)];
        mean.weighted += calls * *time;
        mean.calls += calls;
        mean.plain += *time;
        ++mean.count;
    }
    for (std::size_t k = 0; parts == 1 && k < means.size(); ++k) {
        const Mean &mean = means[k];
        if (mean.count > 0)
            result[k] = static_cast<int>(std::floor((mean.calls > 0 ? mean.weighted / mean.calls : mean.plain / mean.count) + 0.5));
    }
    return result;
}

} // namespace SlotTimeConversion
