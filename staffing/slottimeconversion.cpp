// SPDX-License-Identifier: MIT
#include "slottimeconversion.h"

#include "texts.h"

#include <algorithm>
#include <cmath>

namespace SlotTimeConversion {

std::vector<std::optional<int>> convert(const TimeSlots &from, const std::vector<std::optional<int>> &times,
                                        const std::vector<int> &volumes, bool fromHalfHours, const TimeSlots &to)
{
    const int oldStart = from.startMinuteOfDay();
    const int newStart = to.startMinuteOfDay();
    const int oldLength = TimeSlots::lengthMinutes(fromHalfHours);
    const int newLength = TimeSlots::lengthMinutes(!fromHalfHours);
    auto offset = [&](int minuteOfDay) {
        return ((minuteOfDay - newStart) % Calc::MinutesPerDay + Calc::MinutesPerDay) % Calc::MinutesPerDay;
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
        const int slotStart = offset(oldStart + i * oldLength);
        const int k = slotStart / newLength;
        if (!fromHalfHours) {
            for (int half : {k, (slotStart + newLength) / newLength}) {
                if (half < to.count)
                    result[static_cast<std::size_t>(half)] = time;
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
    for (std::size_t k = 0; fromHalfHours && k < means.size(); ++k) {
        const Mean &mean = means[k];
        if (mean.count > 0)
            result[k] = static_cast<int>(std::floor((mean.calls > 0 ? mean.weighted / mean.calls : mean.plain / mean.count) + 0.5));
    }
    return result;
}

} // namespace SlotTimeConversion
