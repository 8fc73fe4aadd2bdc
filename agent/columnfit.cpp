// SPDX-License-Identifier: MIT
#include "columnfit.h"

#include <algorithm>

std::vector<int> FitColumnWidths(int available, const std::vector<int> &least)
{
    const int count = static_cast<int>(least.size());
    if (count == 0)
        return {};
    // The columns that keep their least; the share of the others, widened
    // until no other column needs more than it.
    std::vector<bool> kept(least.size(), false);
    int share = available / count;
    for (bool changed = true; changed;) {
        changed = false;
        int rest = available;
        int sharing = count;
        for (std::size_t c = 0; c < least.size(); ++c) {
            if (kept[c]) {
                rest -= least[c];
                --sharing;
            }
        }
        if (sharing == 0)
            break;
        share = rest / sharing;
        for (std::size_t c = 0; c < least.size(); ++c) {
            if (!kept[c] && least[c] > share) {
                kept[c] = true;
                changed = true;
            }
        }
    }
    std::vector<int> widths;
    for (std::size_t c = 0; c < least.size(); ++c)
        widths.push_back(kept[c] ? least[c] : std::max(share, least[c]));
    return widths;
}
