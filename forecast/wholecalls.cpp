// SPDX-License-Identifier: MIT
#include "wholecalls.h"

#include <algorithm>
#include <cmath>
#include <numeric>

std::vector<int> WholeCalls(const std::vector<double> &calls)
{
    std::vector<double> values(calls.size());
    std::transform(calls.begin(), calls.end(), values.begin(),
                   [](double v) { return std::isnan(v) || v < 0 ? 0.0 : std::min(v, 1e9); });
    const double sum = std::accumulate(values.begin(), values.end(), 0.0);
    std::vector<int> whole(values.size());
    long long given = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        whole[i] = static_cast<int>(std::floor(values[i]));
        given += whole[i];
    }
    long long left = static_cast<long long>(std::floor(sum + 0.5)) - given;
    std::vector<std::size_t> order(values.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return values[a] - std::floor(values[a]) > values[b] - std::floor(values[b]);
    });
    for (std::size_t k = 0; k < order.size() && left > 0; ++k, --left)
        ++whole[order[k]];
    return whole;
}
