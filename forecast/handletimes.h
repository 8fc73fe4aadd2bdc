// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <vector>

class ForecastSeries;

// The talk and after-call seconds of each weekday and slot: the
// call-weighted mean over the same weekday and slot in the last `weeks`
// weeks before an origin, of the rows that gave a time (their plain mean
// where they had no calls), in whole seconds (halves up), at most
// Calc::LongestDurationSeconds; none where no row gave one.
struct HandleTimes
{
    struct Times
    {
        std::optional<int> talkSeconds;
        std::optional<int> wrapSeconds;
    };

    static HandleTimes before(const ForecastSeries &series, int origin, int weeks);

    // 1 = Monday ... 7 = Sunday.
    const Times &of(int weekday, int slot) const
    {
        return byWeekday[static_cast<std::size_t>(weekday - 1)][static_cast<std::size_t>(slot)];
    }

    std::array<std::vector<Times>, 7> byWeekday;
};
