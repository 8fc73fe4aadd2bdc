// SPDX-License-Identifier: MIT
#pragma once

#include "chartlayout.h"
#include "chartmodel.h"

class QPainter;

// Draws the series of a laid-out chart: in the flat view lines and bars side
// by side within each x position; in 3D ribbons and boxes, one lane per
// series, the tallest at the back (ChartLayout::laneOf). The caller clips to the plot.
void PaintSeries(QPainter &painter, const ChartLayout &layout, const ChartModel &model);
