// SPDX-License-Identifier: MIT
#include "idleagents.h"

#include "shiftvariant.h"

#include <algorithm>
#include <cmath>
#include <numeric>

void DropIdleAgents(std::vector<double> &counts, const std::vector<ShiftVariant> &variants, int slotCount,
                    const std::function<bool(int slot, int staffed)> &mayLoseOne)
{
    const std::size_t n = std::min(counts.size(), variants.size());
    std::vector<int> staffed(static_cast<std::size_t>(std::max(slotCount, 0)), 0);
    for (std::size_t i = 0; i < n; ++i) {
        const auto agents = static_cast<int>(std::llround(counts[i]));
        for (int s = 0; s < slotCount; ++s)
            if (variants[i].works(s))
                staffed[static_cast<std::size_t>(s)] += agents;
    }
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return variants[a].paidMinutes > variants[b].paidMinutes;
    });
    const auto mayGo = [&](const ShiftVariant &v) {
        for (int s = 0; s < slotCount; ++s)
            if (v.works(s) && !mayLoseOne(s, staffed[static_cast<std::size_t>(s)]))
                return false;
        return true;
    };
    for (const std::size_t i : order) {
        auto agents = static_cast<int>(std::llround(counts[i]));
        while (agents > 0 && mayGo(variants[i])) {
            --agents;
            for (int s = 0; s < slotCount; ++s)
                if (variants[i].works(s))
                    --staffed[static_cast<std::size_t>(s)];
        }
        counts[i] = agents;
    }
}
