// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

// The widths of a grid's columns within `available` pixels, each at least
// its `least`: while every least fits into an equal share (available div
// count), every column gets that share; otherwise the columns that need more
// keep their least and the others share what is left equally. Where even
// the leasts do not fit, each column gets its least and the grid scrolls
// sideways.
std::vector<int> FitColumnWidths(int available, const std::vector<int> &least);
