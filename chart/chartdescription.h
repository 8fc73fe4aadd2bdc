// SPDX-License-Identifier: MIT
#pragma once

#include "chartmodel.h"

#include <QString>

// What the chart shows, in sentences a screen reader can say: the style and
// the series, the axes with their ranges, and each series' highest and lowest
// value with the bottom-axis label where it occurs (the first such point on a
// tie). Only the vertical axes that some series uses are named. A chart
// without points says so.
QString ChartDescription(const ChartModel &chart);
