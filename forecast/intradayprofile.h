// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <vector>

class ForecastSeries;

// Each weekday's share of the day's calls per slot, from the last
// `ProfileWeeks` days of that weekday before an origin: the calls of a slot
// over those days divided by their calls in all slots (a ratio of sums, so
// quiet days weigh less), the shares of the slots with data summing to 1.
// A slot without data on those days has none (NaN); a weekday whose days
// had no calls shares its day evenly over the slots with data.
class IntradayProfile
{
public:
    static constexpr int ProfileWeeks = 4;

    static IntradayProfile before(const ForecastSeries &series, int origin);
    // 1 = Monday ... 7 = Sunday.
    double share(int weekday, int slot) const
    {
        return m_shares[static_cast<std::size_t>(weekday - 1)][static_cast<std::size_t>(slot)];
    }

private:
    std::array<std::vector<double>, 7> m_shares;
};
